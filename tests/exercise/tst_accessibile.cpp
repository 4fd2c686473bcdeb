// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "ui/controlli.h"

#include "prova.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

using namespace ope;

namespace {

QString nomeAccessibile(QWidget* w)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibile : public QObject {
    Q_OBJECT
private slots:
    void tastiEPannelliHannoUnNome();
    void ilVerdettoVieneAnnunciato();

private:
    QWidget* apriEsercizio(int obiettivo);

    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
};

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
    // The operation itself is read from its labels.
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("lblRisultato1"))), QStringLiteral("?"));
    QCOMPARE(nomeAccessibile(prova::controllo(esercizio, QStringLiteral("LblNumero1"))),
             QString::number(programma->sessione().operazione.numero1));
}

void TestAccessibile::ilVerdettoVieneAnnunciato()
{
    // Headless there is no accessibility bridge to receive the alert itself;
    // what a screen reader reads, the verdict label's name, must follow every change.
    QWidget* esercizio = apriEsercizio(0);
    QVERIFY(esercizio);
    auto* verdetto = prova::controllo<QLabel>(esercizio, QStringLiteral("LblEsito"));
    const QString giusta = programma->sessione().operazione.rispostaEsatta.trimmed();
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

QTEST_MAIN(TestAccessibile)
#include "tst_accessibile.moc"
