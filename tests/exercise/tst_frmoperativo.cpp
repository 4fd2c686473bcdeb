// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/frmoperativo.h"
#include "exercise/linea.h"
#include "programma.h"
#include "prova.h"
#include "ui/twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <memory>

using namespace ope;
using prova::controllo;

namespace {

const QString segniTasti = QStringLiteral("=<>");

// Every way a run leaves the screen.
enum class Via { ChiusuraFinestra, Esco, EsciInizio, ChiusuraInizio, AvantiInizio, Ricomincia };

// A program opened on the exercise window through the start window's choices.
struct Banco {
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
    QWidget* inizio = nullptr;

    Banco() : programma(std::make_unique<Programma>(piattaforma.ambiente()))
    {
        programma->avvia();
        inizio = programma->finestra(QStringLiteral("frmInizio"));
    }

    QWidget* apri(int obiettivo, int livello = 0)
    {
        prova::premi(inizio, QStringLiteral("Option1(%1)").arg(obiettivo));
        prova::premi(inizio, QStringLiteral("Option2(%1)").arg(livello));
        prova::premi(inizio, QStringLiteral("Option3(0)"));
        return programma->finestra(QStringLiteral("FrmOperativo"));
    }

    Sessione& s() { return programma->sessione(); }
    // The run on screen; a new one after "Ricomincia".
    const Serie& serie() const { return prova::serieInCorso(*programma); }
};

bool davanti(QWidget* f, const char* nome)
{
    auto* w = controllo(f, QString::fromLatin1(nome));
    return w && prova::inPrimoPiano(w) && w->isEnabled();
}

bool attivo(QWidget* f, const QString& nome)
{
    auto* w = controllo(f, nome);
    return w && w->isEnabled();
}

QString didascalia(QWidget* f, const char* nome)
{
    auto* l = controllo<QLabel>(f, QString::fromLatin1(nome));
    return l ? l->text() : QStringLiteral("<none>");
}

// Keys the answer on whichever keypad the form uses, then "Verifica".
void rispondi(QWidget* f, const Serie& s, const QString& risposta)
{
    if (s.rigaSegni()) {
        prova::premi(f, QStringLiteral("Option5(%1)").arg(segniTasti.indexOf(risposta)));
        prova::premi(f, QStringLiteral("Option5(3)"));
        return;
    }
    for (QChar c : risposta)
        prova::premi(f, QStringLiteral("Option1(%1)").arg(c.digitValue()));
    prova::premi(f, QStringLiteral("Option1(11)"));
}

QString giusta(const Serie& s) { return s.operazione().rispostaEsatta.trimmed(); }

QString sbagliata(const Serie& s)
{
    if (s.rigaSegni())
        return giusta(s) == QLatin1String("=") ? QStringLiteral("<") : QStringLiteral("=");
    return QStringLiteral("0") + giusta(s);   // "07" is not 7
}

void avanti(QWidget* f, const Serie& s)
{
    prova::premi(f, s.rigaSegni() ? QStringLiteral("Option5(4)") : QStringLiteral("Option1(12)"));
}

// Which keys of the digit keypad can be pressed, as a string of 0/1 for Option1(0..14).
QString tastiCifre(QWidget* f)
{
    QString stato;
    for (int i = 0; i < 15; ++i)
        stato += attivo(f, QStringLiteral("Option1(%1)").arg(i)) ? QLatin1Char('1') : QLatin1Char('0');
    return stato;
}

QString tastiSegni(QWidget* f)
{
    QString stato;
    for (int i = 0; i < 6; ++i)
        stato += attivo(f, QStringLiteral("Option5(%1)").arg(i)) ? QLatin1Char('1') : QLatin1Char('0');
    return stato;
}

} // namespace

Q_DECLARE_METATYPE(Via)

class TestFrmOperativo : public QObject {
    Q_OBJECT
private slots:
    void apertaDalleScelteDellInizio();
    void tastierinoDelleCifre();
    void sbaglioPoiGiustoNelRegistro();
    void treRifiutiPortanoLIntervento();
    void okConInvio();
    void serieCompletaERicomincia();
    void rigaDeiSegni();
    void unSoloPannelloDavantiPerForma_data();
    void unSoloPannelloDavantiPerForma();
    void ridimensionareNonPerdeLaSerie();
    void avantiDallInizioRicomincia();
    void orologioCheTornaIndietro();
    void esco();
    void domandaPrimaDiPerdereLaSerie_data();
    void domandaPrimaDiPerdereLaSerie();
    void clicAbitualeDopoLUltima_data();
    void clicAbitualeDopoLUltima();
    void clicSulloSfondo();
    void suono();
    void menu();
    void tipiDiOperazione_data();
    void tipiDiOperazione();
};

