// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"

#include "prova.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <memory>

using namespace ope;
using prova::controllo;

namespace {

// The three ways a pupil presses a key: the mouse, the keyboard alone (keys
// sent to the window, focus moved with Tab), a screen reader's Press action.
enum class Via { Mouse, Tastiera, Azione };

struct Banco {
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
    QWidget* inizio = nullptr;
    Via via;

    explicit Banco(Via v) : programma(std::make_unique<Programma>(piattaforma.ambiente())), via(v)
    {
        programma->avvia();
        inizio = programma->finestra(QStringLiteral("frmInizio"));
        prova::apriTendine(inizio);
        inizio->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(inizio));
    }

    const Serie& serie() const { return prova::serieInCorso(*programma); }
    QWidget* esercizio() const { return programma->finestra(QStringLiteral("FrmOperativo")); }

    // The first objective and level, then "Avanti", each by this bench's way.
    QWidget* apriEsercizio()
    {
        for (const char* nome : {"Option1(0)", "Option2(0)", "Option3(0)"})
            premiNellInizio(QString::fromLatin1(nome));
        return esercizio();
    }

    void premiNellInizio(const QString& nome)
    {
        switch (via) {
        case Via::Mouse:
            if (nome.startsWith(QLatin1String("lbl")))
                prova::clicca(inizio, nome.chopped(4));
            else
                prova::premi(inizio, nome);
            break;
        case Via::Tastiera:
            prova::tabFino(inizio, nome);
            QTest::keyClick(inizio->windowHandle(), nome == QLatin1String("Option3(0)") ? Qt::Key_Return : Qt::Key_Space);
            break;
        case Via::Azione:
            prova::azionePremi(controllo(inizio, nome));
            break;
        }
    }

    // Presses a key of the exercise window by this bench's way.
    void premi(const QString& nome)
    {
        QWidget* f = esercizio();
        if (via == Via::Mouse)
            return prova::premi(f, nome);
        if (via == Via::Azione)
            return prova::azionePremi(controllo(f, nome));
        struct Tasto {
            Qt::Key tasto;
            QString testo;
            Qt::KeyboardModifiers modificatori;
        };
        // Digits alternate between the main row and the number pad; the signs
        // as typed on an Italian keyboard.
        static int cifre = 0;
        Tasto t{Qt::Key_Return, QStringLiteral("\r"), {}};
        const int cifra = nome.startsWith(QLatin1String("Option1(")) ? nome.mid(8).chopped(1).toInt() : -1;
        if (cifra >= 0 && cifra <= 9)
            t = {Qt::Key(Qt::Key_0 + cifra), QString::number(cifra), ++cifre % 2 ? Qt::KeypadModifier : Qt::NoModifier};
        else if (nome == QLatin1String("Option1(12)"))
            t = {Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier};
        else if (nome == QLatin1String("Option5(0)"))
            t = {Qt::Key_Equal, QStringLiteral("="), Qt::ShiftModifier};
        else if (nome == QLatin1String("Option5(1)"))
            t = {Qt::Key_Less, QStringLiteral("<"), {}};
        else if (nome == QLatin1String("Option5(2)"))
            t = {Qt::Key_Greater, QStringLiteral(">"), Qt::ShiftModifier};
        else if (nome == QLatin1String("Option3(0)"))
            t = {Qt::Key_N, QStringLiteral("n"), {}};
        else if (nome == QLatin1String("Option3(1)"))
            t = {Qt::Key_S, QStringLiteral("S"), Qt::ShiftModifier};
        QTest::sendKeyEvent(QTest::Click, f->windowHandle(), t.tasto, t.testo, t.modificatori);
    }

    void rispondi(const QString& risposta)
    {
        if (serie().rigaSegni()) {
            premi(QStringLiteral("Option5(%1)").arg(QStringLiteral("=<>").indexOf(risposta)));
            premi(QStringLiteral("Option5(3)"));
            return;
        }
        for (QChar c : risposta)
            premi(QStringLiteral("Option1(%1)").arg(c.digitValue()));
        premi(QStringLiteral("Option1(11)"));
    }

    QString giusta() { return serie().operazione().rispostaEsatta.trimmed(); }
    QString sbagliata()
    {
        if (serie().rigaSegni())
            return giusta() == QLatin1String("=") ? QStringLiteral("<") : QStringLiteral("=");
        return QStringLiteral("0") + giusta();
    }
};

