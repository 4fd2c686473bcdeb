// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "reports/attestato.h"

#include "prova.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>

using namespace ope;

namespace {

QString testo(QWidget* finestra, const QString& nome)
{
    return prova::controllo<QLabel>(finestra, nome)->text();
}

} // namespace

class TestOperazione : public QObject {
    Q_OBJECT
private slots:
    void init() { cartella = std::make_unique<prova::CartellaDiLavoro>(); }
    void cleanup() { programma.reset(); }
    void sceltaDalMenu_data();
    void sceltaDalMenu();
    void tabellinaDelSette();

private:
    QWidget* apri();
    QAction* voce(const QString& nome) { return inizio->findChild<QAction*>(nome); }
    QWidget* avanti(int obiettivo, int livello);
    QString serie(QWidget* operativo);

    std::unique_ptr<prova::CartellaDiLavoro> cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
    QWidget* inizio = nullptr;
};

QWidget* TestOperazione::apri()
{
    programma = std::make_unique<Programma>(piattaforma.ambiente());
    programma->avvia();
    inizio = programma->finestra(QStringLiteral("frmInizio"));
    return QTest::qWaitForWindowActive(inizio) ? inizio : nullptr;
}

QWidget* TestOperazione::avanti(int obiettivo, int livello)
{
    prova::premi(inizio, QStringLiteral("Option1(%1)").arg(obiettivo));
    prova::premi(inizio, QStringLiteral("Option2(%1)").arg(livello));
    prova::premi(inizio, QStringLiteral("Option3(0)"));
    return programma->finestra(QStringLiteral("FrmOperativo"));
}

// Twenty right answers from the keyboard; the operation symbols met, in order of meeting.
QString TestOperazione::serie(QWidget* operativo)
{
    const Serie& s = prova::serieInCorso(*programma);
    QString simboli;
    for (int n = 1; n <= 20; ++n) {
        for (QChar c : QStringLiteral("+-x:")) {
            if (s.riga(n).contains(QStringLiteral(" %1 ").arg(c)) && !simboli.contains(c))
                simboli += c;
        }
        QTest::keyClicks(operativo, s.operazione().rispostaEsatta.trimmed());
        QTest::keyClick(operativo, Qt::Key_Return);
        if (n < 20)
            QTest::keyClick(operativo, Qt::Key_Return);
    }
    std::sort(simboli.begin(), simboli.end());
    return simboli;
}

void TestOperazione::sceltaDalMenu_data()
{
    QTest::addColumn<QByteArray>("aMano");   // the file as the teacher left it; empty for none
    QTest::addColumn<int>("letto");          // the kind that file gives at start
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QChar>("tasto");        // the entry's mnemonic after Alt+O; none: the mouse
    QTest::addColumn<QByteArray>("dopo");
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QString>("nome");   // in the exercise window's heading
    QTest::addColumn<QString>("simboli");

    QTest::newRow("1, mouse") << QByteArray() << 2 << 1 << QChar() << QByteArray(" 1  1  1 \r\n")
                              << "Addizioni" << "Addizioni" << "+";
    QTest::newRow("2, S") << QByteArray("4 1 1") << 4 << 2 << QChar(u's') << QByteArray(" 2  1  1 \r\n")
                          << "Sottrazioni" << "Sottrazioni" << "-";
    QTest::newRow("3, E") << QByteArray("9 1 1") << 2 << 3 << QChar(u'e') << QByteArray(" 3  1  1 \r\n")
                          << "Addizioni e sottrazioni" << "Addizioni e sottrazioni" << "+-";
    QTest::newRow("4, mouse") << QByteArray("1,2,1") << 1 << 4 << QChar() << QByteArray(" 4  2  1 \r\n")
                              << "Moltiplicazioni" << "Moltiplicazioni" << "x";
    QTest::newRow("5, D") << QByteArray("6,\t2,1\r\n") << 6 << 5 << QChar(u'd') << QByteArray(" 5  2  1 \r\n")
                          << "Divisioni" << "Divisioni" << ":";
    QTest::newRow("6, I") << QByteArray("7") << 7 << 6 << QChar(u'i') << QByteArray(" 6  1  1 \r\n")
                          << "Moltiplicazioni e divisioni" << "Moltiplicazioni e divisioni" << ":x";
    QTest::newRow("7, T") << QByteArray() << 2 << 7 << QChar(u't') << QByteArray(" 7  1  1 \r\n")
                          << "Tutte e quattro" << "Le quattro operazioni" << "+-:x";
}

