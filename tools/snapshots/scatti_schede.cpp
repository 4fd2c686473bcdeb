// SPDX-License-Identifier: GPL-3.0-or-later
#include "scatti.h"

#include "print/disegnopagina.h"
#include "programma.h"

#include <QTest>

namespace ope::scatti {

namespace {

void premi(QWidget* finestra, const char* nome)
{
    if (QWidget* w = finestra->findChild<QWidget*>(QString::fromLatin1(nome)))
        QTest::mousePress(w, Qt::LeftButton);
}

void clicca(QWidget* finestra, const char* nome)
{
    if (QWidget* w = finestra->findChild<QWidget*>(QString::fromLatin1(nome)))
        QTest::mouseClick(w, Qt::LeftButton);
}

// A teacher's sheet of the table of seven, multiplications and divisions.
void scattiTabellina(Scatti& s)
{
    s.pagine.clear();
    Programma programma(s.ambiente());
    programma.sessione().scelte.tipoOperazione = 6;
    programma.sessione().scelte.tabelline = 1u << 7;
    programma.apriStampaSchede();
    QWidget* f = programma.finestra(QStringLiteral("FrmStampaSchede"));
    clicca(f, "lblCambiaObSchede");
    premi(f, "Option1(5)");
    premi(f, "Option2(0)");
    clicca(f, "CmdSchedaAlunni");
    s.salva(f, QStringLiteral("schede-7-tabellina7-alunni"));
    clicca(f, "CmdSchedaDocenti");
    s.salva(f, QStringLiteral("schede-8-tabellina7-docenti"));
    clicca(f, "CmdStampaDocenti");
    if (!s.pagine.empty())
        s.salva(immaginePagina(s.pagine.front()), QStringLiteral("schede-stampa-tabellina7-docenti"));
}

} // namespace

void scattiSchede(Scatti& s)
{
    Programma programma(s.ambiente());
    programma.apriStampaSchede();
    QWidget* f = programma.finestra(QStringLiteral("FrmStampaSchede"));
    s.salva(f, QStringLiteral("schede-1-aperta"));
    clicca(f, "lblCambiaObSchede");
    premi(f, "Option1(5)");
    premi(f, "Option2(3)");
    s.salva(f, QStringLiteral("schede-2-livello"));
    clicca(f, "CmdSchedaAlunni");
    s.salva(f, QStringLiteral("schede-3-alunni"));
    clicca(f, "CmdStampaAlunni");
    clicca(f, "CmdSchedaDocenti");
    s.salva(f, QStringLiteral("schede-4-docenti"));
    clicca(f, "CmdStampaDocenti");
    f->showMaximized();
    s.salva(f, QStringLiteral("schede-5-docenti-ingrandita"));
    clicca(f, "CmdSchedaAlunni");
    s.salva(f, QStringLiteral("schede-6-alunni-ingrandita"));
    const char* nomi[] = {"schede-stampa-alunni", "schede-stampa-docenti"};
    for (std::size_t i = 0; i < s.pagine.size() && i < 2; ++i)
        s.salva(immaginePagina(s.pagine[i]), QString::fromLatin1(nomi[i]));
    scattiTabellina(s);
}


} // namespace ope::scatti
