// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "register/registro.h"

#include "prova.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace ope;

namespace {

// A program on a register of its own, filled before the program starts.
struct Banco {
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;

    Banco()
    {
        piattaforma.registro = cartella.percorso() + QStringLiteral("/registro.sqlite");
        programma = std::make_unique<Programma>(piattaforma.ambiente());
    }

    // "2ª B:Maria,Luca"; a class whose name starts with "-" is archived.
    QHash<QString, IdAlunno> classi(const QStringList& elenco)
    {
        QHash<QString, IdAlunno> id;
        Registro* r = programma->registro();
        for (const QString& voce : elenco) {
            QString nome = voce.section(QLatin1Char(':'), 0, 0);
            const bool archiviata = nome.startsWith(QLatin1Char('-'));
            nome.remove(0, archiviata ? 1 : 0);
            const IdClasse classe = r->aggiungiClasse(nome).value();
            for (const QString& alunno : voce.section(QLatin1Char(':'), 1).split(QLatin1Char(',')))
                id[alunno] = r->aggiungiAlunno(classe, alunno).value();
            if (archiviata)
                r->archiviaClasse(classe);
        }
        return id;
    }

    QWidget* finestra(const char* nome) const { return programma->finestra(QString::fromLatin1(nome)); }

    QWidget* avviaUnaSerie()
    {
        programma->mostraInizio();
        QWidget* inizio = finestra("frmInizio");
        for (const char* opzione : {"Option1(0)", "Option2(0)", "Option3(0)"})
            prova::premi(inizio, QString::fromLatin1(opzione));
        return finestra("FrmOperativo");
    }

    QString nomeNellaStampa()
    {
        programma->apriStampaEsercizio();
        auto* txtNome = prova::controllo<QLineEdit>(finestra("FrmStampaEsercizio"), QStringLiteral("txtNome"));
        return txtNome ? txtNome->text() : QStringLiteral("no txtNome");
    }
};

QString nomeAlunno(IdAlunno id)
{
    return QStringLiteral("cmdAlunno(%1)").arg(id);
}

} // namespace

class TestChiSei : public QObject {
    Q_OBJECT
private slots:
    void senzaClassiSiPartecomeSempre();
    void ilNomeSceltoArrivaOvunque_data();
    void ilNomeSceltoArrivaOvunque();
    void cambiaAlunnoPassaAlProssimo();
    void chiusoSenzaScegliereSiPartecomeSempre();
};

void TestChiSei::senzaClassiSiPartecomeSempre()
{
    Banco b;
    b.programma->avvia();
    // Not even made: a pupil's session without classes carries no register.
    QVERIFY(!QFile::exists(b.piattaforma.registro));
    QVERIFY(b.finestra("frmInizio")->isVisible());
    QVERIFY(!b.finestra("FrmChiSei"));
    QWidget* esercizio = b.avviaUnaSerie();
    QVERIFY(esercizio);
    QCOMPARE(esercizio->windowTitle(), QStringLiteral("Sottrazioni"));
    QCOMPARE(b.nomeNellaStampa(), QString());
    QVERIFY(!b.programma->sessione().chiPratica.id);
}

void TestChiSei::ilNomeSceltoArrivaOvunque_data()
{
    QTest::addColumn<QStringList>("classi");
    QTest::addColumn<QString>("chi");
    QTest::addColumn<bool>("daTastiera");
    QTest::addColumn<QString>("nellaStampa");
    QTest::addColumn<QStringList>("nonMostrati");

    QTest::newRow("one class, by mouse") << QStringList{QStringLiteral("2ª B:Maria,Luca,Anna")} << "Maria" << false
                                         << "Maria" << QStringList();
    QTest::newRow("two classes and an archived one, by keyboard")
        << QStringList{QStringLiteral("2ª A:Anna,Giulio"), QStringLiteral("2ª B:Maria,Luca"),
                       QStringLiteral("-1ª A:Piero")}
        << "Luca" << true << "Luca" << QStringList{QStringLiteral("Piero")};
    QTest::newRow("a name longer than the printout takes") << QStringList{QStringLiteral("3ª C:Massimiliano Bianchi")}
                                                           << "Massimiliano Bianchi" << false << "Massimiliano Bi"
                                                           << QStringList();
    // Emoji and direction characters would be cut in half or turn the printed header round.
    QTest::newRow("a name the printout could not print as it is")
        << QStringList{QStringLiteral("3ª C:Anna \U0001F642 Maria Rossini\u202E")} << "Anna \U0001F642 Maria Rossini\u202E"
        << false << "Anna Maria Ross" << QStringList();
}

