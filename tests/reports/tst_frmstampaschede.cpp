// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "reports/frmstampaschede.h"
#include "ui/controlli.h"

#include "prova.h"
#include "serieprova.h"
#include "ui/messaggi.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace ope;

namespace {

const QColor rosso(255, 0, 0);
const QColor bluScuro(0, 0, 192);
const QColor gialloPallido(255, 255, 192);

// One open worksheet window over a recording platform.
struct Banco {
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma{piattaforma.ambiente()};
    QWidget* f = nullptr;

    Banco()
    {
        programma.apriStampaSchede();
        f = programma.finestra(QStringLiteral("FrmStampaSchede"));
    }

    bool abilitato(const char* nome) { return prova::controllo(f, QString::fromLatin1(nome))->isEnabled(); }
    bool visibile(const char* nome) { return prova::controllo(f, QString::fromLatin1(nome))->isVisible(); }
    QString riga(int i) { return prova::controllo<QLabel>(f, nomeElemento(QStringLiteral("LblOp"), i))->text(); }
    QString titolo() { return prova::controllo<QLabel>(f, QStringLiteral("Label1"))->text(); }
    const Scheda& scheda() const { return static_cast<FrmStampaSchede*>(f)->scheda(); }
    QStringList foglio()
    {
        QStringList righe;
        for (int i = 1; i <= 60; ++i)
            righe << riga(i);
        return righe;
    }
};

} // namespace

class TstFrmStampaSchede : public QObject {
    Q_OBJECT
private slots:
    void apertura();
    void lasciaStareLaSerie();
    void statiDellaFinestra();
    void livelliChiusiSenzaObiettivo();
    void coloriDelleScelte();
    void cambioDiGruppo();
    void titoliDelleScelte_data();
    void titoliDelleScelte();
    void schedaAlunniNuovaOgniVolta();
    void nuovoLivelloRichiudeIDocenti();
    void cancellaScheda();
    void stampaDelleSchede_data();
    void stampaDelleSchede();
    void stampaPrimaDiMostrare();
    void fontMancante();
    void stampaFallitaLasciaLaFinestra();
    void esciMostraLInizio();
    void chiusuraDiTutto();
};

void TstFrmStampaSchede::apertura()
{
    Banco b;
    QVERIFY(b.f);
    QCOMPARE(b.f->windowTitle(), QStringLiteral("SOTTRAZIONI"));
    QCOMPARE(b.scheda().operazioniPerScheda, std::int16_t(60));
    QCOMPARE(b.scheda().tipoStampaScheda, std::int16_t(0));
    QCOMPARE(b.scheda().scelte.tipoOperazione, std::int16_t(2));
    QCOMPARE(static_cast<FrmStampaSchede*>(b.f)->paginaObiettivi(), std::int16_t(1));
    QCOMPARE(prova::controllo<QGroupBox>(b.f, QStringLiteral("Frame1"))->title(), QStringLiteral("OBIETTIVI 1"));
    for (int i = 1; i <= 60; ++i)
        QVERIFY(b.riga(i).isEmpty());
    const QFont font = prova::controllo<QLabel>(b.f, QStringLiteral("LblOp(60)"))->font();
    QCOMPARE(font.family(), QStringLiteral("Courier New"));
    QVERIFY(font.bold());
    QCOMPARE(font.pointSizeF(), 9.75);

    struct Didascalia {
        const char* nome;
        const char* testo;
    };
    const Didascalia didascalie[] = {
        {"lblCambiaObSchede", "Clicca per cambiare gli obiettivi"},
        {"CmdSchedaAlunni", "VISUALIZZA SCHEDA ALUNNI"},
        {"CmdStampaAlunni", "STAMPA SCHEDA "},
        {"CmdSchedaDocenti", "VISUALIZZA SCHEDA DOCENTI"},
        {"CmdStampaDocenti", "STAMPA SCHEDA"},
        {"CmdRicomincia", "CANCELLA SCHEDA"},
        {"Command1", "ESCI"},
        {"Option1(4)", "5. Calcolo del segno:  =  <  >"},
        {"Option2(1)", "da 30  a  60"},
    };
    for (const Didascalia& d : didascalie) {
        QWidget* w = prova::controllo(b.f, QString::fromLatin1(d.nome));
        QVERIFY2(w, d.nome);
        const QString testo = qobject_cast<QLabel*>(w) ? static_cast<QLabel*>(w)->text()
                                                       : static_cast<QPushButton*>(w)->text();
        QCOMPARE(testo, QString::fromLatin1(d.testo));
    }
}

