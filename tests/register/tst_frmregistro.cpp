// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/invio.h"
#include "programma.h"
#include "register/registro.h"
#include "register/testiregistro.h"
#include "session/estrazione.h"
#include "start/tabelle.h"
#include "ui/annuncio.h"

#include "prova.h"
#include "serieprova.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace ope;

namespace {

struct Banco {
    prova::CartellaDiLavoro cartella;
    QTemporaryDir dati;
    prova::Piattaforma piattaforma;
    std::vector<bool> risposte;   // what the teacher answers, question after question
    QStringList domande;
    QString fileScelto;
    std::unique_ptr<Programma> programma;

    explicit Banco(const QString& percorso = {})
    {
        piattaforma.registro = percorso;
        Ambiente a = piattaforma.ambiente();
        a.conferma = [this](const QString& domanda) {
            domande << domanda;
            const bool si = !risposte.empty() && risposte.front();
            if (!risposte.empty())
                risposte.erase(risposte.begin());
            return si;
        };
        a.fileDaScrivere = [this](const QString&, const QString&) { return fileScelto; };
        programma = std::make_unique<Programma>(a);
    }

    Registro& registro() { return *programma->registro(); }

    QWidget* apri()
    {
        programma->avvia();
        programma->apriRegistro();
        return programma->finestra(QStringLiteral("FrmRegistro"));
    }

    void chiudi()
    {
        if (QWidget* f = programma->finestra(QStringLiteral("FrmRegistro")))
            f->close();
    }

    // One run of that pupil, with one logged operation.
    void serie(IdAlunno alunno, const QString& quando, int esatte, int errate)
    {
        const QDateTime inizio = QDateTime::fromString(quando, Qt::ISODate);
        const IdSerie s = registro().iniziaSerie({alunno, inizio, 2, 1, 1, {}});
        OperazioneRegistrata op;
        op.posizione = 1;
        op.forma = 1;
        op.operazione = QStringLiteral("16 - 9 = ?");
        op.operando1 = 16;
        op.operando2 = 9;
        op.risultato = 7;
        op.operatore = QStringLiteral("-");
        op.rispostaEsatta = QStringLiteral("7");
        op.tentativi = {{QStringLiteral("7"), Esito::Esatta}};
        op.secondi = 3;
        op.rigaLog = QStringLiteral("16 - 9 = . ............................  7   (s. 3)");
        registro().registraOperazione(s, op);
        registro().chiudiSerie(s, {inizio.addSecs(300), esatte, errate, 300, std::nullopt, {}, true});
        registro().attendiScritture();
    }
};

template <class T>
T* trova(QWidget* f, const char* nome)
{
    return prova::controllo<T>(f, QString::fromLatin1(nome));
}

} // namespace

class TestFrmRegistro : public QObject {
    Q_OBJECT
private slots:
    void ilPinFaEntrareSoloChiLoSa_data();
    void ilPinFaEntrareSoloChiLoSa();
    void laGrigliaMostraIlRegistro();
    void eliminareChiedePrimaPoiToglieTutto();
    void chiPraticaSegueIlRegistro_data();
    void chiPraticaSegueIlRegistro();
    void stampaEdEsportaQuelCheFece();
    void unRegistroInservibileDiceDoveSta();
    void seLaSerieEChiusa_data();
    void seLaSerieEChiusa();
};

