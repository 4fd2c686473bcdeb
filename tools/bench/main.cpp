// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the program against baselines taken in the same run:
//   bench                 all figures, as a table
//   bench --registro      only the register's figures over a school's year
//   bench --figlio MODO   one child process (start-up and memory are whole processes)
#include "misure.h"
#include "prove.h"

#include "programma.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

using namespace ope::bench;

namespace {

// Collects what Google Benchmark measured, by benchmark name, in microseconds.
class Raccoglitore : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> tempi;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const double perIterazione = r.GetAdjustedRealTime();
            tempi[r.benchmark_name()] = perIterazione * (1e6 / benchmark::GetTimeUnitMultiplier(r.time_unit));
        }
    }
};

// Median wall time, in milliseconds, of a child process run `volte` times;
// -1 when a child failed, so that its figure cannot pass.
double tempoFiglio(const QString& modo, int volte, long* memoria = nullptr)
{
    QTemporaryDir cartella;
    std::vector<double> tempi;
    for (int i = 0; i < volte; ++i) {
        QProcess figlio;
        figlio.setWorkingDirectory(cartella.path());
        QElapsedTimer orologio;
        orologio.start();
        figlio.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--figlio"), modo});
        const bool finito = figlio.waitForFinished(60000);
        if (!finito || figlio.exitStatus() != QProcess::NormalExit || figlio.exitCode() != 0) {
            std::fprintf(stderr, "bench: the child '%s' failed\n", qPrintable(modo));
            if (memoria)
                *memoria = -1;
            return -1;
        }
        tempi.push_back(orologio.nsecsElapsed() / 1e6);
        if (memoria)
            *memoria = figlio.readAllStandardOutput().trimmed().toLong();
    }
    return mediana(tempi);
}

void stampaTabella(const std::vector<Figura>& figure)
{
    std::printf("\n%-48s %14s   %-38s %14s %9s  %s\n", "figure", "value", "baseline (same run)", "baseline",
                "ratio", "bar");
    for (const Figura& f : figure) {
        const double rapporto = f.valoreBaseline > 0 ? f.valore / f.valoreBaseline : 0;
        const bool misurata = f.valore >= 0 && (!f.rapporto || f.valoreBaseline > 0);
        const bool ok = misurata && (f.rapporto ? rapporto <= f.soglia : f.valore <= f.soglia);
        const QString barra = f.rapporto ? QStringLiteral("ratio <= %1").arg(f.soglia)
                                         : QStringLiteral("< %1 %2").arg(f.soglia).arg(f.unita);
        std::printf("%-48s %10.2f %-3s   %-38s %10.2f %-3s %9.2f  %s %s\n", qPrintable(f.nome), f.valore,
                    qPrintable(f.unita), qPrintable(f.baseline), f.valoreBaseline, qPrintable(f.unita), rapporto,
                    qPrintable(barra), !misurata ? "NOT MEASURED" : ok ? "ok" : "FALLS SHORT");
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && QByteArray(argv[1]) == "--figlio")
        return eseguiFiglio(argc, argv, QString::fromLatin1(argv[2]));

    QApplication app(argc, argv);
    ope::preparaApplicazione(app);
    QTemporaryDir lavoro;
    QDir::setCurrent(lavoro.path());   // the start window writes its settings file here
    if (argc == 2 && QByteArray(argv[1]) == "--registro") {
        std::vector<Figura> figure;
        aggiungiFigureRegistro(figure);
        stampaTabella(figure);
        return 0;
    }

    registraProve();
    benchmark::Initialize(&argc, argv);
    Raccoglitore raccolta;
    benchmark::RunSpecifiedBenchmarks(&raccolta);
    benchmark::Shutdown();

    std::vector<Figura> figure;
    const double avvioVuota = tempoFiglio(QStringLiteral("avvio-vuota"), 15);
    const double avvioInizio = tempoFiglio(QStringLiteral("avvio-inizio"), 15);
    figure.push_back({QStringLiteral("start-up to the start window shown"), avvioInizio, QStringLiteral("ms"),
                      QStringLiteral("empty QMainWindow shown"), avvioVuota, 1.5, true});

    aggiungiFigure(raccolta.tempi, figure);
    aggiungiFigureRegistro(figure);

    long memoriaVuota = 0;
    long memoriaTesto = 0;
    long memoriaCorsa = 0;
    long memoriaAudio = 0;
    tempoFiglio(QStringLiteral("memoria-vuota"), 1, &memoriaVuota);
    tempoFiglio(QStringLiteral("memoria-testo"), 1, &memoriaTesto);
    tempoFiglio(QStringLiteral("memoria-corsa"), 1, &memoriaCorsa);
    tempoFiglio(QStringLiteral("memoria-corsa-audio"), 1, &memoriaAudio);
    figure.push_back({QStringLiteral("peak resident memory after a full run"), memoriaCorsa / 1024.0,
                      QStringLiteral("MiB"), QStringLiteral("empty QMainWindow shown"), memoriaVuota / 1024.0, 1.3,
                      true});
    figure.push_back({QStringLiteral("the same, against a window with one caption"), memoriaCorsa / 1024.0,
                      QStringLiteral("MiB"), QStringLiteral("QMainWindow with one label shown"),
                      memoriaTesto / 1024.0, 1.3, true});
    // Reported beside the silent run; the bar only says it stays of the same order.
    figure.push_back({QStringLiteral("the same, sounds and reading on"), memoriaAudio / 1024.0, QStringLiteral("MiB"),
                      QStringLiteral("full run, silent (above)"), memoriaCorsa / 1024.0, 1.5, true});

    stampaTabella(figure);
    return 0;
}
