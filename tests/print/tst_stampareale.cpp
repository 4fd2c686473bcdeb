// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/anteprima.h"
#include "print/stampante.h"
#include "print/stampareale.h"
#include "reports/stampaesercizi.h"
#include "serieprova.h"
#include "session/generatore.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace ope;

namespace {

bool inPdf(const Pagina& p, const QString& file)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(file);
    return stampaSu(stampante, p);
}

QString pdftotext(const QStringList& argomenti)
{
    QProcess processo;
    processo.start(QStringLiteral("pdftotext"), argomenti);
    if (!processo.waitForFinished(30000))
        return {};
    return QString::fromUtf8(processo.readAllStandardOutput());
}

// The top-left corner, in points, of the first word of the PDF with that text.
QPointF parola(const QString& bbox, const QString& testo, int quale = 0)
{
    static const QRegularExpression riga(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    int trovate = 0;
    for (const QRegularExpressionMatch& m : riga.globalMatch(bbox)) {
        if (m.captured(3) == testo && trovate++ == quale)
            return {m.captured(1).toDouble(), m.captured(2).toDouble()};
    }
    return {-1, -1};
}

enum class Ostacolo { nessuno, cartellaMancante, solaLettura, discoPieno };

// What stands in a save's way for as long as it lives. Tests run as root, who
// writes anywhere: a read-only folder is tried as nobody (the thread's file
// system identity only); a full disk is a file-size limit, which fails the
// write as a full disk does instead of killing the process.
class Ostacoli {
public:
    explicit Ostacoli(Ostacolo o) : ostacolo(o)
    {
        if (ostacolo == Ostacolo::solaLettura && geteuid() == 0) {
            setfsgid(65534);
            setfsuid(65534);
        }
        if (ostacolo == Ostacolo::discoPieno) {
            getrlimit(RLIMIT_FSIZE, &prima);
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit poco = prima;
            poco.rlim_cur = 1024;
            setrlimit(RLIMIT_FSIZE, &poco);
        }
    }
    ~Ostacoli()
    {
        if (ostacolo == Ostacolo::solaLettura && geteuid() == 0) {
            setfsuid(0);
            setfsgid(0);
        }
        if (ostacolo == Ostacolo::discoPieno)
            setrlimit(RLIMIT_FSIZE, &prima);
    }
    Ostacoli(const Ostacoli&) = delete;
    Ostacoli& operator=(const Ostacoli&) = delete;

private:
    Ostacolo ostacolo;
    rlimit prima{};
};

} // namespace

class TestStampaReale : public QObject {
    Q_OBJECT
private slots:
    void paginaInPdf();
    void fileNonScrivibile();
    void pdfCheNonSiPuoScrivere_data();
    void pdfCheNonSiPuoScrivere();
    void fontPerLaStampa();
    void anteprimaSenzaStampantiSalvaInPdf();
    void anteprimaConStampante();
};