void TestFrmRegistro::ilPinFaEntrareSoloChiLoSa_data()
{
    QTest::addColumn<QString>("pin");
    QTest::addColumn<int>("sbagliati");   // wrong PINs first, then the window closed and opened again
    QTest::addColumn<int>("attesa");      // seconds on the clock before the last try
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<QString>("messaggio");   // empty: the register opens
    const QString errato = QStringLiteral("PIN errato.");
    const QString trenta = QStringLiteral("Troppi tentativi: riprova fra 30 secondi.");
    QTest::newRow("no PIN set: straight in") << "" << 0 << 0 << "" << "";
    QTest::newRow("a wrong PIN is refused") << "4321" << 0 << 0 << "1234" << errato;
    QTest::newRow("the right PIN opens") << "4321" << 0 << 0 << "4321" << "";
    QTest::newRow("the fifth wrong one makes it wait") << "4321" << 4 << 0 << "1234" << trenta;
    QTest::newRow("ten seconds on, even the right one waits") << "4321" << 5 << 10 << "4321"
                                                  << "Troppi tentativi: riprova fra 20 secondi.";
    QTest::newRow("after the wait, the right one opens") << "4321" << 5 << 30 << "4321" << "";
    QTest::newRow("one more wrong doubles the wait") << "4321" << 5 << 30 << "1234"
                                                    << "Troppi tentativi: riprova fra 60 secondi.";
}

void TestFrmRegistro::ilPinFaEntrareSoloChiLoSa()
{
    QFETCH(QString, pin);
    QFETCH(int, sbagliati);
    QFETCH(int, attesa);
    QFETCH(QString, scritto);
    QFETCH(QString, messaggio);
    Banco b;
    b.registro().aggiungiClasse(QStringLiteral("2ª B"));
    QWidget* f = b.apri();
    auto* pagine = trova<QStackedWidget>(f, "stkRegistro");
    QCOMPARE(pagine->currentWidget()->objectName(), QStringLiteral("pagRegistro"));
    const auto prova = [&](const QString& testo) {
        QTest::keyClicks(trova<QLineEdit>(f, "txtPin"), testo);
        QTest::keyClick(trova<QLineEdit>(f, "txtPin"), Qt::Key_Return);
    };
    if (!pin.isEmpty()) {
        // Set from inside the window, asked at the next opening.
        trova<QLineEdit>(f, "txtNuovoPin")->setText(pin);
        trova<QLineEdit>(f, "txtConfermaPin")->setText(pin);
        QTest::mouseClick(trova<QPushButton>(f, "cmdImpostaPin"), Qt::LeftButton);
        for (int volta = 0; volta < 2; ++volta) {
            b.chiudi();
            f = b.apri();
            pagine = trova<QStackedWidget>(f, "stkRegistro");
            QCOMPARE(pagine->currentWidget()->objectName(), QStringLiteral("pagPin"));
            QVERIFY(!trova<QTabWidget>(f, "tabRegistro")->isVisible());
            for (; volta == 0 && sbagliati > 0; --sbagliati)
                prova(QStringLiteral("0000"));
        }
        b.piattaforma.ora += attesa;
        prova(scritto);
    }
    QCOMPARE(pagine->currentWidget()->objectName(),
             messaggio.isEmpty() ? QStringLiteral("pagRegistro") : QStringLiteral("pagPin"));
    QCOMPARE(trova<QLabel>(f, "lblPinErrato")->text(), messaggio);
    QVERIFY(trova<QLineEdit>(f, "txtPin")->text().isEmpty());
    // Said where the focus stays, for a teacher who cannot see the label.
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    QCoreApplication::processEvents();
    if (!messaggio.isEmpty())
        QCOMPARE(trova<Annuncio>(f, "Annuncio")->ultimo(), messaggio);
}