void TstFrmStampaSchede::lasciaStareLaSerie()
{
    // A teacher's worksheets must not empty a pupil's log, nor change the
    // choices and the operation of a run in progress.
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    Sessione& s = programma.sessione();
    s.scelte.maxCifre = 2;
    const std::shared_ptr<Serie> serie = programma.nuovaSerie();
    prova::esegui(*serie, piattaforma.ora, prova::passiCon(2, 3));
    const QStringList righe = serie->righe();
    s.scelte.titoloObiettivo = QStringLiteral("CALCOLO DEL SEGNO");
    programma.apriStampaSchede();
    QWidget* f = programma.finestra(QStringLiteral("FrmStampaSchede"));
    QCOMPARE(serie->righe(), righe);
    QVERIFY(static_cast<FrmStampaSchede*>(f)->scheda().stampaDocenti[7].isEmpty());
    QCOMPARE(prova::controllo<QLabel>(f, QStringLiteral("Label1"))->text(), QStringLiteral("CALCOLO DEL SEGNO"));

    s.scelte.tipoOperazione = 1;
    const DatiScelte scelte = s.scelte;
    for (const char* nome : {"Option1(4)", "Option2(3)"})
        prova::premi(f, QString::fromLatin1(nome));
    prova::clicca(f, QStringLiteral("CmdSchedaAlunni"));
    prova::clicca(f, QStringLiteral("CmdStampaAlunni"));
    QCOMPARE(piattaforma.pagine.size(), std::size_t(1));
    QCOMPARE(s.scelte.titoloObiettivo, scelte.titoloObiettivo);
    QCOMPARE(s.scelte.tipoOperazione, std::int16_t(1));
    QCOMPARE(s.scelte.tipoEsercizioMin, scelte.tipoEsercizioMin);
    QCOMPARE(s.scelte.numeroMax, scelte.numeroMax);
    QCOMPARE(s.scelte.descrizioneLivello, scelte.descrizioneLivello);
    QCOMPARE(serie->righe(), righe);
}

void TstFrmStampaSchede::statiDellaFinestra()
{
    Banco b;
    struct Stato {
        const char* azione;   // a control to press, or "" for the state at load
        bool livelli, alunni, docenti, stampaAlunni, stampaDocenti;
    };
    const Stato passi[] = {
        {"", false, false, false, false, false},
        {"Option1(0)", true, false, false, false, false},
        {"Option2(0)", true, true, false, true, false},
        {"CmdSchedaAlunni", true, true, true, true, true},
        {"CmdSchedaDocenti", true, true, true, true, true},
        {"CmdRicomincia", true, true, true, false, false},
        {"CmdSchedaAlunni", true, true, true, true, true},
        {"lblCambiaObSchede", false, false, true, true, true},
        {"Option1(4)", true, false, false, true, true},
        {"Option2(3)", true, true, false, true, true},
    };
    for (const Stato& p : passi) {
        const QString azione = QString::fromLatin1(p.azione);
        if (azione.startsWith(u"Option"))
            prova::premi(b.f, azione);
        else if (!azione.isEmpty())
            prova::clicca(b.f, azione);
        QVERIFY2(b.abilitato("Frame1"), p.azione);
        QCOMPARE(b.abilitato("Frame2"), p.livelli);
        QCOMPARE(b.abilitato("Frame3"), p.alunni);
        QCOMPARE(b.abilitato("Frame4"), p.docenti);
        QCOMPARE(b.visibile("CmdStampaAlunni"), p.stampaAlunni);
        QCOMPARE(b.visibile("CmdStampaDocenti"), p.stampaDocenti);
    }
}

