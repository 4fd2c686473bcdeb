// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "reports/attestato.h"
#include "start/frminizio.h"

#include "prova.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace ope;

namespace {

QByteArray contenuto(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scriviFile(const QByteArray& testo)
{
    QFile f(QStringLiteral("Sottrazioni.dat"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(testo);
}

QString testo(QWidget* finestra, const QString& nome)
{
    auto* l = prova::controllo<QLabel>(finestra, nome);
    return l ? l->text() : QStringLiteral("<none>");
}

// The operation symbol of a log line or a sheet line.
QString simbolo(const QString& riga)
{
    for (const char* c : {" + ", " - ", " x ", " : "}) {
        if (riga.contains(QLatin1String(c)))
            return QString::fromLatin1(c).trimmed();
    }
    return {};
}

} // namespace

class TestOperazione : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void menuScriveIlFile_data();
    void menuScriveIlFile();
    void fileAManoVince_data();
    void fileAManoVince();
    void serieDiOgniTipo_data();
    void serieDiOgniTipo();
    void livelloSpiegato_data();
    void livelloSpiegato();
    void tabellinaDelSette();

private:
    FrmInizio* apri();
    QAction* voce(const QString& nome) { return inizio->findChild<QAction*>(nome); }
    QMenu* menuOperazione() { return voce(QStringLiteral("mnuOperazione"))->menu(); }
    int spuntata();
    void scegliColMouse(int tipo);
    void scegliColleTastiera(QChar lettera);
    QWidget* avanti(int obiettivo, int livello);
    void eseguiSerie(QWidget* operativo, QSet<QString>& simboli);

    std::unique_ptr<prova::CartellaDiLavoro> cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
    FrmInizio* inizio = nullptr;
};

void TestOperazione::init()
{
    cartella = std::make_unique<prova::CartellaDiLavoro>();
    piattaforma = {};
}

void TestOperazione::cleanup()
{
    programma.reset();
    inizio = nullptr;
    cartella.reset();
}

FrmInizio* TestOperazione::apri()
{
    programma.reset();
    programma = std::make_unique<Programma>(piattaforma.ambiente());
    programma->avvia();
    inizio = static_cast<FrmInizio*>(programma->finestra(QStringLiteral("frmInizio")));
    if (inizio && !QTest::qWaitForWindowActive(inizio))
        return nullptr;
    return inizio;
}

// The kind whose entry is checked; 0 when none is, -1 when more than one.
int TestOperazione::spuntata()
{
    int tipo = 0;
    for (int k = 1; k <= 7; ++k) {
        if (voce(QStringLiteral("mnuTipoOperazione(%1)").arg(k))->isChecked())
            tipo = tipo == 0 ? k : -1;
    }
    return tipo;
}

// As a mouse user: the menu on the bar, then the entry in it.
void TestOperazione::scegliColMouse(int tipo)
{
    QMenuBar* barra = inizio->menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(voce(QStringLiteral("mnuOperazione"))).center());
    QMenu* menu = menuOperazione();
    QTRY_VERIFY(menu->isVisible());
    QAction* a = voce(QStringLiteral("mnuTipoOperazione(%1)").arg(tipo));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    QTRY_VERIFY(!menu->isVisible());
}

// As a keyboard user: Alt and the menu's mnemonic, then the entry's.
void TestOperazione::scegliColleTastiera(QChar lettera)
{
    QTest::keyClick(inizio, Qt::Key_O, Qt::AltModifier);
    QMenu* menu = menuOperazione();
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, lettera.toLatin1());
    QTRY_VERIFY(!menu->isVisible());
}

QWidget* TestOperazione::avanti(int obiettivo, int livello)
{
    prova::premi(inizio, QStringLiteral("Option1(%1)").arg(obiettivo));
    prova::premi(inizio, QStringLiteral("Option2(%1)").arg(livello));
    prova::premi(inizio, QStringLiteral("Option3(0)"));
    return programma->finestra(QStringLiteral("FrmOperativo"));
}

// Twenty right answers from the keyboard, collecting the symbols drawn.
void TestOperazione::eseguiSerie(QWidget* operativo, QSet<QString>& simboli)
{
    const Sessione& s = programma->sessione();
    for (int n = 1; n <= 20; ++n) {
        QCOMPARE(s.serie.contaOperazioni, std::int16_t(n));
        simboli.insert(simbolo(s.serie.operazioniEseguite[n]));
        QTest::keyClicks(operativo, s.operazione.rispostaEsatta.trimmed());
        QTest::keyClick(operativo, Qt::Key_Return);
        QCOMPARE(testo(operativo, QStringLiteral("LblEsito")), QStringLiteral("Esatto"));
        if (n < 20)
            QTest::keyClick(operativo, Qt::Key_Return);
    }
}