void TestFrmOperativo::apertaDalleScelteDellInizio()
{
    Banco b;
    QWidget* f = b.apri(0, 0);
    QVERIFY(f);
    QVERIFY(f->isVisible());
    QVERIFY(b.inizio->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("Sottrazioni"));
    const QString obiettivo = didascalia(f, "Label1(0)");
    QCOMPARE(obiettivo, QStringLiteral("   ") + controllo<QLabel>(b.inizio, QStringLiteral("Label1"))->text());
    QVERIFY(obiettivo.startsWith(QStringLiteral("   Obiettivo")));
    QVERIFY(obiettivo.endsWith(QStringLiteral("CALCOLO DEL RISULTATO")));
    QCOMPARE(didascalia(f, "Label1(1)"), QStringLiteral("   OPERAZIONE:    Sottrazioni"));
    QCOMPARE(didascalia(f, "Label1(2)"), QStringLiteral("   ") + controllo<QLabel>(b.inizio, QStringLiteral("Label3"))->text());

    QCOMPARE(b.serie().numeroOperazione(), 1);
    QCOMPARE(b.serie().operazione().tipoEsercizio, 1);
    QCOMPARE(didascalia(f, "LblOperazione"), QStringLiteral("1"));
    QCOMPARE(didascalia(f, "lblRisultato1"), QStringLiteral("?"));
    QVERIFY(b.serie().riga(1).endsWith(QStringLiteral(" = . ")));
    QCOMPARE(b.serie().inizioOperazione(), b.piattaforma.ora);

    // The five panels lie on the anchor.
    const QPoint ancora = controllo(f, QStringLiteral("lblRiferimento"))->pos();
    for (const char* p : {"fraAiuto", "fraTastierino", "fraAvviso", "fraIntervento", "fraTastierinoRidotto"})
        QCOMPARE(controllo(f, QString::fromLatin1(p))->pos(), ancora);
}

void TestFrmOperativo::tastierinoDelleCifre()
{
    Banco b;
    QWidget* f = b.apri(0);
    QVERIFY(davanti(f, "fraNumero") && davanti(f, "fraTastierino"));
    QCOMPARE(tastiCifre(f), QStringLiteral("111111111100000"));

    for (int d : {1, 2, 3, 4})
        prova::premi(f, QStringLiteral("Option1(%1)").arg(d));
    QCOMPARE(didascalia(f, "lblRisultato1"), QStringLiteral("123"));
    QCOMPARE(b.serie().risposta(), QStringLiteral("123"));
    QCOMPARE(tastiCifre(f), QStringLiteral("111111111111000"));

    prova::premi(f, QStringLiteral("Option1(10)"));
    prova::premi(f, QStringLiteral("Option1(10)"));
    QCOMPARE(didascalia(f, "lblRisultato1"), QStringLiteral("1"));
    QCOMPARE(tastiCifre(f), QStringLiteral("111111111111000"));
    prova::premi(f, QStringLiteral("Option1(10)"));
    QCOMPARE(didascalia(f, "lblRisultato1"), QStringLiteral("?"));
    QVERIFY(b.serie().risposta().isEmpty());
    // Verifica and Cancella grey out again; Avanti and Esco never while open.
    QCOMPARE(tastiCifre(f), QStringLiteral("111111111100000"));
}

