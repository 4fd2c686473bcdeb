// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "ui/controlli.h"

#include "prova.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

using namespace ope;

namespace {

const QColor blu(0, 0, 192);
const QColor rosso(255, 0, 0);
const QColor giallino(255, 255, 192);

QByteArray contenuto(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scriviFile(const QString& file, const QByteArray& testo)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(testo);
}

} // namespace

class TestFrmInizio : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void caricamento();
    void ordineObbligato();
    void riepilogo_data();
    void riepilogo();
    void coloriDellaScelta();
    void cambioGruppo();
    void impostazioniLetteAllAvvio();
    void avantiSalva();
    void attivazioneAzzeraIPannelli();
    void esciChiudeTutto();
    void fileOstili_data();
    void fileOstili();

private:
    QWidget* apri();
    QString testo(const char* nome) { return prova::controllo<QLabel>(inizio, QString::fromLatin1(nome))->text(); }
    bool abilitato(const char* nome) { return prova::controllo(inizio, QString::fromLatin1(nome))->isEnabled(); }

    std::unique_ptr<prova::CartellaDiLavoro> cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
    QWidget* inizio = nullptr;
};

void TestFrmInizio::init()
{
    cartella = std::make_unique<prova::CartellaDiLavoro>();
    piattaforma = {};
}

void TestFrmInizio::cleanup()
{
    programma.reset();
    inizio = nullptr;
    cartella.reset();
}

QWidget* TestFrmInizio::apri()
{
    programma = std::make_unique<Programma>(piattaforma.ambiente());
    programma->avvia();
    inizio = programma->finestra(QStringLiteral("frmInizio"));
    if (inizio && !QTest::qWaitForWindowActive(inizio))
        return nullptr;
    return inizio;
}

void TestFrmInizio::caricamento()
{
    QVERIFY(apri());
    const Sessione& s = programma->sessione();
    QCOMPARE(s.scelte.tipoOperazione, 2);
    QCOMPARE(s.scelte.nomeProgramma, QStringLiteral("Sottrazioni"));
    QCOMPARE(inizio->windowTitle(), QStringLiteral("Sottrazioni"));
    QCOMPARE(testo("lblNomeOperazione"), QStringLiteral("Sottrazioni"));
    QCOMPARE(testo("Label1"), QStringLiteral("Obiettivo: "));
    QCOMPARE(testo("Label3"), QStringLiteral("Livello: "));
    const int sinistra = prova::controllo(inizio, QStringLiteral("Label7"))->width();
    QCOMPARE(prova::controllo(inizio, QStringLiteral("Label1"))->x(), sinistra);
    QCOMPARE(prova::controllo(inizio, QStringLiteral("Label3"))->x(), sinistra);
    QCOMPARE(prova::controllo<QGroupBox>(inizio, QStringLiteral("Frame1"))->title(), QStringLiteral("OBIETTIVI"));
    QVERIFY(!abilitato("Frame2"));
    QVERIFY(!abilitato("Frame3"));
    QVERIFY(abilitato("Frame1"));
    QVERIFY(abilitato("Option3(1)"));
    QVERIFY(!prova::controllo(inizio, QStringLiteral("lblCambiaOb(1)"))->isVisible());
    QVERIFY(!abilitato("lblCambiaOb(1)"));
    // Group 1 lies in front before the first switch.
    QVERIFY(prova::inPrimoPiano(prova::controllo(inizio, QStringLiteral("Option1(0)"))));
    QVERIFY(!prova::inPrimoPiano(prova::controllo(inizio, QStringLiteral("Option1(3)"))));
    QCOMPARE(prova::controllo<QAbstractButton>(inizio, QStringLiteral("Option3(0)"))->text(), QStringLiteral("Avanti"));
}

