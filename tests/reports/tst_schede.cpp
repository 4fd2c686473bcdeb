// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/stampante.h"
#include "reports/schede.h"
#include "session/generatore.h"
#include "session/sessione.h"
#include "start/tabelle.h"

#include "prova.h"
#include "ui/messaggi.h"

#include <QSet>
#include <QTest>

using namespace ope;

namespace {

// The choices and the worksheet the generator reads and fills.
struct Prova {
    DatiScelte scelte;
    Scheda scheda;
};

// Checks a teachers' line by putting its answer in place of the dot and
// doing the arithmetic: "x - y = z", "x - y ? z" or "x ? y - z".
bool rispostaGiusta(const QString& docenti, QString* perche)
{
    const int aperta = docenti.lastIndexOf(u'(');
    const QString risposta = docenti.mid(aperta + 1, docenti.size() - aperta - 2);
    QString riga = docenti.left(12);
    riga.replace(riga.indexOf(u'.'), 1, risposta);
    const QStringList p = riga.simplified().split(u' ');
    if (p.size() != 5) {
        *perche = QStringLiteral("cannot read ") + riga;
        return false;
    }
    auto confronta = [](int sinistra, const QString& segno, int destra) {
        if (segno == u"=")
            return sinistra == destra;
        if (segno == u"<")
            return sinistra < destra;
        if (segno == u">")
            return sinistra > destra;
        return false;
    };
    *perche = riga;
    if (p[1] == u"-")   // x - y ? z
        return confronta(p[0].toInt() - p[2].toInt(), p[3], p[4].toInt());
    return confronta(p[0].toInt(), p[1], p[2].toInt() - p[4].toInt());   // x ? y - z
}

struct Banco {
    prova::Piattaforma piattaforma;
    Prova s;
    Generatore g{[this] { return piattaforma.ora; }};
};

} // namespace

class TstSchede : public QObject {
    Q_OBJECT
private slots:
    void testiDelleForme_data();
    void testiDelleForme();
    void spaziScheda_data();
    void spaziScheda();
    void formaFuoriTabellaNonScrive();
    void rigaUsaSempreSetteSpazi();
    void numeriPerLivello_data();
    void numeriPerLivello();
    void differenzeNegativeRestano();
    void livelloSconosciutoLasciaINumeri();
    void formeDellObiettivo_data();
    void formeDellObiettivo();
    void righeDiUnIstanteDiverse();
    void obiettivi_data();
    void obiettivi();
    void livelli_data();
    void livelli();
    void impaginazione_data();
    void impaginazione();
    void intestazioneEPiede();
    void sceltaDelFont_data();
    void sceltaDelFont();
    void stampaFallitaSegnalata();
};

void TstSchede::testiDelleForme_data()
{
    QTest::addColumn<int>("forma");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("alunni");
    QTest::addColumn<QString>("docenti");

    QTest::newRow("1 a=7 b=8") << 1 << 7 << 8 << 2 << 15 << "15 -  8 =  ." << "15 -  8 =  .           (7)";
    QTest::newRow("1 two digits") << 1 << 12 << 15 << 1 << 27 << "27 - 15 =  ." << "27 - 15 =  .          (12)";
    QTest::newRow("2 a=7 b=3") << 2 << 7 << 3 << 1 << 10 << " . -  3 =  7" << " . -  3 =  7          (10)";
    QTest::newRow("2 small minuend") << 2 << 2 << 3 << 1 << 5 << " . -  3 =  2" << " . -  3 =  2           (5)";
    QTest::newRow("3") << 3 << 7 << 8 << 2 << 15 << "15 -  . =  7" << "15 -  . =  7           (8)";
    QTest::newRow("4") << 4 << 7 << 8 << 2 << 15 << " . = 15 -  8" << " . = 15 -  8           (7)";
    QTest::newRow("5") << 5 << 7 << 8 << 2 << 15 << " 7 =  . -  8" << " 7 =  . -  8          (15)";
    QTest::newRow("6") << 6 << 7 << 8 << 2 << 15 << " 8 = 15 -  ." << " 8 = 15 -  .           (7)";
    QTest::newRow("7") << 7 << 7 << 8 << 2 << 15 << "15 -  7 .  8" << "15 -  7 .  8           (=)";
    QTest::newRow("8 plus c") << 8 << 7 << 8 << 2 << 17 << "17 -  7 .  8" << "17 -  7 .  8           (>)";
    QTest::newRow("9 minus c") << 9 << 7 << 8 << 2 << 13 << "13 -  7 .  8" << "13 -  7 .  8           (<)";
    QTest::newRow("9 negative difference") << 9 << 5 << 2 << 3 << 4 << " 4 -  5 .  2" << " 4 -  5 .  2           (<)";
    QTest::newRow("10 a=7 b=8") << 10 << 7 << 8 << 2 << 15 << " 7 . 15 -  8" << " 7 . 15 -  8           (=)";
    QTest::newRow("11 five blanks") << 11 << 7 << 8 << 2 << 13 << " 7 . 13 -  8" << " 7 . 13 -  8            (>)";
    QTest::newRow("12 plus c") << 12 << 7 << 8 << 2 << 17 << " 7 . 17 -  8" << " 7 . 17 -  8           (<)";
    QTest::newRow("12 n padded") << 12 << 3 << 2 << 3 << 8 << " 3 .  8 -  2" << " 3 .  8 -  2           (<)";
}

