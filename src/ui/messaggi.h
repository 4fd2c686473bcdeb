// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every text the program shows in a message box, in one place so that one
// failure always reads the same whichever window meets it.
namespace ope::messaggi {

inline const QString troppoPocheOperazioni = QStringLiteral("Esegui almeno 10 operazioni. ");
inline const QString mancaFontCourier = QStringLiteral("Devi installare il font Courier o il font Courier New");
inline const QString stampaNonRiuscita =
    QStringLiteral("La stampa non è riuscita.\nControlla che la stampante sia accesa e collegata, poi riprova.");

// Sending a page: %1 is the printer's or the file's name. Each says what is
// lost, nothing or the page, and the way out.
inline const QString stampanteNonAccetta =
    QStringLiteral("La stampante «%1» non accetta stampe: la pagina non è stata mandata.\n"
                   "Scegli un'altra stampante o salva la pagina in PDF.");
inline const QString stampanteInPausa =
    QStringLiteral("La stampante «%1» è in pausa: la pagina non è stata mandata, perché resterebbe ferma in coda.\n"
                   "Fai riattivare la stampante e riprova, oppure salva la pagina in PDF.");
inline const QString stampaRifiutata =
    QStringLiteral("Il servizio di stampa ha rifiutato la pagina per la stampante «%1»: non sarà stampata.\n"
                   "Scegli un'altra stampante o salva la pagina in PDF.");
inline const QString stampanteNonTrovata =
    QStringLiteral("La stampante «%1» non c'è più: la pagina non è stata mandata.\n"
                   "Scegli un'altra stampante o salva la pagina in PDF.");
inline const QString servizioStampaAssente =
    QStringLiteral("Il servizio di stampa non risponde: la pagina non è stata stampata.\n"
                   "Premi di nuovo il pulsante di stampa: potrai salvarla in PDF con «Salva in PDF...».");
inline const QString fileNonScrivibile =
    QStringLiteral("Il file «%1» non si può scrivere: la pagina non è stata salvata.\n"
                   "Scegli un'altra cartella.");
inline const QString discoPieno =
    QStringLiteral("Il file «%1» non è stato salvato: sul disco non c'è più spazio.\n"
                   "Libera spazio o scegli un altro disco.");

} // namespace ope::messaggi