void TestFrmOperativo::sbaglioPoiGiustoNelRegistro()
{
    Banco b;
    QWidget* f = b.apri(0);
    const Serie& s = b.serie();
    const QString testo = s.riga(1);
    const QString esatta = giusta(s);

    rispondi(f, s, QStringLiteral("0") + esatta);
    QCOMPARE(didascalia(f, "LblEsito"), QStringLiteral("Errato"));
    QCOMPARE(s.errate(), 1);
    QCOMPARE(didascalia(f, "lblRisErrate"), QStringLiteral("1"));
    QVERIFY(davanti(f, "fraAiuto"));
    QVERIFY(!controllo(f, QStringLiteral("fraTastierino"))->isEnabled());
    const QString tentativo = QString(4 - (esatta.size() + 1), QLatin1Char(' ')) + QStringLiteral("0") + esatta
                              + QStringLiteral("* ");
    QCOMPARE(s.riga(1), testo + tentativo);

    prova::premi(f, QStringLiteral("Option3(0)"));   // No
    QVERIFY(davanti(f, "fraTastierino"));
    QCOMPARE(didascalia(f, "lblRisultato1"), QStringLiteral("?"));
    QVERIFY(didascalia(f, "LblEsito").isEmpty());
    QCOMPARE(tastiCifre(f), QStringLiteral("111111111100000"));

    b.piattaforma.ora += 9.3;
    rispondi(f, s, esatta);
    QCOMPARE(didascalia(f, "LblEsito"), QStringLiteral("Esatto"));
    QCOMPARE(s.esatte(), 1);
    QCOMPARE(s.esatte(), 1);
    QCOMPARE(s.errate(), 1);
    QCOMPARE(didascalia(f, "LblTempoOperazione"), QStringLiteral(" 9"));
    QCOMPARE(didascalia(f, "LblTempoTotale"), QStringLiteral(" 9"));
    const QString riga = s.riga(1);
    QCOMPARE(riga.size(), 45 + 9);   // answer, two blanks, " (s.", " 9)"
    QCOMPARE(riga.mid(41, 4).trimmed(), esatta);
    QVERIFY(riga.endsWith(QStringLiteral("   (s. 9)")));
    QVERIFY(riga.startsWith(testo + tentativo + QStringLiteral(".")));
    // Closed: only Avanti and Esco.
    QVERIFY(davanti(f, "fraNumero") && davanti(f, "fraTastierino"));
    QCOMPARE(tastiCifre(f), QStringLiteral("000000000000110"));

    avanti(f, s);
    QCOMPARE(s.numeroOperazione(), 2);
    QCOMPARE(didascalia(f, "LblOperazione"), QStringLiteral("2"));
    QVERIFY(didascalia(f, "LblTempoOperazione").isEmpty());
    QVERIFY(didascalia(f, "LblEsito").isEmpty());
    QCOMPARE(didascalia(f, "LblTempoTotale"), QStringLiteral(" 9"));
}

void TestFrmOperativo::treRifiutiPortanoLIntervento()
{
    Banco b;
    QWidget* f = b.apri(1);   // forms 2 and 3: the unknown first or in the middle
    const Serie& s = b.serie();
    QVERIFY(s.operazione().tipoEsercizio == 2 || s.operazione().tipoEsercizio == 3);
    auto* risultato = controllo(f, QStringLiteral("lblRisultato1"));
    const int slot = s.operazione().tipoEsercizio == 2 ? 0 : 1;
    QCOMPARE(risultato->x(), controllo(f, QStringLiteral("lblRifer(%1)").arg(slot))->x());
    QCOMPARE(controllo(f, QStringLiteral("lblCorrezione"))->x(), risultato->x());
    auto* linee = controllo(f, QStringLiteral("lblLinee"));
    QCOMPARE(linee->x(), risultato->x() + pixel(700));
    auto* line3 = controllo<Linea>(f, QStringLiteral("Line3"));
    QCOMPARE(line3->inizio(), linee->geometry().topLeft());
    QCOMPARE(line3->fine(), linee->geometry().topLeft() + QPoint(linee->width(), linee->height()));
    for (const char* l : {"Line1", "Line2", "Line3", "Line4"})
        QVERIFY(!controllo(f, QString::fromLatin1(l))->isVisible());

    const QString testo = s.riga(1);
    for (int no = 1; no <= 3; ++no) {
        rispondi(f, s, sbagliata(s));
        QVERIFY(davanti(f, "fraAiuto"));
        prova::premi(f, QStringLiteral("Option3(0)"));
        if (no < 3) {
            QVERIFY(davanti(f, "fraTastierino"));
            QCOMPARE(s.rifiuti(), no);
        }
    }
    QVERIFY(davanti(f, "fraIntervento"));
    QCOMPARE(s.rifiuti(), 0);
    QCOMPARE(s.errate(), 3);
    QVERIFY(!controllo(f, QStringLiteral("fraTastierino"))->isEnabled());

    b.piattaforma.ora += 12;
    prova::premi(f, QStringLiteral("optOK"));
    QCOMPARE(didascalia(f, "lblCorrezione"), s.operazione().rispostaEsatta);
    QCOMPARE(s.esatte(), 0);
    QCOMPARE(s.errate(), 3);
    const QString riga = s.riga(1);
    QVERIFY(riga.endsWith(QStringLiteral(u"\u00b0  (s.12)")));
    QCOMPARE(riga.size(), 42 + 3 + 1 + 3 + 6);
    QVERIFY(riga.startsWith(testo));
    QCOMPARE(riga.count(QStringLiteral("* ")), 3);
    QVERIFY(davanti(f, "fraTastierino"));
    QCOMPARE(tastiCifre(f), QStringLiteral("000000000000110"));
}

