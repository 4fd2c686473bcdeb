// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ambiente.h"
#include "session/sessione.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace ope {
class Programma;
}

namespace ope::scatti {

// Where the pictures go, and a platform with a fixed clock whose printed
// pages are kept for rendering.
struct Scatti {
    QString cartella;
    double ora = 36000.0;
    std::vector<Pagina> pagine;

    Ambiente ambiente();
    // Lets pending events run, then writes the window as <nome>.png.
    void salva(QWidget* finestra, const QString& nome);
    // Writes an image as <nome>.png.
    void salva(const QImage& immagine, const QString& nome);
};

// A logged run of twenty subtractions, with a wrong attempt and a helped answer.
void riempiSerie(Programma& programma, double& ora, int aiutate = 0);

// One function per subsystem; each renders its windows in their main states.
void scattiInizio(Scatti& s);
void scattiSchede(Scatti& s);
void scattiInformazioni(Scatti& s);
void scattiStampe(Scatti& s);
void scattiOperativo(Scatti& s);
// The main windows on the platform's one screen, as the pupil sees it, the
// windows maximised or at the size they open at.
void scattiSchermo(Scatti& s, bool ingrandite);

} // namespace ope::scatti