void TstFrmStampaSchede::livelliChiusiSenzaObiettivo()
{
    Banco b;
    prova::premi(b.f, QStringLiteral("Option2(2)"));
    QCOMPARE(b.scheda().livelloScheda, std::int16_t(0));
    QCOMPARE(coloreTesto(prova::controllo(b.f, QStringLiteral("Option2(2)"))), bluScuro);
    prova::clicca(b.f, QStringLiteral("CmdSchedaAlunni"));
    QVERIFY(b.riga(1).isEmpty());

    // After the group switch, a level must be chosen again before a sheet.
    prova::premi(b.f, QStringLiteral("Option1(0)"));
    prova::premi(b.f, QStringLiteral("Option2(2)"));
    QCOMPARE(b.scheda().livelloScheda, std::int16_t(3));
    prova::clicca(b.f, QStringLiteral("lblCambiaObSchede"));
    prova::premi(b.f, QStringLiteral("Option2(0)"));
    QCOMPARE(b.scheda().livelloScheda, std::int16_t(3));
    prova::clicca(b.f, QStringLiteral("CmdSchedaAlunni"));
    QVERIFY(b.riga(1).isEmpty());
}

void TstFrmStampaSchede::coloriDelleScelte()
{
    Banco b;
    auto testo = [&](const QString& nome) { return coloreTesto(prova::controllo(b.f, nome)); };
    auto sfondo = [&](const QString& nome) { return coloreSfondo(prova::controllo(b.f, nome)); };

    prova::premi(b.f, QStringLiteral("Option1(1)"));
    prova::premi(b.f, QStringLiteral("Option1(2)"));
    prova::premi(b.f, QStringLiteral("Option2(3)"));
    prova::premi(b.f, QStringLiteral("Option2(1)"));
    for (int i = 0; i < 6; ++i) {
        const bool scelto = i == 2;
        QCOMPARE(testo(nomeElemento(QStringLiteral("Option1"), i)), scelto ? rosso : bluScuro);
        QCOMPARE(sfondo(nomeElemento(QStringLiteral("Label9"), i)), scelto ? rosso : gialloPallido);
    }
    for (int i = 0; i < 4; ++i) {
        const bool scelto = i == 1;
        QCOMPARE(testo(nomeElemento(QStringLiteral("Option2"), i)), scelto ? rosso : bluScuro);
        QCOMPARE(sfondo(nomeElemento(QStringLiteral("Label10"), i)), scelto ? rosso : gialloPallido);
    }
    QVERIFY(prova::inPrimoPiano(prova::controllo(b.f, QStringLiteral("Label9(2)"))));

    prova::clicca(b.f, QStringLiteral("lblCambiaObSchede"));
    QCOMPARE(testo(QStringLiteral("Option1(2)")), bluScuro);
    QCOMPARE(sfondo(QStringLiteral("Label9(2)")), gialloPallido);
    QCOMPARE(testo(QStringLiteral("Option2(1)")), bluScuro);
    QCOMPARE(sfondo(QStringLiteral("Label10(1)")), gialloPallido);
}

void TstFrmStampaSchede::cambioDiGruppo()
{
    Banco b;
    auto* frame1 = prova::controllo<QGroupBox>(b.f, QStringLiteral("Frame1"));
    auto davanti = [&](int primo) {
        for (int i = primo; i < primo + 3; ++i) {
            if (!prova::inPrimoPiano(prova::controllo(b.f, nomeElemento(QStringLiteral("Option1"), i))))
                return false;
        }
        return true;
    };
    QVERIFY(davanti(0));
    QVERIFY(!davanti(3));
    const auto* finestra = static_cast<FrmStampaSchede*>(b.f);
    for (int volta : {2, 1, 2}) {
        prova::clicca(b.f, QStringLiteral("lblCambiaObSchede"));
        QCOMPARE(finestra->paginaObiettivi(), std::int16_t(volta));
        QCOMPARE(frame1->title(), QStringLiteral("OBIETTIVI %1").arg(volta));
        QVERIFY(davanti(volta == 1 ? 0 : 3));
        QVERIFY(!davanti(volta == 1 ? 3 : 0));
    }
    // The group in front is the one a press reaches.
    prova::premi(b.f, QStringLiteral("Option1(4)"));
    QCOMPARE(b.scheda().scelte.tipoEsercizioMin, std::int16_t(7));
}

