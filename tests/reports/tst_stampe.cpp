// SPDX-License-Identifier: GPL-3.0-or-later
// What each print button sends: a named job, never an empty sheet, a clean name.
#include "programma.h"
#include "prova.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QTest>

using namespace ope;

namespace {

enum class Stampa { attestato, operazioni, alunni, docenti };

// Presses the print button of that page, over a run of 12 operations, 10 right.
void stampa(Programma& programma, Stampa quale, const QString& nome)
{
    Sessione& s = programma.sessione();
    s.scelte.nomeProgramma = QStringLiteral("Sottrazioni");
    s.alunno.nomeAlunno = nome;
    s.serie.contaOperazioni = 12;
    s.serie.esatteAttestato = 10;
    switch (quale) {
    case Stampa::attestato:
        programma.apriAttestato();
        prova::premi(programma.finestra(QStringLiteral("FrmAttestato")), QStringLiteral("Option5(0)"));
        break;
    case Stampa::operazioni:
        programma.apriStampaEsercizio();
        prova::premi(programma.finestra(QStringLiteral("FrmStampaEsercizio")), QStringLiteral("Option1(2)"));
        break;
    case Stampa::alunni:
    case Stampa::docenti: {
        programma.apriStampaSchede();
        QWidget* f = programma.finestra(QStringLiteral("FrmStampaSchede"));
        prova::premi(f, QStringLiteral("Option1(0)"));
        prova::premi(f, QStringLiteral("Option2(0)"));
        prova::clicca(f, QStringLiteral("CmdSchedaAlunni"));
        prova::clicca(f, quale == Stampa::alunni ? QStringLiteral("CmdStampaAlunni") : QStringLiteral("CmdStampaDocenti"));
        break;
    }
    }
}

bool segnalatoDisabilitato(QWidget* w)
{
    return !w->isEnabled() && QAccessible::queryAccessibleInterface(w)->state().disabled;
}

} // namespace

class TestStampe : public QObject {
    Q_OBJECT
private slots:
    void lavoroConIlSuoNome_data();
    void lavoroConIlSuoNome();
    void maiUnaSchedaVuota();
    void nomeDallaCasella();
};

void TestStampe::lavoroConIlSuoNome_data()
{
    QTest::addColumn<int>("quale");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("lavoro");
    QTest::newRow("certificate") << int(Stampa::attestato) << "maria d'angelo" << "Sottrazioni - Attestato - Maria D'Angelo";
    QTest::newRow("certificate, no name") << int(Stampa::attestato) << "" << "Sottrazioni - Attestato";
    QTest::newRow("executed operations") << int(Stampa::operazioni) << "Luca" << "Sottrazioni - Operazioni eseguite - Luca";
    QTest::newRow("pupils' sheet") << int(Stampa::alunni) << "Luca" << "Scheda alunni";
    QTest::newRow("teachers' sheet") << int(Stampa::docenti) << "Luca" << "Scheda docenti";
}

void TestStampe::lavoroConIlSuoNome()
{
    QFETCH(int, quale);
    QFETCH(QString, nome);
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    stampa(programma, Stampa(quale), nome);
    QCOMPARE(piattaforma.avvisi, QStringList());
    QCOMPARE(piattaforma.pagine.size(), std::size_t(1));
    QTEST(piattaforma.pagine[0].titolo, "lavoro");
}

void TestStampe::maiUnaSchedaVuota()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    programma.apriStampaSchede();
    QWidget* f = programma.finestra(QStringLiteral("FrmStampaSchede"));
    QVERIFY(QTest::qWaitForWindowActive(f));
    auto* alunni = prova::controllo<QAbstractButton>(f, QStringLiteral("CmdStampaAlunni"));

    // Before a sheet is shown the keyboard passes the print button by, and a
    // screen reader hears it unavailable.
    prova::premi(f, QStringLiteral("Option1(0)"));
    prova::premi(f, QStringLiteral("Option2(0)"));
    prova::tabFino(f, QStringLiteral("CmdSchedaAlunni"));
    QTest::keyClick(f->windowHandle(), Qt::Key_Tab);
    QVERIFY(!alunni->hasFocus());
    QVERIFY(segnalatoDisabilitato(alunni));

    prova::clicca(f, QStringLiteral("CmdSchedaAlunni"));
    QVERIFY(alunni->isEnabled());

    // A cleared sheet: reaching the sheet button shows its print again, still unusable.
    prova::clicca(f, QStringLiteral("CmdRicomincia"));
    prova::tabFino(f, QStringLiteral("CmdSchedaAlunni"));
    QVERIFY(alunni->isVisible());
    QVERIFY(segnalatoDisabilitato(alunni));
    alunni->click();
    QVERIFY(piattaforma.pagine.empty());
}

void TestStampe::nomeDallaCasella()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    programma.sessione().serie.contaOperazioni = 10;
    programma.apriStampaEsercizio();
    QWidget* f = programma.finestra(QStringLiteral("FrmStampaEsercizio"));
    prova::premi(f, QStringLiteral("Option1(1)"));
    auto* txtNome = prova::controllo<QLineEdit>(f, QStringLiteral("txtNome"));
    // A paste goes through the box as typing does.
    txtNome->insert(u"\u202E Mario\nRossi 😀 "_qs);
    QCOMPARE(txtNome->text(), u" Mario Rossi  "_qs);
    prova::clicca(f, QStringLiteral("cmdAvanti"));
    QCOMPARE(programma.sessione().alunno.nomeAlunno, QStringLiteral("Mario Rossi"));
}

QTEST_MAIN(TestStampe)
#include "tst_stampe.moc"
