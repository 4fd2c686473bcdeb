// SPDX-License-Identifier: GPL-3.0-or-later
#include "serie/registro.h"

#include "session/sessione.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ope {

namespace {

constexpr double secondiGiorno = 86400.0;

QString secondiTra(int secondi)
{
    const QString spazio = secondi < 10 ? QStringLiteral(" ") : QString();
    return QStringLiteral("(s.") + spazio + QString::number(secondi) + QLatin1Char(')');
}

QString puntiniDopo(const QString& riga)
{
    return QString(std::max<qsizetype>(0, larghezzaChiusura - riga.size()), QLatin1Char('.'));
}

} // namespace

double secondiTrascorsi(double inizio, double ora)
{
    double trascorso = ora - inizio;
    if (trascorso < 0)
        trascorso = trascorso < -secondiGiorno / 2 ? trascorso + secondiGiorno : 0;
    return std::floor(trascorso);
}

std::int16_t a16(double valore)
{
    constexpr double massimo = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(valore, 0.0, massimo));
}

QString didascaliaTempoOperazione(int secondi)
{
    return secondi >= 99 ? QStringLiteral("99") : testoConSegno(secondi);
}

QString didascaliaTempoTotale(double secondi)
{
    return secondi >= 999 ? QStringLiteral("999") : testoConSegno(static_cast<long long>(secondi));
}

QString codaErrore(const DatiOperazione& o)
{
    return o.spazioRisposta + o.rispostaAlunno + QStringLiteral("* ");
}

QString codaEsatta(const QString& riga, const DatiOperazione& o, int secondi)
{
    // One dot less than the help leaves: the answer field is one wider.
    QString puntini = puntiniDopo(riga);
    puntini.chop(1);
    return puntini + o.spazioRisposta + o.rispostaAlunno + QStringLiteral("   ") + secondiTra(secondi);
}

QString codaAiuto(const QString& riga, const DatiOperazione& o, int secondi)
{
    return puntiniDopo(riga) + o.spazioRispostaEsatta + o.rispostaEsatta + QStringLiteral(u"\u00b0  ")
           + secondiTra(secondi);
}

QString aggiungiCifra(const QString& risposta, int cifra, int maxCifre)
{
    if (risposta.size() >= maxCifre || cifra < 0 || cifra > 9)
        return risposta;
    return risposta + QString::number(cifra);
}

QString togliCifra(const QString& risposta)
{
    return risposta.left(std::max<qsizetype>(0, risposta.size() - 1));
}

bool rispostaGiusta(const DatiOperazione& o)
{
    return o.rispostaAlunno.trimmed() == o.rispostaEsatta.trimmed();
}

} // namespace ope