void TstFrmStampaSchede::titoliDelleScelte_data()
{
    QTest::addColumn<int>("obiettivo");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("conLivello");

    QTest::newRow("1, level 1") << 0 << 0 << "SOTTRAZIONI.1   -   CALCOLO DEL RISULTATO"
                                << "NUMERO MASSIMO da  1 a 30   -   SOTTRAZIONI.1   -   CALCOLO DEL RISULTATO";
    QTest::newRow("3, level 3") << 2 << 2 << "SOTTRAZIONI.1   -   CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE"
                                << "NUMERO MASSIMO da  60 a 99   -   SOTTRAZIONI.1   -   CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE";
    QTest::newRow("5, level 2") << 4 << 1 << "SOTTRAZIONI.2   -   CALCOLO DEL SEGNO"
                                << "NUMERO MASSIMO da  30 a 60   -   SOTTRAZIONI.2   -   CALCOLO DEL SEGNO";
    QTest::newRow("6, level 4") << 5 << 3 << "SOTTRAZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO"
                                << "NUMERO MASSIMO da  1 a 99   -   SOTTRAZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
}

void TstFrmStampaSchede::titoliDelleScelte()
{
    QFETCH(int, obiettivo);
    QFETCH(int, livello);
    QFETCH(QString, titolo);
    QFETCH(QString, conLivello);

    Banco b;
    if (obiettivo >= 3)
        prova::clicca(b.f, QStringLiteral("lblCambiaObSchede"));
    prova::premi(b.f, nomeElemento(QStringLiteral("Option1"), obiettivo));
    QCOMPARE(b.titolo(), titolo);
    prova::premi(b.f, nomeElemento(QStringLiteral("Option2"), livello));
    QCOMPARE(b.titolo(), conLivello);
    QCOMPARE(b.scheda().scelte.titoloObiettivo, titolo);
    QCOMPARE(b.scheda().livelloScheda, livello + 1);

    // The lines built at the level choice follow the objective's forms.
    prova::clicca(b.f, QStringLiteral("CmdSchedaAlunni"));
    for (int i = 1; i <= 60; ++i) {
        const QString r = b.riga(i);
        QCOMPARE(r.size(), 12);
        if (obiettivo == 4)   // a sign to find: no "=" written, the dot between two numbers
            QVERIFY2(!r.contains(u'=') && (r.at(3) == u'.' || r.at(8) == u'.'), qPrintable(r));
        QCOMPARE(b.scheda().stampaAlunni[i], r);
    }
}

void TstFrmStampaSchede::schedaAlunniNuovaOgniVolta()
{
    Banco b;
    prova::premi(b.f, QStringLiteral("Option1(0)"));
    prova::premi(b.f, QStringLiteral("Option2(2)"));
    prova::clicca(b.f, QStringLiteral("CmdSchedaAlunni"));
    const QStringList prima = b.foglio();
    for (const QString& r : prima)
        QVERIFY(r.endsWith(QStringLiteral(" =  .")));

    prova::clicca(b.f, QStringLiteral("CmdSchedaDocenti"));
    const QStringList docenti = b.foglio();
    for (int i = 0; i < 60; ++i) {
        QVERIFY2(docenti[i].startsWith(prima[i] + QStringLiteral("       ")), qPrintable(docenti[i]));
        QVERIFY(docenti[i].endsWith(u')'));
        QCOMPARE(b.scheda().stampaDocenti[i + 1], docenti[i]);
    }

    // The clock has not moved, yet the second sheet is a new one.
    prova::clicca(b.f, QStringLiteral("CmdSchedaAlunni"));
    const QStringList seconda = b.foglio();
    int uguali = 0;
    for (int i = 0; i < 60; ++i)
        uguali += seconda[i] == prima[i];
    QVERIFY2(uguali < 10, qPrintable(QString::number(uguali)));
    prova::clicca(b.f, QStringLiteral("CmdSchedaDocenti"));
    QVERIFY(b.riga(1).startsWith(seconda[0]));
}

