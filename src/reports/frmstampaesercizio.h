// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/finestra.h"

#include <array>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ope {

class Programma;
class PulsanteOpzione;
class Serie;

// "STAMPA DEGLI ESERCIZI ESEGUITI": the log of the run in three columns of
// ten, the pupil's name, the printout and the way to the certificate.
class FrmStampaEsercizio : public Finestra {
    Q_OBJECT
public:
    FrmStampaEsercizio(Programma& programma, std::shared_ptr<const Serie> serie);

    const std::shared_ptr<const Serie>& serie() const { return corrente; }

protected:
    void ridimensionata() override;
    void scarica() override;

private:
    void creaControlli();
    void creaPannelloNome();
    void riempiGriglia();
    void adattaRighe();
    void azione(int indice);
    void esci();
    void scriviIlNome();
    void stampa();
    void avanti();

    Programma& programma;
    std::shared_ptr<const Serie> corrente;

    QLabel* label5;
    std::array<QLabel*, 31> lblOp{};   // 1..30
    QFrame* frame1;
    std::array<PulsanteOpzione*, 4> option1{};
    QFrame* fraNome;
    QLineEdit* txtNome;
    QPushButton* cmdAvanti;
};

} // namespace ope