QString testo(QWidget* f, const char* nome)
{
    auto* l = controllo<QLabel>(f, QString::fromLatin1(nome));
    return l ? l->text() : QStringLiteral("<none>");
}

// A run of 20 on objective 6 (every form, both keypads): right at once, wrong
// then help, forced help after three refusals, wrong then right; its log.
QStringList serie(Via via)
{
    Banco b(via);
    b.premiNellInizio(QStringLiteral("lblCambiaOb(0).tab"));
    b.premiNellInizio(QStringLiteral("Option1(5)"));
    b.premiNellInizio(QStringLiteral("Option2(0)"));
    b.premiNellInizio(QStringLiteral("Option3(0)"));
    if (!b.esercizio())
        return {QStringLiteral("no exercise window")};
    b.esercizio()->activateWindow();
    if (!QTest::qWaitForWindowActive(b.esercizio()))
        return {QStringLiteral("exercise window not active")};
    for (int n = 1; n <= 20; ++n) {
        b.piattaforma.ora += n % 5 + 1;
        switch (n % 4) {
        case 0:
            b.rispondi(b.giusta());
            break;
        case 1:
            b.rispondi(b.sbagliata());
            b.premi(QStringLiteral("Option3(1)"));
            break;
        case 2:
            for (int no = 0; no < 3; ++no) {
                b.rispondi(b.sbagliata());
                b.premi(QStringLiteral("Option3(0)"));
            }
            b.premi(QStringLiteral("optOK"));
            break;
        case 3:
            b.rispondi(b.sbagliata());
            b.premi(QStringLiteral("Option3(0)"));
            b.rispondi(b.giusta());
            break;
        }
        if (n < 20)
            b.premi(b.serie().rigaSegni() ? QStringLiteral("Option5(4)") : QStringLiteral("Option1(12)"));
    }
    QStringList registro;
    for (int i = 1; i <= 21; ++i)
        registro << b.serie().riga(i);
    registro << testo(b.esercizio(), "lblRisEsatte") << testo(b.esercizio(), "lblRisErrate");
    return registro;
}

} // namespace

class TestTastiera : public QObject {
    Q_OBJECT
private slots:
    void stessoRegistroDaOgniVia();
    void laTastieraAgisceSoloSulTastoDavanti();
    void unToccoAgisceUnaVolta();
    void ilDoppioClicNonRispondePerLAlunno();
    void ilFuocoVaAvanti_data();
    void ilFuocoVaAvanti();
    void tabNonEntraNeiTastiNascosti();
};

void TestTastiera::ilFuocoVaAvanti_data()
{
    // What the pupil does by keys alone after typing the right answer, or a
    // wrong one three times; then the key that has the focus.
    QTest::addColumn<bool>("giusta");
    QTest::addColumn<QString>("tastoConFuoco");   // reached by Tab
    QTest::addColumn<int>("tasto");
    QTest::addColumn<QString>("fuocoDopo");
    QTest::newRow("Space on Avanti: a key of the next operation") << true << "Option1(12)" << int(Qt::Key_Space)
                                                                  << "Option1(0)";
    QTest::newRow("Enter on a digit key checks, then Avanti") << true << "Option1(0)" << int(Qt::Key_Return)
                                                              << "Option1(12)";
    QTest::newRow("Space on OK: Avanti") << false << "optOK" << int(Qt::Key_Space) << "Option1(12)";
}

void TestTastiera::ilFuocoVaAvanti()
{
    QFETCH(bool, giusta);
    QFETCH(QString, tastoConFuoco);
    QFETCH(int, tasto);
    Banco b(Via::Tastiera);
    QWidget* f = b.apriEsercizio();
    QVERIFY(f);
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    const QString risposta = b.giusta();
    if (giusta) {
        for (QChar c : risposta)
            b.premi(QStringLiteral("Option1(%1)").arg(c.digitValue()));
    } else {
        for (int no = 0; no < 3; ++no) {
            b.rispondi(b.sbagliata());
            b.premi(QStringLiteral("Option3(0)"));
        }
    }
    if (tastoConFuoco == QLatin1String("Option1(12)"))
        b.premi(QStringLiteral("Option1(11)"));
    if (QApplication::focusWidget()->objectName() != tastoConFuoco)
        prova::tabFino(f, tastoConFuoco);
    const int prima = b.serie().numeroOperazione();
    QTest::keyClick(f->windowHandle(), Qt::Key(tasto));
    QTEST(QApplication::focusWidget()->objectName(), "fuocoDopo");
    QVERIFY(QApplication::focusWidget()->isEnabled());
    if (tastoConFuoco == QLatin1String("Option1(0)")) {
        // The digit was not keyed again: the answer was checked as it stood.
        QCOMPARE(testo(f, "LblEsito"), QStringLiteral("Esatto"));
        QCOMPARE(b.serie().risposta(), risposta);
    }
    if (tastoConFuoco == QLatin1String("Option1(12)"))
        QCOMPARE(b.serie().numeroOperazione(), prima + 1);
}

