// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "exercise/frmoperativo.h"
#include "reports/attestato.h"
#include "reports/frmattestato.h"
#include "reports/stampaesercizi.h"
#include "prova.h"
#include "serieprova.h"
#include "ui/controlli.h"
#include "print/stampante.h"
#include "ui/finestra.h"
#include "ui/messaggi.h"

#include <QAbstractButton>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

using namespace ope;

namespace {

// The program on a test platform, in a working folder of its own.
struct Banco {
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma{piattaforma.ambiente()};

    // A run of n subtractions 2 - 1, 3 - 1, ..., each answered right in 5 seconds, and its printout.
    QWidget* apri(int n)
    {
        programma.sessione().scelte.maxCifre = 2;
        std::vector<prova::Passo> passi;
        for (int i = 1; i <= n; ++i)
            passi.push_back({i + 1, 1, 1, {}, false, 5});
        prova::esegui(*programma.nuovaSerie(), piattaforma.ora, passi);
        programma.apriStampaEsercizio();
        return programma.finestra(QStringLiteral("FrmStampaEsercizio"));
    }
};

// Objective 1, level 1 in the start window, then "Avanti": a run on screen.
QWidget* eserciziDallInizio(Programma& programma)
{
    programma.avvia();
    QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));
    for (const char* nome : {"Option1(0)", "Option2(0)", "Option3(0)"})
        prova::premi(inizio, QString::fromLatin1(nome));
    return programma.finestra(QStringLiteral("FrmOperativo"));
}

// A run begun from the start window and answered right to its end, its window still open.
struct SerieFinita : Banco {
    QWidget* esercizio = eserciziDallInizio(programma);
    QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));

    SerieFinita() { prova::finisciSerie(programma); }

    QStringList testiAttestato()
    {
        auto* attestato = static_cast<FrmAttestato*>(programma.finestra(QStringLiteral("FrmAttestato")));
        QStringList testi;
        for (const RigaAttestato& r : righeAttestato(*attestato->serie(), QString(), QString()))
            testi << r.testo;
        return testi;
    }
};

} // namespace

class TestFrmStampaEsercizio : public QObject {
    Q_OBJECT
private slots:
    void grigliaDalRegistro();
    void coloreDelPulsanteColFuoco();
    void stampaConSoglia_data();
    void stampaConSoglia();
    void stampaNonRiuscitaLasciaLaFinestraUsabile();
    void nomeNelPannello();
    void pannelloDentroLaFinestra();
    void attestatoAncheSottoSoglia();
    void esciLasciaLaSerie();
    void ricominciaTieneLeSceltePartenza();
    void stampaEAttestatoDellaSerieAperta();
    void chiusaTornaAllEsercizioSeAperto();
    void proporzioniAlRidimensionamento();
    void righeDelRegistroSuUnaRiga();
};

void TestFrmStampaEsercizio::grigliaDalRegistro()
{
    Banco b;
    QWidget* f = b.apri(12);
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QStringLiteral("STAMPA DEGLI ESERCIZI ESEGUITI"));
    QVERIFY(prova::controllo<QLabel>(f, "LblOp(1)")->text().startsWith(QStringLiteral(" 2 -  1 = . ")));
    QVERIFY(prova::controllo<QLabel>(f, "LblOp(12)")->text().startsWith(QStringLiteral("13 -  1 = . ")));
    QVERIFY(prova::controllo<QLabel>(f, "LblOp(13)")->text().isEmpty());
    QVERIFY(prova::controllo<QLabel>(f, "LblOp(30)"));
    // Lines 11..20 stand in the second column, beside the first ten.
    QCOMPARE(prova::controllo(f, "LblOp(11)")->y(), prova::controllo(f, "LblOp(1)")->y());
    QVERIFY(prova::controllo(f, "LblOp(11)")->x() > prova::controllo(f, "LblOp(1)")->x());
    const QStringList didascalie{"E S C I", "SCRIVI IL NOME", "STAMPA", "ATTESTATO"};
    for (int i = 0; i < 4; ++i) {
        auto* o = prova::controllo<QAbstractButton>(f, QStringLiteral("Option1(%1)").arg(i));
        QCOMPARE(o->text(), didascalie[i]);
        QVERIFY(o->isEnabled());
    }
    QVERIFY(!prova::controllo(f, "fraNome")->isVisible());
}

