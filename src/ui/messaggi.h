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

} // namespace ope::messaggi
