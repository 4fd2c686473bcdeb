// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/estrazione.h"
#include "session/generatore.h"
#include "session/sessione.h"

#include <QTest>
#include <set>

using namespace ope;

namespace {

struct Livello {
    int livello;
    int minimo;
    int massimo;
};
constexpr Livello livelli[] = {{1, 1, 30}, {2, 30, 60}, {3, 60, 99}, {4, 1, 99}};

// The choices and the operation the draws read and fill.
struct Prova {
    DatiScelte scelte;
    DatiOperazione operazione;
};

Prova sessioneAlLivello(int i)
{
    Prova s;
    s.scelte.livello = static_cast<std::int16_t>(livelli[i].livello);
    s.scelte.numeroMin = static_cast<std::int16_t>(livelli[i].minimo);
    s.scelte.numeroMax = static_cast<std::int16_t>(livelli[i].massimo);
    return s;
}

QString pad(int n)
{
    return n < 10 ? QStringLiteral(" ") : QString();
}

constexpr int estrazioni = 3000;

} // namespace

class TestEstrazione : public QObject {
    Q_OBJECT
private slots:
    void livelli_data();
    void sottrazione_data() { livelli_data(); }
    void sottrazione();
    void addizione_data() { livelli_data(); }
    void addizione();
    void moltiplicazioneEDivisione_data() { livelli_data(); }
    void moltiplicazioneEDivisione();
    void livelloSconosciutoLasciaLAddizione();
    void senzaLivelloNessunaEstrazioneSenzaFine();
    void generatoreUniforme();
    void risemineConLoStessoOrologioNonRipetono();
};

void TestEstrazione::livelli_data()
{
    QTest::addColumn<int>("indice");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(qPrintable(QStringLiteral("level %1").arg(i + 1))) << i;
}

void TestEstrazione::sottrazione()
{
    QFETCH(int, indice);
    Prova s = sessioneAlLivello(indice);
    Generatore g([] { return 1.0; });
    std::set<std::pair<int, int>> coppie;
    for (int k = 0; k < estrazioni; ++k) {
        estraiSottrazione(s.scelte, s.operazione, g);
        QVERIFY(s.operazione.numero1 > s.operazione.numero2);
        QVERIFY(s.operazione.numero2 >= s.scelte.numeroMin && s.operazione.numero1 <= s.scelte.numeroMax);
        QCOMPARE(s.operazione.spazioNumero1, pad(s.operazione.numero1));
        QCOMPARE(s.operazione.spazioNumero2, pad(s.operazione.numero2));
        QCOMPARE(s.operazione.spazioRisultato, pad(s.operazione.numero1 - s.operazione.numero2));
        coppie.insert({s.operazione.numero1, s.operazione.numero2});
    }
    if (indice == 0)
        QVERIFY(coppie.count({2, 1}) == 1);   // the smallest pair is reachable
    QVERIFY(coppie.size() > 100);
}

void TestEstrazione::addizione()
{
    QFETCH(int, indice);
    Prova s = sessioneAlLivello(indice);
    Generatore g([] { return 1.0; });
    struct Limiti {
        int addendoMin, addendoMax, sommaMin, sommaMax;
    };
    const Limiti atteso[] = {{1, 20, 2, 30}, {20, 49, 40, 60}, {20, 79, 60, 98}, {20, 78, 40, 98}};
    const Limiti& l = atteso[indice];
    for (int k = 0; k < estrazioni; ++k) {
        estraiAddizione(s.scelte, s.operazione, g);
        QVERIFY(s.operazione.numero1 >= l.addendoMin && s.operazione.numero1 <= l.addendoMax);
        QVERIFY(s.operazione.numero2 >= l.addendoMin && s.operazione.numero2 <= l.addendoMax);
        QCOMPARE(s.operazione.numero3, s.operazione.numero1 + s.operazione.numero2);
        QVERIFY(s.operazione.numero3 >= l.sommaMin && s.operazione.numero3 <= l.sommaMax);
        QCOMPARE(s.operazione.testoNumero1, QString::number(s.operazione.numero1));
        QCOMPARE(s.operazione.testoNumero3, QString::number(s.operazione.numero3));
    }
}

