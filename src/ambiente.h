// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/invio.h"
#include "print/pagina.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace ope {

// The program's own sounds.
enum class Suono { Esatto, Errato, FineSerie };

// Everything the program takes from the platform. An empty member is filled
// with the real platform by Programma, so a test sets only what it replaces.
struct Ambiente {
    std::function<double()> orologio;                // seconds since midnight, with fractions
    QString nomeEseguibile;                          // base name of the running executable
    std::function<QStringList()> fontStampante;      // the printer's fonts, in the printer's own order
    std::function<Invio(const Pagina&)> stampa;      // sends one finished page, saying how it went
    std::function<void(const QString&)> avviso;      // message box with an OK button only
    std::function<QString()> dataBreve;              // today's date in the system's short form
    std::function<QDateTime()> adesso;               // the date and time, with the time zone
    // A question answered Sì or No; true for Sì.
    std::function<bool(const QString& domanda)> conferma;
    // The name of a CSV file to write, asked through a dialog that proposes one
    // empty when the user gave up.
    std::function<QString(const QString& titolo, const QString& proposto)> fileDaScrivere;

    // Sound and speech return at once and stay silent where the machine has
    // no audio device or no speech service.
    std::function<void(Suono)> suona;
    std::function<void()> preparaSuoni;   // so that the first sound is on time
    // Reaches the speech service now, so that starting it (which may cost the
    // program some work for a while after) happens before the pupil's keys.
    std::function<void()> preparaVoce;
    // Says a sentence in Italian after those already queued; `interrompi`
    // first drops what is being said and queued (an empty sentence only silences).
    std::function<void(const QString& frase, bool interrompi)> leggi;

    // The user's preferences, kept where the desktop keeps them; an invalid
    // value for a key never set.
    std::function<QVariant(const QString& chiave)> preferenza;
    std::function<void(const QString& chiave, const QVariant& valore)> ricordaPreferenza;

    // Where the class register is kept: the preference "registro/percorso"
    // (a technician may set it for the whole machine under /etc/xdg), else
    // the user's data folder.
    std::function<QString()> percorsoRegistro;
};

// The real platform, member by member, for whatever the caller left empty.
Ambiente completaAmbiente(Ambiente dato);

} // namespace ope