void TstSchede::testiDelleForme()
{
    QFETCH(int, forma);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, n);
    QFETCH(QString, alunni);
    QFETCH(QString, docenti);

    Prova s;
    s.scheda.riga.numero1 = std::int16_t(a);
    s.scheda.riga.numero2 = std::int16_t(b);
    s.scheda.scartoScheda = std::int16_t(c);
    componiRigaScheda(s.scheda, forma, 37);
    QCOMPARE(s.scheda.risultatoScheda, n);
    QCOMPARE(s.scheda.schedaAlunni[37], alunni);
    QCOMPARE(s.scheda.schedaDocenti[37], docenti);
    QVERIFY(s.scheda.schedaAlunni[36].isEmpty());
    QVERIFY(s.scheda.schedaDocenti[38].isEmpty());
}

void TstSchede::spaziScheda_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("spazi");   // pads of a, b and n, each between bars

    QTest::newRow("all small") << 7 << 3 << 9 << "| | | |";
    QTest::newRow("all two digits") << 10 << 45 << 99 << "||||";
    QTest::newRow("zero and negative") << 0 << -2 << 10 << "| | ||";
    QTest::newRow("boundary") << 9 << 10 << 9 << "| || |";
}

void TstSchede::spaziScheda()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, n);
    QFETCH(QString, spazi);

    Prova s;
    s.scheda.riga.numero1 = std::int16_t(a);
    s.scheda.riga.numero2 = std::int16_t(b);
    s.scheda.risultatoScheda = std::int16_t(n);
    calcolaSpaziScheda(s.scheda);
    QCOMPARE(u'|' + s.scheda.riga.spazioNumero1 + u'|' + s.scheda.riga.spazioNumero2 + u'|' + s.scheda.riga.spazioRisultato + u'|', spazi);
}

void TstSchede::formaFuoriTabellaNonScrive()
{
    Prova s;
    s.scheda.riga.numero1 = 7;
    s.scheda.riga.numero2 = 8;
    s.scheda.schedaAlunni[5] = QStringLiteral("before");
    componiRigaScheda(s.scheda, 0, 5);
    componiRigaScheda(s.scheda, 13, 5);
    QCOMPARE(s.scheda.schedaAlunni[5], QStringLiteral("before"));
    QVERIFY(s.scheda.schedaDocenti[5].isEmpty());

    // An empty objective range, as at program start, draws form 0.
    Banco banco;
    banco.s.scheda.livelloScheda = 1;
    QCOMPARE(generaRigaScheda(banco.s.scheda, banco.g, 1), std::int16_t(0));
    QVERIFY(banco.s.scheda.schedaAlunni[1].isEmpty());
}

void TstSchede::rigaUsaSempreSetteSpazi()
{
    Banco banco;
    Prova& s = banco.s;
    s.scheda.scelte.tipoOperazione = 2;
    s.scheda.livelloScheda = 2;
    s.scheda.scelte.tipoEsercizioMin = 1;
    s.scheda.scelte.tipoEsercizioMax = 1;
    generaRigaScheda(s.scheda, banco.g, 1);
    QCOMPARE(s.scheda.schedaDocenti[1].mid(12, 7), QStringLiteral("       "));
    QVERIFY(!s.scheda.schedaDocenti[1].contains(u".."));
}