void TestFrmRegistro::laGrigliaMostraIlRegistro()
{
    Banco b;
    const IdClasse classe = b.registro().aggiungiClasse(QStringLiteral("2ª B")).value();
    const IdAlunno maria = b.registro().aggiungiAlunno(classe, QStringLiteral("Maria")).value();
    const IdAlunno luca = b.registro().aggiungiAlunno(classe, QStringLiteral("Luca")).value();
    b.registro().aggiungiAlunno(classe, QStringLiteral("Anna"));
    b.serie(maria, QStringLiteral("2026-12-07T10:00:00+01:00"), 18, 2);
    b.serie(maria, QStringLiteral("2026-12-08T09:00:00+01:00"), 15, 5);
    b.serie(maria, QStringLiteral("2026-12-08T11:00:00+01:00"), 20, 0);
    b.serie(luca, QStringLiteral("2026-12-08T10:00:00+01:00"), 10, 10);

    QWidget* f = b.apri();
    auto* griglia = trova<QTableWidget>(f, "grdClasse");
    QCOMPARE(griglia->columnCount(), 2);
    QHash<QString, QStringList> celle;
    for (int r = 0; r < griglia->rowCount(); ++r) {
        for (int g = 0; g < griglia->columnCount(); ++g)
            celle[griglia->verticalHeaderItem(r)->text()] << griglia->item(r, g)->text();
    }
    QCOMPARE(celle.value(QStringLiteral("Maria")), (QStringList{"1 serie\n90%", "2 serie\n88%"}));
    QCOMPARE(celle.value(QStringLiteral("Luca")), (QStringList{"", "1 serie\n50%"}));
    QCOMPARE(celle.value(QStringLiteral("Anna")), (QStringList{"", ""}));
    QVERIFY(griglia->item(0, 1)->data(Qt::AccessibleTextRole).toString().contains(QStringLiteral("serie")));

    // A click on Maria's day opens her runs, the latest chosen with its lines.
    int rigaMaria = 0;
    while (griglia->verticalHeaderItem(rigaMaria)->text() != QStringLiteral("Maria"))
        ++rigaMaria;
    QTest::mouseClick(griglia->viewport(), Qt::LeftButton, {}, griglia->visualItemRect(griglia->item(rigaMaria, 1)).center());
    QCOMPARE(trova<QTabWidget>(f, "tabRegistro")->currentWidget()->objectName(), QStringLiteral("pagAlunno"));
    auto* storia = trova<QTableWidget>(f, "tabSerie");
    QCOMPARE(storia->rowCount(), 3);
    QCOMPARE(storia->item(2, 4)->text(), QStringLiteral("20"));
    QCOMPARE(trova<QListWidget>(f, "lstRighe")->item(0)->text(), b.registro().righeSerie(b.registro().storia(maria).last().id).first());
}

void TestFrmRegistro::eliminareChiedePrimaPoiToglieTutto()
{
    Banco b;
    const IdClasse classe = b.registro().aggiungiClasse(QStringLiteral("2ª B")).value();
    const IdAlunno maria = b.registro().aggiungiAlunno(classe, QStringLiteral("Maria")).value();
    b.serie(maria, QStringLiteral("2026-12-08T09:00:00+01:00"), 15, 5);
    QWidget* f = b.apri();
    auto* elenco = trova<QListWidget>(f, "lstAlunni");
    elenco->setCurrentRow(0);

    b.risposte = {false, true};
    for (bool conferma : {false, true}) {
        QTest::mouseClick(trova<QPushButton>(f, "cmdEliminaAlunno"), Qt::LeftButton);
        QVERIFY(b.domande.last().contains(QStringLiteral("Maria")));
        QCOMPARE(elenco->count(), conferma ? 0 : 1);
        QCOMPARE(b.registro().alunni(classe).size(), conferma ? 0 : 1);
        QCOMPARE(b.registro().storia(maria).isEmpty(), conferma);
    }
    QCOMPARE(b.domande.size(), 2);
    QCOMPARE(trova<QTableWidget>(f, "grdClasse")->rowCount(), 0);
}

void TestFrmRegistro::chiPraticaSegueIlRegistro_data()
{
    QTest::addColumn<QString>("nome");   // Maria's new name; empty: she is deleted
    QTest::newRow("renamed while she practises") << QStringLiteral("Maria Rosa");
    QTest::newRow("deleted while she practises") << QString();
}

