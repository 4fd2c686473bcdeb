// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace ope {

// The variables every window shares. Fields are public on purpose: the windows
// read and write them directly, as the one user-interface thread is the only user.
struct Sessione {
    static constexpr int righeLog = 91;   // lines 0..90; line 0 is never used
    using Righe = std::array<QString, righeLog>;

    // Choices made in the start window (or in the worksheet window)
    std::int16_t tipoOperazione = 0;      // 1 add, 2 sub, 3 add/sub, 4 mul, 5 div, 6 mul/div, 7 any
    std::int16_t livello = 0;
    std::int16_t numeroMin = 0;
    std::int16_t numeroMax = 0;
    std::int16_t tipoEsercizioMin = 0;
    std::int16_t tipoEsercizioMax = 0;
    std::int16_t maxCifre = 0;
    QString titoloObiettivo;
    QString descrizioneLivello;
    QString nomeProgramma;
    QString nomeEseguibile;

    // The operation on screen
    std::int16_t numero1 = 0;
    std::int16_t numero2 = 0;
    std::int16_t numero3 = 0;
    QString testoNumero1;
    QString testoNumero2;
    QString testoNumero3;
    std::int16_t risultatoScheda = 0;
    std::int16_t tipoEsercizio = 0;
    QString rispostaEsatta;
    QString rispostaAlunno;
    QString spazioNumero1;
    QString spazioNumero2;
    QString spazioRisultato;
    QString spazioNumero3;
    QString spazioRisposta;
    QString spazioRispostaEsatta;

    // Counters of the current run
    std::int16_t contaOperazioni = 0;
    std::int16_t numeroOperazione = 0;
    std::int16_t risposteEsatte = 0;
    std::int16_t esatteAttestato = 0;
    std::int16_t risposteErrate = 0;
    std::int16_t tentativi = 0;
    std::int16_t numeroEsercizio = 0;

    // Times, in seconds since midnight
    double tempoInizio = 0;
    double tempoFine = 0;
    double tempoOperazione = 0;
    std::int16_t secondiOperazione = 0;
    QString testoTempoOperazione;
    QString spazioTempo;
    double tempoTotale = 0;
    QString testoTempoTotale;
    std::array<std::int16_t, 4> secondiEsercizio{};
    std::array<QString, 4> tempoEsercizio;

    // The log of executed operations
    Righe operazioniEseguite;
    QString puntiniLog;
    std::int16_t contaPuntini = 0;

    // Worksheets
    Righe schedaAlunni;
    Righe schedaDocenti;
    std::int16_t tipoStampaScheda = 0;
    std::int16_t operazioniPerScheda = 0;
    std::int16_t livelloScheda = 0;
    std::int16_t scartoScheda = 0;

    // Printout and certificate
    QString nomeAlunno;
    QString giudizio;
};

// The runtime's number-to-text form: a blank stands where a minus would (7 -> " 7").
inline QString testoConSegno(long long valore)
{
    return valore < 0 ? QString::number(valore) : QLatin1Char(' ') + QString::number(valore);
}

// The one-blank pad that keeps numbers below 10 two characters wide.
inline QString spazioPer(long long valore)
{
    return valore < 10 ? QStringLiteral(" ") : QString();
}

} // namespace ope
