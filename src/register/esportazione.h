// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/registro.h"

#include <QSqlDatabase>

namespace ope::registro {

// The runs and the operations in the scope, as two CSV files (RFC 4180,
// UTF-8 with a byte-order mark so spreadsheets read the accents, ISO dates).
bool esportaCsv(const QSqlDatabase& db, AmbitoEsportazione ambito, qint64 id, const QString& fileSerie,
                const QString& fileOperazioni, QString* errore);

// One CSV field, quoted where it must be; a text a spreadsheet would run as
// a formula ("=...", "@...", "-2+3") gets a leading quote, a number does not.
QString campoCsv(const QString& testo);

} // namespace ope::registro
