// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/presentazione.h"
#include "session/sessione.h"

#include <QTest>

using namespace ope;

namespace {

QString pad(int valore) { return valore < 10 ? QStringLiteral(" ") : QString(); }

// The session as the operand draw of that operation leaves it.
Sessione disegnata(Operazione operazione, int numero1, int numero2)
{
    Sessione s;
    s.numero1 = static_cast<std::int16_t>(numero1);
    s.numero2 = static_cast<std::int16_t>(numero2);
    s.spazioNumero1 = pad(numero1);
    s.spazioNumero2 = pad(numero2);
    switch (operazione) {
    case Operazione::Sottrazione:
        s.spazioRisultato = pad(numero1 - numero2);
        break;
    case Operazione::Addizione:
        // the addition draw sets no pads; stale ones must not leak into the line
        s.spazioNumero1 = s.spazioNumero2 = QStringLiteral("?");
        s.numero3 = static_cast<std::int16_t>(numero1 + numero2);
        s.testoNumero1 = QString::number(numero1);
        s.testoNumero2 = QString::number(numero2);
        s.testoNumero3 = QString::number(numero1 + numero2);
        break;
    case Operazione::Moltiplicazione:
    case Operazione::Divisione:
        s.spazioRisultato = pad(numero1 * numero2);
        break;
    }
    return s;
}

constexpr int sot = static_cast<int>(Operazione::Sottrazione);
constexpr int add = static_cast<int>(Operazione::Addizione);
constexpr int mol = static_cast<int>(Operazione::Moltiplicazione);
constexpr int dvs = static_cast<int>(Operazione::Divisione);

constexpr int prima = static_cast<int>(Disposizione::Prima);
constexpr int centrale = static_cast<int>(Disposizione::Centrale);
constexpr int ultima = static_cast<int>(Disposizione::Ultima);

constexpr int sinistra = static_cast<int>(PosizioneSegno::Sinistra);
constexpr int destra = static_cast<int>(PosizioneSegno::Destra);

} // namespace

class TestPresentazione : public QObject {
    Q_OBJECT

private slots:
    void formeNumeriche_data();
    void formeNumeriche();
    void formeDeiSegni_data();
    void formeDeiSegni();
    void formaFuoriCampo();
    void calcolaSpazi_data();
    void calcolaSpazi();
};

void TestPresentazione::formeNumeriche_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("forma");
    QTest::addColumn<int>("numero1");
    QTest::addColumn<int>("numero2");
    QTest::addColumn<QString>("lblNumero1");
    QTest::addColumn<QString>("lblNumero2");
    QTest::addColumn<QString>("lblSegno");
    QTest::addColumn<QString>("lblUguale");
    QTest::addColumn<int>("disposizione");
    QTest::addColumn<QString>("esatta");
    QTest::addColumn<QString>("log");

    QTest::newRow("sot 1: 15 - 9 = ?") << sot << 1 << 15 << 9 << "15" << "9" << "-" << "=" << ultima
                                       << " 6" << "15 -  9 = . ";
    QTest::newRow("sot 1: two-digit numbers") << sot << 1 << 45 << 23 << "45" << "23" << "-" << "=" << ultima
                                              << " 22" << "45 - 23 = . ";
    QTest::newRow("sot 2: ? - 6 = 9") << sot << 2 << 15 << 9 << "6" << "9" << "-" << "=" << prima
                                      << " 15" << " . -  6 =  9";
    QTest::newRow("sot 2: d = 1") << sot << 2 << 10 << 9 << "1" << "9" << "-" << "=" << prima
                                  << " 10" << " . -  1 =  9";
    QTest::newRow("sot 3: 15 - ? = 6") << sot << 3 << 15 << 9 << "15" << "6" << "-" << "=" << centrale
                                       << " 9" << "15 -  . =  6";
    QTest::newRow("sot 4: ? = 15 - 9") << sot << 4 << 15 << 9 << "15" << "9" << "=" << "-" << prima
                                       << " 6" << " . = 15 -  9";
    QTest::newRow("sot 5: 6 = ? - 9") << sot << 5 << 15 << 9 << "6" << "9" << "=" << "-" << centrale
                                      << " 15" << " 6 =  . -  9";
    QTest::newRow("sot 6: 6 = 15 - ?") << sot << 6 << 15 << 9 << "6" << "15" << "=" << "-" << ultima
                                       << " 9" << " 6 = 15 - . ";
    QTest::newRow("sot 6: all one digit") << sot << 6 << 8 << 3 << "5" << "8" << "=" << "-" << ultima
                                          << " 3" << " 5 =  8 - . ";
}

void TestPresentazione::formeNumeriche()
{
    QFETCH(int, operazione);
    QFETCH(int, forma);
    QFETCH(int, numero1);
    QFETCH(int, numero2);
    Sessione s = disegnata(static_cast<Operazione>(operazione), numero1, numero2);

    const Presentazione p = presenta(static_cast<Operazione>(operazione), forma, s);

    QVERIFY(!p.rigaSegni);
    QTEST(p.lblNumero1, "lblNumero1");
    QTEST(p.lblNumero2, "lblNumero2");
    QTEST(p.lblSegno, "lblSegno");
    QTEST(p.lblUguale, "lblUguale");
    QTEST(static_cast<int>(p.disposizione), "disposizione");
    QTEST(p.rispostaEsatta, "esatta");
    QTEST(p.testoLog, "log");
}

