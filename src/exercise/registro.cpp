// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/registro.h"

#include "session/sessione.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <limits>

namespace ope {

namespace {

constexpr double secondiGiorno = 86400.0;

// The 16-bit counts stop at their limit instead of turning negative.
std::int16_t a16(double valore)
{
    constexpr double massimo = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(valore, 0.0, massimo));
}

QString secondiTra(const Serie& s)
{
    return QStringLiteral("(s.") + s.spazioTempo + s.testoTempoOperazione.trimmed() + QLatin1Char(')');
}

} // namespace

QString& rigaCorrente(Serie& s)
{
    Q_ASSERT(s.contaOperazioni >= 0 && s.contaOperazioni < righeLog);
    const int indice = std::clamp<int>(s.contaOperazioni, 0, righeLog - 1);
    return s.operazioniEseguite[static_cast<std::size_t>(indice)];
}

void chiudiTempo(Serie& s, double ora)
{
    s.tempoFine = ora;
    double trascorso = s.tempoFine - s.tempoInizio;
    // The clock starts again at midnight: an operation left open across it
    // took one day's seconds more than the readings say. A reading less than
    // half a day behind the start is the clock itself set back (time
    // synchronisation, daylight saving, a hand change): no time has passed
    // that can be counted, so the operation takes none.
    if (trascorso < 0)
        trascorso = trascorso < -secondiGiorno / 2 ? trascorso + secondiGiorno : 0;
    s.tempoOperazione = std::floor(trascorso);
    s.secondiOperazione = a16(s.tempoOperazione);
    s.testoTempoOperazione = testoConSegno(s.secondiOperazione);

    Q_ASSERT(s.numeroEsercizio >= 0 && s.numeroEsercizio < 4);
    const auto k = static_cast<std::size_t>(std::clamp<int>(s.numeroEsercizio, 0, 3));
    s.secondiEsercizio[k] = a16(s.secondiEsercizio[k] + s.tempoOperazione);
    s.tempoEsercizio[k] = testoConSegno(s.secondiEsercizio[k]);

    s.tempoTotale += s.secondiOperazione;
    s.testoTempoTotale = testoConSegno(static_cast<long long>(s.tempoTotale));

    s.spazioTempo = s.tempoOperazione < 10 ? QStringLiteral(" ") : QString();

    const qsizetype mancanti = larghezzaChiusura - rigaCorrente(s).size();
    s.puntiniLog.clear();
    for (s.contaPuntini = 1; s.contaPuntini <= mancanti; ++s.contaPuntini)
        s.puntiniLog += QLatin1Char('.');
}

QString didascaliaTempoOperazione(const Serie& s)
{
    return s.secondiOperazione >= 99 ? QStringLiteral("99") : s.testoTempoOperazione;
}

QString didascaliaTempoTotale(const Serie& s)
{
    return s.tempoTotale >= 999 ? QStringLiteral("999") : s.testoTempoTotale;
}

void registraErrore(Serie& s, const DatiOperazione& o, const QString& marcaEsito)
{
    rigaCorrente(s) += o.spazioRisposta + o.rispostaAlunno + marcaEsito;
}

void registraEsatta(Serie& s, const DatiOperazione& o, const QString& marcaEsito)
{
    // One dot less than the help leaves: the answer field is one wider.
    s.puntiniLog.chop(1);
    rigaCorrente(s) += s.puntiniLog + o.spazioRisposta + o.rispostaAlunno + marcaEsito + QLatin1Char(' ')
                       + secondiTra(s);
}

void registraAiuto(Serie& s, const DatiOperazione& o)
{
    rigaCorrente(s) += s.puntiniLog + o.spazioRispostaEsatta + o.rispostaEsatta + QStringLiteral(u"\u00b0  ")
                       + secondiTra(s);
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

bool rispostaGiusta(const DatiOperazione& s)
{
    return s.rispostaAlunno.trimmed() == s.rispostaEsatta.trimmed();
}

} // namespace ope
