// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"

#include "prova.h"

#include <QTest>

using namespace ope;

class TestProgramma : public QObject {
    Q_OBJECT
private slots:
    void piuProgrammiUnoDopoLAltro();
    void finestraScaricataSiRicaricaNuova();
    void dopoChiudiTuttoNessunaFinestraRinasce();
};

void TestProgramma::piuProgrammiUnoDopoLAltro()
{
    prova::CartellaDiLavoro cartella;
    for (int volta = 0; volta < 3; ++volta) {
        prova::Piattaforma piattaforma;
        Programma programma(piattaforma.ambiente());
        programma.avvia();
        QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));
        QVERIFY(inizio);
        // Each program has its own session, untouched by the one before.
        QVERIFY(programma.sessione().scelte.titoloObiettivo.isEmpty());
        prova::premi(inizio, QStringLiteral("Option1(0)"));
        prova::premi(inizio, QStringLiteral("Option2(0)"));
        prova::premi(inizio, QStringLiteral("Option3(0)"));
        QVERIFY(programma.finestra(QStringLiteral("FrmOperativo")));
        QCOMPARE(prova::serieInCorso(programma).numeroOperazione(), 1);
    }
}

void TestProgramma::finestraScaricataSiRicaricaNuova()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    programma.avvia();
    programma.apriStampaSchede();
    QPointer<QWidget> prima = programma.finestra(QStringLiteral("FrmStampaSchede"));
    QVERIFY(prima);
    prima->close();
    // Not deleted yet, but unloaded: asking again loads a fresh window.
    QVERIFY(!programma.finestra(QStringLiteral("FrmStampaSchede")));
    programma.apriStampaSchede();
    QWidget* dopo = programma.finestra(QStringLiteral("FrmStampaSchede"));
    QVERIFY(dopo);
    QVERIFY(dopo != prima.data());
    QVERIFY(dopo->isVisible());
}

void TestProgramma::dopoChiudiTuttoNessunaFinestraRinasce()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    programma.avvia();
    programma.apriOperativo();
    programma.apriStampaEsercizio();
    programma.chiudiTutto();
    QVERIFY(programma.terminato());
    programma.apriOperativo();
    programma.mostraInizio();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const char* nome : {"frmInizio", "FrmOperativo", "FrmStampaEsercizio"})
        QVERIFY2(!programma.finestra(QString::fromLatin1(nome)), nome);
    QVERIFY(QApplication::topLevelWidgets().isEmpty() || std::none_of(QApplication::topLevelWidgets().begin(),
        QApplication::topLevelWidgets().end(), [](QWidget* w) { return w->isVisible(); }));
}

QTEST_MAIN(TestProgramma)
#include "tst_programma.moc"
