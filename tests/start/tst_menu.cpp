// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "start/frminizio.h"
#include "ui/controlli.h"

#include "prova.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ope;

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void barra_data();
    void barra();
    void nascosteNonSiScelgono();
    void apreLeInformazioni_data();
    void apreLeInformazioni();
    void istruzioniCostruite();
    void schedeSoloATendineAperte();
    void dallaTastiera_data();
    void dallaTastiera();
    void escRiportaIlFuoco();
    void coloriDelFuoco();
    void chiusuraChiudeTutto_data();
    void chiusuraChiudeTutto();

private:
    FrmInizio* apri();
    QAction* voce(const QString& nome) { return inizio->findChild<QAction*>(nome); }
    QMenuBar* barraMenu() { return inizio->menuBar(); }
    void scegli(const QString& nome);
    void apriTendine();

    std::unique_ptr<prova::CartellaDiLavoro> cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
    FrmInizio* inizio = nullptr;
};

void TestMenu::init()
{
    cartella = std::make_unique<prova::CartellaDiLavoro>();
}

void TestMenu::cleanup()
{
    programma.reset();
    inizio = nullptr;
    cartella.reset();
}

FrmInizio* TestMenu::apri()
{
    programma = std::make_unique<Programma>(piattaforma.ambiente());
    programma->avvia();
    inizio = static_cast<FrmInizio*>(programma->finestra(QStringLiteral("frmInizio")));
    if (inizio && !QTest::qWaitForWindowActive(inizio))
        return nullptr;
    return inizio;
}

// A click on the entry where the bar shows it, as a user chooses it.
void TestMenu::scegli(const QString& nome)
{
    QAction* a = voce(nome);
    QVERIFY2(a, qPrintable(nome));
    const QRect dove = barraMenu()->actionGeometry(a);
    QVERIFY2(!dove.isEmpty(), qPrintable(nome + QStringLiteral(" is not on the bar")));
    QTest::mouseClick(barraMenu(), Qt::LeftButton, {}, dove.center());
}

void TestMenu::apriTendine()
{
    while (inizio->findChild<QTimer*>(QStringLiteral("TimerTendine"))->isActive())
        inizio->TimerTendine_Timer();
}

void TestMenu::barra_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("visibile");
    QTest::addColumn<bool>("usabile");   // a hidden entry is never usable

    QTest::newRow("0 settings") << "mnuImpostazioni" << "Impostazioni" << false << false;
    QTest::newRow("1 worksheets") << "mnuSchede" << "&Stampa schede" << true << false;
    QTest::newRow("2 instructions, unused") << "mnuIstru" << "Istruzioni" << false << false;
    QTest::newRow("3 instructions") << "mnuOperazioni" << "Istruzioni" << false << false;
    QTest::newRow("4 grading scale") << "mnuValutazione" << "&Valutazione" << true << true;
    QTest::newRow("5 examples") << "mnuEsempi" << "&Esemplicazione" << true << true;
    QTest::newRow("6 about") << "mnuInfo" << "&Abaout" << true << true;
    QTest::newRow("7 class test") << "mnuVerifica" << "Scheda per verifica in classe" << false << false;
    QTest::newRow("8 next pupil") << "mnuCambiaAlunno" << "Cambia &alunno" << true << true;
    QTest::newRow("9 class register") << "mnuRegistro" << "&Registro" << true << true;
}

void TestMenu::barra()
{
    QFETCH(QString, nome);
    QVERIFY(apri());
    const QList<QAction*> voci = barraMenu()->actions();
    QCOMPARE(voci.size(), 11);   // the last, "Operazione", has a test of its own
    const int posto = QString::fromLatin1(QTest::currentDataTag()).left(1).toInt();
    QAction* a = voci.at(posto);
    QCOMPARE(a->objectName(), nome);
    QTEST(a->text(), "testo");
    QTEST(a->isVisible(), "visibile");
    QTEST(a->isEnabled(), "usabile");
    QVERIFY(!a->menu());
}

void TestMenu::nascosteNonSiScelgono()
{
    QVERIFY(apri());
    apriTendine();
    for (const char* nome : {"mnuImpostazioni", "mnuIstru", "mnuOperazioni", "mnuVerifica"})
        QVERIFY2(barraMenu()->actionGeometry(voce(QString::fromLatin1(nome))).isEmpty(), nome);
    // Clicking along the whole bar opens only the visible entries' windows.
    QSignalSpy operazioni(voce(QStringLiteral("mnuOperazioni")), &QAction::triggered);
    QSignalSpy impostazioni(voce(QStringLiteral("mnuImpostazioni")), &QAction::triggered);
    for (int x = 1; x < barraMenu()->width(); x += 4) {
        QTest::mouseClick(barraMenu(), Qt::LeftButton, {}, QPoint(x, barraMenu()->height() / 2));
        for (const char* f : {"FrmStampaSchede", "FrmValutazione", "frmEsempi", "frmAutore", "FrmChiSei",
                              "FrmRegistro"}) {
            if (QWidget* w = programma->finestra(QString::fromLatin1(f)))
                w->close();
        }
    }
    QCOMPARE(operazioni.count(), 0);
    QCOMPARE(impostazioni.count(), 0);
    QVERIFY(!programma->finestra(QStringLiteral("frmOperazioni")));
}

void TestMenu::apreLeInformazioni_data()
{
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("titolo");

    QTest::newRow("grading scale") << "mnuValutazione" << "FrmValutazione" << "SCALA  DI  VALUTAZIONE";
    QTest::newRow("examples") << "mnuEsempi" << "frmEsempi" << "Esempi";
    QTest::newRow("about") << "mnuInfo" << "frmAutore" << "AUTORE";
}