void TestFrmStampaEsercizio::coloreDelPulsanteColFuoco()
{
    Banco b;
    QWidget* f = b.apri(20);
    QVERIFY(QTest::qWaitForWindowActive(f));
    const QColor acceso(255, 192, 128);
    const QColor spento(255, 224, 192);
    QWidget* esci = prova::controllo(f, "Option1(0)");
    QWidget* stampa = prova::controllo(f, "Option1(2)");
    QTRY_COMPARE(coloreSfondo(esci), acceso);   // the focus starts on "E S C I"
    QCOMPARE(coloreSfondo(stampa), spento);
    prova::premi(f, "Option1(1)");
    prova::clicca(f, "cmdAvanti");   // sends the focus to "STAMPA"
    QTRY_COMPARE(coloreSfondo(stampa), acceso);
    QCOMPARE(coloreSfondo(esci), spento);
}

void TestFrmStampaEsercizio::stampaConSoglia_data()
{
    QTest::addColumn<int>("operazioni");
    QTest::addColumn<QStringList>("font");   // the printer's fonts; none: the platform's own
    QTest::addColumn<QString>("avviso");     // said instead of printing; none: printed
    const QString poche = QStringLiteral("Esegui almeno 10 operazioni. ");
    QTest::newRow("nove") << 9 << QStringList() << poche;
    QTest::newRow("dieci") << 10 << QStringList() << QString();
    QTest::newRow("venti") << 20 << QStringList() << QString();
    QTest::newRow("courier solo in minuscolo")
        << 20 << QStringList{QStringLiteral("Arial"), QStringLiteral("courier new")}
        << QStringLiteral("Devi installare il font Courier o il font Courier New");
}

void TestFrmStampaEsercizio::stampaConSoglia()
{
    QFETCH(int, operazioni);
    QFETCH(QStringList, font);
    QFETCH(QString, avviso);
    Banco b;
    if (!font.isEmpty())
        b.piattaforma.font = font;
    QWidget* f = b.apri(operazioni);
    prova::premi(f, "Option1(2)");
    if (!avviso.isEmpty()) {
        QVERIFY(b.piattaforma.pagine.empty());
        QCOMPARE(b.piattaforma.avvisi, QStringList{avviso});
    } else {
        QVERIFY(b.piattaforma.avvisi.isEmpty());
        QCOMPARE(b.piattaforma.pagine.size(), std::size_t(1));
        const Pagina& p = b.piattaforma.pagine.front();
        QCOMPARE(p.testi.at(1).testo, QStringLiteral("    Data di stampa 08/12/26"));
        QCOMPARE(p.testi.back().testo, QStringLiteral("Eser. n.3: Tempo tot.  secondi"));
    }
}

void TestFrmStampaEsercizio::stampaNonRiuscitaLasciaLaFinestraUsabile()
{
    Banco b;
    b.piattaforma.stampaRiesce = false;
    QWidget* f = b.apri(20);
    prova::premi(f, "Option1(2)");
    QCOMPARE(b.piattaforma.avvisi, QStringList{messaggi::stampaNonRiuscita});
    QVERIFY(b.programma.finestra(QStringLiteral("FrmStampaEsercizio")));
    for (int i = 0; i < 4; ++i)
        QVERIFY(prova::controllo(f, QStringLiteral("Option1(%1)").arg(i))->isEnabled());
    // Once the printer is back, the same button prints.
    b.piattaforma.stampaRiesce = true;
    prova::premi(f, "Option1(2)");
    QCOMPARE(b.piattaforma.pagine.size(), std::size_t(2));
    QCOMPARE(b.piattaforma.avvisi.size(), 1);
}

void TestFrmStampaEsercizio::nomeNelPannello()
{
    Banco b;
    QWidget* f = b.apri(10);
    prova::premi(f, "Option1(1)");
    QVERIFY(prova::controllo(f, "fraNome")->isVisible());
    auto* txtNome = prova::controllo<QLineEdit>(f, "txtNome");
    QTest::keyClicks(txtNome, QStringLiteral("Massimiliano Rossi"));
    QCOMPARE(txtNome->text(), QStringLiteral("Massimiliano Ro"));
    prova::clicca(f, "cmdAvanti");
    QVERIFY(!prova::controllo(f, "fraNome")->isVisible());
    QCOMPARE(b.programma.sessione().alunno.nomeAlunno, QStringLiteral("Massimiliano Ro"));

    // Opened again, the panel keeps what was typed.
    prova::premi(f, "Option1(1)");
    QCOMPARE(txtNome->text(), QStringLiteral("Massimiliano Ro"));
    prova::clicca(f, "cmdAvanti");

    prova::premi(f, "Option1(2)");
    QCOMPARE(b.piattaforma.pagine.at(0).testi.at(0).testo,
             QStringLiteral("Nome Massimiliano Ro    Data di stampa 08/12/26"));
}

