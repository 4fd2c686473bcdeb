// SPDX-License-Identifier: GPL-3.0-or-later
#include "scatti.h"

#include "programma.h"

#include <QApplication>
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
}

} // namespace ope::scatti