void TestMenu::apreLeInformazioni()
{
    QFETCH(QString, voce);
    QFETCH(QString, finestra);
    QVERIFY(apri());
    QVERIFY(!programma->finestra(finestra));
    scegli(voce);
    QWidget* w = programma->finestra(finestra);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowModality(), Qt::ApplicationModal);
    QTEST(w->windowTitle(), "titolo");
    // The start window stays loaded beneath it.
    QVERIFY(inizio->isVisible());

    prova::clicca(w, QStringLiteral("Command1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!programma->finestra(finestra));
    QVERIFY(programma->finestra(QStringLiteral("frmInizio")));
}

void TestMenu::istruzioniCostruite()
{
    // Unreachable from the bar, yet its entry opens it when chosen.
    QVERIFY(apri());
    voce(QStringLiteral("mnuOperazioni"))->trigger();
    QWidget* w = programma->finestra(QStringLiteral("frmOperazioni"));
    QVERIFY(w);
    QCOMPARE(w->windowModality(), Qt::ApplicationModal);
    QCOMPARE(w->windowTitle(), QStringLiteral("OPERAZIONI"));
}

void TestMenu::schedeSoloATendineAperte()
{
    QVERIFY(apri());
    QAction* schede = voce(QStringLiteral("mnuSchede"));
    QSignalSpy scelta(schede, &QAction::triggered);
    inizio->TimerTendine_Timer();
    scegli(QStringLiteral("mnuSchede"));
    QCOMPARE(scelta.count(), 0);

    apriTendine();
    scegli(QStringLiteral("mnuSchede"));
    QCOMPARE(scelta.count(), 1);
    // A modeless window: the start window stays usable.
    QVERIFY(inizio->isEnabled());
}

void TestMenu::dallaTastiera_data()
{
    QTest::addColumn<QString>("tasti");
    QTest::newRow("F10, the arrow to the entry, Enter") << "F10, Right, Return";
}

void TestMenu::dallaTastiera()
{
    QFETCH(QString, tasti);
    QVERIFY(apri());
    apriTendine();
    for (const QKeyCombination tasto : prova::tastiDi(tasti))
        QTest::keyClick(inizio->windowHandle(), tasto.key(), tasto.keyboardModifiers());
    QWidget* w = programma->finestra(QStringLiteral("FrmValutazione"));
    QVERIFY(w && w->isVisible());
}

void TestMenu::escRiportaIlFuoco()
{
    QVERIFY(apri());
    QWidget* primo = QApplication::focusWidget();
    QVERIFY(primo && primo != barraMenu());
    QTest::keyClick(inizio->windowHandle(), Qt::Key_F10);
    QVERIFY(barraMenu()->hasFocus());
    // The worksheets wait for the curtains: the first entry that can be chosen is lit.
    QCOMPARE(barraMenu()->activeAction(), voce(QStringLiteral("mnuValutazione")));
    QTest::keyClick(inizio->windowHandle(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), primo);
}

void TestMenu::coloriDelFuoco()
{
    const QColor conFuoco(255, 192, 128);
    const QColor senzaFuoco(255, 224, 192);
    QVERIFY(apri());
    auto* esci = prova::controllo(inizio, QStringLiteral("Option3(1)"));
    auto* avanti = prova::controllo(inizio, QStringLiteral("Option3(0)"));
    QWidget* altro = prova::controllo(inizio, QStringLiteral("Option1(0)"));

    esci->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(esci->hasFocus());
    QCOMPARE(coloreSfondo(esci), conFuoco);
    altro->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(altro->hasFocus());
    QCOMPARE(coloreSfondo(esci), senzaFuoco);

    prova::premi(inizio, QStringLiteral("Option1(0)"));
    prova::premi(inizio, QStringLiteral("Option2(0)"));
    avanti->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(avanti->hasFocus());
    QCOMPARE(coloreSfondo(avanti), conFuoco);
    QCOMPARE(coloreSfondo(esci), senzaFuoco);
    esci->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(esci->hasFocus());
    QCOMPARE(coloreSfondo(avanti), senzaFuoco);
    QCOMPARE(coloreSfondo(esci), conFuoco);
    // The objective buttons keep their own colour.
    QCOMPARE(coloreSfondo(altro), senzaFuoco);
}

void TestMenu::chiusuraChiudeTutto_data()
{
    QTest::addColumn<bool>("conEsci");
    QTest::newRow("closed by its frame") << false;
    QTest::newRow("Esci") << true;
}

void TestMenu::chiusuraChiudeTutto()
{
    QFETCH(bool, conEsci);
    QVERIFY(apri());
    programma->apriValutazione();
    programma->apriOperazioni();
    programma->apriEsempi();
    programma->apriAutore();
    const QStringList finestre{QStringLiteral("frmInizio"), QStringLiteral("FrmValutazione"),
                               QStringLiteral("frmOperazioni"), QStringLiteral("frmEsempi"),
                               QStringLiteral("frmAutore")};
    for (const QString& f : finestre)
        QVERIFY2(programma->finestra(f), qPrintable(f));

    if (conEsci)
        prova::premi(inizio, QStringLiteral("Option3(1)"));
    else
        inizio->close();
    QVERIFY(programma->terminato());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QString& f : finestre)
        QVERIFY2(!programma->finestra(f), qPrintable(f));
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
