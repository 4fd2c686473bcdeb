// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/disegnopagina.h"
#include "print/stampante.h"

#include <QGuiApplication>
#include <QTest>

using namespace ope;

class TestStampante : public QObject {
    Q_OBJECT
private slots:
    void righeCheFinisconoONo();
    void fineConsegnaUnaPaginaSola();
    void fontCourier_data();
    void fontCourier();
    void paginaDisegnata();
};

void TestStampante::righeCheFinisconoONo()
{
    Stampante st([](const Pagina&) { return true; });
    st.font = QStringLiteral("Courier New");
    st.punti = 12;
    // 12 points are 240 twips; the line height is a little more.
    QVERIFY(st.altezzaRiga() > 240 && st.altezzaRiga() < 360);
    QVERIFY(qAbs(st.larghezzaTesto(QStringLiteral("0123456789")) - 1440) < 30);   // 0.6 em a character

    st.x = 1000;
    st.y = 1000;
    st.stampa(QStringLiteral("Nome "), false);
    const double dopo = st.x;
    QVERIFY(dopo > 1000);
    QCOMPARE(st.y, 1000.0);
    st.stampa(QStringLiteral("Mario"));
    QCOMPARE(st.x, 0.0);
    QCOMPARE(st.y, 1000 + st.altezzaRiga());
    st.punti = 24;
    const double y = st.y;
    st.fineRiga();
    QCOMPARE(st.y, y + st.altezzaRiga());

    const Pagina& p = st.pagina();
    QCOMPARE(p.testi.size(), std::size_t(2));
    QCOMPARE(p.testi[0].x, 1000.0);
    QCOMPARE(p.testi[1].x, dopo);
    QCOMPARE(p.testi[1].testo, QStringLiteral("Mario"));
    QCOMPARE(p.testi[1].punti, 12.0);
}

void TestStampante::fineConsegnaUnaPaginaSola()
{
    std::vector<Pagina> inviate;
    bool riesce = true;
    Stampante st([&](const Pagina& p) {
        inviate.push_back(p);
        return riesce;
    });
    st.stampa(QStringLiteral("uno"));
    QVERIFY(st.fine());
    riesce = false;
    st.stampa(QStringLiteral("due"));
    QVERIFY(!st.fine());
    QCOMPARE(inviate.size(), std::size_t(2));
    QCOMPARE(inviate[1].testi.size(), std::size_t(1));
    QCOMPARE(inviate[1].testi[0].testo, QStringLiteral("due"));
    QVERIFY(!Stampante({}).fine());
}

void TestStampante::fontCourier_data()
{
    QTest::addColumn<QStringList>("elenco");
    QTest::addColumn<QString>("scelto");
    QTest::newRow("none") << QStringList{QStringLiteral("Arial")} << QString();
    QTest::newRow("other case only") << QStringList{QStringLiteral("courier new"), QStringLiteral("COURIER")} << QString();
    QTest::newRow("first in the printer's order") << QStringList{QStringLiteral("Courier New"), QStringLiteral("Courier")}
                                                  << QStringLiteral("Courier New");
    QTest::newRow("Courier before") << QStringList{QStringLiteral("Arial"), QStringLiteral("Courier"), QStringLiteral("Courier New")}
                                    << QStringLiteral("Courier");
    QTest::newRow("a longer name is not it") << QStringList{QStringLiteral("Courier New Bold")} << QString();
}

void TestStampante::fontCourier()
{
    QFETCH(QStringList, elenco);
    QTEST(scegliFontCourier(elenco), "scelto");
}

void TestStampante::paginaDisegnata()
{
    Pagina p;
    p.testi.push_back({1440, 1440, QStringLiteral("Courier New"), 12, true, QStringLiteral("XXXX")});
    const QImage img = immaginePagina(p, 100);
    QCOMPARE(img.size(), QSize(827, 1169));
    // One inch in: the text starts at 100 pixels, and nothing is drawn above-left of it.
    bool inchiostro = false;
    for (int y = 100; y < 120 && !inchiostro; ++y)
        for (int x = 100; x < 150; ++x)
            inchiostro = inchiostro || qGray(img.pixel(x, y)) < 128;
    QVERIFY(inchiostro);
    for (int y = 0; y < 95; ++y)
        for (int x = 0; x < 95; ++x)
            QCOMPARE(img.pixel(x, y), qRgb(255, 255, 255));
}

QTEST_MAIN(TestStampante)
#include "tst_stampante.moc"
