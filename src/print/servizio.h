// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the print service (CUPS) says of a printer and of the jobs sent to it.
// Qt hands a job to the service and never says whether it was taken, and
// lists no printer at all when the service is down: these ask it directly.
namespace ope::servizio {

enum class Stato { pronta, inPausa, nonAccetta, nonTrovata, servizioAssente };

bool risponde();
Stato stato(const QString& stampante);

// The newest job of this user on that printer, 0 with none; -1 when the
// service does not answer.
int ultimoLavoro(const QString& stampante);

// Whether the service holds a job of that title newer than `dopo` on that
// printer that it has not given up (aborted or cancelled).
bool lavoroAccolto(const QString& stampante, int dopo, const QString& titolo);

} // namespace ope::servizio
