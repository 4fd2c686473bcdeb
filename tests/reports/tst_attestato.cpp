// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/attestato.h"
#include "serieprova.h"
#include "session/generatore.h"

#include <QFontMetricsF>
#include <QTest>

using namespace ope;

namespace {

// The certificate of a run of `richieste` operations, `esatte` of them right.
std::vector<RigaAttestato> valutata(int esatte, int richieste, const QString& nome, const QString& data,
                                    const QString& titolo = QStringLiteral("CALCOLO DEL RISULTATO"))
{
    double ora = 36000;
    Generatore generatore([&ora] { return ora; });
    DatiScelte scelte;
    scelte.maxCifre = 2;
    scelte.nomeProgramma = QStringLiteral("Sottrazioni");
    scelte.titoloObiettivo = titolo;
    scelte.descrizioneLivello = QStringLiteral("NUMERO MASSIMO da  1 a 30");
    Serie serie(scelte, generatore, [&ora] { return ora; });
    prova::esegui(serie, ora, prova::passiCon(esatte, richieste));
    return righeAttestato(serie, nome, data);
}

} // namespace

class TestAttestato : public QObject {
    Q_OBJECT
private slots:
    void votoEGiudizio_data();
    void votoEGiudizio();
    void nomeMaiuscolo_data();
    void nomeMaiuscolo();
    void righeInOrdineConIlLoroFont();
    void nomeVuotoLasciaLaRigaVuota();
    void ogniRigaEntraNelQuadro();
    void righeCentrate();
};

void TestAttestato::votoEGiudizio_data()
{
    QTest::addColumn<int>("esatte");
    QTest::addColumn<int>("richieste");
    QTest::addColumn<int>("voto");
    QTest::addColumn<QString>("giudizio");
    QTest::newRow("20 su 20") << 20 << 20 << 10 << "OTTIMO";
    QTest::newRow("19 su 20, 9.5 scende a 9") << 19 << 20 << 9 << "OTTIMO";
    QTest::newRow("17 su 20") << 17 << 20 << 8 << "DISTINTO";
    QTest::newRow("15 su 20") << 15 << 20 << 7 << "BUONO";
    QTest::newRow("13 su 20") << 13 << 20 << 6 << "SUFFICIENTE";
    QTest::newRow("10 su 20") << 10 << 20 << 5 << "SUFFICIENTE (!)";
    QTest::newRow("9 su 20, 4.5 scende a 4") << 9 << 20 << 4 << "Non classificato";
    QTest::newRow("0 su 20") << 0 << 20 << 0 << "Non classificato";
    QTest::newRow("9 su 9") << 9 << 9 << 10 << "OTTIMO";
    QTest::newRow("2 su 3, 6.67 scende a 6") << 2 << 3 << 6 << "SUFFICIENTE";
    QTest::newRow("nessuna operazione") << 0 << 0 << 0 << "Non classificato";
    QTest::newRow("piu esatte che richieste") << 12 << 10 << 12 << "Non classificato";
    QTest::newRow("prodotto oltre i 16 bit") << 4000 << 4000 << 0 << "Non classificato";
}

void TestAttestato::votoEGiudizio()
{
    QFETCH(int, esatte);
    QFETCH(int, richieste);
    QFETCH(int, voto);
    QFETCH(QString, giudizio);
    const std::int16_t v = calcolaVoto(std::int16_t(esatte), std::int16_t(richieste));
    QCOMPARE(int(v), voto);
    QCOMPARE(giudizioPer(v), giudizio);
    QCOMPARE(classificato(giudizioPer(v)), giudizio != QStringLiteral("Non classificato"));
}

void TestAttestato::nomeMaiuscolo_data()
{
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<QString>("disegnato");
    QTest::newRow("lettere scambiate") << "mARIO rOSSI" << "Mario rossi";
    QTest::newRow("tutto maiuscolo") << "LUCIA" << "Lucia";
    QTest::newRow("una lettera") << "a" << "A";
    QTest::newRow("vuoto") << "" << "";
    QTest::newRow("accento") << "èLISA" << "Èlisa";
    QTest::newRow("spazio davanti") << " ANNA" << " anna";
}

void TestAttestato::nomeMaiuscolo()
{
    QFETCH(QString, scritto);
    QFETCH(QString, disegnato);
    QCOMPARE(ope::nomeMaiuscolo(scritto), disegnato);
}

