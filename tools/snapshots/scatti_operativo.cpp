// SPDX-License-Identifier: GPL-3.0-or-later
#include "scatti.h"

#include "exercise/frmoperativo.h"
#include "programma.h"

#include <QAction>
#include <QApplication>
#include <QTest>

namespace ope::scatti {

namespace {

void premi(QWidget* finestra, const QString& nome)
{
    if (QWidget* w = finestra->findChild<QWidget*>(nome)) {
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
    }
}

// Keys the expected number, or picks the expected sign.
void rispondi(QWidget* finestra, const QString& risposta, bool segno)
{
    static const QString segni = QStringLiteral("=<>");
    const QString testo = risposta.trimmed();
    if (segno) {
        premi(finestra, QStringLiteral("Option5(%1)").arg(segni.indexOf(testo)));
        return;
    }
    for (QChar c : testo)
        premi(finestra, QStringLiteral("Option1(%1)").arg(c.digitValue()));
}

// Opens the exercise window for an objective and a level of the start window.
QWidget* apri(Programma& programma, int obiettivo, int livello)
{
    programma.avvia();
    QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));
    premi(inizio, QStringLiteral("Option1(%1)").arg(obiettivo));
    premi(inizio, QStringLiteral("Option2(%1)").arg(livello));
    premi(inizio, QStringLiteral("Option3(0)"));
    return programma.finestra(QStringLiteral("FrmOperativo"));
}

} // namespace

void scattiOperativo(Scatti& s)
{
    {
        Programma programma(s.ambiente());
        QWidget* f = apri(programma, 0, 0);
        if (!f)
            return;
        const Serie& serie = static_cast<FrmOperativo*>(f)->serie();
        s.salva(f, QStringLiteral("operativo-1-numero"));
        premi(f, QStringLiteral("Option1(8)"));
        s.salva(f, QStringLiteral("operativo-2-cifra"));
        premi(f, QStringLiteral("Option1(11)"));
        s.salva(f, QStringLiteral("operativo-3-aiuto"));
        for (int no = 0; no < 3; ++no) {
            premi(f, QStringLiteral("Option3(0)"));
            if (no < 2) {
                premi(f, QStringLiteral("Option1(0)"));
                premi(f, QStringLiteral("Option1(11)"));
            }
        }
        s.salva(f, QStringLiteral("operativo-4-intervento"));
        premi(f, QStringLiteral("optOK"));
        s.salva(f, QStringLiteral("operativo-5-aiutato"));
        while (serie.numeroOperazione() < 20) {
            premi(f, QStringLiteral("Option1(12)"));
            s.ora += 7;
            rispondi(f, serie.operazione().rispostaEsatta, false);
            premi(f, QStringLiteral("Option1(11)"));
        }
        s.salva(f, QStringLiteral("operativo-7-finita"));
        f->showMaximized();
        QApplication::processEvents();
        rispondi(f, serie.operazione().rispostaEsatta, false);
        s.salva(f, QStringLiteral("operativo-9-ingrandita"));
    }
    {
        Programma programma(s.ambiente());
        QWidget* f = apri(programma, 4, 0);
        if (!f)
            return;
        if (auto* leggi = f->findChild<QAction*>(QStringLiteral("mnuLeggi")))
            leggi->setChecked(true);
        s.salva(f, QStringLiteral("operativo-6-segno"));
        rispondi(f, static_cast<FrmOperativo*>(f)->serie().operazione().rispostaEsatta, true);
        premi(f, QStringLiteral("Option5(3)"));
        s.salva(f, QStringLiteral("operativo-8-segno-chiuso"));
    }
}

} // namespace ope::scatti
