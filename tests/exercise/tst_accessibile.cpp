// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/lettura.h"
#include "programma.h"
#include "ui/colori.h"
#include "ui/controlli.h"

#include "prova.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace ope;

namespace {

QString nomeAccessibile(QWidget* w)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QString();
}

QAccessible::State stato(QWidget* finestra, const QString& nome)
{
    QWidget* w = prova::controllo(finestra, nome);
    QAccessibleInterface* i = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return i ? i->state() : QAccessible::State();
}

bool mostrato(QWidget* finestra, const QString& nome)
{
    const QAccessible::State s = stato(finestra, nome);
    return !s.invisible && !s.offscreen;
}

// Tabs through a window from its focus; the names the focus visits, up to its first repeat.
QStringList giroDiTab(QWidget* finestra)
{
    QStringList visti;
    for (int i = 0; i < 40; ++i) {
        const QString nome = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        if (visti.contains(nome))
            break;
        visti << nome;
        QTest::keyClick(finestra->windowHandle(), Qt::Key_Tab);
    }
    return visti;
}

// The focus ring's colour shows along the left edge of the control.
bool anelloDisegnato(QWidget* w)
{
    const QImage immagine = w->grab().toImage();
    return immagine.pixelColor(3, immagine.height() / 2) == colori::bluAnello;
}

} // namespace

class TestAccessibile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tastiEPannelliHannoUnNome();
    void ilVerdettoVieneAnnunciato();
    void lAlberoDiceQuelloCheSiVede();
    void tabulazioneEAnelloNelleFinestreDiScelta();
    void anelloSottoIlTesto();
    void annunci_data();
    void annunci();

private:
    QWidget* apriInizio();
    QWidget* apriEsercizio(int obiettivo);

    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
};

void TestAccessibile::initTestCase()
{
    // The program's style draws the command buttons' focus ring.
    preparaApplicazione(*qApp);
}

// The start window in front, its curtains open.
QWidget* TestAccessibile::apriInizio()
{
    programma = std::make_unique<Programma>(piattaforma.ambiente());
    programma->avvia();
    QWidget* inizio = programma->finestra(QStringLiteral("frmInizio"));
    prova::apriTendine(inizio);
    inizio->activateWindow();
    return QTest::qWaitForWindowActive(inizio) ? inizio : nullptr;
}

QWidget* TestAccessibile::apriEsercizio(int obiettivo)
{
    programma = std::make_unique<Programma>(piattaforma.ambiente());
    programma->avvia();
    QWidget* inizio = programma->finestra(QStringLiteral("frmInizio"));
    if (obiettivo >= 3)
        prova::clicca(inizio, QStringLiteral("lblCambiaOb(0)"));
    prova::premi(inizio, nomeElemento(QStringLiteral("Option1"), obiettivo));
    prova::premi(inizio, QStringLiteral("Option2(0)"));
    prova::premi(inizio, QStringLiteral("Option3(0)"));
    return programma->finestra(QStringLiteral("FrmOperativo"));
}

void TestAccessibile::tastiEPannelliHannoUnNome()
{
    QWidget* esercizio = apriEsercizio(0);
    QVERIFY(esercizio);
    for (int d = 0; d <= 9; ++d)
        QCOMPARE(nomeAccessibile(prova::controllo(esercizio, nomeElemento(QStringLiteral("Option1"), d))), QString::number(d));
    const char* comandi[] = {"Cancella", "Verifica", "Avanti", "Esco", "Mostra"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(nomeAccessibile(prova::controllo(esercizio, nomeElemento(QStringLiteral("Option1"), 10 + i))),
                 QString::fromLatin1(comandi[i]));
    const char* segni[] = {"=", "<", ">", "Verifica", "Avanti", "Esco"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(nomeAccessibile(prova::controllo(esercizio, nomeElemento(QStringLiteral("Option5"), i))),
                 QString::fromLatin1(segni[i]));
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("Option3(0)"))), QStringLiteral("No"));
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("Option3(1)"))), QStringLiteral(u"S\u00ec"));
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("optOK"))), QStringLiteral("OK"));
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("Option4(0)"))), QStringLiteral("VISUALIZZA"));
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("Option4(1)"))), QStringLiteral("Ricomincia"));
    for (const char* pannello : {"fraNumero", "fraSegno", "fraTastierino", "fraTastierinoRidotto", "fraAiuto",
                                 "fraIntervento", "fraAvviso", "fraElaborazione"})
        QVERIFY2(!nomeAccessibile(prova::controllo(esercizio, QString::fromLatin1(pannello))).isEmpty(), pannello);
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("fraAiuto"))), QStringLiteral("Ti aiuto ?"));
    // The operation itself is read from its labels, its symbols and the unknown as words.
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("lblRisultato1"))), QStringLiteral("quanto"));
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("LblSegno"))), QStringLiteral("meno"));
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("LblNumero1"))),
             QString::number(prova::serieInCorso(*programma).operazione().numero1));
}