void TestFrmOperativo::okConInvio()
{
    Banco b;
    QWidget* f = b.apri(0);
    const Serie& s = b.serie();
    for (int no = 0; no < 3; ++no) {
        rispondi(f, s, sbagliata(s));
        prova::premi(f, QStringLiteral("Option3(0)"));
    }
    auto* ok = controllo(f, QStringLiteral("optOK"));
    QVERIFY(davanti(f, "fraIntervento"));
    const QString prima = s.riga(1);
    QTest::keyClick(ok, Qt::Key_A);
    QTest::keyClick(ok, Qt::Key_Escape);
    QCOMPARE(s.riga(1), prima);
    QVERIFY(davanti(f, "fraIntervento"));
    QTest::keyClick(ok, Qt::Key_Return);
    QVERIFY(s.riga(1).contains(QStringLiteral(u"\u00b0  (s.")));
    QVERIFY(davanti(f, "fraTastierino"));
    QCOMPARE(tastiCifre(f), QStringLiteral("000000000000110"));
}

void TestFrmOperativo::serieCompletaERicomincia()
{
    Banco b;
    QWidget* f = b.apri(5, 0);   // every form, numbers and signs
    const Serie& s = b.serie();
    double atteso = 0;
    int errate = 0;
    for (int n = 1; n <= 20; ++n) {
        QCOMPARE(s.numeroOperazione(), n);
        QVERIFY(!davanti(f, "fraAvviso"));
        const bool segno = s.rigaSegni();
        QVERIFY(davanti(f, segno ? "fraTastierinoRidotto" : "fraTastierino"));
        QCOMPARE(segno ? tastiSegni(f) : tastiCifre(f).left(15),
                 segno ? QStringLiteral("111000") : QStringLiteral("111111111100000"));
        const int secondi = n % 5 + 1;
        b.piattaforma.ora += secondi;
        switch (n % 4) {
        case 0:   // right at once
            rispondi(f, s, giusta(s));
            break;
        case 1:   // a wrong one, then help
            rispondi(f, s, sbagliata(s));
            prova::premi(f, QStringLiteral("Option3(1)"));
            ++errate;
            break;
        case 2:   // forced help
            for (int no = 0; no < 3; ++no) {
                rispondi(f, s, sbagliata(s));
                prova::premi(f, QStringLiteral("Option3(0)"));
            }
            prova::premi(f, QStringLiteral("optOK"));
            errate += 3;
            break;
        case 3:   // wrong, refuse, right
            rispondi(f, s, sbagliata(s));
            prova::premi(f, QStringLiteral("Option3(0)"));
            rispondi(f, s, giusta(s));
            ++errate;
            break;
        }
        atteso += secondi;
        QVERIFY2(s.riga(n).size() >= 49, qPrintable(s.riga(n)));
        if (n < 20) {
            QVERIFY(!davanti(f, "fraAvviso"));
            QCOMPARE(segno ? tastiSegni(f) : tastiCifre(f), segno ? QStringLiteral("000011") : QStringLiteral("000000000000110"));
            avanti(f, s);
        }
    }
    QVERIFY(davanti(f, "fraAvviso"));
    QCOMPARE(s.esatte(), 10);
    QCOMPARE(s.errate(), errate);
    QCOMPARE(s.secondiTotali(), atteso);
    QCOMPARE(s.testoTempoTotale(), QStringLiteral(" %1").arg(atteso));
    QCOMPARE(didascalia(f, "LblTempoTotale"), QStringLiteral(" %1").arg(atteso));
    QCOMPARE(didascalia(f, "lblRisEsatte"), QStringLiteral("10"));
    QCOMPARE(didascalia(f, "LblOperazione"), QStringLiteral("20"));
    QVERIFY(s.riga(21).isEmpty());

    prova::premi(f, QStringLiteral("Option4(1)"));   // Ricomincia
    const Serie& nuova = b.serie();
    QCOMPARE(nuova.numeroOperazione(), 1);
    QCOMPARE(nuova.esatte() + nuova.errate(), 0);
    QCOMPARE(nuova.secondiTotali(), 0.0);
    QVERIFY(!nuova.riga(1).isEmpty());   // the new run's first operation
    for (int i = 2; i <= 20; ++i)
        QVERIFY(nuova.riga(i).isEmpty());
    QVERIFY(didascalia(f, "LblTempoTotale").isEmpty() && didascalia(f, "lblRisEsatte").isEmpty());
    QCOMPARE(nuova.scelte().tipoEsercizioMin, std::int16_t(1));
    QCOMPARE(nuova.scelte().tipoEsercizioMax, std::int16_t(12));
    QCOMPARE(nuova.scelte().livello, std::int16_t(1));
    QVERIFY(!davanti(f, "fraAvviso"));
}

