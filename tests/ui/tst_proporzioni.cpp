// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controlli.h"
#include "ui/finestra.h"
#include "ui/pulsanteopzione.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ope;

namespace {

// A window like the program's: a frame with a child, a loose label, a timer and a menu.
class FinestraDiProva : public Finestra {
public:
    FinestraDiProva() : Finestra(QStringLiteral("frmProva"), 9000, 6000)
    {
        cornice = nuovaCornice(area(), QStringLiteral("Frame1"), QStringLiteral("F"), font(), 1500, 1500, 4500, 3000);
        figlio = nuovaEtichetta(cornice, QStringLiteral("Label2"), QStringLiteral("x"), 750, 600, 1500, 750);
        sciolta = nuovaEtichetta(area(), QStringLiteral("Label1"), QStringLiteral("y"), 300, 150, 3000, 450);
        fissa = nuovaEtichetta(area(), QStringLiteral("Line1"), QString(), 0, 0, 300, 300);
        didascalia = nuovaEtichetta(area(), QStringLiteral("Label3"), QStringLiteral("Risposte esatte"),
                                    300, 4500, 2700, 450);
        didascalia->setFont(carattere(QStringLiteral("Arial"), 12, true));
        fissa->setProperty(nonScalare, true);
        timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer1"));
        timer->setInterval(5);
        menu = menuBar()->addAction(QStringLiteral("Menu"));
        registraProporzioni();
    }
    void ridimensionata() override { ++ridimensionamenti; }

    QGroupBox* cornice;
    QLabel* figlio;
    QLabel* sciolta;
    QLabel* fissa;
    QLabel* didascalia;
    QTimer* timer;
    QAction* menu;
    int ridimensionamenti = 0;
};

} // namespace

class TestProporzioni : public QObject {
    Q_OBJECT
private slots:
    void primaAperturaLasciaTuttoAlSuoPosto();
    void larghezzaDoppia();
    void ridurrePoiRipristinare();
    void caratteriInScala_data();
    void caratteriInScala();
    void areaNullaPoiRipristino();
    void timerMenuELineeNonToccati();
    void pulsanteAgisceSullaPressione();
};

void TestProporzioni::primaAperturaLasciaTuttoAlSuoPosto()
{
    FinestraDiProva f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.area()->size(), QSize(600, 400));
    QCOMPARE(f.cornice->geometry(), rettangolo(1500, 1500, 4500, 3000));
    QCOMPARE(f.figlio->geometry(), rettangolo(750, 600, 1500, 750));
    QCOMPARE(f.proporzioni().voci().size(), std::size_t(5));
    QVERIFY(f.ridimensionamenti >= 1);
}

void TestProporzioni::larghezzaDoppia()
{
    FinestraDiProva f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QFont prima = f.sciolta->font();
    f.area()->resize(1200, 400);
    QTest::qWait(0);
    QCOMPARE(f.sciolta->geometry(), QRect(40, 10, 400, 30));
    QCOMPARE(f.cornice->geometry(), QRect(200, 100, 600, 200));
    // The child keeps its place inside the frame, which scaled by the same factors.
    QCOMPARE(f.figlio->geometry(), QRect(100, 40, 200, 50));
    QCOMPARE(f.sciolta->font(), prima);
}

void TestProporzioni::ridurrePoiRipristinare()
{
    FinestraDiProva f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QRect corniceProgetto = f.cornice->geometry();
    const QRect figlioProgetto = f.figlio->geometry();
    for (QSize s : {QSize(333, 217), QSize(41, 999), QSize(600, 400)}) {
        f.area()->resize(s);
        QTest::qWait(0);
    }
    QCOMPARE(f.cornice->geometry(), corniceProgetto);
    QCOMPARE(f.figlio->geometry(), figlioProgetto);
    QCOMPARE(f.sciolta->geometry(), rettangolo(300, 150, 3000, 450));
}

void TestProporzioni::caratteriInScala_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<double>("fattore");
    QTest::newRow("progetto") << QSize(600, 400) << 1.0;
    QTest::newRow("doppia") << QSize(1200, 800) << 2.0;
    QTest::newRow("meta") << QSize(300, 200) << 0.5;
    QTest::newRow("larga e bassa: vale il lato minore") << QSize(1200, 200) << 0.5;
}

