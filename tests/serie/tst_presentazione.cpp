// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/lettura.h"
#include "serie/presentazione.h"
#include "session/sessione.h"

#include <QTest>

using namespace ope;

namespace {

QString pad(int valore) { return valore < 10 ? QStringLiteral(" ") : QString(); }

// The session as the operand draw of that operation leaves it.
DatiOperazione disegnata(Operazione operazione, int numero1, int numero2)
{
    DatiOperazione s;
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
    void sessioneDopo_data();
    void sessioneDopo();
    void formaFuoriCampo();
    void calcolaSpazi_data();
    void calcolaSpazi();
    void fraseOperazione_data();
    void fraseOperazione();
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

    // Addition: every number fills three characters, the answer has no blank.
    QTest::newRow("add 1: 7 + 5") << add << 1 << 7 << 5 << "7" << "5" << "+" << "=" << ultima
                                  << "12" << "  7 +   5 = .     r.";
    QTest::newRow("add 1: two digits") << add << 1 << 23 << 45 << "23" << "45" << "+" << "=" << ultima
                                       << "68" << " 23 +  45 = .     r.";
    QTest::newRow("add 2") << add << 2 << 7 << 5 << "5" << "12" << "+" << "=" << prima
                           << "7" << "  . +   5 =  12   r.";
    QTest::newRow("add 3") << add << 3 << 7 << 5 << "7" << "12" << "+" << "=" << centrale
                           << "5" << "  7 +  .  =  12   r.";
    QTest::newRow("add 4") << add << 4 << 7 << 5 << "7" << "5" << "=" << "+" << prima
                           << "12" << "  . =   7 +   5   r.";
    QTest::newRow("add 5") << add << 5 << 7 << 5 << "12" << "5" << "=" << "+" << centrale
                           << "7" << " 12 =  .  +   5   r.";
    QTest::newRow("add 6") << add << 6 << 7 << 5 << "12" << "5" << "=" << "+" << ultima
                           << "7" << " 12 =   5 +  .    r.";

    // Multiplication: forms 2 and 6 show LblNumero2 with a blank and log it so.
    QTest::newRow("mol 1") << mol << 1 << 3 << 4 << "3" << "4" << "x" << "=" << ultima
                           << " 12" << " 3 x  4 = . ";
    QTest::newRow("mol 2: no blank in the answer") << mol << 2 << 3 << 4 << "3" << " 12" << "x" << "=" << prima
                                                   << "4" << " . x  3 =  12";
    QTest::newRow("mol 2: product below 10") << mol << 2 << 2 << 3 << "2" << " 6" << "x" << "=" << prima
                                             << "3" << " . x  2 =   6";
    QTest::newRow("mol 3") << mol << 3 << 3 << 4 << "3" << "12" << "x" << "=" << centrale
                           << " 4" << " 3 x  . = 12";
    QTest::newRow("mol 4") << mol << 4 << 3 << 4 << "12" << "4" << "=" << "x" << centrale
                           << " 3" << "12 =  . x  4";
    QTest::newRow("mol 5") << mol << 5 << 3 << 4 << "12" << "4" << "=" << "x" << ultima
                           << " 3" << "12 =  4 x . ";
    QTest::newRow("mol 6") << mol << 6 << 3 << 4 << "3" << " 4" << "=" << "x" << prima
                           << " 12" << " . =  3 x   4";

    // Division: the dividend is the product of the two factors.
    QTest::newRow("div 1") << dvs << 1 << 3 << 4 << "12" << "4" << ":" << "=" << ultima
                           << " 3" << "12 :  4 = . ";
    QTest::newRow("div 2") << dvs << 2 << 3 << 4 << "3" << "4" << ":" << "=" << prima
                           << " 12" << " . :  3 =  4";
    QTest::newRow("div 3") << dvs << 3 << 3 << 4 << "12" << "4" << ":" << "=" << centrale
                           << " 3" << "12 :  . =  4";
    QTest::newRow("div 4: ? = 12 : 4") << dvs << 4 << 3 << 4 << "12" << "4" << "=" << ":" << prima
                                       << " 3" << " . = 12 :  4";
    QTest::newRow("div 5") << dvs << 5 << 3 << 4 << "3" << "4" << "=" << ":" << centrale
                           << " 12" << " 3 =  . :  4";
    QTest::newRow("div 6") << dvs << 6 << 3 << 4 << "3" << "12" << "=" << ":" << ultima
                           << " 4" << " 3 = 12 : . ";
}

void TestPresentazione::formeNumeriche()
{
    QFETCH(int, operazione);
    QFETCH(int, forma);
    QFETCH(int, numero1);
    QFETCH(int, numero2);
    DatiOperazione s = disegnata(static_cast<Operazione>(operazione), numero1, numero2);

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

    QTest::newRow("add 7") << add << 7 << 7 << 5 << "7" << "5" << "12" << "+" << destra << "="
                           << "  7 +   5 .  12   r.";
    QTest::newRow("add 8: sum lowered") << add << 8 << 7 << 5 << "7" << "5" << "11" << "+" << destra << ">"
                                        << "  7 +   5 .  11   r.";
    QTest::newRow("add 8: lowered sum padded anew") << add << 8 << 4 << 6 << "4" << "6" << "9" << "+" << destra
                                                    << ">" << "  4 +   6 .   9   r.";
    QTest::newRow("add 9: sum raised") << add << 9 << 7 << 5 << "7" << "5" << "13" << "+" << destra << "<"
                                       << "  7 +   5 .  13   r.";
    QTest::newRow("add 9: raised sum padded anew") << add << 9 << 4 << 5 << "4" << "5" << "10" << "+" << destra
                                                   << "<" << "  4 +   5 .  10   r.";
    QTest::newRow("add 10") << add << 10 << 7 << 5 << "12" << "7" << "5" << "+" << sinistra << "="
                            << " 12 .   7 +   5   r.";
    QTest::newRow("add 11") << add << 11 << 7 << 5 << "13" << "7" << "5" << "+" << sinistra << ">"
                            << " 13 .   7 +   5   r.";
    QTest::newRow("add 12: terms swapped") << add << 12 << 7 << 5 << "11" << "5" << "7" << "+" << sinistra << "<"
                                           << " 11 .   5 +   7   r.";

    QTest::newRow("mol 7") << mol << 7 << 3 << 4 << "3" << "4" << "12" << "x" << destra << "=" << " 3 x  4 . 12";
    QTest::newRow("mol 8") << mol << 8 << 3 << 4 << "3" << "4" << "11" << "x" << destra << ">" << " 3 x  4 . 11";
    QTest::newRow("mol 8: P - 1 keeps the pad of P") << mol << 8 << 2 << 5 << "2" << "5" << "9" << "x" << destra
                                                     << ">" << " 2 x  5 . 9";
    QTest::newRow("mol 9: numero1 10 shows 9") << mol << 9 << 10 << 2 << "9" << "2" << "20" << "x" << destra << "<"
                                               << " 9 x  2 . 20";
    QTest::newRow("mol 9: numero1 11 shows 10") << mol << 9 << 11 << 3 << "10" << "3" << "33" << "x" << destra
                                                << "<" << "10 x  3 . 33";
    QTest::newRow("mol 10") << mol << 10 << 3 << 4 << "12" << "3" << "4" << "x" << sinistra << "="
                            << "12 .  3 x  4";
    QTest::newRow("mol 11: factors swapped") << mol << 11 << 3 << 4 << "13" << "4" << "3" << "x" << sinistra << ">"
                                             << "13 .  4 x  3";
    QTest::newRow("mol 11: P + 1 keeps the pad of P") << mol << 11 << 3 << 3 << "10" << "3" << "3" << "x"
                                                      << sinistra << ">" << " 10 .  3 x  3";
    QTest::newRow("mol 12") << mol << 12 << 3 << 4 << "11" << "3" << "4" << "x" << sinistra << "<"
                            << "11 .  3 x  4";

    QTest::newRow("div 7") << dvs << 7 << 3 << 4 << "12" << "3" << "4" << ":" << destra << "=" << "12 :  3 .  4";
    QTest::newRow("div 8") << dvs << 8 << 3 << 4 << "12" << "3" << "3" << ":" << destra << ">" << "12 :  3 .  3";
    QTest::newRow("div 8: numero2 10 shows 9") << dvs << 8 << 3 << 10 << "30" << "3" << "9" << ":" << destra << ">"
                                               << "30 :  3 .  9";
    QTest::newRow("div 9: numero2 9 shows 10") << dvs << 9 << 2 << 9 << "18" << "2" << "10" << ":" << destra << "<"
                                               << "18 :  2 . 10";
    QTest::newRow("div 10") << dvs << 10 << 3 << 4 << "3" << "12" << "4" << ":" << sinistra << "="
                            << " 3 . 12 :  4";
    QTest::newRow("div 11: numero1 9 shows 10") << dvs << 11 << 9 << 3 << "10" << "27" << "3" << ":" << sinistra
                                                << ">" << "10 . 27 :  3";
    QTest::newRow("div 12: numero1 10 shows 9") << dvs << 12 << 10 << 2 << "9" << "20" << "2" << ":" << sinistra
                                                << "<" << " 9 . 20 :  2";
}

void TestPresentazione::formeDeiSegni()
{
    QFETCH(int, operazione);
    QFETCH(int, forma);
    QFETCH(int, numero1);
    QFETCH(int, numero2);
    DatiOperazione s = disegnata(static_cast<Operazione>(operazione), numero1, numero2);

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

void TestPresentazione::sessioneDopo_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("forma");
    QTest::addColumn<int>("numero1");
    QTest::addColumn<int>("numero2");
    QTest::addColumn<int>("numero3");
    QTest::addColumn<QString>("testoNumero3");
    QTest::addColumn<QString>("spazioNumero1");
    QTest::addColumn<QString>("spazioNumero2");
    QTest::addColumn<QString>("spazioNumero3");
    QTest::addColumn<QString>("spazioRisultato");

    QTest::newRow("sot 8 changes nothing") << sot << 8 << 15 << 9 << 0 << "" << "" << " " << "" << " ";
    QTest::newRow("sot 12 changes nothing") << sot << 12 << 10 << 9 << 0 << "" << "" << " " << "" << " ";
    QTest::newRow("add 1: pads by length") << add << 1 << 7 << 15 << 22 << "22" << "  " << " " << " " << "";
    QTest::newRow("add 7: sum kept") << add << 7 << 7 << 5 << 12 << "12" << "  " << "  " << " " << "";
    QTest::newRow("add 8: sum one lower") << add << 8 << 7 << 5 << 11 << "11" << "  " << "  " << " " << "";
    QTest::newRow("add 8: 10 becomes 9") << add << 8 << 4 << 6 << 9 << "9" << "  " << "  " << "  " << "";
    QTest::newRow("add 9: sum one higher") << add << 9 << 7 << 5 << 13 << "13" << "  " << "  " << " " << "";
    QTest::newRow("add 10: sum kept") << add << 10 << 7 << 5 << 12 << "12" << "  " << "  " << " " << "";
    QTest::newRow("add 11: sum one higher") << add << 11 << 7 << 5 << 13 << "13" << "  " << "  " << " " << "";
    QTest::newRow("add 12: sum one lower") << add << 12 << 7 << 5 << 11 << "11" << "  " << "  " << " " << "";
    QTest::newRow("mol 8: product pad kept") << mol << 8 << 2 << 5 << 0 << "" << " " << " " << "" << "";
    QTest::newRow("mol 9: pad of numero1 - 1") << mol << 9 << 10 << 2 << 0 << "" << " " << " " << "" << "";
    QTest::newRow("div 8: pad of numero2 - 1") << dvs << 8 << 3 << 10 << 0 << "" << " " << " " << "" << "";
    QTest::newRow("div 9: pad of numero2 + 1") << dvs << 9 << 2 << 9 << 0 << "" << " " << "" << "" << "";
    QTest::newRow("div 11: pad of numero1 + 1") << dvs << 11 << 9 << 3 << 0 << "" << "" << " " << "" << "";
    QTest::newRow("div 12: pad of numero1 - 1") << dvs << 12 << 10 << 2 << 0 << "" << " " << " " << "" << "";
}

// What a presentation leaves in the session: the operands are never touched,
// only the addition sum and the pads some forms recompute.
void TestPresentazione::sessioneDopo()
{
    QFETCH(int, operazione);
    QFETCH(int, forma);
    QFETCH(int, numero1);
    QFETCH(int, numero2);
    DatiOperazione s = disegnata(static_cast<Operazione>(operazione), numero1, numero2);
    const QString testoNumero1 = s.testoNumero1;
    const QString testoNumero2 = s.testoNumero2;

    presenta(static_cast<Operazione>(operazione), forma, s);

    QCOMPARE(int{s.numero1}, numero1);
    QCOMPARE(int{s.numero2}, numero2);
    QCOMPARE(s.testoNumero1, testoNumero1);
    QCOMPARE(s.testoNumero2, testoNumero2);
    QTEST(int{s.numero3}, "numero3");
    QTEST(s.testoNumero3, "testoNumero3");
    QTEST(s.spazioNumero1, "spazioNumero1");
    QTEST(s.spazioNumero2, "spazioNumero2");
    QTEST(s.spazioNumero3, "spazioNumero3");
    QTEST(s.spazioRisultato, "spazioRisultato");
}

void TestPresentazione::formaFuoriCampo()
{
    DatiOperazione s = disegnata(Operazione::Addizione, 7, 5);
    for (int forma : {0, 13, -1}) {
        const Presentazione p = presenta(Operazione::Addizione, forma, s);
        QVERIFY(p.testoLog.isEmpty());
        QVERIFY(p.rispostaEsatta.isEmpty());
        QCOMPARE(int{s.numero3}, 12);
        QCOMPARE(s.spazioNumero1, QStringLiteral("?"));
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
    DatiOperazione s;
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

void TestPresentazione::fraseOperazione_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("forma");
    QTest::addColumn<int>("numero1");
    QTest::addColumn<int>("numero2");
    QTest::addColumn<QString>("frase");
    QTest::newRow("the unknown last") << sot << 1 << 21 << 7 << "ventuno meno sette, uguale quanto?";
    QTest::newRow("the unknown first") << sot << 2 << 15 << 9 << "quanto meno sei, uguale nove?";
    QTest::newRow("\"=\" on the left, the unknown in the middle") << add << 5 << 7 << 5
                                                                  << QStringLiteral("dodici, uguale quanto pi\u00f9 cinque?");
    QTest::newRow("a padded caption") << mol << 2 << 2 << 3 << "quanto per due, uguale sei?";
    QTest::newRow("the sign on the right") << sot << 7 << 15 << 9
                                           << "quindici meno sei, uguale, minore o maggiore di nove?";
    QTest::newRow("the sign on the left") << dvs << 10 << 3 << 4
                                          << "tre, uguale, minore o maggiore di dodici diviso quattro?";
}

void TestPresentazione::fraseOperazione()
{
    QFETCH(int, operazione);
    QFETCH(int, forma);
    QFETCH(int, numero1);
    QFETCH(int, numero2);
    DatiOperazione s = disegnata(static_cast<Operazione>(operazione), numero1, numero2);
    QTEST(ope::fraseOperazione(presenta(static_cast<Operazione>(operazione), forma, s)), "frase");
}


QTEST_GUILESS_MAIN(TestPresentazione)
#include "tst_presentazione.moc"