void TestFrmOperativo::rigaDeiSegni()
{
    Banco b;
    QWidget* f = b.apri(4);   // signs only
    const Serie& s = b.serie();
    QVERIFY(s.rigaSegni());
    QVERIFY(davanti(f, "fraSegno") && davanti(f, "fraTastierinoRidotto"));
    QCOMPARE(tastiSegni(f), QStringLiteral("111000"));
    auto* segno2 = controllo(f, QStringLiteral("lblSegno2"));
    auto* uguale2 = controllo(f, QStringLiteral("lblUguale2"));
    const int sinistra = controllo(f, QStringLiteral("lblRif2(1)"))->x();
    const int destra = controllo(f, QStringLiteral("lblRif2(3)"))->x();
    QCOMPARE(segno2->x(), s.operazione().tipoEsercizio <= 9 ? destra : sinistra);
    QCOMPARE(uguale2->x(), s.operazione().tipoEsercizio <= 9 ? sinistra : destra);
    QCOMPARE(controllo(f, QStringLiteral("lblCorrezioneS"))->x(), segno2->x());
    QCOMPARE(didascalia(f, "lblUguale2"), QStringLiteral("-"));

    prova::premi(f, QStringLiteral("Option5(0)"));
    prova::premi(f, QStringLiteral("Option5(1)"));
    QCOMPARE(didascalia(f, "lblSegno2"), QStringLiteral("<"));
    QCOMPARE(s.risposta(), QStringLiteral("<"));
    QCOMPARE(tastiSegni(f), QStringLiteral("111100"));

    rispondi(f, s, sbagliata(s));
    QVERIFY(davanti(f, "fraAiuto"));
    prova::premi(f, QStringLiteral("Option3(0)"));
    QVERIFY(davanti(f, "fraTastierinoRidotto"));
    QCOMPARE(didascalia(f, "lblSegno2"), QStringLiteral("?"));
    QCOMPARE(tastiSegni(f), QStringLiteral("111000"));
    rispondi(f, s, sbagliata(s));
    prova::premi(f, QStringLiteral("Option3(1)"));
    QCOMPARE(didascalia(f, "lblCorrezioneS"), s.operazione().rispostaEsatta);
    QVERIFY(davanti(f, "fraSegno") && davanti(f, "fraTastierinoRidotto"));
    QCOMPARE(tastiSegni(f), QStringLiteral("000011"));
    QCOMPARE(s.riga(1).indexOf(QStringLiteral(u"\u00b0")), 45);
}

void TestFrmOperativo::unSoloPannelloDavantiPerForma_data()
{
    QTest::addColumn<int>("obiettivo");
    QTest::newRow("obiettivo 1") << 0;
    QTest::newRow("obiettivo 2") << 1;
    QTest::newRow("obiettivo 4") << 3;
    QTest::newRow("obiettivo 5") << 4;
    QTest::newRow("obiettivo 6") << 5;
}

void TestFrmOperativo::unSoloPannelloDavantiPerForma()
{
    QFETCH(int, obiettivo);
    Banco b;
    QWidget* f = b.apri(obiettivo, 3);
    const Serie& s = b.serie();
    for (int n = 0; n < 19; ++n) {
        const bool segno = s.rigaSegni();
        QVERIFY(s.operazione().tipoEsercizio >= s.scelte().tipoEsercizioMin && s.operazione().tipoEsercizio <= s.scelte().tipoEsercizioMax);
        QCOMPARE(davanti(f, "fraSegno"), segno);
        QCOMPARE(davanti(f, "fraNumero"), !segno);
        QCOMPARE(davanti(f, "fraTastierinoRidotto"), segno);
        QCOMPARE(davanti(f, "fraTastierino"), !segno);
        QCOMPARE(didascalia(f, segno ? "lblSegno2" : "lblRisultato1"), QStringLiteral("?"));
        rispondi(f, s, giusta(s));
        QCOMPARE(didascalia(f, "LblEsito"), QStringLiteral("Esatto"));
        avanti(f, s);
    }
}

