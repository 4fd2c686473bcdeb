// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of the program in its main states into PNG files:
//   snapshots [folder]      (default: ./snapshots)
// then the main windows on a netbook's, a laptop's and a whiteboard's screen.
#include "scatti.h"

#include "programma.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QImage>
#include <QTest>
#include <cstdio>
#include <memory>

namespace ope::scatti {

Ambiente Scatti::ambiente()
{
    Ambiente a;
    a.orologio = [this] { return ora; };
    a.nomeEseguibile = QStringLiteral("Sottrazioni");
    a.fontStampante = [] { return QStringList{QStringLiteral("Arial"), QStringLiteral("Courier New")}; };
    a.stampa = [this](const Pagina& p) {
        pagine.push_back(p);
        return true;
    };
    a.avviso = [](const QString& testo) { std::fprintf(stderr, "avviso: %s\n", qPrintable(testo)); };
    a.dataBreve = [] { return QStringLiteral("08/12/26"); };
    a.suona = [](Suono) {};
    a.preparaSuoni = [] {};
    a.preparaVoce = [] {};
    a.leggi = [](const QString&, bool) {};
    a.preferenza = [](const QString&) { return QVariant(); };
    a.ricordaPreferenza = [](const QString&, const QVariant&) {};
    // A scratch register in the fresh working directory, never the user's.
    a.percorsoRegistro = [percorso = QDir::current().absoluteFilePath(registro)] { return percorso; };
    a.conferma = [](const QString&) { return false; };
    a.fileDaScrivere = [](const QString&, const QString&) { return QString(); };
    return a;
}

void Scatti::salva(QWidget* finestra, const QString& nome)
{
    if (!finestra)
        return;
    QApplication::processEvents();
    QApplication::processEvents();
    salva(finestra->grab().toImage(), nome);
}

void Scatti::salva(const QImage& immagine, const QString& nome)
{
    const QString file = QDir(cartella).filePath(nome + QStringLiteral(".png"));
    if (immagine.save(file))
        std::printf("%s\n", qPrintable(file));
    else
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

} // namespace ope::scatti

namespace {

struct Schermo {
    const char* misura;
    bool ingrandite;
};
// A netbook, a laptop, and a whiteboard's computer with the windows maximised.
constexpr Schermo schermi[] = {{"1024x600", false}, {"1366x768", false}, {"1920x1080", true}};

// The offscreen platform with one screen of that size ("1024x600"), read
// from a file before the application starts.
void impostaSchermo(const QString& misura, const QTemporaryDir& cartella)
{
    const QStringList lati = misura.split(QLatin1Char('x'));
    const QString file = cartella.filePath(QStringLiteral("schermo.json"));
    QFile json(file);
    if (lati.size() == 2 && json.open(QIODevice::WriteOnly)) {
        json.write(QStringLiteral(R"({"screens": [{"name": "schermo", "x": 0, "y": 0, "width": %1, "height": %2}]})")
                       .arg(lati[0].toInt())
                       .arg(lati[1].toInt())
                       .toUtf8());
        json.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // "snapshots --schermo 1024x600 [--ingrandite] folder": one screen's pictures, in a process of its own.
    const bool unoSchermo = argc >= 4 && QByteArray(argv[1]) == "--schermo";
    const bool ingrandite = unoSchermo && argc >= 5 && QByteArray(argv[3]) == "--ingrandite";
    const char* cartellaScelta = unoSchermo ? argv[argc - 1] : (argc > 1 ? argv[1] : nullptr);
    QTemporaryDir configurazione;
    impostaSchermo(unoSchermo ? QString::fromLatin1(argv[2]) : QStringLiteral("1366x768"), configurazione);

    QApplication app(argc, argv);
    ope::preparaApplicazione(app);
    ope::scatti::Scatti s;
    s.cartella = QDir(cartellaScelta ? QString::fromLocal8Bit(cartellaScelta) : QStringLiteral("snapshots")).absolutePath();
    QDir().mkpath(s.cartella);
    // The settings file is written in the working directory: a fresh one, so
    // every subsystem starts as on a first run and the pictures never depend
    // on a file left by an earlier run.
    QTemporaryDir lavoro;
    QDir::setCurrent(lavoro.path());

    if (unoSchermo) {
        ope::scatti::scattiSchermo(s, ingrandite);
        return 0;
    }
    for (auto scatti : {&ope::scatti::scattiInizio, &ope::scatti::scattiSchede, &ope::scatti::scattiInformazioni,
                        &ope::scatti::scattiStampe, &ope::scatti::scattiOperativo, &ope::scatti::scattiRegistro}) {
        QFile::remove(QStringLiteral("Sottrazioni.dat"));
        scatti(s);
    }
    int esito = 0;
    for (const Schermo& schermo : schermi) {
        QStringList argomenti{QStringLiteral("--schermo"), QString::fromLatin1(schermo.misura)};
        if (schermo.ingrandite)
            argomenti << QStringLiteral("--ingrandite");
        argomenti << s.cartella;
        if (QProcess::execute(QCoreApplication::applicationFilePath(), argomenti) != 0)
            esito = 1;
    }
    return esito;
}