void TestFrmInizio::ordineObbligato()
{
    QVERIFY(apri());
    // A level or "Avanti" pressed before its turn does nothing.
    prova::premi(inizio, QStringLiteral("Option2(0)"));
    QCOMPARE(programma->sessione().scelte.livello, 0);
    QCOMPARE(testo("Label3"), QStringLiteral("Livello: "));

    prova::premi(inizio, QStringLiteral("Option1(0)"));
    QVERIFY(abilitato("Frame2"));
    QVERIFY(!abilitato("Frame3"));
    QVERIFY(abilitato("lblCambiaOb(1)"));
    QVERIFY(!prova::controllo(inizio, QStringLiteral("lblCambiaOb(1)"))->isVisible());

    prova::premi(inizio, QStringLiteral("Option3(0)"));
    QVERIFY(!QFile::exists(QStringLiteral("Sottrazioni.dat")));

    prova::premi(inizio, QStringLiteral("Option2(1)"));
    QVERIFY(abilitato("Frame3"));
    QCOMPARE(programma->sessione().scelte.maxCifre, 3);
}

void TestFrmInizio::riepilogo_data()
{
    QTest::addColumn<int>("obiettivo");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label3");
    QTest::addColumn<int>("formaMin");
    QTest::addColumn<int>("formaMax");
    QTest::addColumn<int>("numeroMin");
    QTest::addColumn<int>("numeroMax");

    QTest::newRow("objective 1, level 1") << 0 << 0 << "Obiettivo n.1:     CALCOLO DEL RISULTATO"
                                          << "Livello n.1:         NUMERO MASSIMO da  1 a 30" << 1 << 1 << 1 << 30;
    QTest::newRow("objective 3, level 2") << 2 << 1 << "Obiettivo n.3:     CALCOLO CASUALE DEL RISULTATO O DEL TERMINE"
                                          << "Livello n.2:         NUMERO MASSIMO da  30 a 60" << 1 << 3 << 30 << 60;
    QTest::newRow("objective 5, level 4") << 4 << 3 << "Obiettivo n.5:     CALCOLO DEL SEGNO"
                                          << "Livello n.4:         NUMERO MASSIMO da  1 a 99" << 7 << 12 << 1 << 99;
    QTest::newRow("objective 6, level 3") << 5 << 2 << "Obiettivo n.6:     CALCOLO CASUALE DEL NUMERO O DEL SEGNO"
                                          << "Livello n.3:         NUMERO MASSIMO da  60 a 99" << 1 << 12 << 60 << 99;
}

void TestFrmInizio::riepilogo()
{
    QFETCH(int, obiettivo);
    QFETCH(int, livello);
    QFETCH(QString, label1);
    QFETCH(QString, label3);
    QVERIFY(apri());
    if (obiettivo >= 3)
        prova::clicca(inizio, QStringLiteral("lblCambiaOb(0)"));
    prova::premi(inizio, nomeElemento(QStringLiteral("Option1"), obiettivo));
    prova::premi(inizio, nomeElemento(QStringLiteral("Option2"), livello));
    QCOMPARE(testo("Label1"), label1);
    QCOMPARE(testo("Label3"), label3);
    const Sessione& s = programma->sessione();
    QTEST(int(s.scelte.tipoEsercizioMin), "formaMin");
    QTEST(int(s.scelte.tipoEsercizioMax), "formaMax");
    QTEST(int(s.scelte.numeroMin), "numeroMin");
    QTEST(int(s.scelte.numeroMax), "numeroMax");
    QCOMPARE(s.scelte.livello, livello + 1);
    QCOMPARE(s.scelte.descrizioneLivello, label3.mid(21));
    QCOMPARE(s.scelte.titoloObiettivo, label1.mid(19));
}

void TestFrmInizio::coloriDellaScelta()
{
    QVERIFY(apri());
    prova::premi(inizio, QStringLiteral("Option1(1)"));
    prova::premi(inizio, QStringLiteral("Option1(2)"), Qt::RightButton);   // any mouse button chooses
    for (int i = 0; i < 6; ++i) {
        QWidget* o = prova::controllo(inizio, nomeElemento(QStringLiteral("Option1"), i));
        QWidget* m = prova::controllo(inizio, nomeElemento(QStringLiteral("Label9"), i));
        QCOMPARE(coloreTesto(o), i == 2 ? rosso : blu);
        QCOMPARE(coloreSfondo(m), i == 2 ? rosso : giallino);
        QVERIFY(!static_cast<QAbstractButton*>(o)->isDown());
    }
    QVERIFY(prova::inPrimoPiano(prova::controllo(inizio, QStringLiteral("Label9(2)"))));
    QCOMPARE(programma->sessione().scelte.titoloObiettivo, QStringLiteral("CALCOLO CASUALE DEL RISULTATO O DEL TERMINE"));

    prova::premi(inizio, QStringLiteral("Option2(3)"));
    prova::premi(inizio, QStringLiteral("Option2(0)"));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(coloreTesto(prova::controllo(inizio, nomeElemento(QStringLiteral("Option2"), i))), i == 0 ? rosso : blu);
        QCOMPARE(coloreSfondo(prova::controllo(inizio, nomeElemento(QStringLiteral("Label10"), i))), i == 0 ? rosso : giallino);
    }
}