void TestFrmStampaEsercizio::pannelloDentroLaFinestra()
{
    Banco b;
    QWidget* f = b.apri(10);
    // A window smaller than the screen: centring on the screen would put the
    // panel outside it, or over the buttons that follow the name.
    for (const QSize dimensione : {f->size(), QSize(300, 200), QSize(3000, 2000)}) {
        f->resize(dimensione);
        prova::premi(f, "Option1(1)");
        QWidget* fraNome = prova::controllo(f, "fraNome");
        QWidget* area = fraNome->parentWidget();
        QVERIFY2(area->rect().contains(fraNome->geometry()), "the name panel lies outside the window");
        QVERIFY(prova::inPrimoPiano(fraNome));
        for (const char* nome : {"Option1(2)", "Option1(3)"}) {
            QWidget* pulsante = prova::controllo(f, nome);
            const QRect posto(pulsante->mapTo(area, QPoint(0, 0)), pulsante->size());
            QVERIFY2(!posto.intersects(fraNome->geometry()), nome);
        }
    }
}

void TestFrmStampaEsercizio::attestatoAncheSottoSoglia()
{
    Banco b;
    QWidget* f = b.apri(9);
    prova::premi(f, "Option1(3)");
    QVERIFY(b.programma.finestra(QStringLiteral("FrmAttestato")));
    QVERIFY(b.programma.finestra(QStringLiteral("FrmStampaEsercizio"))->isVisible());
}

void TestFrmStampaEsercizio::esciLasciaLaSerie()
{
    // Closing the printout changes nothing in the run: reopened, it prints the same times.
    Banco b;
    QWidget* f = b.apri(20);
    prova::premi(f, "Option1(0)");
    QTRY_VERIFY(!b.programma.finestra(QStringLiteral("FrmStampaEsercizio")));
    b.programma.apriStampaEsercizio();
    prova::premi(b.programma.finestra(QStringLiteral("FrmStampaEsercizio")), "Option1(2)");
    const auto& testi = b.piattaforma.pagine.at(0).testi;
    QCOMPARE(testi.at(testi.size() - 3).testo, QStringLiteral("Eser. n.1: Tempo tot.  100 secondi"));
}

void TestFrmStampaEsercizio::ricominciaTieneLeSceltePartenza()
{
    // Other choices in the start window, not confirmed with "Avanti": the
    // next run and its certificate keep the run's own.
    SerieFinita b;
    prova::premi(b.inizio, QStringLiteral("Option1(4)"));
    prova::premi(b.inizio, QStringLiteral("Option2(2)"));
    prova::premi(b.esercizio, tasti::ricomincia);
    for (int n = 1; n <= 20; ++n) {
        const Serie& s = prova::serieInCorso(b.programma);
        QCOMPARE(s.operazione().tipoEsercizio, 1);
        QVERIFY(s.operazione().numero1 <= 30);
        prova::premi(b.esercizio, tasti::cifra(0));
        prova::premi(b.esercizio, tasti::verificaCifre);
        prova::premi(b.esercizio, tasti::si);
        prova::premi(b.esercizio, tasti::avantiCifre);
    }
    prova::premi(b.esercizio, tasti::visualizza);
    prova::premi(b.programma.finestra(QStringLiteral("FrmStampaEsercizio")), QStringLiteral("Option1(3)"));
    const QStringList testi = b.testiAttestato();
    QVERIFY2(testi.contains(QStringLiteral("CALCOLO DEL RISULTATO")), qPrintable(testi.join(u'|')));
    QVERIFY(!testi.contains(QStringLiteral("CALCOLO DEL SEGNO")));
    QVERIFY(testi.filter(QStringLiteral("da  1 a 30")).size() == 1);
}

void TestFrmStampaEsercizio::stampaEAttestatoDellaSerieAperta()
{
    // A new run started from the start window leaves the open printout, its
    // print and its certificate with the run it was opened for.
    SerieFinita b;
    const QStringList righe = prova::serieInCorso(b.programma).righe();
    prova::premi(b.esercizio, tasti::visualizza);
    QWidget* stampa = b.programma.finestra(QStringLiteral("FrmStampaEsercizio"));
    prova::premi(b.inizio, QStringLiteral("Option3(0)"));
    QCOMPARE(prova::serieInCorso(b.programma).numeroOperazione(), 1);

    QCOMPARE(prova::controllo<QLabel>(stampa, "LblOp(20)")->text(), righe.at(19));
    prova::premi(stampa, QStringLiteral("Option1(2)"));
    QVERIFY(b.piattaforma.avvisi.isEmpty());
    QCOMPARE(b.piattaforma.pagine.size(), std::size_t(1));
    QStringList stampate;
    for (const Pagina::Testo& t : b.piattaforma.pagine.front().testi)
        stampate << t.testo;
    QVERIFY(stampate.contains(righe.at(19)));
    prova::premi(stampa, QStringLiteral("Option1(3)"));
    QVERIFY(b.testiAttestato().contains(QStringLiteral("con 20 risposte esatte su 20 richieste")));
}

