// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/lettura.h"
#include "session/sessione.h"

#include <QTest>

using namespace ope;

namespace {

struct Riga {
    Operazione operazione;
    int forma;
    int numero1;
    int numero2;
    const char* domanda;
    const char* risposta;
};

constexpr auto sot = Operazione::Sottrazione;
constexpr auto add = Operazione::Addizione;
constexpr auto mol = Operazione::Moltiplicazione;
constexpr auto dvs = Operazione::Divisione;

// 16 - 9 = 7, 12 + 8 = 20, 6 x 7 = 42, 36 : 4 = 9, in every form.
const Riga righe[] = {
    {sot, 1, 16, 9, "sedici meno nove, uguale?", "sedici meno nove fa sette."},
    {sot, 2, 16, 9, "quanto meno sette fa nove?", "sedici meno sette fa nove."},
    {sot, 3, 16, 9, "sedici meno quanto fa sette?", "sedici meno nove fa sette."},
    {sot, 4, 16, 9, "quanto fa sedici meno nove?", "sedici meno nove fa sette."},
    {sot, 5, 16, 9, "sette è uguale a quanto meno nove?", "sedici meno nove fa sette."},
    {sot, 6, 16, 9, "sette è uguale a sedici meno quanto?", "sedici meno nove fa sette."},
    {sot, 7, 16, 9, "sedici meno sette, uguale, minore o maggiore di nove?", "sedici meno sette è uguale a nove."},
    {sot, 8, 16, 9, "sedici meno otto, uguale, minore o maggiore di nove?", "sedici meno otto è minore di nove."},
    {sot, 9, 16, 9, "sedici meno sei, uguale, minore o maggiore di nove?", "sedici meno sei è maggiore di nove."},
    {sot, 10, 16, 9, "sette, uguale, minore o maggiore di sedici meno nove?", "sette è uguale a sedici meno nove."},
    {sot, 11, 16, 9, "otto, uguale, minore o maggiore di sedici meno nove?", "otto è maggiore di sedici meno nove."},
    {sot, 12, 16, 9, "sei, uguale, minore o maggiore di sedici meno nove?", "sei è minore di sedici meno nove."},
    {add, 1, 12, 8, "dodici più otto, uguale?", "dodici più otto fa venti."},
    {add, 2, 12, 8, "quanto più otto fa venti?", "dodici più otto fa venti."},
    {add, 3, 12, 8, "dodici più quanto fa venti?", "dodici più otto fa venti."},
    {add, 4, 12, 8, "quanto fa dodici più otto?", "dodici più otto fa venti."},
    {add, 5, 12, 8, "venti è uguale a quanto più otto?", "dodici più otto fa venti."},
    {add, 6, 12, 8, "venti è uguale a otto più quanto?", "otto più dodici fa venti."},
    {add, 7, 12, 8, "dodici più otto, uguale, minore o maggiore di venti?", "dodici più otto è uguale a venti."},
    {add, 8, 12, 8, "dodici più otto, uguale, minore o maggiore di diciannove?", "dodici più otto è maggiore di diciannove."},
    {add, 9, 12, 8, "dodici più otto, uguale, minore o maggiore di ventuno?", "dodici più otto è minore di ventuno."},
    {add, 10, 12, 8, "venti, uguale, minore o maggiore di dodici più otto?", "venti è uguale a dodici più otto."},
    {add, 11, 12, 8, "ventuno, uguale, minore o maggiore di dodici più otto?", "ventuno è maggiore di dodici più otto."},
    {add, 12, 12, 8, "diciannove, uguale, minore o maggiore di otto più dodici?", "diciannove è minore di otto più dodici."},
    {add, 1, 60, 40, "sessanta più quaranta, uguale?", "sessanta più quaranta fa cento."},
    {mol, 1, 6, 7, "sei per sette?", "sei per sette fa quarantadue."},
    {mol, 2, 6, 7, "quanto per sei fa quarantadue?", "sette per sei fa quarantadue."},
    {mol, 3, 6, 7, "sei per quanto fa quarantadue?", "sei per sette fa quarantadue."},
    {mol, 4, 6, 7, "quarantadue è uguale a quanto per sette?", "sei per sette fa quarantadue."},
    {mol, 5, 6, 7, "quarantadue è uguale a sette per quanto?", "sette per sei fa quarantadue."},
    {mol, 6, 6, 7, "quanto fa sei per sette?", "sei per sette fa quarantadue."},
    {mol, 7, 6, 7, "sei per sette, uguale, minore o maggiore di quarantadue?", "sei per sette è uguale a quarantadue."},
    {mol, 8, 6, 7, "sei per sette, uguale, minore o maggiore di quarantuno?", "sei per sette è maggiore di quarantuno."},
    {mol, 9, 6, 7, "cinque per sette, uguale, minore o maggiore di quarantadue?", "cinque per sette è minore di quarantadue."},
    {mol, 10, 6, 7, "quarantadue, uguale, minore o maggiore di sei per sette?", "quarantadue è uguale a sei per sette."},
    {mol, 11, 6, 7, "quarantatré, uguale, minore o maggiore di sette per sei?", "quarantatré è maggiore di sette per sei."},
    {mol, 12, 6, 7, "quarantuno, uguale, minore o maggiore di sei per sette?", "quarantuno è minore di sei per sette."},
    {dvs, 1, 9, 4, "trentasei diviso quattro?", "trentasei diviso quattro fa nove."},
    {dvs, 2, 9, 4, "quanto diviso nove fa quattro?", "trentasei diviso nove fa quattro."},
    {dvs, 3, 9, 4, "trentasei diviso quanto fa quattro?", "trentasei diviso nove fa quattro."},
    {dvs, 4, 9, 4, "quanto fa trentasei diviso quattro?", "trentasei diviso quattro fa nove."},
    {dvs, 5, 9, 4, "nove è uguale a quanto diviso quattro?", "trentasei diviso quattro fa nove."},
    {dvs, 6, 9, 4, "nove è uguale a trentasei diviso quanto?", "trentasei diviso quattro fa nove."},
    {dvs, 7, 9, 4, "trentasei diviso nove, uguale, minore o maggiore di quattro?", "trentasei diviso nove è uguale a quattro."},
    {dvs, 8, 9, 4, "trentasei diviso nove, uguale, minore o maggiore di tre?", "trentasei diviso nove è maggiore di tre."},
    {dvs, 9, 9, 4, "trentasei diviso nove, uguale, minore o maggiore di cinque?", "trentasei diviso nove è minore di cinque."},
    {dvs, 10, 9, 4, "nove, uguale, minore o maggiore di trentasei diviso quattro?", "nove è uguale a trentasei diviso quattro."},
    {dvs, 11, 9, 4, "dieci, uguale, minore o maggiore di trentasei diviso quattro?", "dieci è maggiore di trentasei diviso quattro."},
    {dvs, 12, 9, 4, "otto, uguale, minore o maggiore di trentasei diviso quattro?", "otto è minore di trentasei diviso quattro."},
};

// The session as the operand draw of that operation leaves it.
DatiOperazione disegnata(Operazione operazione, int numero1, int numero2)
{
    DatiOperazione s;
    s.numero1 = static_cast<std::int16_t>(numero1);
    s.numero2 = static_cast<std::int16_t>(numero2);
    if (operazione == Operazione::Addizione) {
        s.numero3 = static_cast<std::int16_t>(numero1 + numero2);
        s.testoNumero1 = QString::number(numero1);
        s.testoNumero2 = QString::number(numero2);
        s.testoNumero3 = QString::number(numero1 + numero2);
    }
    return s;
}

} // namespace