void TestFrmOperativo::ridimensionareNonPerdeLaSerie()
{
    Banco b;
    QWidget* f = b.apri(1);   // objective 2: the unknown stands first or in the middle, never at its design place
    const Serie& s = b.serie();
    b.piattaforma.ora += 5;
    rispondi(f, s, giusta(s));
    avanti(f, s);
    rispondi(f, s, sbagliata(s));
    const int esattePrima = s.esatte();
    const double secondiPrima = s.secondiTotali();
    const QStringList righePrima = s.righe();
    const QString rispostaPrima = s.operazione().rispostaEsatta;
    auto postoDellIncognita = [f] {
        const int x = controllo(f, QStringLiteral("lblRisultato1"))->x();
        for (int i = 0; i < 3; ++i)
            if (controllo(f, QStringLiteral("lblRifer(%1)").arg(i))->x() == x)
                return i;
        return -1;
    };
    const int posto = postoDellIncognita();
    QVERIFY(posto >= 0);

    auto invariata = [&] {
        QCOMPARE(s.numeroOperazione(), 2);
        QCOMPARE(s.esatte(), esattePrima);
        QCOMPARE(s.errate(), 1);
        QCOMPARE(s.secondiTotali(), secondiPrima);
        QCOMPARE(s.righe(), righePrima);
        QCOMPARE(s.operazione().rispostaEsatta, rispostaPrima);
        QVERIFY(davanti(f, "fraAiuto"));
        // The row keeps the operation's arrangement at the new scale.
        QCOMPARE(postoDellIncognita(), posto);
        QCOMPARE(controllo(f, QStringLiteral("fraAiuto"))->pos(), controllo(f, QStringLiteral("lblRiferimento"))->pos());
    };
    f->resize(f->width() + 150, f->height() + 60);
    invariata();
    f->showMaximized();
    invariata();
    f->showMinimized();
    f->showNormal();
    invariata();
}

void TestFrmOperativo::avantiDallInizioRicomincia()
{
    // Another level chosen while the exercise window is open: "Avanti" starts
    // a new run with it, the headings follow, and the window comes forward.
    Banco b;
    QWidget* f = b.apri(0, 0);
    const Serie& s = b.serie();
    rispondi(f, s, giusta(s));
    avanti(f, s);
    prova::premi(b.inizio, QStringLiteral("Option2(2)"));
    // Choosing alone changes nothing in the run: its next operation keeps its level.
    rispondi(f, s, giusta(s));
    avanti(f, s);
    QCOMPARE(s.numeroOperazione(), 3);
    QVERIFY(s.operazione().numero1 <= 30);
    prova::premi(b.inizio, QStringLiteral("Option3(0)"));
    QCOMPARE(b.programma->finestra(QStringLiteral("FrmOperativo")), f);
    const Serie& nuova = b.serie();
    QCOMPARE(nuova.numeroOperazione(), 1);
    QCOMPARE(nuova.esatte(), 0);
    QVERIFY(nuova.riga(2).isEmpty());
    QVERIFY(nuova.operazione().numero1 >= 60 && nuova.operazione().numero1 <= 99);
    QCOMPARE(didascalia(f, "Label1(2)"), QStringLiteral("   ") + didascalia(b.inizio, "Label3"));
    QVERIFY(didascalia(f, "Label1(2)").endsWith(QStringLiteral("da  60 a 99")));
}

void TestFrmOperativo::orologioCheTornaIndietro()
{
    // A clock set back by a minute: the operation took no time, not a day.
    Banco b;
    QWidget* f = b.apri(0);
    const Serie& s = b.serie();
    b.piattaforma.ora -= 60;
    rispondi(f, s, giusta(s));
    QVERIFY(s.riga(1).endsWith(QStringLiteral("(s. 0)")));
    QCOMPARE(didascalia(f, "LblTempoOperazione"), QStringLiteral(" 0"));
    QCOMPARE(didascalia(f, "LblTempoTotale"), QStringLiteral(" 0"));
}

