// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace ope {

enum class Operazione { Addizione, Sottrazione, Moltiplicazione, Divisione };

inline constexpr int righeLog = 91;   // lines 0..90; line 0 is never used
using Righe = std::array<QString, righeLog>;

// What the pupil chose in the start window (or the teacher in the worksheet
// window), and the names the program goes by.
struct DatiScelte {
    std::int16_t tipoOperazione = 0;      // 1 add, 2 sub, 3 add/sub, 4 mul, 5 div, 6 mul/div, 7 any
    std::int16_t livello = 0;
    std::int16_t numeroMin = 0;
    std::int16_t numeroMax = 0;
    std::int16_t tipoEsercizioMin = 0;
    std::int16_t tipoEsercizioMax = 0;
    std::int16_t maxCifre = 0;
    // The multiplication tables a teacher chose (bit k: the table of k,
    // 1..10); multiplications and divisions draw from them instead of the
    // level's range. None chosen: the level decides, as always.
    std::uint16_t tabelline = 0;
    QString titoloObiettivo;
    QString descrizioneLivello;
    // The start window's headings of the choice, which the exercise window repeats.
    QString intestazioneObiettivo;
    QString intestazioneLivello;
    QString nomeProgramma;
};

// An operation: its operands, the pads that align them in a text
// line, the answer expected and what the pupil has keyed so far.
struct DatiOperazione {
    std::int16_t numero1 = 0;
    std::int16_t numero2 = 0;
    std::int16_t numero3 = 0;
    QString testoNumero1;
    QString testoNumero2;
    QString testoNumero3;
    std::int16_t tipoEsercizio = 0;
    QString rispostaEsatta;
    QString rispostaAlunno;
    QString spazioNumero1;
    QString spazioNumero2;
    QString spazioRisultato;
    QString spazioNumero3;
    QString spazioRisposta;
    QString spazioRispostaEsatta;
};

// The worksheet generator's own state: the choices and the operands of the
// line it builds, the two sheets and how to print them. Kept apart from the
// pupil's parts, so a teacher's worksheets never touch a run in progress.
struct Scheda {
    DatiScelte scelte;        // taken from the start window's when the window opens
    DatiOperazione riga;      // the operands and pads of the line being built
    Righe schedaAlunni;
    Righe schedaDocenti;
    std::int16_t tipoStampaScheda = 0;
    std::int16_t operazioniPerScheda = 0;
    std::int16_t livelloScheda = 0;
    std::int16_t scartoScheda = 0;
    std::int16_t risultatoScheda = 0;     // n of the line last built
    // What the two print buttons print: each its own form of the sheet last
    // shown, so the pupils' print never carries the answers. Emptied when
    // the window opens; the run's log is never the worksheet's to use.
    Righe stampaAlunni;
    Righe stampaDocenti;
};

// The pupil's name, as typed for the printout and the certificate.
struct Alunno {
    QString nomeAlunno;
};

// Who is practising, as chosen in "Chi sei?"; no one for an anonymous run.
struct AlunnoScelto {
    std::optional<qint64> id;   // the pupil's id in the class register
    QString nome;
};

// The record every window shares, in its parts; one user-interface thread
// is its only user.
struct Sessione {
    DatiScelte scelte;
    Alunno alunno;
    AlunnoScelto chiPratica;
};

// The exercise window's caption: the program's name, and the pupil's once one is chosen.
inline QString titoloEsercizio(const Sessione& s)
{
    return s.chiPratica.nome.isEmpty() ? s.scelte.nomeProgramma
                                       : s.scelte.nomeProgramma + QStringLiteral(" - ") + s.chiPratica.nome;
}

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
