// SPDX-License-Identifier: GPL-3.0-or-later
// Windows keep the size, place and state the user gave them, from one start
// of the program to the next, and their menu bars grow with their text.
#include "programma.h"
#include "prova.h"
#include "ui/finestra.h"

#include <QMenuBar>
#include <QTest>

using namespace ope;

namespace {

Finestra* apriEsercizio(Programma& programma)
{
    programma.avvia();
    QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));
    prova::premi(inizio, QStringLiteral("Option1(0)"));
    prova::premi(inizio, QStringLiteral("Option2(0)"));
    prova::premi(inizio, QStringLiteral("Option3(0)"));
    auto* f = static_cast<Finestra*>(programma.finestra(QStringLiteral("FrmOperativo")));
    return f && QTest::qWaitForWindowExposed(f) ? f : nullptr;
}

} // namespace

class TestGeometria : public QObject {
    Q_OBJECT
private slots:
    void ricordataAlProssimoAvvio_data();
    void ricordataAlProssimoAvvio();
};

void TestGeometria::ricordataAlProssimoAvvio_data()
{
    QTest::addColumn<bool>("massimizzata");
    QTest::addColumn<QRect>("posto");
    QTest::newRow("maximised on a whiteboard") << true << QRect();
    QTest::newRow("made larger and moved") << false << QRect(300, 120, 1100, 800);
}

void TestGeometria::ricordataAlProssimoAvvio()
{
    QFETCH(bool, massimizzata);
    QFETCH(QRect, posto);
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    QFont menuIngrandito;
    {
        Programma programma(piattaforma.ambiente());
        Finestra* f = apriEsercizio(programma);
        QVERIFY(f);
        // Nothing remembered yet: as designed.
        QCOMPARE(f->area()->size(), f->dimensioneProgetto());
        QCOMPARE(f->menuBar()->font().pointSizeF(), 10.0);
        if (massimizzata)
            f->showMaximized();
        else
            f->setGeometry(posto);
        QTRY_VERIFY(f->area()->width() > f->dimensioneProgetto().width());
        // A finger's menu: the bar's text grows with the window's.
        QVERIFY2(f->menuBar()->font().pointSizeF() > 12, qPrintable(f->menuBar()->font().toString()));
        menuIngrandito = f->menuBar()->font();
        programma.chiudiTutto();
    }

    Programma programma(piattaforma.ambiente());
    Finestra* f = apriEsercizio(programma);
    QVERIFY(f);
    QCOMPARE(f->isMaximized(), massimizzata);
    if (!massimizzata)
        QCOMPARE(f->geometry(), posto);
    QTRY_COMPARE(f->menuBar()->font(), menuIngrandito);
}

QTEST_MAIN(TestGeometria)
#include "tst_geometria.moc"