void TestPresentazione::formeDeiSegni_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("forma");
    QTest::addColumn<int>("numero1");
    QTest::addColumn<int>("numero2");
    QTest::addColumn<QString>("lblNumero4");
    QTest::addColumn<QString>("lblNumero6");
    QTest::addColumn<QString>("lblNumero8");
    QTest::addColumn<QString>("lblUguale2");
    QTest::addColumn<int>("incognita");
    QTest::addColumn<QString>("esatta");
    QTest::addColumn<QString>("log");

    QTest::newRow("sot 7") << sot << 7 << 15 << 9 << "15" << "6" << "9" << "-" << destra << "=" << "15 -  6 .  9";
    QTest::newRow("sot 8") << sot << 8 << 15 << 9 << "15" << "7" << "9" << "-" << destra << "<" << "15 -  7 .  9";
    QTest::newRow("sot 8: d + 1 keeps the pad of d") << sot << 8 << 18 << 9 << "18" << "10" << "9" << "-" << destra
                                                     << "<" << "18 -  10 .  9";
    QTest::newRow("sot 9") << sot << 9 << 15 << 9 << "15" << "5" << "9" << "-" << destra << ">" << "15 -  5 .  9";
    QTest::newRow("sot 9: d = 1 shows 0") << sot << 9 << 10 << 9 << "10" << "0" << "9" << "-" << destra << ">"
                                          << "10 -  0 .  9";
    QTest::newRow("sot 9: d - 1 keeps the pad of d") << sot << 9 << 20 << 10 << "20" << "9" << "10" << "-"
                                                     << destra << ">" << "20 - 9 . 10";
    QTest::newRow("sot 10") << sot << 10 << 15 << 9 << "6" << "15" << "9" << "-" << sinistra << "="
                            << " 6 . 15 -  9";
    QTest::newRow("sot 11: 15, 9") << sot << 11 << 15 << 9 << "7" << "15" << "9" << "-" << sinistra << ">"
                                   << " 7 . 15 -  9";
    QTest::newRow("sot 12") << sot << 12 << 15 << 9 << "5" << "15" << "9" << "-" << sinistra << "<"
                            << " 5 . 15 -  9";
    QTest::newRow("sot 12: d = 1 shows 0") << sot << 12 << 10 << 9 << "0" << "10" << "9" << "-" << sinistra << "<"
                                           << " 0 . 10 -  9";
}

void TestPresentazione::formeDeiSegni()
{
    QFETCH(int, operazione);
    QFETCH(int, forma);
    QFETCH(int, numero1);
    QFETCH(int, numero2);
    Sessione s = disegnata(static_cast<Operazione>(operazione), numero1, numero2);

    const Presentazione p = presenta(static_cast<Operazione>(operazione), forma, s);

    QVERIFY(p.rigaSegni);
    QTEST(p.lblNumero4, "lblNumero4");
    QTEST(p.lblNumero6, "lblNumero6");
    QTEST(p.lblNumero8, "lblNumero8");
    QTEST(p.lblUguale2, "lblUguale2");
    QTEST(static_cast<int>(p.incognita), "incognita");
    QTEST(p.rispostaEsatta, "esatta");
    QTEST(p.testoLog, "log");
}

void TestPresentazione::formaFuoriCampo()
{
    Sessione s = disegnata(Operazione::Sottrazione, 15, 9);
    for (int forma : {0, 13, -1}) {
        const Presentazione p = presenta(Operazione::Sottrazione, forma, s);
        QVERIFY(p.testoLog.isEmpty());
        QVERIFY(p.rispostaEsatta.isEmpty());
    }
}

void TestPresentazione::calcolaSpazi_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("spazioNumero");    // the same for numbers 1..3 and the expected answer
    QTest::addColumn<QString>("spazioRisposta");

    QTest::newRow("one character") << "7" << "  " << "   ";
    QTest::newRow("two characters") << "15" << " " << "  ";
    QTest::newRow("three characters") << "100" << "" << " ";
    QTest::newRow("measured trimmed") << " 7 " << "  " << "   ";
    QTest::newRow("leading blank of an expected number") << " 15" << " " << "  ";
    QTest::newRow("four characters") << "1234" << "unchanged" << "";
    QTest::newRow("empty") << "" << "unchanged" << "unchanged";
    QTest::newRow("only blanks") << "   " << "unchanged" << "unchanged";
    QTest::newRow("five characters") << "12345" << "unchanged" << "unchanged";
}

void TestPresentazione::calcolaSpazi()
{
    QFETCH(QString, testo);
    QFETCH(QString, spazioNumero);
    QFETCH(QString, spazioRisposta);
    Sessione s;
    s.testoNumero1 = s.testoNumero2 = s.testoNumero3 = s.rispostaEsatta = s.rispostaAlunno = testo;
    s.spazioNumero1 = s.spazioNumero2 = s.spazioNumero3 = s.spazioRispostaEsatta = s.spazioRisposta =
        QStringLiteral("unchanged");

    ope::calcolaSpazi(s);

    QCOMPARE(s.spazioNumero1, spazioNumero);
    QCOMPARE(s.spazioNumero2, spazioNumero);
    QCOMPARE(s.spazioNumero3, spazioNumero);
    QCOMPARE(s.spazioRispostaEsatta, spazioNumero);
    QCOMPARE(s.spazioRisposta, spazioRisposta);
}

QTEST_GUILESS_MAIN(TestPresentazione)
#include "tst_presentazione.moc"