void TestFrmInizio::cambioGruppo()
{
    QVERIFY(apri());
    prova::premi(inizio, QStringLiteral("Option1(0)"));
    prova::premi(inizio, QStringLiteral("Option2(0)"));

    prova::clicca(inizio, QStringLiteral("lblCambiaOb(0)"));
    QCOMPARE(testo("lblNomeOperazione"), QStringLiteral("Sottrazioni.2"));
    QCOMPARE(prova::controllo<QGroupBox>(inizio, QStringLiteral("Frame1"))->title(), QStringLiteral("OBIETTIVI 2"));
    QCOMPARE(testo("Label1"), QStringLiteral("Obiettivo"));
    QCOMPARE(testo("Label3"), QStringLiteral("Livello"));
    QVERIFY(!abilitato("Frame2"));
    QVERIFY(!abilitato("Frame3"));
    QCOMPARE(coloreSfondo(prova::controllo(inizio, QStringLiteral("Label9(0)"))), giallino);
    QCOMPARE(coloreSfondo(prova::controllo(inizio, QStringLiteral("Label10(0)"))), giallino);
    for (int i = 3; i < 6; ++i)
        QVERIFY(prova::inPrimoPiano(prova::controllo(inizio, nomeElemento(QStringLiteral("Option1"), i))));
    QCOMPARE(contenuto(QStringLiteral("Sottrazioni.dat")), QByteArray(" 2  2  1 \r\n"));
    // The choices of before stay in the session until the next ones.
    QCOMPARE(programma->sessione().scelte.titoloObiettivo, QStringLiteral("CALCOLO DEL RISULTATO"));

    prova::clicca(inizio, QStringLiteral("lblCambiaOb(0)"));
    QCOMPARE(testo("lblNomeOperazione"), QStringLiteral("Sottrazioni.1"));
    QCOMPARE(prova::controllo<QGroupBox>(inizio, QStringLiteral("Frame1"))->title(), QStringLiteral("OBIETTIVI 1"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(prova::inPrimoPiano(prova::controllo(inizio, nomeElemento(QStringLiteral("Option1"), i))));
    QCOMPARE(contenuto(QStringLiteral("Sottrazioni.dat")), QByteArray(" 2  1  1 \r\n"));
}

void TestFrmInizio::impostazioniLetteAllAvvio()
{
    scriviFile(QStringLiteral("Sottrazioni.dat"), "1, 2, 1");
    QVERIFY(apri());
    QCOMPARE(programma->sessione().scelte.tipoOperazione, 1);
    // The stored group is not applied at load: it decides where the first switch goes.
    QCOMPARE(prova::controllo<QGroupBox>(inizio, QStringLiteral("Frame1"))->title(), QStringLiteral("OBIETTIVI"));
    prova::clicca(inizio, QStringLiteral("lblCambiaOb(0)"));
    QCOMPARE(testo("lblNomeOperazione"), QStringLiteral("Sottrazioni.1"));
    QCOMPARE(contenuto(QStringLiteral("Sottrazioni.dat")), QByteArray(" 1  1  1 \r\n"));
    programma.reset();

    // Only two numbers: the groups fall back, the kind keeps the first number.
    scriviFile(QStringLiteral("Sottrazioni.dat"), "4 2");
    QVERIFY(apri());
    QCOMPARE(programma->sessione().scelte.tipoOperazione, 4);
    prova::clicca(inizio, QStringLiteral("lblCambiaOb(0)"));
    QCOMPARE(testo("lblNomeOperazione"), QStringLiteral("Sottrazioni.2"));
    programma.reset();

    // The file is named after the executable.
    scriviFile(QStringLiteral("Addizioni.dat"), " 1  1  1 \r\n");
    piattaforma = {};
    programma = std::make_unique<Programma>(piattaforma.ambiente(QStringLiteral("Addizioni")));
    programma->avvia();
    QCOMPARE(programma->sessione().scelte.tipoOperazione, 1);
    QCOMPARE(programma->finestra(QStringLiteral("frmInizio"))->windowTitle(), QStringLiteral("Addizioni"));
}

void TestFrmInizio::avantiSalva()
{
    QVERIFY(apri());
    prova::premi(inizio, QStringLiteral("Option1(0)"));
    prova::premi(inizio, QStringLiteral("Option2(0)"));
    prova::premi(inizio, QStringLiteral("Option3(0)"));
    QCOMPARE(contenuto(QStringLiteral("Sottrazioni.dat")), QByteArray(" 2  1  1 \r\n"));
}

void TestFrmInizio::attivazioneAzzeraIPannelli()
{
    QVERIFY(apri());
    prova::premi(inizio, QStringLiteral("Option1(1)"));
    prova::premi(inizio, QStringLiteral("Option2(1)"));
    QVERIFY(abilitato("Frame3"));

    QWidget altra;
    altra.show();
    altra.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&altra));
    inizio->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(inizio));

    QVERIFY(!abilitato("Frame2"));
    QVERIFY(!abilitato("Frame3"));
    QCOMPARE(coloreTesto(prova::controllo(inizio, QStringLiteral("Option1(1)"))), blu);
    QCOMPARE(coloreSfondo(prova::controllo(inizio, QStringLiteral("Label10(1)"))), giallino);
    // The summary and the session keep the last choice.
    QCOMPARE(testo("Label1"), QStringLiteral("Obiettivo n.2:     CALCOLO DEL TERMINE"));
    QCOMPARE(programma->sessione().scelte.livello, 2);
}