void TestFrmRegistro::chiPraticaSegueIlRegistro()
{
    QFETCH(QString, nome);
    Banco b;
    const IdClasse classe = b.registro().aggiungiClasse(QStringLiteral("2ª B")).value();
    const IdAlunno maria = b.registro().aggiungiAlunno(classe, QStringLiteral("Maria")).value();
    b.programma->avvia();
    b.programma->scegliAlunno(maria, QStringLiteral("Maria"));
    DatiScelte& sottrazioni = b.programma->sessione().scelte;
    sottrazioni.tipoOperazione = 2;
    scegliObiettivo(sottrazioni, 2);
    scegliLivello(sottrazioni, 0);
    auto serie = b.programma->nuovaSerie();
    prova::esegui(*serie, b.piattaforma.ora, prova::passiCon(3, 3));
    serie->presenta(Operazione::Sottrazione, 1, operandiDi(20, 9, 11));   // on screen while she is deleted

    QWidget* f = b.apri();
    trova<QListWidget>(f, "lstAlunni")->setCurrentRow(0);
    b.risposte = {true};
    trova<QLineEdit>(f, "txtNomeAlunno")->setText(nome);
    QTest::mouseClick(trova<QPushButton>(f, nome.isEmpty() ? "cmdEliminaAlunno" : "cmdRinominaAlunno"),
                      Qt::LeftButton);
    const Sessione& s = b.programma->sessione();
    QCOMPARE(s.chiPratica.id, nome.isEmpty() ? std::nullopt : std::optional<qint64>(maria));
    QCOMPARE(s.chiPratica.nome, nome);
    QCOMPARE(s.alunno.nomeAlunno, nome.left(15));
    QCOMPARE(titoloEsercizio(s).endsWith(QStringLiteral(" - ") + nome), !nome.isEmpty());

    // The rest of the run is kept, hers or an anonymous one, and nothing of hers is left behind when deleted.
    prova::digita(*serie, QStringLiteral("11"));
    serie->verifica();
    prova::esegui(*serie, b.piattaforma.ora, prova::passiCon(16, 16));
    b.registro().attendiScritture();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lettura"));
        db.setDatabaseName(b.registro().percorso());
        QVERIFY(db.open());
        QSqlQuery conta(db);
        QVERIFY(conta.exec(QStringLiteral("SELECT COUNT(*), COUNT(s.id), COUNT(s.alunno), MAX(s.finita)"
                                          " FROM operazioni o LEFT JOIN serie s ON s.id = o.serie")));
        QVERIFY(conta.next());
        const QList<int> attese = nome.isEmpty() ? QList<int>{17, 17, 0, 1} : QList<int>{20, 20, 20, 1};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(conta.value(i).toInt(), attese[i]);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lettura"));
}

