// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/presentazione.h"
#include "exercise/registro.h"
#include "exercise/serie.h"
#include "session/generatore.h"
#include "session/sessione.h"

#include <QTest>
#include <set>

using namespace ope;

namespace {

Sessione operazioneAperta(const QString& testo, const QString& esatta, double inizio = 36000)
{
    Sessione s;
    s.serie.numeroEsercizio = 1;
    s.serie.contaOperazioni = 1;
    s.serie.operazioniEseguite[1] = testo;
    s.operazione.rispostaEsatta = esatta;
    s.serie.tempoInizio = inizio;
    return s;
}

void sbaglia(Sessione& s, const QString& risposta)
{
    s.operazione.rispostaAlunno = risposta;
    calcolaSpazi(s.operazione);
    registraErrore(s.serie, s.operazione, QStringLiteral("* "));
}

void indovina(Sessione& s, const QString& risposta, double ora)
{
    s.operazione.rispostaAlunno = risposta;
    calcolaSpazi(s.operazione);
    chiudiTempo(s.serie, ora);
    registraEsatta(s.serie, s.operazione, QStringLiteral("  "));
}

} // namespace

class TestRegistro : public QObject {
    Q_OBJECT
private slots:
    void esempioDelloSbaglioPoiGiusto();
    void chiusure_data();
    void chiusure();
    void tempiELeLoroDidascalie_data();
    void tempiELeLoroDidascalie();
    void totaliDiDueOperazioni();
    void mezzanotte();
    void cifre_data();
    void cifre();
    void confronto_data();
    void confronto();
    void inizioSerieTieneLeScelte();
    void tipiCheSorteggianoLOperazione_data();
    void tipiCheSorteggianoLOperazione();
    void formeNelCampoDellObiettivo();
};

void TestRegistro::esempioDelloSbaglioPoiGiusto()
{
    Sessione s = operazioneAperta(QStringLiteral("16 -  9 = . "), QStringLiteral(" 7"));
    sbaglia(s, QStringLiteral("8"));
    QCOMPARE(s.serie.operazioniEseguite[1], QStringLiteral("16 -  9 = .    8* "));
    indovina(s, QStringLiteral("7"), 36009.4);

    const QString riga = s.serie.operazioniEseguite[1];
    QCOMPARE(riga, QStringLiteral("16 -  9 = .    8* ") + QString(41 - 18, QLatin1Char('.')) + QStringLiteral("   7   (s. 9)"));
    QCOMPARE(riga.left(41).right(1), QStringLiteral("."));
    QCOMPARE(riga.mid(41, 4), QStringLiteral("   7"));   // ends at character 45
    QCOMPARE(riga.at(48), QLatin1Char('('));              // character 49
    QCOMPARE(s.serie.secondiOperazione, std::int16_t(9));
}

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

    Sessione s = operazioneAperta(testo, esatta);
    if (risposta.isEmpty()) {
        sbaglia(s, QStringLiteral("1"));
        s.serie.operazioniEseguite[1] = testo;   // only the pads of the wrong check matter here
        chiudiTempo(s.serie, s.serie.tempoInizio + secondi);
        registraAiuto(s.serie, s.operazione);
    } else {
        indovina(s, risposta, s.serie.tempoInizio + secondi);
    }
    QCOMPARE(s.serie.operazioniEseguite[1], attesa);
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

    Sessione s = operazioneAperta(QStringLiteral("x"), QStringLiteral(" 1"), 1000.25);
    chiudiTempo(s.serie, 1000.25 + secondi);
    QCOMPARE(s.serie.testoTempoOperazione, testo);
    QCOMPARE(didascaliaTempoOperazione(s.serie), didascalia);
    QCOMPARE(s.serie.spazioTempo, spazio);
    QCOMPARE(s.serie.testoTempoTotale, testo);
    QCOMPARE(s.serie.tempoEsercizio[1], testo);
}

void TestRegistro::totaliDiDueOperazioni()
{
    Sessione s = operazioneAperta(QStringLiteral("a"), QStringLiteral(" 1"), 100);
    chiudiTempo(s.serie, 104.5);
    s.serie.contaOperazioni = 2;
    s.serie.operazioniEseguite[2] = QStringLiteral("b");
    s.serie.tempoInizio = 200;
    chiudiTempo(s.serie, 207.9);
    QCOMPARE(s.serie.tempoTotale, 11.0);
    QCOMPARE(didascaliaTempoTotale(s.serie), QStringLiteral(" 11"));
    QCOMPARE(s.serie.tempoEsercizio[1], QStringLiteral(" 11"));
    QCOMPARE(s.serie.secondiEsercizio[1], std::int16_t(11));
    // The leader is measured on the line of the operation being closed.
    QCOMPARE(s.serie.puntiniLog, QString(41, QLatin1Char('.')));

    s.serie.tempoTotale = 990;
    s.serie.tempoInizio = 300;
    chiudiTempo(s.serie, 309);
    QCOMPARE(s.serie.testoTempoTotale, QStringLiteral(" 999"));
    QCOMPARE(didascaliaTempoTotale(s.serie), QStringLiteral("999"));
    chiudiTempo(s.serie, 305);
    QCOMPARE(s.serie.testoTempoTotale, QStringLiteral(" 1004"));
    QCOMPARE(didascaliaTempoTotale(s.serie), QStringLiteral("999"));
}