void TestFrmOperativo::esco()
{
    Banco b;
    QWidget* f = b.apri(0);
    const Serie& s = b.serie();
    QVERIFY(!attivo(f, QStringLiteral("Option1(13)")));
    prova::premi(f, QStringLiteral("Option1(13)"));
    QVERIFY(f->isVisible());
    rispondi(f, s, giusta(s));
    QPointer<QWidget> finestra(f);
    b.inizio->hide();
    prova::premi(f, QStringLiteral("Option1(13)"));
    QVERIFY(b.inizio->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(finestra.isNull());
    // The log of the last run stays for the printout.
    QVERIFY(s.riga(1).contains(QStringLiteral("(s.")));
}

void TestFrmOperativo::domandaPrimaDiPerdereLaSerie_data()
{
    QTest::addColumn<Via>("via");
    QTest::addColumn<int>("chiuse");
    QTest::addColumn<bool>("vista");      // the finished run's printout opened
    QTest::addColumn<bool>("risposta");
    QTest::addColumn<int>("domande");
    QTest::addColumn<bool>("restaSerie");
    QTest::newRow("nulla chiuso, la finestra si chiude") << Via::ChiusuraFinestra << 0 << false << false << 0 << false;
    QTest::newRow("Esco dopo una, No") << Via::Esco << 1 << false << false << 1 << true;
    QTest::newRow("Esco dopo una, Sì") << Via::Esco << 1 << false << true << 1 << false;
    QTest::newRow("finita, la finestra si chiude, No") << Via::ChiusuraFinestra << 20 << false << false << 1 << true;
    QTest::newRow("finita e vista, si chiude") << Via::ChiusuraFinestra << 20 << true << false << 0 << false;
    QTest::newRow("Esci dell'inizio, No") << Via::EsciInizio << 3 << false << false << 1 << true;
    QTest::newRow("Esci dell'inizio, Sì: una domanda sola") << Via::EsciInizio << 3 << false << true << 1 << false;
    QTest::newRow("l'inizio si chiude, Sì: una domanda sola") << Via::ChiusuraInizio << 3 << false << true << 1 << false;
    QTest::newRow("l'inizio si chiude, No") << Via::ChiusuraInizio << 3 << false << false << 1 << true;
    QTest::newRow("Avanti dell'inizio, No") << Via::AvantiInizio << 2 << false << false << 1 << true;
    QTest::newRow("Ricomincia a serie vista") << Via::Ricomincia << 20 << true << false << 0 << false;
}

void TestFrmOperativo::domandaPrimaDiPerdereLaSerie()
{
    QFETCH(Via, via);
    QFETCH(int, chiuse);
    QFETCH(bool, vista);
    QFETCH(bool, risposta);
    QFETCH(int, domande);
    QFETCH(bool, restaSerie);
    Banco b;
    QPointer<QWidget> f = b.apri(0);
    const Serie* prima = &b.serie();
    for (int n = 1; n <= chiuse; ++n) {
        rispondi(f, *prima, giusta(*prima));
        if (n < chiuse)
            avanti(f, *prima);
    }
    if (vista)
        prova::premi(f, tasti::visualizza);
    b.piattaforma.risposta = risposta;
    switch (via) {
    case Via::ChiusuraFinestra:
        f->close();
        break;
    case Via::Esco:
        prova::premi(f, tasti::escoCifre);
        break;
    case Via::EsciInizio:
        prova::premi(b.inizio, QStringLiteral("Option3(1)"));
        break;
    case Via::ChiusuraInizio:
        b.inizio->close();
        break;
    case Via::AvantiInizio:
        prova::premi(b.inizio, QStringLiteral("Option3(0)"));
        break;
    case Via::Ricomincia:
        prova::premi(f, tasti::ricomincia);
        break;
    }
    QCOMPARE(b.piattaforma.domande.size(), domande);
    const bool serieSulloSchermo = f && f->isVisible() && &b.serie() == prima;
    QCOMPARE(serieSulloSchermo, restaSerie);
    QCOMPARE(b.programma->terminato(), !restaSerie && (via == Via::EsciInizio || via == Via::ChiusuraInizio));
    if (restaSerie)
        QVERIFY(b.inizio->isVisible());
}

void TestFrmOperativo::clicAbitualeDopoLUltima_data()
{
    QTest::addColumn<bool>("risposta");
    QTest::newRow("No: la serie resta") << false;
    QTest::newRow("Sì: una serie nuova") << true;
}

void TestFrmOperativo::clicAbitualeDopoLUltima()
{
    // After the 20th "Verifica" the end panel comes up at once: the pupil's
    // hand, used to "Avanti", clicks where it stood.
    QFETCH(bool, risposta);
    Banco b;
    b.piattaforma.risposta = risposta;
    QWidget* f = b.apri(0);
    const Serie& s = b.serie();
    for (int n = 1; n < 20; ++n) {
        rispondi(f, s, giusta(s));
        avanti(f, s);
    }
    auto* tastoAvanti = controllo(f, tasti::avantiCifre);
    const QPoint doveStavaAvanti = tastoAvanti->mapTo(f, tastoAvanti->rect().center());
    rispondi(f, s, giusta(s));
    QCOMPARE(s.fase(), Fase::Finita);
    QWidget* sottoIlDito = f->childAt(doveStavaAvanti);
    QVERIFY(sottoIlDito);
    QTest::mousePress(sottoIlDito, Qt::LeftButton, {}, sottoIlDito->mapFrom(f, doveStavaAvanti));
    QTest::mouseRelease(sottoIlDito, Qt::LeftButton, {}, sottoIlDito->mapFrom(f, doveStavaAvanti));
    QCOMPARE(b.piattaforma.domande.size(), 1);
    QVERIFY(b.piattaforma.domande.first().contains(QStringLiteral("VISUALIZZA")));
    QCOMPARE(&b.serie() == &s, !risposta);
    QCOMPARE(b.serie().fase(), risposta ? Fase::Risposta : Fase::Finita);
}

void TestFrmOperativo::clicSulloSfondo()
{
    Banco b;
    QWidget* f = b.apri(0);
    QWidget* area = controllo(f, QStringLiteral("FrmOperativo.area"));
    QVERIFY(area);
    auto* statistiche = controllo(f, QStringLiteral("fraElaborazione"));
    QVERIFY(statistiche->isVisible());
    const QPoint vuoto(pixel(3000), pixel(5130));
    QVERIFY(!area->childAt(vuoto));
    QTest::mouseClick(area, Qt::LeftButton, {}, vuoto);
    QVERIFY(!statistiche->isVisible());
    // A click on a label of the row is not a click on the background.
    QTest::mouseClick(controllo(f, QStringLiteral("LblNumero1")), Qt::LeftButton);
    QVERIFY(!statistiche->isVisible());
    QTest::mouseClick(area, Qt::LeftButton, {}, vuoto);
    QVERIFY(statistiche->isVisible());
}

void TestFrmOperativo::suono()
{
    Banco b;
    QWidget* f = b.apri(0);
    auto* operativo = qobject_cast<FrmOperativo*>(f);
    QVERIFY(operativo);
    QCOMPARE(didascalia(f, "Label7"), QStringLiteral("si audio"));
    QCOMPARE(operativo->statoSuono(), Interruttore::Iniziale);
    const QStringList didascalie{QStringLiteral("si audio"), QStringLiteral("no audio"), QStringLiteral("si audio")};
    const Interruttore stati[]{Interruttore::Si, Interruttore::No, Interruttore::Si};
    for (int i = 0; i < 3; ++i) {
        prova::clicca(f, QStringLiteral("Label7"));
        QCOMPARE(didascalia(f, "Label7"), didascalie[i]);
        QCOMPARE(operativo->statoSuono(), stati[i]);
    }
}

void TestFrmOperativo::menu()
{
    Banco b;
    QWidget* f = b.apri(0);
    auto* visualizza = controllo<QAction>(f, QStringLiteral("mnuVisualizza"));
    QVERIFY(visualizza);
    QCOMPARE(visualizza->text(), QStringLiteral("&Visualizza operazioni eseguite"));
    QVERIFY(visualizza->isVisible() && visualizza->isEnabled());
    auto* standard = controllo<QAction>(f, QStringLiteral("mnuStandard"));
    QVERIFY(standard && !standard->isVisible());
    QVERIFY(controllo<QAction>(f, QStringLiteral("mnuCrea")));
    QCOMPARE(controllo<QAction>(f, QStringLiteral("mnuEsegui"))->text(), QStringLiteral("Esegui sercizio"));
    visualizza->trigger();   // must not disturb the run
    QCOMPARE(b.serie().numeroOperazione(), 1);
}

void TestFrmOperativo::tipiDiOperazione_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QStringList>("simboli");
    QTest::newRow("1 addizione") << 1 << QStringList{"+"};
    QTest::newRow("3 addizione o sottrazione") << 3 << QStringList{"+", "-"};
    QTest::newRow("6 moltiplicazione o divisione") << 6 << QStringList{"x", ":"};
    QTest::newRow("7 tutte") << 7 << QStringList{"+", "-", "x", ":"};
    QTest::newRow("9 niente") << 9 << QStringList{};
}