void TstSchede::numeriPerLivello_data()
{
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("minAB");   // each of a and b
    QTest::addColumn<int>("maxAB");
    QTest::addColumn<int>("sommaMin");
    QTest::addColumn<int>("sommaMax");
    QTest::addColumn<int>("nMin");
    QTest::addColumn<int>("nMax");

    QTest::newRow("1: 1 to 30") << 1 << 2 << 21 << 4 << 29 << 1 << 30;
    QTest::newRow("2: 30 to 60") << 2 << 10 << 39 << 30 << 59 << 27 << 60;
    QTest::newRow("3: 60 to 99") << 3 << 20 << 69 << 60 << 89 << 57 << 90;
    QTest::newRow("4: 1 to 99") << 4 << 20 << 69 << 40 << 89 << 37 << 90;
}

void TstSchede::numeriPerLivello()
{
    QFETCH(int, livello);
    QFETCH(int, minAB);
    QFETCH(int, maxAB);
    QFETCH(int, sommaMin);
    QFETCH(int, sommaMax);
    QFETCH(int, nMin);
    QFETCH(int, nMax);

    Banco banco;
    Prova& s = banco.s;
    s.scheda.livelloScheda = std::int16_t(livello);
    s.scheda.scelte.tipoEsercizioMin = 1;
    s.scheda.scelte.tipoEsercizioMax = 12;
    int aMin = 1000, aMax = -1000, nVisto = 1000, nMassimo = -1000;
    QSet<int> scarti;
    for (int k = 0; k < 6000; ++k) {
        const int i = k % 60 + 1;
        const int forma = generaRigaScheda(s.scheda, banco.g, i);
        const int a = s.scheda.riga.numero1, b = s.scheda.riga.numero2, c = s.scheda.scartoScheda, n = s.scheda.risultatoScheda;
        QVERIFY2(a >= minAB && a <= maxAB && b >= minAB && b <= maxAB, qPrintable(QString::number(a)));
        QVERIFY(a + b >= sommaMin && a + b <= sommaMax);
        QVERIFY(c >= 1 && c <= 3);
        QVERIFY(a + b + c <= (livello == 1 ? 30 : livello == 2 ? 60 : 90));
        QVERIFY(n >= nMin && n <= nMax);
        const int atteso = forma == 8 || forma == 12 ? a + b + c : forma == 9 || forma == 11 ? a + b - c : a + b;
        QCOMPARE(n, atteso);
        QCOMPARE(s.scheda.schedaAlunni[i].size(), 12);
        QVERIFY(s.scheda.schedaDocenti[i].startsWith(s.scheda.schedaAlunni[i] + QStringLiteral("       ")));
        QString perche;
        QVERIFY2(rispostaGiusta(s.scheda.schedaDocenti[i], &perche), qPrintable(perche));
        aMin = std::min(aMin, a);
        aMax = std::max(aMax, a);
        nVisto = std::min(nVisto, n);
        nMassimo = std::max(nMassimo, n);
        scarti.insert(c);
    }
    // The whole range is drawn, not a corner of it.
    QCOMPARE(aMin, minAB);
    QVERIFY(aMax >= maxAB - 2);
    QVERIFY(nMassimo >= nMax - 2);
    QVERIFY(nVisto <= nMin + 4);
    QCOMPARE(scarti.size(), 3);
}

void TstSchede::differenzeNegativeRestano()
{
    Banco banco;
    Prova& s = banco.s;
    s.scheda.livelloScheda = 1;
    s.scheda.scelte.tipoEsercizioMin = 7;
    s.scheda.scelte.tipoEsercizioMax = 12;
    int negative = 0;
    for (int k = 0; k < 6000; ++k) {
        const int forma = generaRigaScheda(s.scheda, banco.g, 1);
        if (forma != 9 && forma != 11)
            continue;
        QString perche;
        // The sign still compares the two sides as written.
        QVERIFY2(rispostaGiusta(s.scheda.schedaDocenti[1], &perche), qPrintable(perche));
        if (s.scheda.risultatoScheda < s.scheda.riga.numero1) {
            ++negative;
            QCOMPARE(s.scheda.riga.numero2, std::int16_t(2));
            QCOMPARE(s.scheda.scartoScheda, std::int16_t(3));
        }
    }
    QVERIFY(negative > 0);
}

