// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ope {

// How sending one page ended, and where it was to go (a printer's or a file's
// name), so that a failure can say what really failed.
struct Invio {
    enum class Esito {
        inviata,           // printed, saved, or the user chose not to print
        nonAccetta,        // the printer refuses jobs: nothing sent
        inPausa,           // the printer is paused: nothing sent, it would wait unseen
        rifiutata,         // the print service did not take the job it was sent
        nonTrovata,        // the printer is no longer there
        servizioAssente,   // the print service does not answer
        nonScrivibile,     // the PDF file cannot be written there
        discoPieno,        // the PDF file did not fit on the disk
        guasto,            // the printer reported an error
    };

    Invio(Esito e = Esito::inviata, QString d = {}) : esito(e), dove(std::move(d)) {}
    // Platforms that only know whether it worked.
    Invio(bool riuscita) : esito(riuscita ? Esito::inviata : Esito::guasto) {}

    explicit operator bool() const { return esito == Esito::inviata; }

    Esito esito;
    QString dove;
};

// The message box text for a failed sending; empty for one that went.
QString messaggioInvio(const Invio& invio);

} // namespace ope
