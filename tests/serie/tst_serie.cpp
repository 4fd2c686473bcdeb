// SPDX-License-Identifier: GPL-3.0-or-later
#include "serie/serie.h"
#include "serieprova.h"
#include "session/estrazione.h"
#include "session/generatore.h"

#include <QTest>
#include <set>

using namespace ope;

namespace {

// Every event a run tells, in order, as short words.
struct Diario : OsservatoreSerie {
    QStringList voci;
    void presentata(const Serie& s) override { voci << QStringLiteral("presentata %1").arg(s.numeroOperazione()); }
    void verificata(const Serie&, bool esatta) override { voci << (esatta ? "esatta" : "errata"); }
    void aiutoRifiutato(const Serie&) override { voci << QStringLiteral("rifiutato"); }
    void rispostaMostrata(const Serie&) override { voci << QStringLiteral("mostrata"); }
    void finita(const Serie&) override { voci << QStringLiteral("finita"); }
};

struct Banco {
    double ora = 36000;
    Generatore generatore{[this] { return ora; }};
    DatiScelte scelte;
    Diario diario;
    std::unique_ptr<Serie> serie;

    explicit Banco(int tipoOperazione = 2)
    {
        scelte.tipoOperazione = std::int16_t(tipoOperazione);
        scelte.livello = 1;
        scelte.numeroMin = 1;
        scelte.numeroMax = 30;
        scelte.tipoEsercizioMin = 1;
        scelte.tipoEsercizioMax = 12;
        scelte.maxCifre = 2;
        serie = std::make_unique<Serie>(scelte, generatore, [this] { return ora; });
        serie->osserva(&diario);
    }
};

const char* nomeFase(Fase f)
{
    constexpr const char* nomi[] = {"Risposta", "AiutoOfferto", "Intervento", "Chiusa", "Finita"};
    return nomi[int(f)];
}

// Plays a script of a pupil's keys on the run: digits, "c" Cancella, "v"
// Verifica, "n" No, "s" Sì, "a" Avanti, "+N" N seconds pass, "=N" the clock
// reads N. The letters of
// the actions the run refused are collected in `rifiutate`.
void recita(Serie& serie, double& ora, const QString& copione, QString& rifiutate)
{
    for (const QString& passo : copione.split(u' ', Qt::SkipEmptyParts)) {
        if (passo.startsWith(u'+') || passo.startsWith(u'=')) {
            ora = (passo.startsWith(u'+') ? ora : 0) + passo.mid(1).toDouble();
            continue;
        }
        bool fatto = true;
        const QChar c = passo[0];
        if (c.isDigit())
            fatto = serie.cifra(c.digitValue());
        else if (c == u'c')
            fatto = serie.cancella();
        else if (c == u'v')
            fatto = serie.verifica();
        else if (c == u'n')
            fatto = serie.rifiutaAiuto();
        else if (c == u's')
            fatto = serie.accettaAiuto();
        else if (c == u'a')
            fatto = serie.avanti();
        if (!fatto)
            rifiutate += c;
    }
}

} // namespace

class TestSerie : public QObject {
    Q_OBJECT
private slots:
    void azioniDellAlunno_data();
    void azioniDellAlunno();
    void ventesimaOperazione();
    void tieneLeSceltePartenza();
    void tipiCheSorteggianoLOperazione_data();
    void tipiCheSorteggianoLOperazione();
    void formeNelCampoDellObiettivo();
};

void TestSerie::azioniDellAlunno_data()
{
    QTest::addColumn<double>("inizio");
    QTest::addColumn<QString>("copione");   // on 16 - 9 = ., form 1
    QTest::addColumn<QString>("fase");
    QTest::addColumn<QString>("rifiutate");
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<int>("errate");
    QTest::addColumn<QString>("riga");
    QTest::addColumn<QStringList>("eventi");

    const QString riga = QStringLiteral("16 -  9 = . ");
    const QString dopoErrore = riga + QStringLiteral("   8* ");
    QTest::newRow("cifre oltre il limite di due") << 36000.0 << "1 2 3 c c c" << "Risposta" << "3c" << "" << 0 << riga
                                                  << QStringList{"presentata 1"};
    QTest::newRow("nulla da verificare") << 36000.0 << "v a n s" << "Risposta" << "vans" << "" << 0 << riga
                                         << QStringList{"presentata 1"};
    QTest::newRow("risposta errata") << 36000.0 << "8 v 7 a" << "AiutoOfferto" << "7a" << "8" << 1 << dopoErrore
                                     << QStringList{"presentata 1", "errata"};
    QTest::newRow("errata, rifiuto, giusta") << 36000.0 << "8 v n +9.4 7 v" << "Chiusa" << "" << "7" << 1
                                             << dopoErrore + QString(23, u'.') + QStringLiteral("   7   (s. 9)")
                                             << QStringList{"presentata 1", "errata", "rifiutato", "esatta"};
    QTest::newRow("aiuto accettato") << 36000.0 << "8 v +3 s 7" << "Chiusa" << "7" << "8" << 1
                                     << dopoErrore + QString(24, u'.') + QStringLiteral(u"   7\u00b0  (s. 3)")
                                     << QStringList{"presentata 1", "errata", "mostrata"};
    QTest::newRow("tre rifiuti: interviene il programma")
        << 36000.0 << "8 v n 8 v n 8 v n 7 v +2 s" << "Chiusa" << "7v" << "8" << 3
        << riga + QStringLiteral("   8*    8*    8* ") + QString(12, u'.') + QStringLiteral(u"   7\u00b0  (s. 2)")
        << QStringList{"presentata 1", "errata", "rifiutato", "errata", "rifiutato", "errata", "rifiutato",
                       "mostrata"};
    QTest::newRow("a cavallo della mezzanotte") << 86395.5 << "=4 7 v" << "Chiusa" << "" << "7" << 0
                                                << riga + QString(29, u'.') + QStringLiteral("   7   (s. 8)")
                                                << QStringList{"presentata 1", "esatta"};
}