void TestOperazione::menuScriveIlFile_data()
{
    QTest::addColumn<QByteArray>("prima");   // the file at start; empty for none
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QChar>("tasto");        // the entry's mnemonic; none: chosen with the mouse
    QTest::addColumn<QByteArray>("dopo");

    QTest::newRow("1, mouse") << QByteArray() << 1 << "Addizioni" << QChar() << QByteArray(" 1  1  1 \r\n");
    QTest::newRow("2, Alt+O S") << QByteArray(" 4  1  1 \r\n") << 2 << "Sottrazioni" << QChar(u's')
                                << QByteArray(" 2  1  1 \r\n");
    QTest::newRow("3, Alt+O E") << QByteArray() << 3 << "Addizioni e sottrazioni" << QChar(u'e')
                                << QByteArray(" 3  1  1 \r\n");
    QTest::newRow("4, mouse, groups kept") << QByteArray("1,2,1") << 4 << "Moltiplicazioni" << QChar()
                                           << QByteArray(" 4  2  1 \r\n");
    QTest::newRow("5, Alt+O D") << QByteArray() << 5 << "Divisioni" << QChar(u'd') << QByteArray(" 5  1  1 \r\n");
    QTest::newRow("6, Alt+O I") << QByteArray() << 6 << "Moltiplicazioni e divisioni" << QChar(u'i')
                                << QByteArray(" 6  1  1 \r\n");
    QTest::newRow("7, mouse") << QByteArray() << 7 << "Tutte e quattro" << QChar() << QByteArray(" 7  1  1 \r\n");
}

void TestOperazione::menuScriveIlFile()
{
    QFETCH(QByteArray, prima);
    QFETCH(int, tipo);
    QFETCH(QChar, tasto);
    QFETCH(QByteArray, dopo);
    if (!prima.isEmpty())
        scriviFile(prima);
    QVERIFY(apri());
    QAction* a = voce(QStringLiteral("mnuTipoOperazione(%1)").arg(tipo));
    QVERIFY(a);
    QTEST(a->text().remove(u'&'), "voce");
    QCOMPARE(voce(QStringLiteral("mnuOperazione"))->text(), QStringLiteral("&Operazione"));

    if (tasto.isNull())
        scegliColMouse(tipo);
    else
        scegliColleTastiera(tasto);
    QCOMPARE(spuntata(), tipo);
    QCOMPARE(programma->sessione().scelte.tipoOperazione, std::int16_t(tipo));
    QCOMPARE(contenuto(QStringLiteral("Sottrazioni.dat")), dopo);
}

void TestOperazione::fileAManoVince_data()
{
    QTest::addColumn<QByteArray>("aMano");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("intestazione");

    QTest::newRow("divisions") << QByteArray("5 1 1") << 5 << "   OPERAZIONE:    Divisioni";
    QTest::newRow("tabs and commas") << QByteArray("6,\t2,1\r\n") << 6 << "   OPERAZIONE:    Moltiplicazioni e divisioni";
    QTest::newRow("only the kind") << QByteArray("1") << 1 << "   OPERAZIONE:    Addizioni";
    QTest::newRow("a kind that is none") << QByteArray("9 1 1") << 2 << "   OPERAZIONE:    Sottrazioni";
}

void TestOperazione::fileAManoVince()
{
    // Chosen on screen in one session, edited by hand before the next: the file is what counts.
    QVERIFY(apri());
    scegliColMouse(4);
    programma.reset();
    QFETCH(QByteArray, aMano);
    QFETCH(int, tipo);
    scriviFile(aMano);

    QVERIFY(apri());
    QCOMPARE(spuntata(), tipo);
    QWidget* operativo = avanti(0, 0);
    QVERIFY(operativo);
    QTEST(testo(operativo, QStringLiteral("Label1(1)")), "intestazione");
}

