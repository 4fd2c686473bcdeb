// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/pin.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>

namespace ope::registro {

namespace {

// A four-digit PIN has few values: the derivation's cost is what stands
// between a copied file and the PIN, so it takes a good fraction of a second.
constexpr int iterazioniPin = 200000;

constexpr int tentativiLiberi = 5;
constexpr qint64 primaAttesa = 30;     // seconds
constexpr qint64 attesaMassima = 3600;

} // namespace

QByteArray derivaChiave(const QByteArray& segreto, const QByteArray& sale, int iterazioni)
{
    QMessageAuthenticationCode hmac(QCryptographicHash::Sha256, segreto);
    hmac.addData(sale);
    hmac.addData(QByteArray("\x00\x00\x00\x01", 4));
    QByteArray u = hmac.result();
    QByteArray chiave = u;
    for (int i = 1; i < iterazioni; ++i) {
        hmac.reset();
        hmac.addData(u);
        u = hmac.result();
        for (int k = 0; k < chiave.size(); ++k)
            chiave[k] = char(chiave[k] ^ u[k]);
    }
    return chiave;
}

QString impronta(const QString& pin)
{
    quint32 casuale[4];
    QRandomGenerator::system()->fillRange(casuale);
    const QByteArray sale(reinterpret_cast<const char*>(casuale), sizeof casuale);
    const QByteArray chiave = derivaChiave(pin.toUtf8(), sale, iterazioniPin);
    return QStringLiteral("pbkdf2-sha256$%1$%2$%3")
        .arg(iterazioniPin)
        .arg(QString::fromLatin1(sale.toBase64()), QString::fromLatin1(chiave.toBase64()));
}

bool corrisponde(const QString& pin, const QString& improntaSalvata)
{
    const QStringList parti = improntaSalvata.split(QLatin1Char('$'));
    if (parti.size() != 4 || parti[0] != QLatin1String("pbkdf2-sha256"))
        return false;
    const int iterazioni = parti[1].toInt();
    const QByteArray sale = QByteArray::fromBase64(parti[2].toLatin1());
    const QByteArray attesa = QByteArray::fromBase64(parti[3].toLatin1());
    if (iterazioni < 1 || attesa.size() != 32)
        return false;
    const QByteArray chiave = derivaChiave(pin.toUtf8(), sale, iterazioni);
    // Every byte compared, so the time taken says nothing of where they differ.
    char diverso = 0;
    for (int k = 0; k < attesa.size(); ++k)
        diverso = char(diverso | (chiave[k] ^ attesa[k]));
    return diverso == 0;
}

int TentativiPin::attesa(const QDateTime& ora) const
{
    if (!finoA.isValid() || ora >= finoA)
        return 0;
    return int((ora.msecsTo(finoA) + 999) / 1000);
}

void TentativiPin::esito(bool giusto, const QDateTime& ora)
{
    sbagliati = giusto ? 0 : sbagliati + 1;
    finoA = {};
    if (sbagliati >= tentativiLiberi) {
        const int raddoppi = std::min(sbagliati - tentativiLiberi, 7);
        finoA = ora.addSecs(std::min(primaAttesa << raddoppi, attesaMassima));
    }
}

} // namespace ope::registro