void TstSchede::livelloSconosciutoLasciaINumeri()
{
    Banco banco;
    Prova& s = banco.s;
    s.scheda.riga.numero1 = 44;
    s.scheda.riga.numero2 = 33;
    s.scheda.scartoScheda = 2;
    for (std::int16_t livello : {0, 5, -1}) {
        s.scheda.livelloScheda = livello;
        estraiOperandiScheda(s.scheda, banco.g);
        QCOMPARE(s.scheda.riga.numero1, std::int16_t(44));
        QCOMPARE(s.scheda.riga.numero2, std::int16_t(33));
        QCOMPARE(s.scheda.scartoScheda, std::int16_t(2));
    }
}

void TstSchede::formeDellObiettivo_data()
{
    QTest::addColumn<int>("obiettivo");
    QTest::addColumn<int>("formaMin");
    QTest::addColumn<int>("formaMax");

    QTest::newRow("1 result") << 0 << 1 << 1;
    QTest::newRow("2 term") << 1 << 2 << 3;
    QTest::newRow("3 result or term") << 2 << 1 << 3;
    QTest::newRow("4 number") << 3 << 1 << 6;
    QTest::newRow("5 sign") << 4 << 7 << 12;
    QTest::newRow("6 number or sign") << 5 << 1 << 12;
}

void TstSchede::formeDellObiettivo()
{
    QFETCH(int, obiettivo);
    QFETCH(int, formaMin);
    QFETCH(int, formaMax);

    Banco banco;
    Prova& s = banco.s;
    scegliObiettivoScheda(s.scheda.scelte, obiettivo);
    scegliLivelloScheda(s.scheda, 2);
    QSet<int> viste;
    for (int i = 1; i <= 600; ++i)
        viste.insert(generaRigaScheda(s.scheda, banco.g, (i - 1) % 60 + 1));
    QCOMPARE(viste.size(), formaMax - formaMin + 1);
    for (int f : viste)
        QVERIFY(f >= formaMin && f <= formaMax);
}

void TstSchede::righeDiUnIstanteDiverse()
{
    // The clock does not move: all 60 lines and both sheets fall in one tick.
    Banco banco;
    Prova& s = banco.s;
    scegliObiettivoScheda(s.scheda.scelte, 0);
    scegliLivelloScheda(s.scheda, 2);
    QSet<QString> righe;
    for (int i = 1; i <= 60; ++i) {
        generaRigaScheda(s.scheda, banco.g, i);
        righe.insert(s.scheda.schedaAlunni[i]);
    }
    QVERIFY2(righe.size() >= 45, qPrintable(QString::number(righe.size())));
    const Righe prima = s.scheda.schedaAlunni;
    for (int i = 1; i <= 60; ++i)
        generaRigaScheda(s.scheda, banco.g, i);
    int uguali = 0;
    for (int i = 1; i <= 60; ++i)
        uguali += s.scheda.schedaAlunni[i] == prima[i];
    QVERIFY(uguali < 10);
}

void TstSchede::obiettivi_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<int>("formaMin");
    QTest::addColumn<int>("formaMax");

    QTest::newRow("0") << 0 << "1. Calcolo del risultato" << "SOTTRAZIONI.1   -   CALCOLO DEL RISULTATO" << 1 << 1;
    QTest::newRow("1") << 1 << "2. Calcolo di un termine" << "SOTTRAZIONI.1   -   CALCOLO DI UN TERMINE" << 2 << 3;
    QTest::newRow("2") << 2 << "3. Calcolo del risultato o di un termine"
                       << "SOTTRAZIONI.1   -   CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE" << 1 << 3;
    QTest::newRow("3") << 3 << "4. Calcolo di un termine" << "SOTTRAZIONI.2   -   CALCOLO DEL NUMERO" << 1 << 6;
    QTest::newRow("4") << 4 << "5. Calcolo del segno:  =  <  >" << "SOTTRAZIONI.2   -   CALCOLO DEL SEGNO" << 7 << 12;
    QTest::newRow("5") << 5 << "6. Calcolo di un termine o del segno"
                       << "SOTTRAZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO" << 1 << 12;
}

