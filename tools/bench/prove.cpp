// SPDX-License-Identifier: GPL-3.0-or-later
#include "prove.h"

#include "exercise/frmoperativo.h"
#include "print/stampante.h"
#include "print/stampareale.h"
#include "programma.h"
#include "reports/attestato.h"
#include "reports/schede.h"
#include "reports/stampaesercizi.h"
#include "serieprova.h"
#include "session/estrazione.h"
#include "start/tabelle.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace ope::bench {

namespace {

// Silent, unless `audio`: then the real sound and speech outputs, with
// reading aloud on. Preferences stay in memory either way.
Ambiente ambienteDiProva(bool audio = false)
{
    Ambiente a;
    a.nomeEseguibile = QStringLiteral("Sottrazioni");
    a.fontStampante = [] { return QStringList{QStringLiteral("Courier New")}; };
    a.stampa = [](const Pagina&) { return true; };
    a.avviso = [](const QString&) {};
    a.conferma = [](const QString&) { return true; };
    a.dataBreve = [] { return QStringLiteral("08/12/26"); };
    if (!audio) {
        a.suona = [](Suono) {};
        a.preparaSuoni = [] {};
        a.preparaVoce = [] {};
        a.leggi = [](const QString&, bool) {};
    }
    a.preferenza = [audio](const QString& chiave) {
        return chiave == QLatin1String("leggiAdAltaVoce") ? QVariant(audio) : QVariant();
    };
    a.ricordaPreferenza = [](const QString&, const QVariant&) {};
    // A register of its own in the working folder, a scratch one, never the user's.
    a.percorsoRegistro = [] { return QDir::current().filePath(QStringLiteral("registro.sqlite")); };
    return a;
}

// The program goes on by itself for that long.
void lascia(int millisecondi)
{
    QElapsedTimer attesa;
    attesa.start();
    while (attesa.elapsed() < millisecondi)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void attendiEsposta(QWidget* w)
{
    while (!w->windowHandle() || !w->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A press and a release at the control's centre, sent straight to it as the
// test library would: the measured process then carries no test-library code.
void premi(QWidget* finestra, const QString& nome)
{
    QWidget* w = finestra ? finestra->findChild<QWidget*>(nome) : nullptr;
    if (!w)
        return;
    const QPointF centro = QRectF(w->rect()).center();
    const QPointF schermo = w->mapToGlobal(centro);
    QMouseEvent pressione(QEvent::MouseButtonPress, centro, schermo, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &pressione);
    QMouseEvent rilascio(QEvent::MouseButtonRelease, centro, schermo, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &rilascio);
}

QWidget* apriEsercizio(Programma& programma)
{
    programma.avvia();
    QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));
    attendiEsposta(inizio);
    // The curtains cover the window until they have opened: a pupil starts after them.
    if (auto* tendine = inizio->findChild<QTimer*>(QStringLiteral("TimerTendine")))
        while (tendine->isActive())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // Objective 6 draws every form; level 4 every number.
    premi(inizio, QStringLiteral("lblCambiaOb(0)"));
    premi(inizio, QStringLiteral("Option1(5)"));
    premi(inizio, QStringLiteral("Option2(3)"));
    premi(inizio, QStringLiteral("Option3(0)"));
    QWidget* esercizio = programma.finestra(QStringLiteral("FrmOperativo"));
    if (esercizio)
        attendiEsposta(esercizio);
    return esercizio;
}

// Answers the 20 operations of a run, right, key by key; each press is timed.
struct Azione {
    QString tasto;
    double microsecondi;
    double microsecondiCpu;   // of this thread alone: the program's own work, without waiting for the processor
};

double microsecondiCpuFilo()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

void corsaDiVenti(QWidget* esercizio, std::vector<Azione>* tempi)
{
    const Serie& s = static_cast<FrmOperativo*>(esercizio)->serie();
    auto azione = [&](const QString& nome) {
        const double cpu = microsecondiCpuFilo();
        const double t = microsecondi([&] { premi(esercizio, nome); });
        if (tempi)
            tempi->push_back({nome, t, microsecondiCpuFilo() - cpu});
    };
    for (int operazione = 1; operazione <= 20; ++operazione) {
        const QString risposta = s.operazione().rispostaEsatta.trimmed();
        if (!s.rigaSegni()) {
            for (QChar c : risposta)
                azione(tasti::cifra(c.digitValue()));
            azione(tasti::verificaCifre);
            if (operazione < 20)
                azione(tasti::avantiCifre);
        } else {
            azione(tasti::segno(int(QStringLiteral("=<>").indexOf(risposta))));
            azione(tasti::verificaSegni);
            if (operazione < 20)
                azione(tasti::avantiSegni);
        }
    }
}

// A run of twenty subtractions, two of them after a wrong attempt, for the pages.
struct CorsaFatta {
    double ora = 36000;
    Generatore generatore{[] { return 36000.0; }};
    std::shared_ptr<Serie> serie;

    CorsaFatta()
    {
        DatiScelte scelte;
        scelte.tipoOperazione = 2;
        scelte.maxCifre = 2;
        scelte.nomeProgramma = QStringLiteral("Sottrazioni");
        scelte.titoloObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
        scelte.descrizioneLivello = QStringLiteral("NUMERO MASSIMO da  1 a 30");
        serie = std::make_shared<Serie>(scelte, generatore, [this] { return ora; });
        std::vector<prova::Passo> passi(20, prova::Passo{});
        passi[3].sbagliate = QStringList{QStringLiteral("9")};
        passi[7].sbagliate = QStringList{QStringLiteral("5")};
        prova::esegui(*serie, ora, passi);
    }
};

void paginaInPdf(const Pagina& pagina, const QString& file)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(file);
    stampaSu(stampante, pagina);
}

Pagina paginaEsercizi()
{
    const CorsaFatta corsa;
    Pagina pagina;
    Stampante st([&pagina](const Pagina& p) {
        pagina = p;
        return true;
    });
    stampaEsercizi(st, eserciziDi(*corsa.serie, QStringLiteral("mARIO rOSSI")), {QStringLiteral("Courier New")},
                   QStringLiteral("08/12/26"));
    return pagina;
}

Pagina paginaAttestato()
{
    const CorsaFatta corsa;
    const auto righe = righeAttestato(*corsa.serie, QStringLiteral("mARIO rOSSI"), QStringLiteral("08/12/26"));
    QImage immagine = nuovaImmagineAttestato(250, 347, QColor(192, 255, 255));
    PennaAttestato penna(immagine, righe);
    while (!penna.finita())
        penna.scriviRiga();
    Pagina pagina;
    Stampante st([&pagina](const Pagina& p) {
        pagina = p;
        return true;
    });
    st.fineRiga();
    st.immagine(1000, 100, immagine);
    st.fine();
    return pagina;
}

void registraPdf(const char* nome, Pagina (*pagina)())
{
    benchmark::RegisterBenchmark(nome, [pagina](benchmark::State& stato) {
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("pagina.pdf"));
        for (auto _ : stato)
            paginaInPdf(pagina ? pagina() : Pagina{}, file);
    })->Unit(benchmark::kMillisecond);
}