void TestOperazione::serieDiOgniTipo_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QStringList>("simboli");
    QTest::newRow("1") << 1 << QStringList{"+"};
    QTest::newRow("2") << 2 << QStringList{"-"};
    QTest::newRow("3") << 3 << QStringList{"+", "-"};
    QTest::newRow("4") << 4 << QStringList{"x"};
    QTest::newRow("5") << 5 << QStringList{":"};
    QTest::newRow("6") << 6 << QStringList{"x", ":"};
    QTest::newRow("7") << 7 << QStringList{"+", "-", "x", ":"};
}

void TestOperazione::serieDiOgniTipo()
{
    QFETCH(int, tipo);
    QFETCH(QStringList, simboli);
    QVERIFY(apri());
    scegliColMouse(tipo);
    QWidget* operativo = avanti(0, 3);
    QVERIFY(operativo);
    QSet<QString> visti;
    // Two runs, so that every operation of a mixed kind has its chance.
    for (int serie = 0; serie < 2; ++serie) {
        eseguiSerie(operativo, visti);
        prova::premi(operativo, QStringLiteral("Option4(1)"));
    }
    QCOMPARE(visti, QSet<QString>(simboli.begin(), simboli.end()));
}

void TestOperazione::livelloSpiegato_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QList<int>>("tabelline");
    QTest::addColumn<QString>("spiegazione");   // under the level in the start window
    QTest::addColumn<QString>("operazione");    // the exercise window's heading

    QTest::newRow("subtractions as ever") << 2 << 1 << QList<int>{} << "" << "Sottrazioni";
    QTest::newRow("subtractions, tables chosen") << 2 << 1 << QList<int>{7} << "" << "Sottrazioni";
    QTest::newRow("multiplications, level 1")
        << 4 << 0 << QList<int>{} << "x  prodotto da 4 a 30, ogni fattore almeno 2" << "Moltiplicazioni";
    QTest::newRow("divisions, level 2")
        << 5 << 1 << QList<int>{} << ":  prodotto da 30 a 60, ogni fattore almeno 2" << "Divisioni";
    QTest::newRow("all four, level 3")
        << 7 << 2 << QList<int>{} << "x e :  prodotto da 60 a 99, ogni fattore almeno 2" << "Le quattro operazioni";
    QTest::newRow("multiplications and divisions, tables 2 to 5 and 7")
        << 6 << 1 << QList<int>{2, 3, 4, 5, 7} << "x e :  tabelline 2-5, 7"
        << "Moltiplicazioni e divisioni  (tabelline 2-5, 7)";
    QTest::newRow("additions and subtractions, tables chosen")
        << 3 << 0 << QList<int>{8, 9} << "" << "Addizioni e sottrazioni";
}

void TestOperazione::livelloSpiegato()
{
    QFETCH(int, tipo);
    QFETCH(int, livello);
    QFETCH(QList<int>, tabelline);
    QFETCH(QString, spiegazione);
    QFETCH(QString, operazione);
    QVariantList preferenza;
    for (int t : tabelline)
        preferenza.append(t);
    piattaforma.preferenze.insert(QStringLiteral("tabelline"), preferenza);
    QVERIFY(apri());
    prova::premi(inizio, QStringLiteral("Option1(0)"));
    prova::premi(inizio, QStringLiteral("Option2(%1)").arg(livello));
    // Chosen after the level, the operation still says what the level means.
    scegliColMouse(tipo);
    const QString livelloScelto = QStringLiteral("Livello n.%1:         ").arg(livello + 1)
                                  + programma->sessione().scelte.descrizioneLivello;
    QCOMPARE(testo(inizio, QStringLiteral("Label3")),
             spiegazione.isEmpty() ? livelloScelto : livelloScelto + u'\n' + spiegazione);
    QWidget* operativo = avanti(0, livello);
    QVERIFY(operativo);
    QCOMPARE(testo(operativo, QStringLiteral("Label1(1)")), QStringLiteral("   OPERAZIONE:    ") + operazione);
    QCOMPARE(testo(operativo, QStringLiteral("Label1(2)")), QStringLiteral("   ") + livelloScelto);
}

