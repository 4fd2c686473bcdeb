// SPDX-License-Identifier: GPL-3.0-or-later
// Prints through a real print service: a cupsd of the test's own, on a
// socket in a private folder, with a cups-pdf queue whose PDFs are read back.
#include "print/anteprima.h"
#include "print/stampareale.h"
#include "programma.h"
#include "prova.h"
#include "serieprova.h"
#include "ui/messaggi.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

using namespace ope;

namespace {

const QString coda = QStringLiteral("ope-prova");

enum class Stampa { attestato, operazioni, alunni, docenti };

QString esegui(const QString& programma, const QStringList& argomenti, bool* riuscito = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programma, argomenti);
    const bool finito = p.waitForFinished(60000);
    if (riuscito)
        *riuscito = finito && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return QString::fromLocal8Bit(p.readAll());
}

// What is missing on this machine to run a print service of our own, or empty.
QString mancante()
{
    if (geteuid() != 0)
        return QStringLiteral("cups-pdf's backend runs only for a cupsd started as root");
    for (const char* p : {"cupsd", "lpadmin", "cupsreject", "cupsdisable", "lpstat", "pdfinfo", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(p), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")}).isEmpty())
            return QStringLiteral("%1 is not installed").arg(QString::fromLatin1(p));
    }
    for (const char* f : {"/usr/lib/cups/backend/cups-pdf", "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"}) {
        if (!QFile::exists(QString::fromLatin1(f)))
            return QStringLiteral("%1 is missing (printer-driver-cups-pdf)").arg(QString::fromLatin1(f));
    }
    return {};
}

} // namespace

class TestCups : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void paginaStampata_data();
    void paginaStampata();
    void codaCheNonStampa_data();
    void codaCheNonStampa();
    void servizioFermo();
    void cleanupTestCase();

private:
    bool scrivi(const QString& file, const QString& testo);
    void admin(const QString& comando, const QStringList& argomenti);
    QStringList pdfScritti() const;
    int lavori();
    QString attendiPdf(const QStringList& prima);
    void controllaPagina(const QString& pdf, const QString& titolo);
    void stampa(Stampa quale, const QString& nome);

    QTemporaryDir cartella;
    QProcess cupsd;
    QString confPdf;   // cups-pdf reads its queue's settings from /etc/cups only
    prova::CartellaDiLavoro cartellaDiLavoro;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
};

bool TestCups::scrivi(const QString& file, const QString& testo)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(testo.toUtf8()) == testo.toUtf8().size();
}

void TestCups::admin(const QString& comando, const QStringList& argomenti)
{
    bool riuscito = false;
    const QString uscita = esegui(comando, argomenti, &riuscito);
    QVERIFY2(riuscito, qPrintable(comando + QLatin1Char(' ') + argomenti.join(QLatin1Char(' ')) + QStringLiteral(": ") + uscita));
}