void TestAccessibile::ilVerdettoVieneAnnunciato()
{
    // Headless there is no accessibility bridge to receive the alert itself;
    // what a screen reader reads, the verdict label's name, must follow every change.
    QWidget* esercizio = apriEsercizio(0);
    QVERIFY(esercizio);
    auto* verdetto = prova::controllo<QLabel>(esercizio, QStringLiteral("LblEsito"));
    const QString giusta = prova::serieInCorso(*programma).operazione().rispostaEsatta.trimmed();
    const QString sbagliata = giusta == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1");
    prova::premi(esercizio, QStringLiteral("Option1(%1)").arg(sbagliata));
    prova::premi(esercizio, QStringLiteral("Option1(11)"));
    QCOMPARE(nomeAccessibile(verdetto), QStringLiteral("Errato"));
    prova::premi(esercizio, QStringLiteral("Option3(0)"));
    QCOMPARE(nomeAccessibile(verdetto), QString());
    for (QChar c : giusta)
        prova::premi(esercizio, QStringLiteral("Option1(%1)").arg(c.digitValue()));
    prova::premi(esercizio, QStringLiteral("Option1(11)"));
    QCOMPARE(nomeAccessibile(verdetto), QStringLiteral("Esatto"));
    QVERIFY(verdetto->accessibleName().isEmpty());   // a fixed name would hide the verdict
}

void TestAccessibile::lAlberoDiceQuelloCheSiVede()
{
    programma = std::make_unique<Programma>(piattaforma.ambiente());
    programma->avvia();
    QWidget* inizio = programma->finestra(QStringLiteral("frmInizio"));
    prova::apriTendine(inizio);
    // The second group of objectives lies behind the first.
    QVERIFY(mostrato(inizio, QStringLiteral("Option1(0)")));
    QVERIFY(!mostrato(inizio, QStringLiteral("Option1(3)")));
    prova::clicca(inizio, QStringLiteral("lblCambiaOb(0)"));
    QVERIFY(mostrato(inizio, QStringLiteral("Option1(3)")) && mostrato(inizio, QStringLiteral("Label9(3)")));
    QVERIFY(!mostrato(inizio, QStringLiteral("Option1(0)")) && !mostrato(inizio, QStringLiteral("Label9(0)")));
    prova::clicca(inizio, QStringLiteral("lblCambiaOb(0)"));
    prova::premi(inizio, QStringLiteral("Option1(1)"));
    QVERIFY(stato(inizio, QStringLiteral("Option1(1)")).checked);
    QVERIFY(stato(inizio, QStringLiteral("Option1(1)")).checkable);
    QVERIFY(!stato(inizio, QStringLiteral("Option1(0)")).checked);
    QCOMPARE(QAccessible::queryAccessibleInterface(prova::controllo(inizio, QStringLiteral("Option1(1)")))->role(),
             QAccessible::RadioButton);
    QCOMPARE(nomeAccessibile(prova::controllo(inizio, QStringLiteral("Label9(1)"))),
             nomeAccessibile(prova::controllo(inizio, QStringLiteral("Option1(1)"))));
    prova::premi(inizio, QStringLiteral("Option2(2)"));
    QVERIFY(stato(inizio, QStringLiteral("Option2(2)")).checked);
    prova::premi(inizio, QStringLiteral("Option2(0)"));   // another level: only it is chosen
    QVERIFY(stato(inizio, QStringLiteral("Option2(0)")).checked);
    QVERIFY(!stato(inizio, QStringLiteral("Option2(2)")).checked);

    QWidget* esercizio = apriEsercizio(0);
    const Serie& s = prova::serieInCorso(*programma);
    auto frase = [&] {
        auto numero = [&](const char* nome) {
            return numeroInLettere(prova::controllo<QLabel>(esercizio, QString::fromLatin1(nome))->text().toInt());
        };
        return QStringLiteral("%1 meno %2, uguale quanto?").arg(numero("LblNumero1"), numero("LblNumero2"));
    };
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("fraNumero"))), frase());
    QVERIFY(mostrato(esercizio, QStringLiteral("fraNumero")));
    QVERIFY(!mostrato(esercizio, QStringLiteral("fraSegno")));
    QVERIFY(mostrato(esercizio, QStringLiteral("lblRisultato1")));

    // A wrong answer: the help offer in front, the keypad behind it with all its keys and labels.
    const QString giusta = s.operazione().rispostaEsatta.trimmed();
    prova::premi(esercizio, QStringLiteral("Option1(0)"));
    for (QChar c : giusta)
        prova::premi(esercizio, QStringLiteral("Option1(%1)").arg(c.digitValue()));
    prova::premi(esercizio, QStringLiteral("Option1(11)"));
    for (const char* dietro : {"fraTastierino", "Option1(4)", "Option1(11)", "fraTastierinoRidotto", "fraIntervento",
                               "lblIntervento", "fraAvviso", "Option4(1)"})
        QVERIFY2(!mostrato(esercizio, QString::fromLatin1(dietro)), dietro);
    for (const char* davanti : {"fraAiuto", "LblAiuto", "Option3(0)", "Option3(1)", "fraNumero", "LblEsito"})
        QVERIFY2(mostrato(esercizio, QString::fromLatin1(davanti)), davanti);
    QVERIFY(stato(esercizio, QStringLiteral("fraTastierino")).disabled);

    // The sentence follows each new operation.
    prova::premi(esercizio, QStringLiteral("Option3(1)"));
    prova::premi(esercizio, QStringLiteral("Option1(12)"));
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("fraNumero"))), frase());
}

