// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of the program in its main states into PNG files:
//   snapshots [folder]      (default: ./snapshots)
#include "scatti.h"

#include "programma.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QImage>
#include <QTest>
#include <cstdio>

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
    a.leggi = [](const QString&, bool) {};
    a.preferenza = [](const QString&) { return QVariant(); };
    a.ricordaPreferenza = [](const QString&, const QVariant&) {};
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

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ope::preparaApplicazione(app);
    ope::scatti::Scatti s;
    s.cartella = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots")).absolutePath();
    QDir().mkpath(s.cartella);
    // The settings file is written in the working directory: a fresh one, so
    // every subsystem starts as on a first run and the pictures never depend
    // on a file left by an earlier run.
    QTemporaryDir lavoro;
    QDir::setCurrent(lavoro.path());

    for (auto scatti : {&ope::scatti::scattiInizio, &ope::scatti::scattiSchede, &ope::scatti::scattiInformazioni,
                        &ope::scatti::scattiStampe, &ope::scatti::scattiOperativo}) {
        QFile::remove(QStringLiteral("Sottrazioni.dat"));
        scatti(s);
    }
    return 0;
}