void TstFrmStampaSchede::nuovoLivelloRichiudeIDocenti()
{
    Banco b;
    prova::premi(b.f, QStringLiteral("Option1(0)"));
    prova::premi(b.f, QStringLiteral("Option2(0)"));
    prova::clicca(b.f, QStringLiteral("CmdSchedaAlunni"));
    const QStringList mostrata = b.foglio();

    // Another level builds an unseen sheet; its answers must not pass for the shown one's.
    prova::premi(b.f, QStringLiteral("Option2(2)"));
    QVERIFY(!b.abilitato("Frame4"));
    QCOMPARE(b.foglio(), mostrata);
    prova::clicca(b.f, QStringLiteral("CmdSchedaDocenti"));
    QCOMPARE(b.foglio(), mostrata);
}

void TstFrmStampaSchede::cancellaScheda()
{
    Banco b;
    prova::premi(b.f, QStringLiteral("Option1(1)"));
    prova::premi(b.f, QStringLiteral("Option2(1)"));
    prova::clicca(b.f, QStringLiteral("CmdSchedaAlunni"));
    const QStringList mostrata = b.foglio();
    prova::clicca(b.f, QStringLiteral("CmdRicomincia"));
    for (int i = 1; i <= 60; ++i) {
        QVERIFY(b.riga(i).isEmpty());
        QCOMPARE(b.scheda().stampaAlunni[i], mostrata[i - 1]);
    }
    QVERIFY(!b.visibile("CmdStampaAlunni"));
    QVERIFY(!b.visibile("CmdStampaDocenti"));
}

void TstFrmStampaSchede::stampaDelleSchede_data()
{
    QTest::addColumn<bool>("docenti");    // which sheet is shown
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<double>("punti");
    QTest::addColumn<int>("tipo");

    QTest::newRow("pupils' sheet, pupils' print") << false << "CmdStampaAlunni" << 12.0 << 1;
    QTest::newRow("pupils' sheet, teachers' print") << false << "CmdStampaDocenti" << 10.0 << 2;
    QTest::newRow("teachers' sheet, teachers' print") << true << "CmdStampaDocenti" << 10.0 << 2;
    QTest::newRow("teachers' sheet, pupils' print") << true << "CmdStampaAlunni" << 12.0 << 1;
}

void TstFrmStampaSchede::stampaDelleSchede()
{
    QFETCH(bool, docenti);
    QFETCH(QString, pulsante);
    QFETCH(double, punti);
    QFETCH(int, tipo);

    Banco b;
    prova::clicca(b.f, QStringLiteral("lblCambiaObSchede"));
    prova::premi(b.f, QStringLiteral("Option1(5)"));
    prova::premi(b.f, QStringLiteral("Option2(3)"));
    prova::clicca(b.f, QStringLiteral("CmdSchedaAlunni"));
    if (docenti)
        prova::clicca(b.f, QStringLiteral("CmdSchedaDocenti"));
    QStringList alunni, risposte;
    for (int i = 1; i <= 60; ++i) {
        alunni << b.scheda().schedaAlunni[i];
        risposte << b.scheda().schedaDocenti[i];
    }
    QCOMPARE(b.foglio(), docenti ? risposte : alunni);
    prova::clicca(b.f, pulsante);
    // Whichever was shown last, each button prints its own form of the
    // draw on screen: the pupils' never carries the answers.
    const QStringList stampata = tipo == 1 ? alunni : risposte;

    QCOMPARE(b.scheda().tipoStampaScheda, tipo);
    QCOMPARE(b.piattaforma.pagine.size(), std::size_t(1));
    QVERIFY(b.piattaforma.avvisi.isEmpty());
    const auto& testi = b.piattaforma.pagine[0].testi;
    QCOMPARE(testi.size(), std::size_t(63));
    const QString titolo = QStringLiteral("SOTTRAZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO");
    QCOMPARE(testi[0].testo, QStringLiteral("Cognome e nome: "));
    QCOMPARE(testi[1].testo, titolo);
    QCOMPARE(testi[62].testo, titolo);
    QCOMPARE(testi[62].y, 15100.0);
    for (int i = 1; i <= 60; ++i) {
        const Pagina::Testo& t = testi[std::size_t(i) + 1];
        QCOMPARE(t.testo, stampata[i - 1]);
        QCOMPARE(t.punti, punti);
        QCOMPARE(t.font, QStringLiteral("Courier"));
    }
    QCOMPARE(testi[1 + 35].x, 6000.0);   // line 35
    QCOMPARE(testi[1 + 35].y, 2000.0 + 400 * 4);
}