void TestAccessibile::tabulazioneEAnelloNelleFinestreDiScelta()
{
    QWidget* inizio = apriInizio();
    QVERIFY(inizio);
    // The first focus is on the first objective shown; its ring waits for the
    // keyboard, since no key opened the window.
    QWidget* primo = prova::controllo(inizio, QStringLiteral("Option1(0)"));
    QCOMPARE(QApplication::focusWidget(), primo);
    QVERIFY(!anelloDisegnato(primo));
    QCOMPARE(giroDiTab(inizio), (QStringList{"Option1(0)", "Option1(1)", "Option1(2)", "lblCambiaOb(0).tab", "Option3(1)"}));
    // Enter and Space choose; then the levels join the round, and "Avanti" once a level is chosen.
    prova::tabFino(inizio, QStringLiteral("lblCambiaOb(0).tab"));
    QTest::keyClick(inizio->windowHandle(), Qt::Key_Return);
    prova::tabFino(inizio, QStringLiteral("Option1(5)"));
    QTest::keyClick(inizio->windowHandle(), Qt::Key_Space);
    QCOMPARE(giroDiTab(inizio), (QStringList{"Option1(5)", "Option2(0)", "Option2(1)", "Option2(2)", "Option2(3)",
                                             "lblCambiaOb(0).tab", "Option3(1)", "Option1(3)", "Option1(4)"}));
    prova::tabFino(inizio, QStringLiteral("Option2(1)"));
    QTest::keyClick(inizio->windowHandle(), Qt::Key_Space);
    QCOMPARE(programma->sessione().scelte.livello, std::int16_t(2));
    prova::tabFino(inizio, QStringLiteral("Option3(0)"));
    // A mouse press hides the ring; the control keeps its focus.
    QWidget* avanti = QApplication::focusWidget();
    QVERIFY(anelloDisegnato(avanti));
    QTest::mouseClick(inizio->windowHandle(), Qt::LeftButton, {}, QPoint(inizio->width() / 2, inizio->height() - 5));
    QCOMPARE(QApplication::focusWidget(), avanti);
    QVERIFY(!anelloDisegnato(avanti));

    // Opened after a mouse press: the ring waits for the first Tab.
    programma->apriStampaSchede();
    QWidget* schede = programma->finestra(QStringLiteral("FrmStampaSchede"));
    // A transient counts as active as soon as the window beneath it is: wait for the focus itself.
    QTRY_COMPARE(QApplication::activeWindow(), schede);
    QVERIFY(!anelloDisegnato(QApplication::focusWidget()));
    QCOMPARE(giroDiTab(schede), (QStringList{"Option1(0)", "Option1(1)", "Option1(2)", "lblCambiaObSchede.tab",
                                             "CmdRicomincia", "Command1"}));
    QTest::keyClick(schede->windowHandle(), Qt::Key_Space);
    prova::tabFino(schede, QStringLiteral("Option2(0)"));
    QTest::keyClick(schede->windowHandle(), Qt::Key_Return);
    // Choosing the level offers the pupils' sheet, and Enter shows it.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdSchedaAlunni"));
    QVERIFY(anelloDisegnato(QApplication::focusWidget()));
    QTest::keyClick(schede->windowHandle(), Qt::Key_Return);
    QVERIFY(!prova::controllo<QLabel>(schede, QStringLiteral("LblOp(1)"))->text().isEmpty());
}

