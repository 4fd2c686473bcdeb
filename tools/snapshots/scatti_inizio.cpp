// SPDX-License-Identifier: GPL-3.0-or-later
#include "scatti.h"

#include "programma.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace ope::scatti {

namespace {

void premi(QWidget* finestra, const char* nome)
{
    if (QWidget* w = finestra->findChild<QWidget*>(QString::fromLatin1(nome))) {
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
    }
}

} // namespace

void scattiInizio(Scatti& s)
{
    Programma programma(s.ambiente());
    programma.avvia();
    QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));
    // Pictures of the choices are taken once the curtains have opened.
    if (auto* tendine = inizio->findChild<QTimer*>(QStringLiteral("TimerTendine")))
        (void)QTest::qWaitFor([tendine] { return !tendine->isActive(); }, 5000);
    s.salva(inizio, QStringLiteral("inizio-1-aperta"));
    premi(inizio, "Option1(2)");
    s.salva(inizio, QStringLiteral("inizio-2-obiettivo"));
    premi(inizio, "Option2(3)");
    s.salva(inizio, QStringLiteral("inizio-3-livello"));
    QTest::mouseClick(inizio->findChild<QWidget*>(QStringLiteral("lblCambiaOb(0)")), Qt::LeftButton);
    premi(inizio, "Option1(4)");
    premi(inizio, "Option2(1)");
    s.salva(inizio, QStringLiteral("inizio-4-gruppo2"));
    inizio->showMaximized();
    s.salva(inizio, QStringLiteral("inizio-5-ingrandita"));
    inizio->showNormal();

    // The operation menu open over a multiplication chosen at level 2, then the tables.
    if (auto* moltiplicazioni = inizio->findChild<QAction*>(QStringLiteral("mnuTipoOperazione(4)")))
        moltiplicazioni->trigger();
    s.salva(inizio, QStringLiteral("inizio-6-moltiplicazioni"));
    if (auto* operazione = inizio->findChild<QAction*>(QStringLiteral("mnuOperazione"))) {
        QMenu* menu = operazione->menu();
        menu->popup(inizio->mapToGlobal(QPoint(0, 0)));
        s.salva(menu, QStringLiteral("inizio-7-menu-operazione"));
        menu->hide();
    }
    programma.apriTabelline();
    QWidget* tabelline = programma.finestra(QStringLiteral("frmTabelline"));
    if (auto* sette = tabelline ? tabelline->findChild<QCheckBox*>(QStringLiteral("chkTabellina(7)")) : nullptr)
        sette->setChecked(true);
    s.salva(tabelline, QStringLiteral("inizio-8-tabelline"));
    if (auto* ok = tabelline ? tabelline->findChild<QPushButton*>(QStringLiteral("cmdOK")) : nullptr)
        ok->click();
    premi(inizio, "Option1(4)");
    premi(inizio, "Option2(1)");
    s.salva(inizio, QStringLiteral("inizio-9-tabellina7"));
    premi(inizio, "Option3(0)");
    s.salva(programma.finestra(QStringLiteral("FrmOperativo")), QStringLiteral("inizio-10-operativo-tabellina7"));
}

} // namespace ope::scatti