void TstSchede::obiettivi()
{
    QFETCH(int, indice);
    QFETCH(QString, didascalia);
    QFETCH(QString, titolo);
    QFETCH(int, formaMin);
    QFETCH(int, formaMax);

    QCOMPARE(ope::obiettivi()[indice].didascalia, didascalia);
    Prova s;
    scegliObiettivoScheda(s.scheda.scelte, indice);
    QCOMPARE(s.scheda.scelte.titoloObiettivo, titolo);
    QCOMPARE(s.scheda.scelte.tipoEsercizioMin, formaMin);
    QCOMPARE(s.scheda.scelte.tipoEsercizioMax, formaMax);
}

void TstSchede::livelli_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<int>("numeroMin");
    QTest::addColumn<int>("numeroMax");
    QTest::addColumn<QString>("descrizione");

    QTest::newRow("0") << 0 << "da 1   a 30" << 1 << 30 << "NUMERO MASSIMO da  1 a 30";
    QTest::newRow("1") << 1 << "da 30  a  60" << 30 << 60 << "NUMERO MASSIMO da  30 a 60";
    QTest::newRow("2") << 2 << "da 60  a 99" << 60 << 99 << "NUMERO MASSIMO da  60 a 99";
    QTest::newRow("3") << 3 << "da 1 a 99" << 1 << 99 << "NUMERO MASSIMO da  1 a 99";
}

void TstSchede::livelli()
{
    QFETCH(int, indice);
    QFETCH(QString, didascalia);
    QFETCH(int, numeroMin);
    QFETCH(int, numeroMax);
    QFETCH(QString, descrizione);

    QCOMPARE(ope::livelli()[indice].didascaliaScheda, didascalia);
    Prova s;
    s.scheda.scelte.livello = 3;
    s.scheda.scelte.maxCifre = 0;
    scegliLivelloScheda(s.scheda, indice);
    QCOMPARE(s.scheda.scelte.numeroMin, numeroMin);
    QCOMPARE(s.scheda.scelte.numeroMax, numeroMax);
    QCOMPARE(s.scheda.livelloScheda, indice + 1);
    QCOMPARE(s.scheda.scelte.descrizioneLivello, descrizione);
    // The start window's own level and digit limit are not the sheet's.
    QCOMPARE(s.scheda.scelte.livello, std::int16_t(3));
    QCOMPARE(s.scheda.scelte.maxCifre, std::int16_t(0));
}

void TstSchede::impaginazione_data()
{
    QTest::addColumn<int>("riga");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    QTest::newRow("1") << 1 << 1000.0 << 2000.0;
    QTest::newRow("10") << 10 << 1000.0 << 5600.0;
    QTest::newRow("11") << 11 << 1000.0 << 6500.0;
    QTest::newRow("20") << 20 << 1000.0 << 10100.0;
    QTest::newRow("21") << 21 << 1000.0 << 11000.0;
    QTest::newRow("30") << 30 << 1000.0 << 14600.0;
    QTest::newRow("31") << 31 << 6000.0 << 2000.0;
    QTest::newRow("40") << 40 << 6000.0 << 5600.0;
    QTest::newRow("45") << 45 << 6000.0 << 8100.0;
    QTest::newRow("51") << 51 << 6000.0 << 11000.0;
    QTest::newRow("60") << 60 << 6000.0 << 14600.0;
}

void TstSchede::impaginazione()
{
    QFETCH(int, riga);
    QFETCH(double, x);
    QFETCH(double, y);

    Prova s;
    for (int i = 1; i <= 60; ++i) {
        s.scheda.stampaAlunni[i] = QStringLiteral("riga %1").arg(i);
        s.scheda.stampaDocenti[i] = QStringLiteral("riga %1 (risposta)").arg(i);
    }
    s.scheda.stampaAlunni[61] = QStringLiteral("not on the sheet");
    for (std::int16_t tipo : {1, 2}) {
        s.scheda.tipoStampaScheda = tipo;
        Pagina pagina;
        Stampante st([&pagina](const Pagina& p) {
            pagina = p;
            return true;
        });
        impaginaScheda(st, s.scheda);
        QVERIFY(st.fine());
        QCOMPARE(pagina.testi.size(), std::size_t(63));
        const Pagina::Testo& t = pagina.testi[std::size_t(riga) + 1];   // after the two header lines
        QCOMPARE(t.testo, QString::fromLatin1(tipo == 1 ? "riga %1" : "riga %1 (risposta)").arg(riga));
        QCOMPARE(t.x, x);
        QCOMPARE(t.y, y);
        QCOMPARE(t.punti, tipo == 1 ? 12.0 : 10.0);
        QCOMPARE(t.font, QStringLiteral("Courier"));
    }
}