void TestAccessibile::anelloSottoIlTesto()
{
    // "Cambia gli obiettivi" is as low as its letters: every pixel of its text
    // stays text when the ring is drawn around it.
    QWidget* inizio = apriInizio();
    QVERIFY(inizio);
    QWidget* etichetta = prova::controllo(inizio, QStringLiteral("lblCambiaOb(0)"));
    const QImage senza = etichetta->grab().toImage();
    prova::tabFino(inizio, QStringLiteral("lblCambiaOb(0).tab"));
    const QImage con = etichetta->grab().toImage();
    QVERIFY(con != senza);   // the ring is there
    int lettere = 0;
    for (int y = 0; y < senza.height(); ++y)
        for (int x = 0; x < senza.width(); ++x)
            if (senza.pixelColor(x, y) == colori::bluNotte) {
                ++lettere;
                QCOMPARE(con.pixelColor(x, y), colori::bluNotte);
            }
    QVERIFY(lettere > 0);
}

void TestAccessibile::annunci_data()
{
    // What a screen reader hears of keys the sighted pupil sees act on the
    // panels (the run's own announcements are heard through Orca, in exercise_orca).
    QTest::addColumn<QString>("passi");   // digit keys, "Cancella", "Verifica", "giusta" (the right answer), R
    QTest::addColumn<QString>("detto");
    QTest::newRow("what Backspace leaves") << "1 2 Cancella" << "Risposta 1.";
    QTest::newRow("Backspace on the last digit") << "1 Cancella" << "Risposta vuota.";
    QTest::newRow("R: the counts and times, with their units") << "giusta Verifica R"
        << "Operazioni eseguite 1. Risposte esatte 1. Tempo parziale 4 secondi. Tempo totale 4 secondi.";
}

void TestAccessibile::annunci()
{
    QFETCH(QString, passi);
    QWidget* esercizio = apriEsercizio(0);
    QVERIFY(QTest::qWaitForWindowActive(esercizio));
    auto* annuncio = esercizio->findChild<QLabel*>(QStringLiteral("Annuncio"));
    QVERIFY(annuncio);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(annuncio);
    QCOMPARE(i->role(), QAccessible::Notification);
    QTRY_VERIFY(i->text(QAccessible::Name).endsWith(QStringLiteral(", uguale quanto?")));
    piattaforma.ora += 4;
    for (const QString& passo : passi.split(QLatin1Char(' '))) {
        QCoreApplication::processEvents();   // a pupil's keys come one by one
        if (passo == QLatin1String("R"))
            QTest::keyClick(esercizio->windowHandle(), Qt::Key_R);
        else if (passo == QLatin1String("Cancella") || passo == QLatin1String("Verifica"))
            prova::premi(esercizio, passo == QLatin1String("Cancella") ? QStringLiteral("Option1(10)")
                                                                        : QStringLiteral("Option1(11)"));
        else
            for (QChar c : passo == QLatin1String("giusta") ? prova::serieInCorso(*programma).operazione().rispostaEsatta.trimmed() : passo)
                prova::premi(esercizio, QStringLiteral("Option1(%1)").arg(c.digitValue()));
    }
    QFETCH(QString, detto);
    QTRY_COMPARE(i->text(QAccessible::Name), detto);
    QVERIFY(!i->state().invisible);
}

QTEST_MAIN(TestAccessibile)
#include "tst_accessibile.moc"