class TestLettura : public QObject {
    Q_OBJECT

private slots:
    void frasi_data();
    void frasi();
    void numeri_data();
    void numeri();
    void riepilogo_data();
    void riepilogo();
};

void TestLettura::frasi_data()
{
    QTest::addColumn<int>("indice");
    const char* nomi[] = {"add", "sot", "mol", "div"};
    for (int i = 0; i < int(std::size(righe)); ++i) {
        const Riga& r = righe[i];
        QTest::addRow("%s %d: %d, %d", nomi[static_cast<int>(r.operazione)], r.forma, r.numero1, r.numero2) << i;
    }
}

void TestLettura::frasi()
{
    QFETCH(int, indice);
    const Riga& r = righe[indice];
    DatiOperazione s = disegnata(r.operazione, r.numero1, r.numero2);
    const Presentazione p = presenta(r.operazione, r.forma, s);
    QCOMPARE(domandaDaLeggere(r.operazione, p), QString::fromUtf8(r.domanda));
    QCOMPARE(rispostaDaLeggere(p), QString::fromUtf8(r.risposta));
}

void TestLettura::numeri_data()
{
    QTest::addColumn<int>("valore");
    QTest::addColumn<QString>("parole");
    const std::pair<int, const char*> casi[] = {
        {0, "zero"}, {1, "uno"}, {3, "tre"}, {11, "undici"}, {17, "diciassette"}, {20, "venti"},
        {21, "ventuno"}, {23, "ventitré"}, {28, "ventotto"}, {77, "settantasette"}, {99, "novantanove"},
        {100, "cento"}, {101, "centouno"}, {103, "centotré"}, {180, "centottanta"}, {188, "centottantotto"},
        {200, "duecento"}, {999, "novecentonovantanove"}, {1000, "mille"}, {1003, "milletré"},
        {2023, "duemilaventitré"}, {21000, "ventunmila"}, {-5, "meno cinque"}};
    for (const auto& [valore, parole] : casi)
        QTest::addRow("%d", valore) << valore << QString::fromUtf8(parole);
}

void TestLettura::numeri()
{
    QFETCH(int, valore);
    QFETCH(QString, parole);
    QCOMPARE(numeroInLettere(valore), parole);
}

void TestLettura::riepilogo_data()
{
    // The panel's values as they stand: correct, executed, wrong, partial and total time.
    QTest::addColumn<QStringList>("valori");
    QTest::addColumn<QString>("detto");
    QTest::newRow("a run just started: nothing closed yet") << QStringList{"", "1", "", "", ""}
                                                           << "Operazioni eseguite 1.";
    QTest::newRow("one second is singular") << QStringList{"1", "2", "1", "1", "12"}
        << "Operazioni eseguite 2. Risposte esatte 1. Risposte errate 1. Tempo parziale 1 secondo. "
           "Tempo totale 12 secondi.";
    QTest::newRow("the capped times") << QStringList{"20", "20", "0", "99", "999"}
        << "Operazioni eseguite 20. Risposte esatte 20. Risposte errate 0. Tempo parziale 99 secondi. "
           "Tempo totale 999 secondi.";
}

void TestLettura::riepilogo()
{
    QFETCH(QStringList, valori);
    QTEST(riepilogoDaLeggere(valori[0], valori[1], valori[2], valori[3], valori[4]), "detto");
}

QTEST_GUILESS_MAIN(TestLettura)
#include "tst_lettura.moc"
