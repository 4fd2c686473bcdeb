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
}

} // namespace ope::scatti