void TestAttestato::righeInOrdineConIlLoroFont()
{
    const std::vector<RigaAttestato> righe = valutata(17, 20, QStringLiteral("mARIO rOSSI"), QStringLiteral("08/12/26"));
    const QColor rosso(255, 0, 0);
    const QColor nero(0, 0, 0);
    struct Attesa {
        QString testo;
        double punti;
        bool grassetto;
        QColor colore;
    };
    const std::vector<Attesa> attese{
        {"ATTESTATO DI MERITO", 20, true, rosso},
        {"rilsasciato a", 12, false, nero},
        {"Mario rossi", 20, true, rosso},
        {"per aver eseguito", 12, false, nero},
        {"Sottrazioni", 12, true, nero},
        {"CALCOLO DEL RISULTATO", 12, true, nero},
        {"NUMERO MASSIMO da  1 a 30", 12, true, nero},
        {"con la valutazione di", 12, false, nero},
        {"DISTINTO", 14, true, rosso},
        {"con 17 risposte esatte su 20 richieste", 12, false, nero},
        {"Data  08/12/26", 12, false, nero},
    };
    // Empty lines between them: three on top, one after each but the title, two before the date.
    const std::vector<int> vuotePrima{3, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2};
    std::size_t r = 0;
    for (std::size_t i = 0; i < attese.size(); ++i) {
        for (int v = 0; v < vuotePrima[i]; ++v, ++r)
            QVERIFY2(righe.at(r).testo.isEmpty(), qPrintable(QStringLiteral("line %1").arg(r)));
        const RigaAttestato& riga = righe.at(r++);
        QCOMPARE(riga.testo, attese[i].testo);
        QCOMPARE(riga.famiglia.toLower(), QStringLiteral("arial"));
        QCOMPARE(riga.punti, attese[i].punti);
        QCOMPARE(riga.grassetto, attese[i].grassetto);
        QCOMPARE(riga.colore, attese[i].colore);
    }
    QCOMPARE(r, righe.size());
}

void TestAttestato::nomeVuotoLasciaLaRigaVuota()
{
    const std::vector<RigaAttestato> conNome = valutata(17, 20, QStringLiteral("Lia"), QStringLiteral("d"));
    const std::vector<RigaAttestato> senza = valutata(17, 20, QString(), QStringLiteral("d"));
    QCOMPARE(senza.size(), conNome.size());
    for (std::size_t i = 0; i < senza.size(); ++i) {
        if (conNome[i].testo == QStringLiteral("Lia")) {
            QVERIFY(senza[i].testo.isEmpty());
            QCOMPARE(senza[i].punti, 20.0);
        } else {
            QCOMPARE(senza[i].testo, conNome[i].testo);
        }
    }
}

void TestAttestato::ogniRigaEntraNelQuadro()
{
    const std::vector<RigaAttestato> righe = valutata(17, 20, QStringLiteral("Massimilianoros"), QStringLiteral("08/12/2026"),
                                                      QStringLiteral("CALCOLO CASUALE DEL RISULTATO O DEL TERMINE"));
    QImage img = nuovaImmagineAttestato(250, 347, Qt::white);
    QCOMPARE(img.deviceIndependentSize(), QSizeF(250, 347));
    PennaAttestato penna(img, righe);
    QVERIFY(penna.scala() > 0.5 && penna.scala() < 1);
    double alto = 0;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        QFont comune(righe[i].famiglia);
        comune.setPointSizeF(righe[i].punti * penna.scala());
        comune.setBold(righe[i].grassetto);
        alto += QFontMetricsF(comune, &img).height();
        const QFont f = penna.fontRiga(i);
        QVERIFY2(QFontMetricsF(f, &img).horizontalAdvance(righe[i].testo) <= 250, qPrintable(righe[i].testo));
        QVERIFY(f.pointSizeF() <= comune.pointSizeF());
        QCOMPARE(f.bold(), righe[i].grassetto);
    }
    QVERIFY(alto <= 347);
    // Only the lines too wide for the picture are drawn smaller than the rest.
    QCOMPARE(penna.fontRiga(righe.size() - 1).pointSizeF(), 12 * penna.scala());
    while (!penna.finita())
        penna.scriviRiga();
    // The date, the last line, is really drawn: something dark in the lowest eighth.
    bool scritto = false;
    for (int y = img.height() * 7 / 8; y < img.height() && !scritto; ++y)
        for (int x = 0; x < img.width() && !scritto; ++x)
            scritto = qGray(img.pixel(x, y)) < 128;
    QVERIFY(scritto);
}

void TestAttestato::righeCentrate()
{
    // A single short line: its ink lies as far from the left edge as from the right.
    const std::vector<RigaAttestato> righe{{QStringLiteral("OTTIMO"), QStringLiteral("Arial"), 14, true, Qt::black}};
    QImage img = nuovaImmagineAttestato(250, 347, Qt::white, 1);
    PennaAttestato penna(img, righe);
    penna.scriviRiga();
    int sinistra = img.width();
    int destra = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 200) {
                sinistra = std::min(sinistra, x);
                destra = std::max(destra, x);
            }
    QVERIFY(destra > sinistra);
    QVERIFY2(std::abs(sinistra - (img.width() - 1 - destra)) <= 3,
             qPrintable(QStringLiteral("%1 .. %2").arg(sinistra).arg(destra)));
}

QTEST_MAIN(TestAttestato)
#include "tst_attestato.moc"