void TestFrmStampaEsercizio::chiusaTornaAllEsercizioSeAperto()
{
    Banco b;
    QPointer<QWidget> esercizio = eserciziDallInizio(b.programma);
    QWidget* inizio = b.programma.finestra(QStringLiteral("frmInizio"));
    QVERIFY(esercizio);
    const QStringList registro = prova::serieInCorso(b.programma).righe();
    auto primaRiga = [&] {
        return prova::controllo<QLabel>(b.programma.finestra(QStringLiteral("FrmStampaEsercizio")), "LblOp(1)")->text();
    };

    // Still open beneath: closing the printout brings back the same run.
    b.programma.apriStampaEsercizio();
    QCOMPARE(primaRiga(), registro.at(0));
    prova::premi(b.programma.finestra(QStringLiteral("FrmStampaEsercizio")), "Option1(0)");
    QCOMPARE(b.programma.finestra(QStringLiteral("FrmOperativo")), esercizio.data());
    QVERIFY(esercizio->isVisible());
    QCOMPARE(prova::serieInCorso(b.programma).righe(), registro);

    // Left with "Esco": no fresh exercise window, and its run's log stays.
    b.programma.apriStampaEsercizio();
    esercizio->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    prova::premi(b.programma.finestra(QStringLiteral("FrmStampaEsercizio")), "Option1(0)");
    QVERIFY(!b.programma.finestra(QStringLiteral("FrmOperativo")));
    QVERIFY(inizio->isVisible());
    b.programma.apriStampaEsercizio();
    QCOMPARE(primaRiga(), registro.at(0));
}

void TestFrmStampaEsercizio::proporzioniAlRidimensionamento()
{
    Banco b;
    auto* f = static_cast<Finestra*>(b.apri(10));
    QWidget* stampa = prova::controllo(f, "Option1(2)");
    QWidget* riga = prova::controllo(f, "LblOp(11)");
    const QRect primaStampa = stampa->geometry();
    const QRect primaRiga = riga->geometry();
    const QSize progetto = f->dimensioneProgetto();
    f->area()->resize(progetto.width() * 2, progetto.height());
    QVERIFY(std::abs(riga->x() - 2 * primaRiga.x()) <= 2);
    QCOMPARE(riga->y(), primaRiga.y());
    f->area()->resize(progetto);
    QCOMPARE(stampa->geometry(), primaStampa);
    QCOMPARE(riga->geometry(), primaRiga);
}

void TestFrmStampaEsercizio::righeDelRegistroSuUnaRiga()
{
    Banco b;
    // The widest lines a run writes: a wrong attempt, then the answer, its mark and the seconds.
    b.programma.sessione().scelte.maxCifre = 2;
    prova::esegui(*b.programma.nuovaSerie(), b.piattaforma.ora,
                  std::vector<prova::Passo>(20, prova::Passo{28, 19, 3, {QStringLiteral("9")}, true, 12}));
    b.programma.apriStampaEsercizio();
    auto* f = static_cast<Finestra*>(b.programma.finestra(QStringLiteral("FrmStampaEsercizio")));
    QVERIFY(QTest::qWaitForWindowExposed(f));
    auto* riga = prova::controllo<QLabel>(f, "LblOp(11)");
    const int menu = f->height() - f->area()->height();
    double punti = 0;
    for (const QSize area : {f->dimensioneProgetto() / 2, f->dimensioneProgetto(), f->dimensioneProgetto() * 2}) {
        f->resize(area.width(), area.height() + menu);
        QTest::qWait(0);
        QCOMPARE(f->area()->size(), area);
        for (int i = 1; i <= 20; ++i) {
            auto* l = prova::controllo<QLabel>(f, QStringLiteral("LblOp(%1)").arg(i));
            QVERIFY(!l->wordWrap());
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->contentsRect().width(),
                     qPrintable(QStringLiteral("%1 at %2 x %3").arg(l->objectName()).arg(area.width()).arg(area.height())));
            QCOMPARE(l->font(), riga->font());
        }
        // The text grows with the window, as far as the lines allow.
        QVERIFY(riga->font().pointSizeF() > punti);
        punti = riga->font().pointSizeF();
    }
}

QTEST_MAIN(TestFrmStampaEsercizio)
#include "tst_frmstampaesercizio.moc"