void TestOperazione::sceltaDalMenu()
{
    QFETCH(QByteArray, aMano);
    QFETCH(int, letto);
    QFETCH(int, tipo);
    QFETCH(QChar, tasto);
    QFile file(QStringLiteral("Sottrazioni.dat"));
    if (!aMano.isEmpty()) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(aMano);
        file.close();
    }
    QVERIFY(apri());
    // A hand-edited file still decides at start: its kind is the one checked.
    QCOMPARE(programma->sessione().scelte.tipoOperazione, std::int16_t(letto));
    QVERIFY(voce(QStringLiteral("mnuTipoOperazione(%1)").arg(letto))->isChecked());

    QMenu* menu = voce(QStringLiteral("mnuOperazione"))->menu();
    QAction* scelta = voce(QStringLiteral("mnuTipoOperazione(%1)").arg(tipo));
    if (tasto.isNull()) {
        auto* barra = inizio->findChild<QMenuBar*>();
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(scelta).center());
    } else {
        QTest::keyClick(inizio, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, tasto.toLatin1());
    }
    QTRY_VERIFY(!menu->isVisible());
    QVERIFY(scelta->isChecked());
    QTEST(scelta->text().remove(u'&'), "voce");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTEST(file.readAll(), "dopo");

    QWidget* operativo = avanti(0, 3);
    QFETCH(QString, nome);
    QCOMPARE(testo(operativo, QStringLiteral("Label1(1)")), "   OPERAZIONE:    " + nome);
    QTEST(serie(operativo), "simboli");
}

void TestOperazione::tabellinaDelSette()
{
    // A teacher drills the table of seven, run and worksheet, without touching a file.
    QVERIFY(apri());
    voce(QStringLiteral("mnuTipoOperazione(4)"))->trigger();
    voce(QStringLiteral("mnuTabelline"))->trigger();
    QWidget* dialogo = programma->finestra(QStringLiteral("frmTabelline"));
    QCOMPARE(dialogo->windowModality(), Qt::ApplicationModal);
    prova::controllo<QCheckBox>(dialogo, QStringLiteral("chkTabellina(7)"))->click();
    prova::clicca(dialogo, QStringLiteral("cmdOK"));
    prova::premi(inizio, QStringLiteral("Option1(1)"));
    prova::premi(inizio, QStringLiteral("Option2(1)"));
    QCOMPARE(testo(inizio, QStringLiteral("Label3")),
             QStringLiteral("Livello n.2:         NUMERO MASSIMO da  30 a 60\nx  tabelline 7"));

    QWidget* operativo = avanti(1, 1);
    QCOMPARE(testo(operativo, QStringLiteral("Label1(1)")), QStringLiteral("   OPERAZIONE:    Moltiplicazioni  (tabelline 7)"));
    QCOMPARE(prova::serieInCorso(*programma).operazione().numero1, std::int16_t(7));
    QCOMPARE(serie(operativo), QStringLiteral("x"));
    // The printout and the certificate say what was drilled.
    programma->apriStampaEsercizio();
    prova::premi(programma->finestra(QStringLiteral("FrmStampaEsercizio")), QStringLiteral("Option1(2)"));
    QCOMPARE(piattaforma.pagine.back().testi.back().testo, QStringLiteral("Operazione: Moltiplicazioni  (tabelline 7)"));
    const auto attestato = righeAttestato(prova::serieInCorso(*programma), {}, {});
    QVERIFY(std::any_of(attestato.begin(), attestato.end(),
                        [](const RigaAttestato& r) { return r.testo == u"Moltiplicazioni  (tabelline 7)"; }));

    programma->apriStampaSchede();
    QWidget* schede = programma->finestra(QStringLiteral("FrmStampaSchede"));
    QCOMPARE(schede->windowTitle(), QStringLiteral("MOLTIPLICAZIONI"));
    prova::premi(schede, QStringLiteral("Option1(0)"));
    prova::premi(schede, QStringLiteral("Option2(2)"));
    prova::clicca(schede, QStringLiteral("CmdSchedaAlunni"));
    for (int i = 1; i <= 60; ++i) {
        const QString riga = testo(schede, QStringLiteral("LblOp(%1)").arg(i));
        QVERIFY2(riga.startsWith(QStringLiteral(" 7 x ")) && riga.endsWith(QStringLiteral(" =  .")), qPrintable(riga));
    }

    // Remembered for the next start, never written into the settings file.
    QFile file(QStringLiteral("Sottrazioni.dat"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(" 4  1  1 \r\n"));
    programma.reset();
    QVERIFY(apri());
    programma->apriTabelline();
    QVERIFY(prova::controllo<QCheckBox>(programma->finestra(QStringLiteral("frmTabelline")),
                                        QStringLiteral("chkTabellina(7)"))->isChecked());
}

QTEST_MAIN(TestOperazione)
#include "tst_operazione.moc"