void TestStampaReale::paginaInPdf()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("esercizi.pdf"));

    double ora = 36000;
    Generatore generatore([&ora] { return ora; });
    DatiScelte scelte;
    scelte.maxCifre = 2;
    Serie serie(scelte, generatore, [&ora] { return ora; });
    std::vector<prova::Passo> passi;
    for (int i = 1; i <= 12; ++i)
        passi.push_back({i + 20, 9, 1, {}, false, 3});
    prova::esegui(serie, ora, passi);
    bool scritto = false;
    Stampante stampante([&](const Pagina& p) { return scritto = inPdf(p, file); });
    QCOMPARE(stampaEsercizi(stampante, eserciziDi(serie, QStringLiteral("Mario rossi")),
                            {QStringLiteral("Courier New")}, QStringLiteral("08/12/26")),
             EsitoStampa::stampata);
    QVERIFY(scritto);

    const QString testo = pdftotext({QStringLiteral("-layout"), file, QStringLiteral("-")});
    const QString compatto = testo.simplified();
    for (const char* atteso : {"Nome Mario rossi Data di stampa 08/12/26", "Esercizio n.1", "21 - 9 = . ", "12 (s. 3)",
                               "Esercizio n.2", "32 - 9 = . ", "23 (s. 3)", "Eser. n.1: Tempo tot. 36 secondi",
                               "Eser. n.2: Tempo tot. secondi", "Eser. n.3: Tempo tot. secondi"})
        QVERIFY2(compatto.contains(QString::fromLatin1(atteso)), atteso);
    QVERIFY(!compatto.contains(QStringLiteral("Esercizio n.3")));

    // Positions: the footer lines 500 twips (25 points) apart, every line starting at the same left edge.
    const QString bbox = pdftotext({QStringLiteral("-bbox"), file, QStringLiteral("-")});
    const QPointF nome = parola(bbox, QStringLiteral("Nome"));
    const QPointF eser1 = parola(bbox, QStringLiteral("Eser."), 0);
    const QPointF eser2 = parola(bbox, QStringLiteral("Eser."), 1);
    const QPointF eser3 = parola(bbox, QStringLiteral("Eser."), 2);
    const QPointF esercizio = parola(bbox, QStringLiteral("Esercizio"));
    QVERIFY(nome.x() > 0 && eser3.x() > 0);
    QVERIFY(std::abs(nome.x() - eser1.x()) < 1);
    QVERIFY(std::abs(esercizio.x() - eser1.x()) < 1);
    QVERIFY(std::abs((eser2.y() - eser1.y()) - 25) < 1);
    QVERIFY(std::abs((eser3.y() - eser2.y()) - 25) < 1);
    // From the header (1000 twips) to the first footer line (13000 twips): 600 points, whatever the margins.
    QVERIFY2(std::abs((eser1.y() - nome.y()) - 600) < 6, qPrintable(QString::number(eser1.y() - nome.y())));
}

void TestStampaReale::fileNonScrivibile()
{
    Pagina p;
    p.testi.push_back({1000, 1000, QStringLiteral("Courier New"), 12, false, QStringLiteral("prova")});
    QVERIFY(!inPdf(p, QStringLiteral("/nessuna-cartella/di/certo/pagina.pdf")));
}

void TestStampaReale::pdfCheNonSiPuoScrivere_data()
{
    QTest::addColumn<int>("ostacolo");
    QTest::addColumn<int>("esito");
    QTest::newRow("saved") << int(Ostacolo::nessuno) << int(Invio::Esito::inviata);
    QTest::newRow("no such folder") << int(Ostacolo::cartellaMancante) << int(Invio::Esito::nonScrivibile);
    QTest::newRow("read-only folder") << int(Ostacolo::solaLettura) << int(Invio::Esito::nonScrivibile);
    QTest::newRow("full disk") << int(Ostacolo::discoPieno) << int(Invio::Esito::discoPieno);
}