void TestOperazione::tabellinaDelSette()
{
    // A teacher drills the table of seven, run and worksheet, without touching a file.
    QVERIFY(apri());
    prova::apriTendine(inizio);
    scegliColMouse(4);
    voce(QStringLiteral("mnuTabelline"))->trigger();
    QWidget* dialogo = programma->finestra(QStringLiteral("frmTabelline"));
    QVERIFY(dialogo);
    QCOMPARE(dialogo->windowModality(), Qt::ApplicationModal);
    for (int t = 1; t <= 10; ++t)
        QVERIFY(!prova::controllo<QCheckBox>(dialogo, QStringLiteral("chkTabellina(%1)").arg(t))->isChecked());
    QCOMPARE(prova::controllo<QCheckBox>(dialogo, QStringLiteral("chkTabellina(8)"))->text(), QStringLiteral("Tabellina dell'8"));
    prova::controllo<QCheckBox>(dialogo, QStringLiteral("chkTabellina(7)"))->click();
    prova::clicca(dialogo, QStringLiteral("cmdOK"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!programma->finestra(QStringLiteral("frmTabelline")));
    QCOMPARE(piattaforma.preferenze.value(QStringLiteral("tabelline")), QVariant(QVariantList{7}));

    QWidget* operativo = avanti(1, 1);
    QVERIFY(operativo);
    QCOMPARE(testo(operativo, QStringLiteral("Label1(1)")), QStringLiteral("   OPERAZIONE:    Moltiplicazioni  (tabelline 7)"));
    const Sessione& s = programma->sessione();
    QSet<QString> simboli;
    for (int n = 1; n <= 20; ++n) {
        QCOMPARE(s.operazione.numero1, std::int16_t(7));
        simboli.insert(simbolo(s.serie.operazioniEseguite[n]));
        QTest::keyClicks(operativo, s.operazione.rispostaEsatta.trimmed());
        QTest::keyClick(operativo, Qt::Key_Return);
        if (n < 20)
            QTest::keyClick(operativo, Qt::Key_Return);
    }
    QCOMPARE(simboli, QSet<QString>{QStringLiteral("x")});
    // The printout and the certificate say what was drilled.
    programma->apriStampaEsercizio();
    QWidget* stampa = programma->finestra(QStringLiteral("FrmStampaEsercizio"));
    QVERIFY(stampa);
    prova::premi(stampa, QStringLiteral("Option1(2)"));
    QCOMPARE(piattaforma.pagine.size(), std::size_t(1));
    QCOMPARE(piattaforma.pagine.back().testi.back().testo, QStringLiteral("Operazione: Moltiplicazioni  (tabelline 7)"));
    bool nominata = false;
    for (const RigaAttestato& r : righeAttestato(programma->sessione(), QStringLiteral("08/12/26")))
        nominata = nominata || r.testo == QStringLiteral("Moltiplicazioni  (tabelline 7)");
    QVERIFY(nominata);
    stampa->close();
    operativo->close();

    programma->apriStampaSchede();
    QWidget* schede = programma->finestra(QStringLiteral("FrmStampaSchede"));
    QVERIFY(schede);
    QCOMPARE(schede->windowTitle(), QStringLiteral("MOLTIPLICAZIONI"));
    prova::premi(schede, QStringLiteral("Option1(0)"));
    prova::premi(schede, QStringLiteral("Option2(2)"));
    QVERIFY(testo(schede, QStringLiteral("Label1")).contains(QStringLiteral("tabelline 7")));
    prova::clicca(schede, QStringLiteral("CmdSchedaAlunni"));
    for (int i = 1; i <= 60; ++i) {
        const QString riga = testo(schede, QStringLiteral("LblOp(%1)").arg(i));
        QVERIFY2(riga.startsWith(QStringLiteral(" 7 x ")) && riga.endsWith(QStringLiteral(" =  .")), qPrintable(riga));
    }
    schede->close();

    // Remembered for the next start, and never written into the settings file.
    QCOMPARE(contenuto(QStringLiteral("Sottrazioni.dat")), QByteArray(" 4  1  1 \r\n"));
    QVERIFY(apri());
    QCOMPARE(programma->sessione().scelte.tabelline, std::uint16_t(1u << 7));
    programma->apriTabelline();
    dialogo = programma->finestra(QStringLiteral("frmTabelline"));
    QVERIFY(prova::controllo<QCheckBox>(dialogo, QStringLiteral("chkTabellina(7)"))->isChecked());
    // "Annulla" keeps the choice as it was.
    prova::controllo<QCheckBox>(dialogo, QStringLiteral("chkTabellina(7)"))->click();
    prova::clicca(dialogo, QStringLiteral("cmdAnnulla"));
    QCOMPARE(programma->sessione().scelte.tabelline, std::uint16_t(1u << 7));
}

QTEST_MAIN(TestOperazione)
#include "tst_operazione.moc"