double tempo(const std::map<std::string, double>& tempi, const char* nome)
{
    const auto t = tempi.find(nome);
    return t == tempi.end() ? 0 : t->second;
}

// A pupil's actions through the real window, over five runs of 20.
std::vector<Azione> cinqueCorse(bool audio)
{
    std::vector<Azione> registro;
    Programma programma(ambienteDiProva(audio));
    QWidget* esercizio = apriEsercizio(programma);
    // A pupil hears the first operation before the first key.
    if (audio)
        lascia(1500);
    for (int corsa = 0; corsa < 5 && esercizio; ++corsa) {
        corsaDiVenti(esercizio, &registro);
        premi(esercizio, QStringLiteral("Option4(1)"));   // "Ricomincia"
    }
    return registro;
}

// The five actions that took longest by `misura` (wall or processor time),
// by key and with their place in the five runs.
void stampaPiuLente(const char* titolo, const std::vector<Azione>& registro, double Azione::*misura = &Azione::microsecondi)
{
    std::vector<std::size_t> ordine(registro.size());
    for (std::size_t i = 0; i < ordine.size(); ++i)
        ordine[i] = i;
    std::sort(ordine.begin(), ordine.end(),
              [&](std::size_t a, std::size_t b) { return registro[a].*misura > registro[b].*misura; });
    std::printf("%s", titolo);
    for (std::size_t i = 0; i < std::min<std::size_t>(5, ordine.size()); ++i)
        std::printf("  %s (#%zu) %.2f ms", qPrintable(registro[ordine[i]].tasto), ordine[i] + 1,
                    registro[ordine[i]].*misura / 1000);
    std::printf("\n");
}

