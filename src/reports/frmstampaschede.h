// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/sessione.h"
#include "ui/finestra.h"
#include "ui/scelte.h"

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QPushButton;

namespace ope {

class Programma;
class EtichettaCliccabile;
class PulsanteOpzione;

// The worksheet window: objective, level, then the pupils' sheet, the
// teachers' sheet with its answers, and the print of either form of the sheet last shown.
class FrmStampaSchede : public Finestra {
    Q_OBJECT
public:
    explicit FrmStampaSchede(Programma& programma);

    // The window's own worksheet: its choices, lines and print buffers live
    // and die with it, and never touch a pupil's run.
    const Scheda& scheda() const { return foglio; }

    std::int16_t paginaObiettivi() const { return pagina; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void scarica() override;

private:
    void creaControlli();
    void azzeraObiettivi();
    void azzeraLivelli();
    void costruisciScheda();
    void svuotaScheda();
    void daiFuoco(QPushButton* scheda);
    void mostraScheda(const Righe& righe);
    void stampeUsabili(bool usabili);

    void sceltaObiettivo(int i);
    void sceltaLivello(int i);
    void cambiaObiettivi();
    void schedaAlunni();
    void schedaDocenti();
    void stampa(std::int16_t tipo);
    void cancellaScheda();

    Programma& programma;
    Scheda foglio;
    std::int16_t pagina = 1;

    QLabel* label1;
    std::array<QLabel*, 61> lblOp{};   // 1..60; element 0 unused, as in the sheet arrays
    QGroupBox* frame1;
    Scelte obiettivo{6};   // Option1(0..5) with their markers Label9(0..5)
    EtichettaCliccabile* lblCambiaObSchede;
    QGroupBox* frame2;
    Scelte livello{4};     // Option2(0..3) with Label10(0..3)
    QGroupBox* frame3;
    QPushButton* cmdSchedaAlunni;
    QPushButton* cmdStampaAlunni;
    QGroupBox* frame4;
    QPushButton* cmdSchedaDocenti;
    QPushButton* cmdStampaDocenti;
    QPushButton* cmdRicomincia;
    QPushButton* command1;
};

} // namespace ope
