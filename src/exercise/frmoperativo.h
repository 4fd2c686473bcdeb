// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/annunciserie.h"
#include "exercise/audioesercizio.h"
#include "serie/abbandono.h"
#include "serie/serie.h"
#include "serie/presentazione.h"
#include "ui/finestra.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;

namespace ope {

class Annuncio;
class EtichettaCliccabile;
class Linea;
class Programma;
class PulsanteOpzione;

// The design names of the exercise window's keys, for whoever presses them by name.
namespace tasti {
inline QString cifra(int d) { return QStringLiteral("Option1(%1)").arg(d); }
inline const QString cancella = QStringLiteral("Option1(10)");
inline const QString verificaCifre = QStringLiteral("Option1(11)");
inline const QString avantiCifre = QStringLiteral("Option1(12)");
inline const QString escoCifre = QStringLiteral("Option1(13)");
inline QString segno(int i) { return QStringLiteral("Option5(%1)").arg(i); }   // "=" "<" ">"
inline const QString verificaSegni = QStringLiteral("Option5(3)");
inline const QString avantiSegni = QStringLiteral("Option5(4)");
inline const QString escoSegni = QStringLiteral("Option5(5)");
inline const QString no = QStringLiteral("Option3(0)");
inline const QString si = QStringLiteral("Option3(1)");
inline const QString ok = QStringLiteral("optOK");
inline const QString visualizza = QStringLiteral("Option4(0)");
inline const QString ricomincia = QStringLiteral("Option4(1)");
} // namespace tasti

// The switch under the statistics: untouched, it reads "si audio" and the
// sounds play; its first press only confirms that.
enum class Interruttore { Iniziale, Si, No };

// The exercise window: shows a run of 20 operations and forwards the pupil's
// keys to it. What a key does is the run's; what the window shows follows
// the run's phase.
class FrmOperativo : public Finestra, private OsservatoreSerie {
    Q_OBJECT
public:
    explicit FrmOperativo(Programma& programma);
    ~FrmOperativo() override;

    // A new run with the choices of the start window as they are now, once
    // the pupil agrees to drop the one on screen where anything would be lost.
    void ricomincia();

    // True when the run on screen may go: nothing of it would be lost, or the
    // pupil, asked once, says so. Once agreed to leave, the window closes without asking again.
    bool lasciaSerie(Abbandono abbandono);
    // Closes the window for another pupil: the run is theirs, nobody is asked.
    void lascia();

    const Serie& serie() const { return *corrente; }
    Interruttore statoSuono() const { return suono; }

protected:
    void ridimensionata() override;
    bool lasciaChiudere() override;
    void scarica() override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The controls of one row (numbers or sign) and of the keypad that answers it.
    struct Riga {
        QFrame* riquadro = nullptr;
        QLabel* incognita = nullptr;    // "?" until the pupil answers
        QLabel* correzione = nullptr;   // the right answer, once help shows it
        QLabel* linee = nullptr;
        QFrame* tastierino = nullptr;
        std::vector<PulsanteOpzione*> risposte;   // digits 0..9, or the signs
        PulsanteOpzione* cancella = nullptr;       // none on the sign keypad
        PulsanteOpzione* verifica = nullptr;
        PulsanteOpzione* avanti = nullptr;
        PulsanteOpzione* esco = nullptr;
    };

    void iniziaSerie(const DatiScelte& scelte);
    void creaIntestazioni();
    void creaRigaNumeri();
    void creaRigaSegni();
    void creaTastierino();
    void creaTastierinoRidotto();
    void creaPannelliAiuto();
    void creaAvviso();
    void creaStatistiche();
    void creaMenu();
    void collegaTasti();
    std::vector<PulsanteOpzione*> tastiPer(const QKeyEvent& e) const;

    void agisci(bool fatto);
    void mostraSerie();
    void mostraOperazione();
    void mostraFase();
    void mostraPannello(QFrame* pannello);
    void disponiPannelli();
    void disponiRiga();
    void disponiIncognita(std::array<QLabel*, 3> daSinistra);
    void tracciaLinee();
    void nascondiLinee();
    void cambiaSuono();
    void cancella();
    void visualizza();

    // What the run tells, as the screen shows it.
    void presentata(const Serie& s) override;
    void verificata(const Serie& s, bool esatta) override;

    const Riga& riga() const { return righe[corrente->rigaSegni() ? 1 : 0]; }
    // Who in this window follows the run on screen.
    std::array<OsservatoreSerie*, 3> osservatori() { return {this, &audio, &annunci}; }

    // lblLinee stands this far right of the unknown number (twips).
    static constexpr double spostamentoLinee = 700;

    Programma& programma;
    AudioEsercizio audio;
    Annuncio* annuncio;     // what a screen reader says as the run goes on
    AnnunciSerie annunci;
    std::shared_ptr<Serie> corrente;
    bool caricata = false;
    bool vista = false;      // the finished run's printout was opened: it is kept there
    bool lasciata = false;   // leaving agreed: no second question on the way out
    Interruttore suono = Interruttore::Iniziale;
    QFrame* rigaDavanti = nullptr;
    QFrame* pannelloDavanti = nullptr;
    std::optional<Fase> faseMostrata;

    std::array<QLabel*, 3> label1{};
    std::array<Riga, 2> righe;   // numbers, signs

    std::array<QLabel*, 3> lblRifer{};
    QLabel* lblNumero1 = nullptr;
    QLabel* lblNumero2 = nullptr;
    QLabel* lblSegno = nullptr;
    QLabel* lblUguale = nullptr;

    QLabel* lblRif2Sinistra = nullptr;   // lblRif2(1)
    QLabel* lblRif2Destra = nullptr;     // lblRif2(3)
    QLabel* lblNumero4 = nullptr;
    QLabel* lblNumero6 = nullptr;
    QLabel* lblNumero8 = nullptr;
    QLabel* lblUguale2 = nullptr;
    std::array<Linea*, 4> linee{};       // Line1..Line4

    QLabel* lblRiferimento = nullptr;
    std::array<PulsanteOpzione*, 15> option1{};
    std::array<PulsanteOpzione*, 6> option5{};
    QFrame* fraAiuto = nullptr;
    std::array<PulsanteOpzione*, 2> option3{};
    QFrame* fraIntervento = nullptr;
    PulsanteOpzione* optOK = nullptr;
    QFrame* fraAvviso = nullptr;
    std::array<PulsanteOpzione*, 2> option4{};

    QLabel* lblEsito = nullptr;
    QFrame* fraElaborazione = nullptr;
    QLabel* lblRisEsatte = nullptr;
    QLabel* lblOperazione = nullptr;
    QLabel* lblRisErrate = nullptr;
    QLabel* lblTempoOperazione = nullptr;
    QLabel* lblTempoTotale = nullptr;
    EtichettaCliccabile* label7 = nullptr;

    QAction* mnuVisualizza = nullptr;
    QAction* mnuLeggi = nullptr;
};

} // namespace ope
