// SPDX-License-Identifier: GPL-3.0-or-later
// What the print buttons take: never an empty sheet, only a clean name.
#include "programma.h"
#include "prova.h"
#include "serieprova.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QTest>

using namespace ope;

namespace {

bool segnalatoDisabilitato(QWidget* w)
{
    return !w->isEnabled() && QAccessible::queryAccessibleInterface(w)->state().disabled;
}

} // namespace

class TestStampe : public QObject {
    Q_OBJECT
private slots:
    void maiUnaSchedaVuota();
    void nomeDallaCasella();
};

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
    programma.sessione().scelte.maxCifre = 2;
    prova::esegui(*programma.nuovaSerie(), piattaforma.ora, prova::passiCon(10, 10));
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