void TestFrmOperativo::tipiDiOperazione()
{
    QFETCH(int, tipo);
    QFETCH(QStringList, simboli);
    Banco b;
    b.s().scelte.tipoOperazione = std::int16_t(tipo);
    QWidget* f = b.apri(0, 0);
    if (simboli.isEmpty()) {
        const Serie& s = b.serie();
        // Nothing presented: the counters have advanced all the same.
        QCOMPARE(s.numeroOperazione(), 1);
        QVERIFY(s.riga(1).isEmpty());
        return;
    }
    QSet<QString> visti;
    for (int volta = 0; volta < 3; ++volta) {
        const Serie& s = b.serie();
        for (int n = 1; n <= 20; ++n) {
            const QString riga = s.riga(n);
            QString simbolo;
            for (const char* c : {"+", "-", "x", ":"})
                if (riga.contains(QStringLiteral(" %1 ").arg(QLatin1String(c))))
                    simbolo = QLatin1String(c);
            QVERIFY2(simboli.contains(simbolo), qPrintable(riga));
            visti.insert(simbolo);
            QCOMPARE(simbolo == QLatin1String("+"), riga.endsWith(QStringLiteral("r.")));
            QCOMPARE(didascalia(f, "LblSegno"), simbolo);
            rispondi(f, s, giusta(s));
            QCOMPARE(didascalia(f, "LblEsito"), QStringLiteral("Esatto"));
            if (n < 20)
                avanti(f, s);
        }
        prova::premi(f, QStringLiteral("Option4(1)"));
    }
    QCOMPARE(visti, QSet<QString>(simboli.begin(), simboli.end()));
}

QTEST_MAIN(TestFrmOperativo)
#include "tst_frmoperativo.moc"