void TestChiSei::ilNomeSceltoArrivaOvunque()
{
    QFETCH(QStringList, classi);
    QFETCH(QString, chi);
    QFETCH(bool, daTastiera);
    Banco b;
    const QHash<QString, IdAlunno> id = b.classi(classi);
    b.programma->avvia();

    QWidget* chiSei = b.finestra("FrmChiSei");
    QVERIFY(chiSei && chiSei->isVisible());
    QCOMPARE(chiSei->windowTitle(), QStringLiteral("Chi sei?"));
    // Asked first: the start window opens for whoever is chosen.
    QVERIFY(!b.finestra("frmInizio"));
    QFETCH(QStringList, nonMostrati);
    for (const QString& nome : nonMostrati)
        QVERIFY2(!prova::controllo(chiSei, nomeAlunno(id[nome])), qPrintable(nome));
    // Headings tell classes apart only where there are several.
    const int visibili = int(classi.size() - nonMostrati.size());
    QCOMPARE(int(chiSei->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^lblClasse"))).size()),
             visibili > 1 ? visibili : 0);

    if (daTastiera) {
        chiSei->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(chiSei));
        prova::tabFino(chiSei, nomeAlunno(id[chi]));
        QTest::keyClick(chiSei->windowHandle(), Qt::Key_Space);
    } else {
        prova::premi(chiSei, nomeAlunno(id[chi]));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!b.finestra("FrmChiSei"));
    QCOMPARE(b.programma->sessione().chiPratica.id, std::optional<qint64>(id[chi]));
    QVERIFY(b.finestra("frmInizio") && b.finestra("frmInizio")->isVisible());

    QWidget* esercizio = b.avviaUnaSerie();
    QVERIFY(esercizio);
    QCOMPARE(esercizio->windowTitle(), QStringLiteral("Sottrazioni - ") + chi);
    QTEST(b.nomeNellaStampa(), "nellaStampa");
}

void TestChiSei::cambiaAlunnoPassaAlProssimo()
{
    Banco b;
    const QHash<QString, IdAlunno> id = b.classi({QStringLiteral("2ª B:Maria,Luca")});
    b.programma->avvia();
    prova::premi(b.finestra("FrmChiSei"), nomeAlunno(id[QStringLiteral("Maria")]));
    QVERIFY(b.avviaUnaSerie());

    auto* cambia = b.finestra("frmInizio")->findChild<QAction*>(QStringLiteral("mnuCambiaAlunno"));
    QVERIFY(cambia && cambia->isVisible());
    QCOMPARE(cambia->text(), QStringLiteral("Cambia &alunno"));
    cambia->trigger();
    QWidget* chiSei = b.finestra("FrmChiSei");
    QVERIFY(chiSei && chiSei->isVisible());
    prova::premi(chiSei, nomeAlunno(id[QStringLiteral("Luca")]));

    // Maria's run is hers: it closes, and Luca's starts under his name.
    QVERIFY(!b.finestra("FrmOperativo"));
    QVERIFY(b.finestra("frmInizio")->isVisible());
    QCOMPARE(b.avviaUnaSerie()->windowTitle(), QStringLiteral("Sottrazioni - Luca"));
    QCOMPARE(b.nomeNellaStampa(), QStringLiteral("Luca"));
    QVERIFY(!b.programma->terminato());
}

void TestChiSei::chiusoSenzaScegliereSiPartecomeSempre()
{
    Banco b;
    b.classi({QStringLiteral("2ª B:Maria,Luca")});
    b.programma->avvia();
    // The teacher, before any pupil, goes to the start window's menus.
    QVERIFY(b.finestra("FrmChiSei")->close());
    QVERIFY(b.finestra("frmInizio") && b.finestra("frmInizio")->isVisible());
    QVERIFY(!b.programma->terminato());
    QVERIFY(!b.programma->sessione().chiPratica.id);
    QCOMPARE(b.avviaUnaSerie()->windowTitle(), QStringLiteral("Sottrazioni"));
}

QTEST_MAIN(TestChiSei)
#include "tst_chisei.moc"