void TstSchede::intestazioneEPiede()
{
    Prova s;
    s.scheda.scelte.titoloObiettivo = QStringLiteral("SOTTRAZIONI.2   -   CALCOLO DEL SEGNO");
    s.scheda.tipoStampaScheda = 0;   // neither button: the teachers' size
    Pagina pagina;
    Stampante st([&pagina](const Pagina& p) {
        pagina = p;
        return true;
    });
    st.font = QStringLiteral("Courier New");
    impaginaScheda(st, s.scheda);
    QVERIFY(st.fine());
    QCOMPARE(pagina.testi.size(), std::size_t(63));

    struct Atteso {
        std::size_t indice;
        const char* testo;
        double x, y, punti;
    };
    const Atteso attesi[] = {
        {0, "Cognome e nome: ", 1000, 1000, 14},
        {1, "SOTTRAZIONI.2   -   CALCOLO DEL SEGNO", 1000, 1500, 12},
        {62, "SOTTRAZIONI.2   -   CALCOLO DEL SEGNO", 1000, 15100, 8},
    };
    for (const Atteso& a : attesi) {
        const Pagina::Testo& t = pagina.testi[a.indice];
        QCOMPARE(t.testo, QString::fromLatin1(a.testo));
        QCOMPARE(t.x, a.x);
        QCOMPARE(t.y, a.y);
        QCOMPARE(t.punti, a.punti);
        QCOMPARE(t.font, QStringLiteral("Courier"));
        QVERIFY(!t.grassetto);
    }
    QCOMPARE(pagina.testi[2].punti, 10.0);
    QVERIFY(pagina.testi[2].testo.isEmpty());   // an empty print buffer prints an empty body
}

void TstSchede::sceltaDelFont_data()
{
    QTest::addColumn<QStringList>("font");
    QTest::addColumn<bool>("stampata");

    QTest::newRow("Courier New") << QStringList{"Arial", "Courier New"} << true;
    QTest::newRow("Courier first") << QStringList{"Courier", "Courier New"} << true;
    QTest::newRow("other case only") << QStringList{"Arial", "courier new", "COURIER"} << false;
    QTest::newRow("none") << QStringList{"Arial", "Courier 10 Pitch"} << false;
    QTest::newRow("empty list") << QStringList{} << false;
}

void TstSchede::sceltaDelFont()
{
    QFETCH(QStringList, font);
    QFETCH(bool, stampata);

    prova::Piattaforma piattaforma;
    piattaforma.font = font;
    Prova s;
    s.scheda.tipoStampaScheda = 1;
    QCOMPARE(stampaScheda(s.scheda, piattaforma.ambiente()), stampata);
    QCOMPARE(piattaforma.pagine.size(), std::size_t(stampata ? 1 : 0));
    if (stampata) {
        QVERIFY(piattaforma.avvisi.isEmpty());
        for (const Pagina::Testo& t : piattaforma.pagine[0].testi)
            QCOMPARE(t.font, QStringLiteral("Courier"));
    } else {
        QCOMPARE(piattaforma.avvisi, QStringList{"Devi installare il font Courier o il font Courier New"});
    }
}

void TstSchede::stampaFallitaSegnalata()
{
    prova::Piattaforma piattaforma;
    piattaforma.stampaRiesce = false;
    Prova s;
    s.scheda.tipoStampaScheda = 2;
    QVERIFY(!stampaScheda(s.scheda, piattaforma.ambiente()));
    QCOMPARE(piattaforma.pagine.size(), std::size_t(1));
    QCOMPARE(piattaforma.avvisi, QStringList{messaggi::stampaNonRiuscita});

    piattaforma.stampaRiesce = true;
    QVERIFY(stampaScheda(s.scheda, piattaforma.ambiente()));
    QCOMPARE(piattaforma.avvisi.size(), 1);
}

QTEST_MAIN(TstSchede)
#include "tst_schede.moc"
