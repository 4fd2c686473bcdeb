// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace ope::registro {

// PBKDF2-HMAC-SHA256, one 32-byte block.
QByteArray derivaChiave(const QByteArray& segreto, const QByteArray& sale, int iterazioni);

// What the register keeps of a PIN: "pbkdf2-sha256$iterations$salt$key",
// salt and key in base64, with a fresh random salt.
QString impronta(const QString& pin);
bool corrisponde(const QString& pin, const QString& improntaSalvata);

// Wrong PINs in a row make the next try wait, so that no pupil can go
// through every four-digit PIN: 30 s after the fifth, twice as long after
// each further one, at most an hour. Kept in memory only.
class TentativiPin {
public:
    int attesa(const QDateTime& ora) const;   // seconds before another PIN is taken; 0: at once
    void esito(bool giusto, const QDateTime& ora);

private:
    int sbagliati = 0;
    QDateTime finoA;
};

} // namespace ope::registro