void TestEstrazione::moltiplicazioneEDivisione()
{
    QFETCH(int, indice);
    Prova s = sessioneAlLivello(indice);
    Generatore g([] { return 1.0; });
    for (auto estrai : {&estraiMoltiplicazione, &estraiDivisione}) {
        std::set<int> prodotti;
        for (int k = 0; k < estrazioni; ++k) {
            estrai(s.scelte, s.operazione, g);
            const int prodotto = s.operazione.numero1 * s.operazione.numero2;
            QVERIFY(s.operazione.numero1 >= 2 && s.operazione.numero2 >= 2);
            QVERIFY(prodotto <= s.scelte.numeroMax);
            if (indice == 0)
                QVERIFY(s.operazione.numero1 <= 15 && s.operazione.numero2 <= 15);
            if (indice == 1 || indice == 2)
                QVERIFY(prodotto >= s.scelte.numeroMin);   // a draw that ends, inside the level
            QCOMPARE(s.operazione.spazioRisultato, pad(prodotto));
            QCOMPARE(s.operazione.spazioNumero1, pad(s.operazione.numero1));
            prodotti.insert(prodotto);
        }
        QVERIFY(prodotti.size() > 5);
    }
}

void TestEstrazione::livelloSconosciutoLasciaLAddizione()
{
    Prova s;
    s.operazione.numero1 = 4;
    s.operazione.numero2 = 5;
    s.operazione.testoNumero1 = QStringLiteral("4");
    Generatore g([] { return 1.0; });
    estraiAddizione(s.scelte, s.operazione, g);
    QCOMPARE(s.operazione.numero1, 4);
    QCOMPARE(s.operazione.testoNumero1, QStringLiteral("4"));
}

void TestEstrazione::senzaLivelloNessunaEstrazioneSenzaFine()
{
    // Before any level is chosen the range is empty: the draws must end, drawing nothing.
    Prova s;
    s.operazione.numero1 = 9;
    s.operazione.numero2 = 4;
    Generatore g([] { return 1.0; });
    estraiSottrazione(s.scelte, s.operazione, g);
    estraiMoltiplicazione(s.scelte, s.operazione, g);
    estraiDivisione(s.scelte, s.operazione, g);
    QCOMPARE(s.operazione.numero1, 9);
    QCOMPARE(s.operazione.numero2, 4);
    s.scelte.numeroMin = 1;
    s.scelte.numeroMax = 3;
    estraiMoltiplicazione(s.scelte, s.operazione, g);
    QCOMPARE(s.operazione.numero1, 9);
}

void TestEstrazione::generatoreUniforme()
{
    Generatore g([] { return 1.0; });
    int conti[10] = {};
    for (int k = 0; k < 100000; ++k) {
        const double r = g.rnd();
        QVERIFY(r >= 0.0 && r < 1.0);
        ++conti[g.intero(10)];
    }
    for (int c : conti)
        QVERIFY2(c > 9000 && c < 11000, qPrintable(QString::number(c)));
}

void TestEstrazione::risemineConLoStessoOrologioNonRipetono()
{
    // The clock does not move: a reseed before every draw must not restart the sequence.
    Generatore g([] { return 43200.0; });
    std::set<double> visti;
    for (int k = 0; k < 1000; ++k) {
        g.semina();
        visti.insert(g.rnd());
    }
    QCOMPARE(visti.size(), std::size_t(1000));

    // Level 2 addition reseeds before every attempt; it must still end and vary.
    Prova s = sessioneAlLivello(1);
    std::set<int> somme;
    for (int k = 0; k < 200; ++k) {
        estraiAddizione(s.scelte, s.operazione, g);
        somme.insert(s.operazione.numero3);
    }
    QVERIFY(somme.size() > 10);
}

QTEST_GUILESS_MAIN(TestEstrazione)
#include "tst_estrazione.moc"
