// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace ope::registro {

// PBKDF2-HMAC-SHA256, one 32-byte block.
QByteArray derivaChiave(const QByteArray& segreto, const QByteArray& sale, int iterazioni);

// What the register keeps of a PIN: "pbkdf2-sha256$iterations$salt$key",
// salt and key in base64, with a fresh random salt.
QString impronta(const QString& pin);
bool corrisponde(const QString& pin, const QString& improntaSalvata);

} // namespace ope::registro