// The most processor time this thread spent on one action.
double piuLavoro(const std::vector<Azione>& registro)
{
    double cpu = 0;
    for (const Azione& a : registro)
        cpu = std::max(cpu, a.microsecondiCpu);
    return cpu;
}

std::vector<double> soloTempi(const std::vector<Azione>& registro)
{
    std::vector<double> tempi;
    for (const Azione& a : registro)
        tempi.push_back(a.microsecondi);
    return tempi;
}

} // namespace

void registraProve()
{
    benchmark::RegisterBenchmark("scheda_60_righe", [](benchmark::State& stato) {
        Scheda scheda;
        scegliObiettivoScheda(scheda.scelte, 5);
        scegliLivelloScheda(scheda, 3);
        Generatore g([] { return 36000.0; });
        for (auto _ : stato)
            for (int i = 1; i <= 60; ++i)
                generaRigaScheda(scheda, g, i);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("baseline_60_sottrazioni_estratte", [](benchmark::State& stato) {
        Sessione s;
        scegliLivello(s.scelte, 3);
        DatiOperazione operazione;
        Generatore g([] { return 36000.0; });
        for (auto _ : stato)
            for (int i = 1; i <= 60; ++i)
                estraiSottrazione(s.scelte, operazione, g);
    })->Unit(benchmark::kMicrosecond);

    registraPdf("pagina_esercizi_in_pdf", &paginaEsercizi);
    registraPdf("attestato_in_pdf", &paginaAttestato);
    registraPdf("baseline_pagina_vuota_in_pdf", nullptr);

    // Both sides change, so every resize also changes the size of every font.
    benchmark::RegisterBenchmark("ridimensiona_esercizio", [](benchmark::State& stato) {
        Programma programma(ambienteDiProva());
        QWidget* esercizio = apriEsercizio(programma);
        int passo = 0;
        for (auto _ : stato) {
            const int grande = passo++ % 2;
            esercizio->resize(800 + grande * 200, 600 + grande * 150);
            QCoreApplication::sendPostedEvents();
        }
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("baseline_ridimensiona_finestra_vuota", [](benchmark::State& stato) {
        QMainWindow vuota;
        vuota.setCentralWidget(new QWidget);
        vuota.show();
        attendiEsposta(&vuota);
        int passo = 0;
        for (auto _ : stato) {
            const int grande = passo++ % 2;
            vuota.resize(800 + grande * 200, 600 + grande * 150);
            QCoreApplication::sendPostedEvents();
        }
    })->Unit(benchmark::kMicrosecond);
}

void aggiungiFigure(const std::map<std::string, double>& tempi, std::vector<Figura>& figure)
{
    std::vector<Azione> registro = cinqueCorse(false);
    const std::vector<double> azioni = soloTempi(registro);
    // The first run pays once for what Qt caches (glyphs, button faces).
    const std::vector<double> dopoLaPrima(azioni.begin() + std::min(azioni.size(), azioni.size() / 5), azioni.end());
    stampaPiuLente("slowest pupil actions:", registro);
    stampaPiuLente("most work of the program's thread:", registro, &Azione::microsecondiCpu);
    std::vector<double> pressioniVuote;
    {
        QWidget finestra;
        auto* tasto = new QPushButton(QStringLiteral("7"), &finestra);
        tasto->setObjectName(QStringLiteral("tasto"));
        finestra.show();
        attendiEsposta(&finestra);
        for (std::size_t i = 0; i < std::max<std::size_t>(azioni.size(), 100); ++i)
            pressioniVuote.push_back(microsecondi([&] { premi(&finestra, QStringLiteral("tasto")); }));
    }
    // The same with the sounds and the voice really playing, where a sound
    // server and the speech service are there (scripts/bench starts both);
    // measured last, as the voice goes on for a while after the runs.
    std::vector<Azione> registroAudio = cinqueCorse(true);
    const std::vector<double> azioniAudio = soloTempi(registroAudio);
    stampaPiuLente("slowest with sounds and reading on:", registroAudio);
    stampaPiuLente("most work of the program's thread, sounds and reading on:", registroAudio, &Azione::microsecondiCpu);
    const QString vuota = QStringLiteral("press on a bare button");
    figure.push_back({QStringLiteral("pupil action in a run of 20, median"), mediana(azioni) / 1000,
                      QStringLiteral("ms"), vuota, mediana(pressioniVuote) / 1000, 2, false});
    figure.push_back({QStringLiteral("pupil action in a run of 20, worst"), peggiore(azioni) / 1000,
                      QStringLiteral("ms"), vuota, peggiore(pressioniVuote) / 1000, 2, false});
    figure.push_back({QStringLiteral("pupil action, worst after the first run"), peggiore(dopoLaPrima) / 1000,
                      QStringLiteral("ms"), vuota, peggiore(pressioniVuote) / 1000, 2, false});
    figure.push_back({QStringLiteral("pupil action, sounds and reading on, median"), mediana(azioniAudio) / 1000,
                      QStringLiteral("ms"), QStringLiteral("the same, silent (above)"), mediana(azioni) / 1000, 2, false});
    figure.push_back({QStringLiteral("pupil action, sounds and reading on, worst"), peggiore(azioniAudio) / 1000,
                      QStringLiteral("ms"), QStringLiteral("the same, silent (above)"), peggiore(azioni) / 1000, 2, false});
    // Wall time waits for the processor too, which the voice's synthesis shares
    // (the bench presses a key every millisecond): the program's own work apart.
    figure.push_back({QStringLiteral("the same, most work of the program's thread"), piuLavoro(registroAudio) / 1000,
                      QStringLiteral("ms"), QStringLiteral("the same, silent"), piuLavoro(registro) / 1000, 2, false});
    figure.push_back({QStringLiteral("one resize of the exercise window"), tempo(tempi, "ridimensiona_esercizio") / 1000,
                      QStringLiteral("ms"), QStringLiteral("resize of an empty QMainWindow"),
                      tempo(tempi, "baseline_ridimensiona_finestra_vuota") / 1000, 2, false});
    figure.push_back({QStringLiteral("building one 60-line worksheet"), tempo(tempi, "scheda_60_righe"),
                      QStringLiteral("us"), QStringLiteral("60 subtractions drawn"),
                      tempo(tempi, "baseline_60_sottrazioni_estratte"), 100, false});
    const double vuotaPdf = tempo(tempi, "baseline_pagina_vuota_in_pdf") / 1000;
    figure.push_back({QStringLiteral("executed-operations page into PDF"), tempo(tempi, "pagina_esercizi_in_pdf") / 1000,
                      QStringLiteral("ms"), QStringLiteral("empty page into PDF"), vuotaPdf, 50, false});
    figure.push_back({QStringLiteral("certificate page into PDF"), tempo(tempi, "attestato_in_pdf") / 1000,
                      QStringLiteral("ms"), QStringLiteral("empty page into PDF"), vuotaPdf, 50, false});
}

int eseguiFiglio(int argc, char* argv[], const QString& modo)
{
    QApplication app(argc, argv);
    if (modo.endsWith(QLatin1String("vuota")) || modo == QLatin1String("memoria-testo")) {
        // At the start window's size; "testo" adds one line of text, which is
        // what loads the font system that every window with a caption needs.
        QMainWindow vuota;
        vuota.resize(794, 556);
        if (modo == QLatin1String("memoria-testo"))
            vuota.setCentralWidget(new QLabel(QStringLiteral("Sottrazioni")));
        vuota.show();
        attendiEsposta(&vuota);
        QCoreApplication::processEvents();
    } else if (modo == QLatin1String("avvio-inizio")) {
        preparaApplicazione(app);
        Programma programma(ambienteDiProva());
        programma.avvia();
        // With a class in the register the start is over when "Chi sei?", the first window, is on screen.
        QWidget* chiSei = programma.finestra(QStringLiteral("FrmChiSei"));
        attendiEsposta(chiSei ? chiSei : programma.finestra(QStringLiteral("frmInizio")));
        QCoreApplication::processEvents();
    } else if (modo.startsWith(QLatin1String("memoria-corsa"))) {
        preparaApplicazione(app);
        const bool audio = modo == QLatin1String("memoria-corsa-audio");
        Programma programma(ambienteDiProva(audio));
        QWidget* esercizio = apriEsercizio(programma);
        if (!esercizio)
            return 1;
        corsaDiVenti(esercizio, nullptr);
        QCoreApplication::processEvents();
        // Long enough for the last sentence and the end-of-run tune.
        if (audio)
            lascia(2000);
        // A run that went wrong would measure less than a pupil's.
        const auto* finestra = static_cast<FrmOperativo*>(esercizio);
        if (finestra->serie().esatte() != 20)
            return 3;
    } else {
        return 2;
    }
    if (modo.startsWith(QLatin1String("memoria")))
        std::printf("%ld\n", piccoMemoriaKiB());
    return 0;
}

} // namespace ope::bench