void TestTastiera::tabNonEntraNeiTastiNascosti()
{
    // Objective 6 mixes both keypads: on a sign operation Tab stays on the
    // sign keys in front, never the digit keys behind them.
    Banco b(Via::Tastiera);
    b.premiNellInizio(QStringLiteral("lblCambiaOb(0).tab"));
    b.premiNellInizio(QStringLiteral("Option1(5)"));
    b.premiNellInizio(QStringLiteral("Option2(0)"));
    b.premiNellInizio(QStringLiteral("Option3(0)"));
    QWidget* f = b.esercizio();
    QVERIFY(f);
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    for (int n = 0; n < 19 && !b.serie().rigaSegni(); ++n) {
        b.rispondi(b.giusta());
        b.premi(QStringLiteral("Option1(12)"));
    }
    QVERIFY(b.serie().rigaSegni());
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(f->windowHandle(), Qt::Key_Tab);
        const QString nome = QApplication::focusWidget()->objectName();
        QVERIFY2(!nome.startsWith(QLatin1String("Option1(")), qPrintable(nome));
    }
}

void TestTastiera::stessoRegistroDaOgniVia()
{
    const QStringList mouse = serie(Via::Mouse);
    QCOMPARE(mouse.size(), 23);
    QVERIFY2(mouse[19].contains(QStringLiteral("(s.")), qPrintable(mouse[19]));
    QVERIFY(mouse[20].isEmpty());
    QCOMPARE(mouse[21], QStringLiteral("10"));
    QCOMPARE(serie(Via::Tastiera), mouse);
    QCOMPARE(serie(Via::Azione), mouse);
}

void TestTastiera::laTastieraAgisceSoloSulTastoDavanti()
{
    Banco b(Via::Tastiera);
    QWidget* f = b.apriEsercizio();
    QVERIFY(f);
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    QWindow* w = f->windowHandle();

    // Nothing keyed: Enter, Backspace and Esc find their keys disabled.
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_S, Qt::Key_N})
        QTest::keyClick(w, k);
    QCOMPARE(testo(f, "LblEsito"), QString());
    QVERIFY(f->isVisible());
    // The signs' keypad lies behind the digits'.
    QTest::keyClick(w, '<');
    QCOMPARE(testo(f, "lblSegno2"), QStringLiteral("?"));
    QTest::keyClick(w, '5');
    QTest::keyClick(w, Qt::Key_Backspace);
    QCOMPARE(testo(f, "lblRisultato1"), QStringLiteral("?"));

    // While the help offer is in front, digits and Enter do nothing.
    const QString sbagliata = b.sbagliata();
    b.rispondi(sbagliata);
    QCOMPARE(testo(f, "LblEsito"), QStringLiteral("Errato"));
    QTest::keyClick(w, '3');
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(testo(f, "lblRisultato1"), sbagliata);
    QCOMPARE(b.serie().errate(), 1);
    QTest::keyClick(w, 'n');
    QCOMPARE(b.serie().rifiuti(), 1);

    // A held key repeats on the keyboard but types once.
    QTest::sendKeyEvent(QTest::Press, w, Qt::Key_7, QStringLiteral("7"), {});
    QKeyEvent ripetuto(QEvent::KeyPress, Qt::Key_7, {}, QStringLiteral("7"), true);
    QApplication::sendEvent(f, &ripetuto);
    QTest::sendKeyEvent(QTest::Release, w, Qt::Key_7, QStringLiteral("7"), {});
    QCOMPARE(testo(f, "lblRisultato1"), QStringLiteral("7"));
    QTest::keyClick(w, Qt::Key_Backspace);

    // Tab brings the ring to a key, and Space or Enter press it; a typed
    // shortcut hides the ring again, so Enter is "Verifica" once more.
    QTest::keyClick(w, Qt::Key_Tab);
    QWidget* fuoco = QApplication::focusWidget();
    QCOMPARE(fuoco->objectName(), QStringLiteral("Option1(0)"));
    QTest::keyClick(w, Qt::Key_Tab);
    QTest::keyClick(w, Qt::Key_Space);
    QCOMPARE(testo(f, "lblRisultato1"), QStringLiteral("1"));
    QTest::keyClick(w, Qt::Key_Backspace);
    // A key pressed from the ring that sends its panel away passes the focus
    // on to the first key the pupil can press now.
    for (QChar c : b.sbagliata())
        QTest::keyClick(w, c.toLatin1());
    prova::tabFino(f, QStringLiteral("Option1(11)"));
    QTest::keyClick(w, Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option3(0)"));
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1(0)"));
    QVERIFY(f->testAttribute(Qt::WA_KeyboardFocusChange));
    for (QChar c : b.giusta())
        QTest::keyClick(w, c.toLatin1());
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(testo(f, "LblEsito"), QStringLiteral("Esatto"));

    // Esc is "Esco" once the operation is closed.
    QPointer<QWidget> finestra(f);
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!finestra || !finestra->isVisible());
    QVERIFY(b.inizio->isVisible());
}

