// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "start/impostazioni.h"
#include "ui/finestra.h"
#include "ui/scelte.h"

#include <array>
#include <optional>

class QAction;
class QActionGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QTimer;

namespace ope {

class Programma;
class EtichettaCliccabile;
class PulsanteOpzione;

// The start window: objective, then level, then "Avanti".
class FrmInizio : public Finestra {
    Q_OBJECT
public:
    explicit FrmInizio(Programma& programma);

    std::int16_t gruppoObiettivi() const { return impostazioni.gruppoObiettivi; }

    // One tick of the opening curtains; public so that a test can step them.
    void TimerTendine_Timer();

protected:
    bool event(QEvent* e) override;
    void ridimensionata() override;
    bool lasciaChiudere() override;
    void scarica() override;

private:
    void creaControlli();
    void creaTendine();
    void creaMenu();
    void creaMenuOperazione();
    void sceltaOperazione(int tipo);
    void avviaTendine();
    void agganciaTendine();
    void formActivate();
    void leggiLivelli();
    void scriviLivelli();
    void azzeraObiettivi();
    void azzeraLivelli();
    void sceltaObiettivo(int i);
    void sceltaLivello(int i);
    void cambiaObiettivi(int indice);
    // The headings of the choice, which the exercise window repeats; under a
    // chosen level, what it means for multiplications and divisions.
    void intesta(const QString& obiettivoScelto, const QString& livelloScelto);
    void intestaDiNuovo();
    void avanti();

    Programma& programma;
    Impostazioni impostazioni;
    QString prefissoLivello;
    bool conLivello = false;   // Label3 shows a chosen level

    QFrame* fraTitolo;
    QLabel* label6;
    QLabel* lblNomeOperazione;
    QLabel* label7;
    QLabel* label1;
    QLabel* label3;
    std::array<EtichettaCliccabile*, 2> lblCambiaOb;
    QGroupBox* frame1;
    QGroupBox* frame2;
    QGroupBox* frame3;
    Scelte obiettivo{6};   // Option1(0..5) with their markers Label9(0..5)
    Scelte livello{4};     // Option2(0..3) with Label10(0..3)
    std::array<PulsanteOpzione*, 2> option3;
    QLabel* label5;

    QWidget* picture1;
    QWidget* picture2;
    QTimer* timerTendine;
    // The curtains' width once open, kept against the proportional layout.
    std::optional<int> larghezzaAperte;

    QAction* mnuImpostazioni;
    QAction* mnuSchede;
    QAction* mnuIstru;
    QAction* mnuOperazioni;
    QAction* mnuValutazione;
    QAction* mnuEsempi;
    QAction* mnuInfo;
    QAction* mnuVerifica;
    QAction* mnuOperazione;
    std::array<QAction*, 8> mnuTipoOperazione{};   // 1..7; element 0 unused
    QAction* mnuTabelline;
    QAction* mnuCambiaAlunno;
    QAction* mnuRegistro;
};

} // namespace ope