void TestProporzioni::caratteriInScala()
{
    QFETCH(QSize, area);
    QFETCH(double, fattore);
    FinestraDiProva f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QFont progettoCornice = f.cornice->font();
    const QFont progettoSciolta = f.sciolta->font();
    const QFont progettoDidascalia = f.didascalia->font();
    // Other sizes first: the fonts come from the design, never from the last resize.
    for (QSize s : {QSize(333, 217), QSize(1000, 999), area}) {
        // The menu bar grows with the window: its height is read again once it has.
        for (int volta = 0; volta < 3; ++volta) {
            f.resize(s.width(), s.height() + f.height() - f.area()->height());
            QTest::qWait(0);
        }
    }
    QCOMPARE(f.area()->size(), area);
    QCOMPARE(f.didascalia->font().pointSizeF(), progettoDidascalia.pointSizeF() * fattore);
    QCOMPARE(f.didascalia->font().family(), progettoDidascalia.family());
    QVERIFY(f.didascalia->font().bold());
    QCOMPARE(f.cornice->font().pointSizeF(), progettoCornice.pointSizeF() * fattore);
    // Controls without a font of their own follow their container's.
    QCOMPARE(f.figlio->font().pointSizeF(), progettoCornice.pointSizeF() * fattore);
    QCOMPARE(f.sciolta->font().pointSizeF(), progettoSciolta.pointSizeF() * fattore);

    auto entra = [&f](const QFont& font) {
        const QFontMetrics m(font);
        return m.horizontalAdvance(f.didascalia->text()) <= f.didascalia->width() && m.height() <= f.didascalia->height();
    };
    QVERIFY(entra(f.didascalia->font()));
    if (fattore < 1)
        QVERIFY2(!entra(progettoDidascalia), "at its design font the caption would be cut");
}

void TestProporzioni::areaNullaPoiRipristino()
{
    FinestraDiProva f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.area()->resize(0, 0);
    QTest::qWait(0);
    QCOMPARE(f.cornice->size(), QSize(0, 0));
    f.area()->resize(600, 400);
    QTest::qWait(0);
    QCOMPARE(f.cornice->geometry(), rettangolo(1500, 1500, 4500, 3000));
}

void TestProporzioni::timerMenuELineeNonToccati()
{
    FinestraDiProva f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.fissa->move(33, 44);
    f.area()->resize(1200, 800);
    QTest::qWait(0);
    QCOMPARE(f.timer->interval(), 5);
    QVERIFY(!f.timer->isActive());
    QCOMPARE(f.menu->text(), QStringLiteral("Menu"));
    QVERIFY(f.menu->isVisible());
    QCOMPARE(f.fissa->geometry(), QRect(33, 44, 20, 20));
}

void TestProporzioni::pulsanteAgisceSullaPressione()
{
    QWidget w;
    PulsanteOpzione p(QStringLiteral("Option1(0)"), QStringLiteral("0"), &w);
    p.resize(60, 40);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy premuto(&p, &PulsanteOpzione::premuto);
    QSignalSpy cliccato(&p, &QAbstractButton::clicked);

    QTest::mousePress(&p, Qt::RightButton);
    QCOMPARE(premuto.size(), 1);
    QCOMPARE(premuto.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QTest::mouseRelease(&p, Qt::RightButton);
    QCOMPARE(premuto.size(), 1);
    QVERIFY(!p.isDown());
    QVERIFY(!p.isChecked());

    // Space and Enter press the focused key, ring shown or not (a screen
    // reader's user sees no ring), once per press; Enter left to the window
    // does not press it.
    p.setFocus();
    QTest::keyClick(&p, Qt::Key_Space);
    QTest::keyClick(&p, Qt::Key_Return);
    QCOMPARE(premuto.size(), 3);
    p.lasciaInvioAllaFinestra();
    QTest::keyClick(&p, Qt::Key_Return);
    QCOMPARE(premuto.size(), 3);
    QCOMPARE(cliccato.size(), 0);

    // A key that disables itself on its own press is not left drawn as pressed.
    connect(&p, &PulsanteOpzione::premuto, &p, [&p] { p.setEnabled(false); });
    QTest::mousePress(&p, Qt::LeftButton);
    QVERIFY(!p.isEnabled());
    QVERIFY(!p.isDown());
}

QTEST_MAIN(TestProporzioni)
#include "tst_proporzioni.moc"
