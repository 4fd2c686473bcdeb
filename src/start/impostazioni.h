// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace ope {

// The three values of the settings file, in file order.
struct Impostazioni {
    std::int16_t tipoOperazione = 2;
    std::int16_t gruppoObiettivi = 1;
    std::int16_t gruppoLivelli = 1;
};

// Reads the file's text. Any failure (fewer than three numbers, something
// that is no number or does not fit 16 bits, a value the program cannot use)
// gives groups 1 and 1 and keeps tipoOperazione as far as it was read:
// `attuale`, or the first number when that alone was valid.
Impostazioni leggiImpostazioni(const QByteArray& testo, std::int16_t attuale);

// The exact bytes written: " 2  1  1 " and CR LF for 2, 1, 1.
QByteArray testoImpostazioni(const Impostazioni& valori);

// The file itself, in the working directory. Reading a file that is missing,
// unreadable, a directory or absurdly large falls back as leggiImpostazioni
// does; writing replaces the file atomically and returns false, silently
// for the user, when it cannot.
QString fileImpostazioni(const QString& nomeProgramma);
Impostazioni leggiFileImpostazioni(const QString& percorso, std::int16_t attuale);
bool scriviFileImpostazioni(const QString& percorso, const Impostazioni& valori);

} // namespace ope
