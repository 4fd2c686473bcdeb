// SPDX-License-Identifier: GPL-3.0-or-later
#include "serie/presentazione.h"
#include "serie/registro.h"
#include "session/sessione.h"

#include <QTest>

using namespace ope;

namespace {

DatiOperazione conRisposta(const QString& esatta, const QString& alunno)
{
    DatiOperazione o;
    o.rispostaEsatta = esatta;
    o.rispostaAlunno = alunno;
    calcolaSpazi(o);
    return o;
}

} // namespace

class TestRegistro : public QObject {
    Q_OBJECT
private slots:
    void chiusure_data();
    void chiusure();
    void tempiELeLoroDidascalie_data();
    void tempiELeLoroDidascalie();
    void mezzanotte_data();
    void mezzanotte();
    void cifre_data();
    void cifre();
    void confronto_data();
    void confronto();
};

void TestRegistro::chiusure_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("esatta");
    QTest::addColumn<QString>("risposta");   // empty: closed by help
    QTest::addColumn<double>("secondi");
    QTest::addColumn<QString>("attesa");

    const QString riga = QStringLiteral("16 -  9 = . ");   // 12 characters
    const QString dots30 = QString(30, QLatin1Char('.'));
    QTest::newRow("giusta al primo tentativo") << riga << " 7" << "7" << 9.0
                                               << riga + QString(29, QLatin1Char('.')) + "   7   (s. 9)";
    QTest::newRow("aiuto con un numero: fine al 46") << riga << " 7" << "" << 9.0
                                                     << riga + dots30 + QStringLiteral(u"   7\u00b0  (s. 9)");
    QTest::newRow("aiuto con due cifre") << riga << " 15" << "" << 12.0
                                         << riga + dots30 + QStringLiteral(u"  15\u00b0  (s.12)");
    const QString segni = QStringLiteral("15 -  7 .  9");
    QTest::newRow("aiuto con un segno: fine al 45") << segni << "<" << "" << 3.0
                                                    << segni + dots30 + QStringLiteral(u"  <\u00b0  (s. 3)");
    QTest::newRow("segno giusto") << segni << ">" << ">" << 3.0
                                  << segni + QString(29, QLatin1Char('.')) + "   >   (s. 3)";
    const QString piena = QString(42, QLatin1Char('x'));
    QTest::newRow("gia a 42: nessun puntino") << piena << " 7" << "7" << 5.0 << piena + "   7   (s. 5)";
    QTest::newRow("oltre 42 con l'aiuto") << piena + "xxx" << " 7" << "" << 5.0
                                          << piena + QStringLiteral(u"xxx   7\u00b0  (s. 5)");
    QTest::newRow("entro il primo secondo") << riga << " 7" << "7" << 0.8
                                            << riga + QString(29, QLatin1Char('.')) + "   7   (s. 0)";
    QTest::newRow("due minuti: il registro tiene 120") << riga << " 7" << "7" << 120.5
                                                       << riga + QString(29, QLatin1Char('.')) + "   7   (s.120)";
    QTest::newRow("tre cifre") << riga << " 100" << "100" << 10.0
                               << riga + QString(29, QLatin1Char('.')) + " 100   (s.10)";
}

void TestRegistro::chiusure()
{
    QFETCH(QString, testo);
    QFETCH(QString, esatta);
    QFETCH(QString, risposta);
    QFETCH(double, secondi);
    QFETCH(QString, attesa);

    const int tempo = a16(secondiTrascorsi(36000, 36000 + secondi));
    // Help follows a wrong check, whose pads it uses.
    const DatiOperazione o = conRisposta(esatta, risposta.isEmpty() ? QStringLiteral("1") : risposta);
    QCOMPARE(testo + (risposta.isEmpty() ? codaAiuto(testo, o, tempo) : codaEsatta(testo, o, tempo)), attesa);
}

