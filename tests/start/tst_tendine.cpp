// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "start/frminizio.h"
#include "start/tendine.h"
#include "ui/twips.h"

#include "prova.h"

#include <QAction>
#include <QTest>
#include <QTimer>

using namespace ope;

class TestTendine : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void corsa_data();
    void corsa();
    void larghezzaImpossibileRifiutata();

    void chiuseAllApertura();
    void apertePassoPasso();
    void ilTimerLeApreDaSolo();
    void ridimensionataDopoLaFine();
    void formeSottoIControlli();

private:
    FrmInizio* apri();
    QWidget* tendina(int n) { return prova::controllo(inizio, QStringLiteral("Picture%1").arg(n)); }
    QAction* schede() { return inizio->findChild<QAction*>(QStringLiteral("mnuSchede")); }
    QTimer* timer() { return inizio->findChild<QTimer*>(QStringLiteral("TimerTendine")); }
    void verificaAgganciate(int larghezza);

    std::unique_ptr<prova::CartellaDiLavoro> cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
    FrmInizio* inizio = nullptr;
};

void TestTendine::init()
{
    cartella = std::make_unique<prova::CartellaDiLavoro>();
}

void TestTendine::cleanup()
{
    programma.reset();
    inizio = nullptr;
    cartella.reset();
}

FrmInizio* TestTendine::apri()
{
    programma = std::make_unique<Programma>(piattaforma.ambiente());
    programma->avvia();
    inizio = static_cast<FrmInizio*>(programma->finestra(QStringLiteral("frmInizio")));
    return inizio;
}

void TestTendine::verificaAgganciate(int larghezza)
{
    const QSize a = inizio->area()->size();
    QCOMPARE(tendina(2)->geometry(), QRect(0, 0, larghezza, a.height()));
    QCOMPARE(tendina(1)->geometry(), QRect(a.width() - larghezza, 0, larghezza, a.height()));
}

void TestTendine::corsa_data()
{
    QTest::addColumn<int>("partenza");
    QTest::addColumn<int>("passi");
    QTest::addColumn<int>("fine");

    QTest::newRow("12000-twip window: 6000 to nothing") << 6000 << 80 << 0;
    QTest::newRow("30 above a multiple of 75") << 6030 << 80 << 30;
    QTest::newRow("start window at its design width") << 5955 << 79 << 30;
    QTest::newRow("74 left after one tick") << 149 << 1 << 74;
    QTest::newRow("75 left after one tick goes on") << 150 << 2 << 0;
    QTest::newRow("narrower than a step: stays, and stops") << 50 << 1 << 50;
}

void TestTendine::corsa()
{
    QFETCH(int, partenza);
    const std::vector<int> c = corsaTendine(partenza);
    QTEST(int(c.size()), "passi");
    QTEST(c.back(), "fine");
    for (std::size_t i = 0; i + 1 < c.size(); ++i)
        QVERIFY2(c[i] > 74, "the timer went on after the curtains had opened");
}

void TestTendine::larghezzaImpossibileRifiutata()
{
    QCOMPARE(larghezzaDopoPasso(76), 1);
    QCOMPARE(larghezzaDopoPasso(75), 0);
    QCOMPARE(larghezzaDopoPasso(30), 30);
    QCOMPARE(larghezzaDopoPasso(0), 0);
}

void TestTendine::chiuseAllApertura()
{
    QVERIFY(apri());
    // Half the window's outer width (frameless before its first show) each:
    // together they cover the whole area.
    verificaAgganciate(pixel(5955));
    QVERIFY(timer()->isActive());
    QCOMPARE(timer()->interval(), 5);
    QVERIFY(!schede()->isEnabled());
    // Above the controls while they close the window.
    QVERIFY(prova::inPrimoPiano(tendina(1)));
    QVERIFY(prova::inPrimoPiano(tendina(2)));
    QVERIFY(!prova::inPrimoPiano(prova::controllo(inizio, QStringLiteral("Option3(1)"))));
    QVERIFY(!prova::inPrimoPiano(prova::controllo(inizio, QStringLiteral("Label5"))));
    // The ratio table took them at this opened-out width.
    bool trovate = false;
    for (const Proporzioni::Voce& v : inizio->proporzioni().voci()) {
        if (v.controllo == tendina(1)) {
            trovate = true;
            QCOMPARE(v.larghezza, 0.5);
            QCOMPARE(v.sinistra, 0.5);
            QCOMPARE(v.altezza, 1.0);
        }
    }
    QVERIFY(trovate);
}

void TestTendine::apertePassoPasso()
{
    QVERIFY(apri());
    int passi = 0;
    while (timer()->isActive() && passi < 1000) {
        QVERIFY2(!schede()->isEnabled(), "\"Stampa schede\" usable while the curtains move");
        inizio->TimerTendine_Timer();
        ++passi;
        if (passi == 40)
            verificaAgganciate(pixel(5955 - 40 * 75));
    }
    QCOMPARE(passi, 79);
    QVERIFY(schede()->isEnabled());
    verificaAgganciate(pixel(30));
    QVERIFY(prova::inPrimoPiano(prova::controllo(inizio, QStringLiteral("Option3(1)"))));
}

void TestTendine::ilTimerLeApreDaSolo()
{
    QVERIFY(apri());
    QVERIFY(QTest::qWaitFor([this] { return !timer()->isActive(); }, 5000));
    QVERIFY(schede()->isEnabled());
    verificaAgganciate(pixel(30));
}

void TestTendine::ridimensionataDopoLaFine()
{
    QVERIFY(apri());
    QVERIFY(QTest::qWaitForWindowExposed(inizio));
    while (timer()->isActive())
        inizio->TimerTendine_Timer();
    const QSize prima = inizio->size();

    inizio->resize(prima.width() * 2, prima.height());
    QTRY_COMPARE(inizio->area()->width(), inizio->dimensioneProgetto().width() * 2);
    QVERIFY(!timer()->isActive());
    QVERIFY(schede()->isEnabled());
    // Open curtains stay thin strips on the edges, whatever the table holds.
    verificaAgganciate(pixel(30));
    QVERIFY(prova::inPrimoPiano(prova::controllo(inizio, QStringLiteral("Option3(1)"))));

    inizio->resize(prima);
    QTRY_COMPARE(inizio->area()->width(), inizio->dimensioneProgetto().width());
    verificaAgganciate(pixel(30));
}

void TestTendine::formeSottoIControlli()
{
    QVERIFY(apri());
    QVERIFY(QTest::qWaitForWindowExposed(inizio));
    while (timer()->isActive())
        inizio->TimerTendine_Timer();
    const QImage quadro = inizio->area()->grab().toImage();
    auto colore = [&quadro](double x, double y) { return QColor(quadro.pixel(pixel(x), pixel(y))); };
    QCOMPARE(colore(120, 8040), QColor(0, 255, 0));            // the green circle, bottom left
    QCOMPARE(colore(90, 800), QColor(255, 192, 128));          // the outer band behind the title
    QCOMPARE(colore(200, 2800), QColor(255, 224, 192));        // behind the summary lines
    QCOMPARE(colore(6000, 2000), QColor(255, 255, 128));       // Label1 drawn over it
    QCOMPARE(colore(6000, 7000), QColor(255, 255, 192));       // bare window elsewhere
}

QTEST_MAIN(TestTendine)
#include "tst_tendine.moc"