void TestSerie::azioniDellAlunno()
{
    QFETCH(double, inizio);
    QFETCH(QString, copione);
    QFETCH(QString, fase);
    QFETCH(QString, rifiutate);
    QFETCH(QString, risposta);
    QFETCH(int, errate);
    QFETCH(QString, riga);
    QFETCH(QStringList, eventi);

    Banco b;
    b.ora = inizio;
    b.serie->presenta(Operazione::Sottrazione, 1, operandiDi(16, 9, 7));
    QString rifiutateDavvero;
    recita(*b.serie, b.ora, copione, rifiutateDavvero);
    QCOMPARE(nomeFase(b.serie->fase()), qPrintable(fase));
    QCOMPARE(rifiutateDavvero, rifiutate);
    QCOMPARE(b.serie->risposta(), risposta);
    QCOMPARE(b.serie->errate(), errate);
    QCOMPARE(b.serie->riga(1), riga);
    QCOMPARE(b.diario.voci, eventi);
}

void TestSerie::ventesimaOperazione()
{
    Banco b;
    b.serie->inizia();
    for (int n = 1; n <= 20; ++n) {
        QCOMPARE(b.serie->numeroOperazione(), n);
        b.ora += 2;
        prova::digita(*b.serie, b.serie->operazione().rispostaEsatta.trimmed());
        QVERIFY(b.serie->verifica());
        QCOMPARE(b.serie->fase(), n < 20 ? Fase::Chiusa : Fase::Finita);
        QCOMPARE(b.serie->avanti(), n < 20);
    }
    QCOMPARE(b.serie->esatte(), 20);
    QCOMPARE(b.serie->secondiTotali(), 40.0);
    QCOMPARE(b.serie->righe().size(), 20);
    QCOMPARE(b.diario.voci.count(QStringLiteral("finita")), 1);
    QCOMPARE(b.diario.voci.last(), QStringLiteral("finita"));
    // Nothing more is presented or checked once the run is over.
    b.serie->presenta(Operazione::Sottrazione, 1, operandiDi(16, 9, 7));
    QCOMPARE(b.serie->numeroOperazione(), 20);
}

void TestSerie::tieneLeSceltePartenza()
{
    Banco b;
    b.scelte.numeroMax = 99;   // chosen again after the run started
    b.serie->inizia();
    QCOMPARE(b.serie->scelte().numeroMax, std::int16_t(30));
    QVERIFY(b.serie->operazione().numero1 <= 30);
}

void TestSerie::tipiCheSorteggianoLOperazione_data()
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

void TestSerie::tipiCheSorteggianoLOperazione()
{
    QFETCH(int, tipo);
    QFETCH(QList<int>, attese);
    std::set<int> viste;
    for (int volta = 0; volta < 30; ++volta) {
        Banco b(tipo);
        b.ora += volta;
        b.serie->inizia();
        for (int n = 1; n <= 20; ++n) {
            QCOMPARE(b.serie->presentazione().has_value(), !attese.isEmpty());
            if (!b.serie->presentazione())
                break;
            viste.insert(int(b.serie->tipo()));
            prova::digita(*b.serie, b.serie->operazione().rispostaEsatta.trimmed());
            b.serie->verifica();
            b.serie->avanti();
        }
    }
    QCOMPARE(viste, std::set<int>(attese.begin(), attese.end()));
}

void TestSerie::formeNelCampoDellObiettivo()
{
    for (auto [minimo, massimo] : {std::pair{1, 1}, {2, 3}, {1, 3}, {1, 6}, {7, 12}, {1, 12}}) {
        Banco b;
        b.scelte.tipoEsercizioMin = std::int16_t(minimo);
        b.scelte.tipoEsercizioMax = std::int16_t(massimo);
        std::set<int> viste;
        for (int volta = 0; volta < 30; ++volta) {
            // The same clock reading every time: still varied.
            Serie serie(b.scelte, b.generatore, [] { return 500.0; });
            serie.inizia();
            while (serie.fase() != Fase::Finita) {
                viste.insert(serie.operazione().tipoEsercizio);
                prova::digita(serie, serie.operazione().rispostaEsatta.trimmed());
                serie.verifica();
                serie.avanti();
            }
        }
        QCOMPARE(*viste.begin(), minimo);
        QCOMPARE(*viste.rbegin(), massimo);
        QCOMPARE(int(viste.size()), massimo - minimo + 1);
    }
}

QTEST_GUILESS_MAIN(TestSerie)
#include "tst_serie.moc"