void TestRegistro::mezzanotte()
{
    Sessione s = operazioneAperta(QStringLiteral("16 -  9 = . "), QStringLiteral(" 7"), 86395.5);
    indovina(s, QStringLiteral("7"), 4.0);
    QCOMPARE(s.serie.tempoOperazione, 8.0);
    QCOMPARE(s.serie.testoTempoOperazione, QStringLiteral(" 8"));
    QCOMPARE(s.serie.tempoTotale, 8.0);
    QVERIFY(s.serie.operazioniEseguite[1].endsWith(QStringLiteral("(s. 8)")));
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
    Sessione s;
    s.operazione.rispostaAlunno = alunno;
    s.operazione.rispostaEsatta = esatta;
    QCOMPARE(rispostaGiusta(s.operazione), giusta);
}

void TestRegistro::inizioSerieTieneLeScelte()
{
    Sessione s;
    s.scelte.tipoOperazione = 2;
    s.scelte.livello = 3;
    s.scelte.tipoEsercizioMin = 1;
    s.scelte.tipoEsercizioMax = 6;
    s.scelte.maxCifre = 3;
    for (std::size_t i = 0; i <= 21; ++i)
        s.serie.operazioniEseguite[i] = QStringLiteral("riga");
    s.serie.contaOperazioni = s.serie.numeroOperazione = 20;
    s.serie.risposteEsatte = s.serie.esatteAttestato = 15;
    s.serie.risposteErrate = 4;
    s.serie.tempoTotale = 143;
    s.serie.secondiEsercizio[1] = 143;
    s.serie.tempoEsercizio[1] = QStringLiteral(" 143");
    s.serie.tempoEsercizio[2] = QStringLiteral(" 5");

    azzeraSerie(s.serie);
    for (std::size_t i = 1; i <= 20; ++i)
        QVERIFY(s.serie.operazioniEseguite[i].isEmpty());
    QCOMPARE(s.serie.operazioniEseguite[21], QStringLiteral("riga"));
    QCOMPARE(s.serie.contaOperazioni + s.serie.numeroOperazione + s.serie.risposteEsatte + s.serie.esatteAttestato + s.serie.risposteErrate, 0);
    QCOMPARE(s.serie.tempoTotale, 0.0);
    QCOMPARE(s.serie.secondiEsercizio[1], std::int16_t(0));
    QVERIFY(s.serie.tempoEsercizio[1].isEmpty() && s.serie.tempoEsercizio[2].isEmpty());
    QCOMPARE(s.serie.numeroEsercizio, std::int16_t(1));
    QCOMPARE(s.scelte.tipoOperazione, std::int16_t(2));
    QCOMPARE(s.scelte.livello, std::int16_t(3));
    QCOMPARE(s.scelte.tipoEsercizioMax, std::int16_t(6));
}

void TestRegistro::tipiCheSorteggianoLOperazione_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QList<int>>("attese");
    using O = Operazione;
    QTest::newRow("1") << 1 << QList<int>{int(O::Addizione)};
    QTest::newRow("2") << 2 << QList<int>{int(O::Sottrazione)};
    QTest::newRow("3") << 3 << QList<int>{int(O::Addizione), int(O::Sottrazione)};
    QTest::newRow("4") << 4 << QList<int>{int(O::Moltiplicazione)};
    QTest::newRow("5") << 5 << QList<int>{int(O::Divisione)};
    QTest::newRow("6") << 6 << QList<int>{int(O::Moltiplicazione), int(O::Divisione)};
    QTest::newRow("7") << 7 << QList<int>{int(O::Addizione), int(O::Sottrazione), int(O::Moltiplicazione),
                                          int(O::Divisione)};
    QTest::newRow("0: niente") << 0 << QList<int>{};
    QTest::newRow("8: niente") << 8 << QList<int>{};
}

void TestRegistro::tipiCheSorteggianoLOperazione()
{
    QFETCH(int, tipo);
    QFETCH(QList<int>, attese);
    double ora = 100;
    Generatore g([&ora] { return ora += 0.01; });
    g.semina();
    std::set<int> viste;
    for (int i = 0; i < 400; ++i) {
        const auto o = operazioneDelTipo(tipo, g);
        QCOMPARE(o.has_value(), !attese.isEmpty());
        if (o)
            viste.insert(int(*o));
    }
    QCOMPARE(viste, std::set<int>(attese.begin(), attese.end()));
}

void TestRegistro::formeNelCampoDellObiettivo()
{
    double ora = 500;
    Generatore g([&ora] { return ora; });
    Sessione s;
    for (auto [minimo, massimo] : {std::pair{1, 1}, {2, 3}, {1, 3}, {1, 6}, {7, 12}, {1, 12}}) {
        s.scelte.tipoEsercizioMin = std::int16_t(minimo);
        s.scelte.tipoEsercizioMax = std::int16_t(massimo);
        std::set<int> viste;
        for (int i = 0; i < 600; ++i) {
            disegnaForma(s.scelte, s.operazione, g);   // the same clock reading every time: still varied
            viste.insert(s.operazione.tipoEsercizio);
        }
        QCOMPARE(*viste.begin(), minimo);
        QCOMPARE(*viste.rbegin(), massimo);
        QCOMPARE(int(viste.size()), massimo - minimo + 1);
    }
}

QTEST_GUILESS_MAIN(TestRegistro)
#include "tst_registro.moc"