void TestFrmInizio::esciChiudeTutto()
{
    QVERIFY(apri());
    prova::premi(inizio, QStringLiteral("Option3(1)"));
    QVERIFY(programma->terminato());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!programma->finestra(QStringLiteral("frmInizio")));
}

void TestFrmInizio::fileOstili_data()
{
    QTest::addColumn<QString>("caso");
    QTest::newRow("directory") << QStringLiteral("directory");
    QTest::newRow("unreadable") << QStringLiteral("unreadable");
    QTest::newRow("enormous") << QStringLiteral("enormous");
    QTest::newRow("read-only working directory") << QStringLiteral("read-only");
}

void TestFrmInizio::fileOstili()
{
    QFETCH(QString, caso);
    const QString file = QStringLiteral("Sottrazioni.dat");
    QByteArray prima = " 6  2  1 \r\n";
    if (caso == QLatin1String("directory")) {
        QVERIFY(QDir().mkdir(file));
    } else {
        if (caso == QLatin1String("enormous"))
            prima += QByteArray(8 << 20, '7');
        scriviFile(file, prima);
        if (caso == QLatin1String("unreadable"))
            QFile::setPermissions(file, QFileDevice::WriteOwner);
        if (caso == QLatin1String("read-only"))
            QFile::setPermissions(QStringLiteral("."), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    QVERIFY(apri());
    prova::premi(inizio, QStringLiteral("Option1(0)"));
    prova::premi(inizio, QStringLiteral("Option2(0)"));
    prova::clicca(inizio, QStringLiteral("lblCambiaOb(0)"));
    prova::premi(inizio, QStringLiteral("Option1(0)"));
    prova::premi(inizio, QStringLiteral("Option2(0)"));
    prova::premi(inizio, QStringLiteral("Option3(0)"));
    QVERIFY(!programma->terminato());
    QFile::setPermissions(QStringLiteral("."), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    if (caso == QLatin1String("directory")) {
        QVERIFY(QFileInfo(file).isDir());
        return;
    }
    // Whole either way: the old file where it could not be replaced, a new one where it could.
    const QByteArray dopo = contenuto(file);
    const int tipo = programma->sessione().scelte.tipoOperazione;
    const QByteArray nuovo = QStringLiteral(" %1  1  1 \r\n").arg(tipo).toLatin1();
    QVERIFY2(dopo == prima || dopo == nuovo, dopo.left(40).constData());
}

QTEST_MAIN(TestFrmInizio)
#include "tst_frminizio.moc"