void TestRegistro::tempiELeLoroDidascalie_data()
{
    QTest::addColumn<double>("secondi");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<QString>("spazio");

    QTest::newRow("0.7 s") << 0.7 << " 0" << " 0" << " ";
    QTest::newRow("9.99 s") << 9.99 << " 9" << " 9" << " ";
    QTest::newRow("10 s") << 10.0 << " 10" << " 10" << "";
    QTest::newRow("98 s") << 98.0 << " 98" << " 98" << "";
    QTest::newRow("99 s") << 99.0 << " 99" << "99" << "";
    QTest::newRow("120 s") << 120.0 << " 120" << "99" << "";
    // Left open for hours: the 16-bit counts stop at their limit, never turn negative.
    QTest::newRow("40000 s") << 40000.0 << " 32767" << "99" << "";
}

void TestRegistro::tempiELeLoroDidascalie()
{
    QFETCH(double, secondi);
    QFETCH(QString, testo);
    QFETCH(QString, didascalia);
    QFETCH(QString, spazio);

    const int tempo = a16(secondiTrascorsi(1000.25, 1000.25 + secondi));
    QCOMPARE(testoConSegno(tempo), testo);
    QCOMPARE(didascaliaTempoOperazione(tempo), didascalia);
    const QString coda = codaEsatta(QStringLiteral("x"), conRisposta(QStringLiteral(" 1"), QStringLiteral("1")), tempo);
    QVERIFY2(coda.endsWith(QStringLiteral("(s.") + spazio + testo.trimmed() + u')'), qPrintable(coda));
}

void TestRegistro::mezzanotte_data()
{
    QTest::addColumn<double>("inizio");
    QTest::addColumn<double>("fine");
    QTest::addColumn<double>("secondi");

    QTest::newRow("a cavallo della mezzanotte") << 86395.5 << 4.0 << 8.0;
    QTest::newRow("orologio indietro di un minuto") << 36060.0 << 36000.0 << 0.0;
    QTest::newRow("orologio indietro di undici ore") << 50000.0 << 10400.0 << 0.0;
    QTest::newRow("totale oltre il 999 dei cartellini") << 0.0 << 1004.2 << 1004.0;
}

void TestRegistro::mezzanotte()
{
    QFETCH(double, inizio);
    QFETCH(double, fine);
    QFETCH(double, secondi);
    QCOMPARE(secondiTrascorsi(inizio, fine), secondi);
    QCOMPARE(didascaliaTempoTotale(secondi), secondi >= 999 ? QStringLiteral("999") : testoConSegno(qint64(secondi)));
}

void TestRegistro::cifre_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<int>("cifra");   // -1: Cancella
    QTest::addColumn<QString>("dopo");

    QTest::newRow("prima cifra") << "" << 7 << "7";
    QTest::newRow("zero iniziale accettato") << "0" << 7 << "07";
    QTest::newRow("terza cifra") << "12" << 3 << "123";
    QTest::newRow("quarta cifra ignorata") << "123" << 4 << "123";
    QTest::newRow("cancella l'ultima") << "123" << -1 << "12";
    QTest::newRow("cancella su vuota") << "" << -1 << "";
}

void TestRegistro::cifre()
{
    QFETCH(QString, prima);
    QFETCH(int, cifra);
    QFETCH(QString, dopo);
    QCOMPARE(cifra < 0 ? togliCifra(prima) : aggiungiCifra(prima, cifra, 3), dopo);
}

void TestRegistro::confronto_data()
{
    QTest::addColumn<QString>("alunno");
    QTest::addColumn<QString>("esatta");
    QTest::addColumn<bool>("giusta");

    QTest::newRow("6 per lo 6 memorizzato con lo spazio") << "6" << " 6" << true;
    QTest::newRow("07 non e' 7") << "07" << " 7" << false;
    QTest::newRow("70 non e' 7") << "70" << " 7" << false;
    QTest::newRow("segno giusto") << "<" << "<" << true;
    QTest::newRow("segno sbagliato") << "=" << "<" << false;
    QTest::newRow("somma senza spazio") << "15" << "15" << true;
}

void TestRegistro::confronto()
{
    QFETCH(QString, alunno);
    QFETCH(QString, esatta);
    QFETCH(bool, giusta);
    DatiOperazione o;
    o.rispostaAlunno = alunno;
    o.rispostaEsatta = esatta;
    QCOMPARE(rispostaGiusta(o), giusta);
}

QTEST_GUILESS_MAIN(TestRegistro)
#include "tst_registro.moc"