void TstFrmStampaSchede::stampaPrimaDiMostrare()
{
    Banco b;
    prova::premi(b.f, QStringLiteral("Option1(0)"));
    prova::premi(b.f, QStringLiteral("Option2(0)"));
    // The sheet is drawn but not shown: its print button is in sight and unusable, so no empty sheet is printed.
    QVERIFY(b.visibile("CmdStampaAlunni"));
    QVERIFY(!b.abilitato("CmdStampaAlunni"));
    prova::clicca(b.f, QStringLiteral("CmdStampaAlunni"));
    QVERIFY(b.piattaforma.pagine.empty());
}

void TstFrmStampaSchede::fontMancante()
{
    Banco b;
    b.piattaforma.font = QStringList{QStringLiteral("Arial"), QStringLiteral("courier new")};
    prova::premi(b.f, QStringLiteral("Option1(0)"));
    prova::premi(b.f, QStringLiteral("Option2(0)"));
    prova::clicca(b.f, QStringLiteral("CmdSchedaAlunni"));
    prova::clicca(b.f, QStringLiteral("CmdStampaDocenti"));
    QVERIFY(b.piattaforma.pagine.empty());
    QCOMPARE(b.piattaforma.avvisi, QStringList{"Devi installare il font Courier o il font Courier New"});
}

void TstFrmStampaSchede::stampaFallitaLasciaLaFinestra()
{
    Banco b;
    b.piattaforma.stampaRiesce = false;
    prova::premi(b.f, QStringLiteral("Option1(0)"));
    prova::premi(b.f, QStringLiteral("Option2(0)"));
    prova::clicca(b.f, QStringLiteral("CmdSchedaAlunni"));
    prova::clicca(b.f, QStringLiteral("CmdStampaAlunni"));
    QCOMPARE(b.piattaforma.avvisi, QStringList{messaggi::stampaNonRiuscita});
    QCoreApplication::processEvents();
    QVERIFY(!b.programma.terminato());
    QCOMPARE(b.programma.finestra(QStringLiteral("FrmStampaSchede")), b.f);
    QVERIFY(b.f->isVisible());

    b.piattaforma.stampaRiesce = true;
    prova::clicca(b.f, QStringLiteral("CmdStampaAlunni"));
    QCOMPARE(b.piattaforma.pagine.size(), std::size_t(2));
    QCOMPARE(b.piattaforma.avvisi.size(), 1);
}

void TstFrmStampaSchede::esciMostraLInizio()
{
    Banco b;
    prova::clicca(b.f, QStringLiteral("Command1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!b.programma.finestra(QStringLiteral("FrmStampaSchede")));
    QWidget* inizio = b.programma.finestra(QStringLiteral("frmInizio"));
    QVERIFY(inizio);
    QVERIFY(inizio->isVisible());
    QVERIFY(!b.programma.terminato());

    // A window loaded again starts afresh.
    b.programma.apriStampaSchede();
    QWidget* f = b.programma.finestra(QStringLiteral("FrmStampaSchede"));
    QVERIFY(f);
    QVERIFY(static_cast<FrmStampaSchede*>(f)->scheda().stampaAlunni[5].isEmpty());
}

void TstFrmStampaSchede::chiusuraDiTutto()
{
    Banco b;
    b.programma.avvia();
    b.programma.chiudiTutto();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(b.programma.terminato());
    QVERIFY(!b.programma.finestra(QStringLiteral("FrmStampaSchede")));
}

QTEST_MAIN(TstFrmStampaSchede)
#include "tst_frmstampaschede.moc"
