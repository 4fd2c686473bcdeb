// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/audioesercizio.h"
#include "exercise/presentazione.h"
#include "ui/finestra.h"

#include <array>
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

// The exercise window: runs of 20 operations, answered on the digit or the
// sign keypad, checked, helped, timed and logged.
class FrmOperativo : public Finestra {
    Q_OBJECT
public:
    explicit FrmOperativo(Programma& programma);

    // A new run with the choices of the start window as they are now.
    void ricomincia();

    void iniziaSerie();
    void nuovaOperazione();
    void controllaFine();
    void presentaOperazione();
    void VisualizzaSot();
    void VisualizzaAdd();
    void VisualizzaMol();
    void VisualizzaDiv();
    void disponiPannelli();
    void disattivaPannelli();
    void verifica();
    void NoNo();
    void SiSi();

    QString statoSuono() const { return suono; }

protected:
    void ridimensionata() override;
    void scarica() override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
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

    void visualizza(Operazione operazione);
    void disponiRiga();
    void disponiIncognitaPrima();
    void disponiIncognitaCentrale();
    void disponiIncognitaUltima();
    void tracciaLinee();
    void nascondiLinee();

    void tastieraCifre();
    void tastieraDopoCifre();
    void tastieraSegni();
    void tastieraDopoSegni();
    void tastieraDopoRisposta();
    void mostraPannello(QFrame* pannello);

    void cifra(int d);
    void cancella();
    void sceltaSegno(int i);
    void impostaRisultato1(const QString& testo);
    void impostaSegno2(const QString& testo);
    void chiudiTempo();
    void esito(const QString& testo);
    void cambiaSuono();
    void annunciaFine();

    // lblLinee stands this far right of the unknown number (twips).
    static constexpr double spostamentoLinee = 700;

    Programma& programma;
    AudioEsercizio audio;
    bool caricata = false;
    std::optional<Presentazione> presentazione;   // of the operation on screen
    QString marcaEsito;
    QString suono;

    std::array<QLabel*, 3> label1{};

    QFrame* fraNumero = nullptr;
    std::array<QLabel*, 3> lblRifer{};
    QLabel* lblNumero1 = nullptr;
    QLabel* lblNumero2 = nullptr;
    QLabel* lblRisultato1 = nullptr;
    QLabel* lblSegno = nullptr;
    QLabel* lblUguale = nullptr;
    QLabel* lblCorrezione = nullptr;
    QLabel* lblLinee = nullptr;

    QFrame* fraSegno = nullptr;
    QLabel* lblRif2Sinistra = nullptr;   // lblRif2(1)
    QLabel* lblRif2Destra = nullptr;     // lblRif2(3)
    QLabel* lblNumero4 = nullptr;
    QLabel* lblNumero6 = nullptr;
    QLabel* lblNumero8 = nullptr;
    QLabel* lblUguale2 = nullptr;
    QLabel* lblSegno2 = nullptr;
    QLabel* lblCorrezioneS = nullptr;
    QLabel* lblLineeS = nullptr;
    std::array<Linea*, 4> linee{};       // Line1..Line4

    QLabel* lblRiferimento = nullptr;
    QFrame* fraTastierino = nullptr;
    std::array<PulsanteOpzione*, 15> option1{};
    QFrame* fraTastierinoRidotto = nullptr;
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
    Annuncio* annuncio = nullptr;   // what a screen reader says as the run goes on
};

} // namespace ope