void TestFrmRegistro::stampaEdEsportaQuelCheFece()
{
    Banco b;
    const IdClasse classe = b.registro().aggiungiClasse(QStringLiteral("2ª B")).value();
    const IdAlunno maria = b.registro().aggiungiAlunno(classe, QStringLiteral("Maria")).value();
    b.serie(maria, QStringLiteral("2026-12-08T09:00:00+01:00"), 15, 5);
    QWidget* f = b.apri();

    QTest::mouseClick(trova<QPushButton>(f, "cmdStampaClasse"), Qt::LeftButton);
    trova<QTabWidget>(f, "tabRegistro")->setCurrentIndex(1);
    QTest::mouseClick(trova<QPushButton>(f, "cmdStampaAlunno"), Qt::LeftButton);
    QCOMPARE(b.piattaforma.pagine.size(), std::size_t(2));
    QStringList testi;
    for (const Pagina& p : b.piattaforma.pagine) {
        for (const Pagina::Testo& t : p.testi) {
            testi << t.testo;
            QCOMPARE(t.font, QStringLiteral("Courier New"));
        }
    }
    QVERIFY(testi.contains(QStringLiteral("Riepilogo della classe 2ª B")));
    QVERIFY(testi.contains(QStringLiteral("Maria - 2ª B")));
    // Maria's line in both: her totals in the class, her run in her own.
    QCOMPARE(testi.filter(QRegularExpression(QStringLiteral("^Maria +1 +15 +5 +75% "))).size(), 1);
    QCOMPARE(testi.filter(QRegularExpression(QStringLiteral("Sottrazioni +1 +1-30 +15 +5 +5:00"))).size(), 1);
    // Each job named, for a shared queue and the PDF's file name.
    QCOMPARE(b.piattaforma.pagine[0].titolo, QStringLiteral("Sottrazioni - Registro - 2ª B"));
    QCOMPARE(b.piattaforma.pagine[1].titolo, QStringLiteral("Sottrazioni - Registro - Maria"));
    // A printer that stops the page says why, as every printout does.
    b.piattaforma.stampaRiesce = false;
    b.piattaforma.comeFallisce = Invio::Esito::inPausa;
    QTest::mouseClick(trova<QPushButton>(f, "cmdStampaAlunno"), Qt::LeftButton);
    QCOMPARE(b.piattaforma.avvisi.last(), messaggioInvio(Invio(Invio::Esito::inPausa, QStringLiteral("Aula 2"))));
    b.piattaforma.stampaRiesce = true;

    // The file chosen holds the runs; the operations go beside it.
    b.fileScelto = b.dati.filePath(QStringLiteral("maria.csv"));
    QTest::mouseClick(trova<QPushButton>(f, "cmdEsportaAlunno"), Qt::LeftButton);
    QVERIFY(QFile::exists(b.fileScelto));
    QVERIFY(QFile::exists(b.dati.filePath(QStringLiteral("maria-operazioni.csv"))));
    QVERIFY2(b.piattaforma.avvisi.last().contains(b.fileScelto), qPrintable(b.piattaforma.avvisi.last()));
    // Giving up in the dialog writes nothing and says nothing.
    b.fileScelto.clear();
    const qsizetype avvisi = b.piattaforma.avvisi.size();
    QTest::mouseClick(trova<QPushButton>(f, "cmdEsportaClasse"), Qt::LeftButton);
    QCOMPARE(b.piattaforma.avvisi.size(), avvisi);
}

void TestFrmRegistro::unRegistroInservibileDiceDoveSta()
{
    const QString percorso = QStringLiteral("/proc/ope-nessuna-cartella/registro.sqlite");
    Banco b(percorso);
    QWidget* f = b.apri();
    QVERIFY(!b.programma->finestra(QStringLiteral("FrmChiSei")));
    auto* stato = trova<QLabel>(f, "lblStato");
    QCOMPARE(trova<QStackedWidget>(f, "stkRegistro")->currentWidget(), stato);
    QVERIFY2(stato->text().contains(percorso), qPrintable(stato->text()));
    QVERIFY(stato->text().contains(b.registro().stato()));
}

void TestFrmRegistro::seLaSerieEChiusa_data()
{
    QTest::addColumn<bool>("finita");
    QTest::addColumn<QString>("fine");     // empty: the run has no end yet
    QTest::addColumn<int>("giorniDopo");   // the teacher looks that many days after its start
    QTest::addColumn<QString>("testo");
    QTest::newRow("finished") << true << QStringLiteral("2026-12-08T09:05:00+01:00") << 0 << "sì";
    QTest::newRow("left with Esco") << false << QStringLiteral("2026-12-08T09:03:00+01:00") << 0 << "interrotta";
    QTest::newRow("no end yet, the pupil still at the keys") << false << QString() << 0 << "in corso";
    QTest::newRow("no end, a day later: its program went down") << false << QString() << 1 << "interrotta";
}

void TestFrmRegistro::seLaSerieEChiusa()
{
    QFETCH(bool, finita);
    QFETCH(QString, fine);
    QFETCH(int, giorniDopo);
    SerieRegistrata serie;
    serie.finita = finita;
    serie.inizio = QDateTime::fromString(QStringLiteral("2026-12-08T09:00:00+01:00"), Qt::ISODate);
    serie.fine = QDateTime::fromString(fine, Qt::ISODate);
    QTEST(testoFinita(serie, serie.inizio.toLocalTime().date().addDays(giorniDopo)), "testo");
}

QTEST_MAIN(TestFrmRegistro)
#include "tst_frmregistro.moc"