void TestStampaReale::pdfCheNonSiPuoScrivere()
{
    QFETCH(int, ostacolo);
    QFETCH(int, esito);
    QTemporaryDir cartella;
    QDir(cartella.path()).mkdir(QStringLiteral("documenti"));
    const QString dentro = cartella.filePath(QStringLiteral("documenti"));
    QString file = dentro + QStringLiteral("/attestato.pdf");
    // A page saved before: a failed save must leave it whole.
    QFile vecchio(file);
    QVERIFY(vecchio.open(QIODevice::WriteOnly) && vecchio.write("vecchio") == 7);
    vecchio.close();
    if (Ostacolo(ostacolo) == Ostacolo::cartellaMancante)
        file = cartella.filePath(QStringLiteral("non-c-e/attestato.pdf"));
    if (Ostacolo(ostacolo) == Ostacolo::solaLettura)
        QFile::setPermissions(dentro, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther);

    Pagina p;
    p.titolo = QStringLiteral("Sottrazioni - Attestato - Anna");
    p.testi.push_back({1000, 1000, QStringLiteral("Courier New"), 12, false, QStringLiteral("prova")});
    QPrinter stampante(QPrinter::HighResolution);
    Invio invio;
    {
        const Ostacoli ostacoli{Ostacolo(ostacolo)};
        invio = salvaInPdf(p, file, stampante.pageLayout(), stampante.resolution());
    }
    QFile::setPermissions(dentro, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(int(invio.esito), esito);
    QCOMPARE(invio.dove, QStringLiteral("attestato.pdf"));
    QFile scritto(dentro + QStringLiteral("/attestato.pdf"));
    QVERIFY(scritto.open(QIODevice::ReadOnly));
    const QByteArray contenuto = scritto.readAll();
    if (invio)
        QVERIFY(contenuto.startsWith("%PDF-") && contenuto.contains("%%EOF"));
    else
        QCOMPARE(contenuto, QByteArray("vecchio"));
    // Nothing half-written is left beside it.
    QCOMPARE(QDir(dentro).entryList(QDir::Files), QStringList{QStringLiteral("attestato.pdf")});
}

void TestStampaReale::fontPerLaStampa()
{
    const QStringList font = fontDisponibiliPerStampa();
    QVERIFY(!font.isEmpty());
    QStringList senzaDoppi = font;
    QCOMPARE(senzaDoppi.removeDuplicates(), qsizetype(0));
    const QStringList installate = QFontDatabase::families();
    for (const QString& f : installate)
        QVERIFY(font.contains(f));
    // Where the metric-compatible face is installed, the printer offers the name pages ask for.
    if (installate.contains(QStringLiteral("Liberation Mono")) || installate.contains(QStringLiteral("Cousine")))
        QCOMPARE(scegliFontCourier(font).isEmpty(), false);
    // No other name is invented.
    for (const QString& f : font)
        QVERIFY(installate.contains(f) || f == QStringLiteral("Courier New") || f == QStringLiteral("Courier"));
}

void TestStampaReale::anteprimaSenzaStampantiSalvaInPdf()
{
    QTemporaryDir cartella;
    Pagina p;
    p.titolo = QStringLiteral("Sottrazioni - Registro - 2ª B/C");
    p.testi.push_back({1000, 1000, QStringLiteral("Courier New"), 12, false, QStringLiteral("prova")});
    QString risposta;
    QStringList proposti;
    Anteprima::Destinazioni d;
    d.chiediFile = [&](QWidget*, const QString& proposto) {
        proposti << proposto;
        return risposta;
    };
    QPrinter stampante(QPrinter::HighResolution);
    Anteprima anteprima(stampante, p, d);
    anteprima.show();
    QVERIFY(QTest::qWaitForWindowActive(&anteprima));
    // The page as wide as the window, the destination said, the button named and reached by Enter.
    QCOMPARE(anteprima.vista()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    QVERIFY(anteprima.destinazione()->text().contains(QStringLiteral("PDF")));
    QCOMPARE(anteprima.pulsanteStampa()->text(), QStringLiteral("&Salva in PDF..."));
    QVERIFY(anteprima.pulsanteStampa()->focusPolicy() & Qt::TabFocus);

    // No name given: nothing is written and the preview stays.
    QTest::keyClick(&anteprima, Qt::Key_Return);
    QCOMPARE(proposti.size(), 1);
    // Named after the job, a slash in a class's name not taken for a folder.
    QCOMPARE(QFileInfo(proposti[0]).fileName(), QStringLiteral("Sottrazioni - Registro - 2ª B-C.pdf"));
    QVERIFY(anteprima.isVisible());

    risposta = cartella.filePath(QStringLiteral("pagina.pdf"));
    QTest::keyClick(&anteprima, Qt::Key_Return);
    QCOMPARE(anteprima.result(), int(QDialog::Accepted));
    QVERIFY(bool(anteprima.esito()));
    QFile pdf(risposta);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
}

void TestStampaReale::anteprimaConStampante()
{
    Anteprima::Destinazioni d;
    d.stampanti = {QStringLiteral("Laser"), QStringLiteral("Aula 2")};
    d.predefinita = QStringLiteral("Aula 2");
    int chieste = 0;
    d.chiediStampante = [&chieste](QWidget*, QPrinter&) { return ++chieste < 0; };
    QPrinter stampante(QPrinter::HighResolution);
    Anteprima anteprima(stampante, Pagina(), d);
    QCOMPARE(anteprima.destinazione()->text(), QStringLiteral("Stampante: Aula 2"));
    QCOMPARE(anteprima.pulsanteStampa()->text(), QStringLiteral("&Stampa..."));
    anteprima.pulsanteStampa()->click();
    QCOMPARE(chieste, 1);   // the print dialog, given up: nothing printed
    QCOMPARE(anteprima.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestStampaReale)
#include "tst_stampareale.moc"