void TestTastiera::unToccoAgisceUnaVolta()
{
    Banco b(Via::Mouse);
    QWidget* f = b.apriEsercizio();
    QVERIFY(f && QTest::qWaitForWindowExposed(f));
    auto* cinque = controllo<QAbstractButton>(f, QStringLiteral("Option1(5)"));
    const QPoint punto = cinque->mapTo(f, cinque->rect().center());
    const std::unique_ptr<QPointingDevice> schermo(QTest::createTouchDevice());   // ours to delete
    QTest::touchEvent(f, schermo.get()).press(0, punto, f);
    QCOMPARE(testo(f, "lblRisultato1"), QStringLiteral("5"));
    QTest::touchEvent(f, schermo.get()).release(0, punto, f);
    QCOMPARE(testo(f, "lblRisultato1"), QStringLiteral("5"));
    QVERIFY(!cinque->isDown());
}

void TestTastiera::ilDoppioClicNonRispondePerLAlunno()
{
    Banco b(Via::Mouse);
    QWidget* f = b.apriEsercizio();
    QVERIFY(f && QTest::qWaitForWindowExposed(f));

    // Each event of a real double click goes to whatever lies under the
    // pointer at that moment: the first press may bring another panel there.
    static quint64 ora = 1'000'000;
    auto doppioClic = [f](const QString& nome) {
        QWidget* bersaglio = controllo(f, nome);
        const QPoint punto = bersaglio->mapTo(f, bersaglio->rect().center());
        const std::pair<QEvent::Type, Qt::MouseButtons> eventi[] = {{QEvent::MouseButtonPress, Qt::LeftButton},
                                                                   {QEvent::MouseButtonRelease, Qt::NoButton},
                                                                   {QEvent::MouseButtonDblClick, Qt::LeftButton},
                                                                   {QEvent::MouseButtonRelease, Qt::NoButton}};
        for (const auto& [tipo, tasti] : eventi) {
            QWidget* sotto = f->childAt(punto);
            QMouseEvent e(tipo, sotto->mapFrom(f, QPointF(punto)), f->mapToGlobal(QPointF(punto)), Qt::LeftButton,
                          tasti, Qt::NoModifier);
            e.setTimestamp(ora += 40);
            QApplication::sendEvent(sotto, &e);
        }
        ora += 1000;
    };

    // "No" brings the digits back, under the pointer: the second press types nothing.
    for (int volta = 1; volta <= 2; ++volta) {
        b.rispondi(b.sbagliata());
        doppioClic(QStringLiteral("Option3(0)"));
        QCOMPARE(b.serie().rifiuti(), volta);
        QCOMPARE(testo(f, "lblRisultato1"), QStringLiteral("?"));
    }
    // On the same key the second press is a press.
    doppioClic(QStringLiteral("Option1(4)"));
    QCOMPARE(testo(f, "lblRisultato1"), QStringLiteral("44"));
}

QTEST_MAIN(TestTastiera)
#include "tst_tastiera.moc"