void TestCups::initTestCase()
{
    if (const QString manca = mancante(); !manca.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no print service of our own: ") + manca));
    QVERIFY(cartella.isValid());
    const QString d = cartella.path();
    // The filters run as lp and must reach the spool inside.
    QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                 | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                 | QFileDevice::ExeOther);
    for (const char* sotto : {"etc", "spool", "cache", "state", "log", "pdf"})
        QVERIFY(QDir(d).mkpath(QString::fromLatin1(sotto)));
    const QString socket = d + QStringLiteral("/cups.sock");
    QVERIFY(scrivi(d + QStringLiteral("/etc/cupsd.conf"),
                   QStringLiteral("Listen %1\nLogLevel debug\nWebInterface No\nBrowsing No\n"
                                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                  "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                       .arg(socket)));
    QVERIFY(scrivi(d + QStringLiteral("/etc/cups-files.conf"),
                   QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                  "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\nPageLog %1/log/page_log\n")
                       .arg(d)));
    const QString suffisso = QStringLiteral("ope-prova-%1").arg(getpid());
    confPdf = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(suffisso);
    QVERIFY2(scrivi(confPdf, QStringLiteral("Out %1/pdf\nAnonDirName %1/pdf\n").arg(d)), qPrintable(confPdf));

    // Every client of this process, the program's print layer and Qt's included, asks our cupsd.
    qputenv("CUPS_SERVER", QFile::encodeName(socket));
    cupsd.setProcessChannelMode(QProcess::ForwardedChannels);
    cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                {QStringLiteral("-f"), QStringLiteral("-c"), d + QStringLiteral("/etc/cupsd.conf"), QStringLiteral("-s"),
                 d + QStringLiteral("/etc/cups-files.conf")});
    QVERIFY2(cupsd.waitForStarted(), "cupsd did not start");
    bool pronto = false;
    for (int i = 0; i < 100 && !pronto; ++i) {
        QTest::qWait(100);
        pronto = esegui(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(QStringLiteral("is running"));
    }
    QVERIFY2(pronto, "cupsd does not answer on its socket");
    admin(QStringLiteral("lpadmin"), {QStringLiteral("-p"), coda, QStringLiteral("-E"), QStringLiteral("-v"),
                                      QStringLiteral("cups-pdf:/") + suffisso, QStringLiteral("-P"),
                                      QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")});
    admin(QStringLiteral("lpadmin"), {QStringLiteral("-d"), coda});

    Ambiente a = piattaforma.ambiente();
    // The printing a user chooses in the preview, without the preview.
    a.stampa = [](const Pagina& p) { return inviaAllaStampante(p, coda); };
    programma = std::make_unique<Programma>(a);
}

void TestCups::cleanupTestCase()
{
    programma.reset();
    if (cupsd.state() != QProcess::NotRunning) {
        cupsd.terminate();
        cupsd.waitForFinished(10000);
    }
    if (!confPdf.isEmpty())
        QFile::remove(confPdf);
}

QStringList TestCups::pdfScritti() const
{
    return QDir(cartella.filePath(QStringLiteral("pdf"))).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

int TestCups::lavori()
{
    return int(esegui(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), coda})
                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                   .size());
}

// The one new PDF once its job is done, or empty.
QString TestCups::attendiPdf(const QStringList& prima)
{
    for (int i = 0; i < 600; ++i) {
        const bool inCorso = !esegui(QStringLiteral("lpstat"), {QStringLiteral("-o"), coda}).trimmed().isEmpty();
        QStringList nuovi = pdfScritti();
        for (const QString& vecchio : prima)
            nuovi.removeAll(vecchio);
        if (!inCorso && nuovi.size() == 1)
            return cartella.filePath(QStringLiteral("pdf/") + nuovi[0]);
        QTest::qWait(100);
    }
    return {};
}

// One A4 page with something printed on it, under the job's name.
void TestCups::controllaPagina(const QString& pdf, const QString& titolo)
{
    QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote no PDF");
    const QString info = esegui(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    // The job's name, as the spooler passed it on (Ghostscript wraps it in parentheses).
    const QRegularExpression nome(QStringLiteral("Title: +\\(") + QRegularExpression::escape(titolo) + QStringLiteral("\\)\n"));
    QVERIFY2(info.contains(nome), qPrintable(info));

    const QString immagine = cartella.filePath(QStringLiteral("pagina"));
    esegui(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-gray"),
                                        QStringLiteral("-singlefile"), pdf, immagine});
    const QImage pagina(immagine + QStringLiteral(".pgm"));
    QVERIFY(!pagina.isNull());
    int inchiostro = 0;
    for (int y = 0; y < pagina.height(); ++y)
        for (int x = 0; x < pagina.width(); ++x)
            inchiostro += qGray(pagina.pixel(x, y)) < 160;
    QVERIFY2(inchiostro > 200, qPrintable(QStringLiteral("only %1 dark pixels").arg(inchiostro)));
}

// Presses the print button of that page, over a run of 12 operations, 10 right.
void TestCups::stampa(Stampa quale, const QString& nome)
{
    Sessione& s = programma->sessione();
    s.scelte.nomeProgramma = QStringLiteral("Sottrazioni");
    s.alunno.nomeAlunno = nome;
    s.scelte.maxCifre = 2;
    prova::esegui(*programma->nuovaSerie(), piattaforma.ora, prova::passiCon(10, 12));
    QWidget* f = nullptr;
    switch (quale) {
    case Stampa::attestato:
        programma->apriStampaEsercizio();
        prova::premi(programma->finestra(QStringLiteral("FrmStampaEsercizio")), QStringLiteral("Option1(3)"));
        f = programma->finestra(QStringLiteral("FrmAttestato"));
        prova::premi(f, QStringLiteral("Option5(0)"));
        break;
    case Stampa::operazioni:
        programma->apriStampaEsercizio();
        f = programma->finestra(QStringLiteral("FrmStampaEsercizio"));
        prova::premi(f, QStringLiteral("Option1(2)"));
        break;
    case Stampa::alunni:
    case Stampa::docenti:
        programma->apriStampaSchede();
        f = programma->finestra(QStringLiteral("FrmStampaSchede"));
        prova::premi(f, QStringLiteral("Option1(0)"));
        prova::premi(f, QStringLiteral("Option2(0)"));
        prova::clicca(f, QStringLiteral("CmdSchedaAlunni"));
        prova::clicca(f, quale == Stampa::alunni ? QStringLiteral("CmdStampaAlunni") : QStringLiteral("CmdStampaDocenti"));
        break;
    }
    f->close();
}

void TestCups::paginaStampata_data()
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

void TestCups::paginaStampata()
{
    QFETCH(int, quale);
    QFETCH(QString, nome);
    QFETCH(QString, lavoro);
    const QStringList prima = pdfScritti();
    piattaforma.avvisi.clear();
    stampa(Stampa(quale), nome);
    QCOMPARE(piattaforma.avvisi, QStringList());
    controllaPagina(attendiPdf(prima), lavoro);
}

void TestCups::codaCheNonStampa_data()
{
    QTest::addColumn<QStringList>("guasta");
    QTest::addColumn<QStringList>("ripara");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("anteprima");   // what the preview says of the printer before sending
    QTest::newRow("refuses jobs") << QStringList{QStringLiteral("cupsreject"), coda}
                                  << QStringList{QStringLiteral("cupsaccept"), coda}
                                  << messaggi::stampanteNonAccetta.arg(coda) << QStringLiteral("non accetta stampe");
    QTest::newRow("paused") << QStringList{QStringLiteral("cupsdisable"), coda}
                            << QStringList{QStringLiteral("cupsenable"), coda}
                            << messaggi::stampanteInPausa.arg(coda) << QStringLiteral("in pausa");
    // Takes jobs as far as anyone can ask, and refuses this user's when one comes.
    QTest::newRow("refuses the job sent")
        << QStringList{QStringLiteral("lpadmin"), QStringLiteral("-p"), coda, QStringLiteral("-u"), QStringLiteral("deny:root")}
        << QStringList{QStringLiteral("lpadmin"), QStringLiteral("-p"), coda, QStringLiteral("-u"), QStringLiteral("allow:all")}
        << messaggi::stampaRifiutata.arg(coda) << QString();
}

void TestCups::codaCheNonStampa()
{
    QFETCH(QStringList, guasta);
    QFETCH(QStringList, ripara);
    QFETCH(QString, messaggio);
    QFETCH(QString, anteprima);
    admin(guasta.first(), guasta.mid(1));
    const int lavoriPrima = lavori();
    const QStringList pdfPrima = pdfScritti();
    piattaforma.avvisi.clear();
    stampa(Stampa::attestato, QStringLiteral("Luca"));
    QPrinter stampante;
    const QString detto = Anteprima(stampante, Pagina(), Anteprima::destinazioniInstallate()).destinazione()->text();
    admin(ripara.first(), ripara.mid(1));

    QCOMPARE(piattaforma.avvisi, QStringList{messaggio});
    QVERIFY2(detto.contains(anteprima), qPrintable(detto));
    // Nothing waits in a queue nobody will see, and nothing was printed.
    QCOMPARE(lavori(), lavoriPrima);
    QCOMPARE(pdfScritti(), pdfPrima);
}

void TestCups::servizioFermo()
{
    cupsd.terminate();
    QVERIFY(cupsd.waitForFinished(10000));
    piattaforma.avvisi.clear();
    stampa(Stampa::attestato, QStringLiteral("Luca"));
    QCOMPARE(piattaforma.avvisi, QStringList{messaggi::servizioStampaAssente});

    // Not "no printer installed": the preview says who is silent, and saves a PDF instead.
    QPrinter stampante;
    const Anteprima anteprima(stampante, Pagina(), Anteprima::destinazioniInstallate());
    QVERIFY2(anteprima.destinazione()->text().startsWith(QStringLiteral("Il servizio di stampa non risponde")),
             qPrintable(anteprima.destinazione()->text()));
    QCOMPARE(anteprima.pulsanteStampa()->text(), QStringLiteral("&Salva in PDF..."));
}

QTEST_MAIN(TestCups)
#include "tst_cups.moc"
