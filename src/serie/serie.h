// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serie/presentazione.h"
#include "session/sessione.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace ope {

class Generatore;
class Serie;

inline constexpr int operazioniPerSerie = 20;

inline bool formaDiSegno(int tipoEsercizio) { return tipoEsercizio >= 7 && tipoEsercizio <= 12; }
inline bool formaDiNumero(int tipoEsercizio) { return tipoEsercizio >= 1 && tipoEsercizio <= 6; }

// Where a run stands, and so which of the pupil's actions it takes.
enum class Fase {
    Risposta,       // the pupil keys an answer and checks it
    AiutoOfferto,   // a wrong answer: "Ti aiuto ?"
    Intervento,     // three refusals: "Ora intevengo io"
    Chiusa,         // answered or shown: on to the next one
    Finita,         // the last operation is closed
};

enum class Verdetto { Nessuno, Esatto, Errato };

// "Esatto", "Errato", or nothing.
QString testoVerdetto(Verdetto v);

// What a run tells those who follow it (sounds, reading aloud, the screen
// reader, the class register), each at the moment it happens on screen.
class OsservatoreSerie {
public:
    virtual ~OsservatoreSerie() = default;
    virtual void presentata(const Serie&) {}                // a new operation is on screen
    virtual void verificata(const Serie&, bool /*esatta*/) {}   // an attempt was checked
    virtual void aiutoRifiutato(const Serie&) {}            // "No" to "Ti aiuto ?"
    virtual void rispostaMostrata(const Serie&) {}          // help or the intervention closed it
    virtual void finita(const Serie&) {}                    // the last operation is closed
};

// A run of 20 operations: the choices it was started with, the operation on
// screen, what the pupil has keyed, the counts, the times and the log of
// executed operations. Each action is what a pupil does; it checks the phase,
// does its steps in order and moves the phase on. False: not now.
class Serie {
public:
    Serie(const DatiScelte& scelte, Generatore& generatore, std::function<double()> orologio);
    Serie(const Serie&) = delete;
    Serie& operator=(const Serie&) = delete;

    void osserva(OsservatoreSerie* o);
    void nonOsservare(OsservatoreSerie* o);

    // The first operation; a run is started once.
    void inizia();

    bool cifra(int d);
    bool cancella();
    bool segno(const QString& s);   // "=", "<" or ">"
    bool verifica();
    bool rifiutaAiuto();
    bool accettaAiuto();            // "Sì", and "OK" once help is forced
    bool avanti();

    // Puts this operation on screen as the next one, instead of a drawn one:
    // at the start of the run, or once the one on screen is closed.
    void presenta(Operazione operazione, int forma, const DatiOperazione& operandi);

    Fase fase() const { return stato; }
    const DatiScelte& scelte() const { return sceltePartenza; }
    const DatiOperazione& operazione() const { return corrente; }
    Operazione tipo() const { return tipoCorrente; }
    const std::optional<Presentazione>& presentazione() const { return mostrata; }
    bool rigaSegni() const { return formaDiSegno(corrente.tipoEsercizio); }
    const QString& risposta() const { return corrente.rispostaAlunno; }   // keyed so far, empty for none
    Verdetto verdetto() const { return ultimoVerdetto; }
    bool mostrataDalProgramma() const { return aiutata; }   // closed by help or the intervention

    int numeroOperazione() const { return operazioni; }   // 1..20, the one on screen
    // Answered or shown by help: what the log keeps of the run so far.
    int operazioniChiuse() const
    {
        const bool aperta = stato != Fase::Chiusa && stato != Fase::Finita;
        return aperta && operazioni > 0 ? operazioni - 1 : operazioni;
    }
    int esatte() const { return risposteEsatte; }
    int errate() const { return risposteErrate; }
    int rifiuti() const { return tentativi; }            // of help, on this operation
    int secondiOperazione() const { return secondi; }    // of the last operation closed
    double secondiTotali() const { return tempoTotale; }
    double inizioOperazione() const { return tempoInizio; }
    // The log's line n, 1..20 (empty beyond the operations presented).
    QString riga(int n) const;
    QStringList righe() const;   // lines 1..numeroOperazione()

    // The run's texts as the windows and the printout show them.
    QString testoTempoOperazione() const { return testoConSegno(secondi); }
    QString testoTempoTotale() const { return testoConSegno(static_cast<long long>(tempoTotale)); }

private:
    void nuovaOperazione();
    void mostra(Operazione operazione, int forma, const DatiOperazione& operandi);
    void chiudiTempo();
    void chiudi(bool mostrataDalProgramma);
    template <class F>
    void avvisa(F evento);

    DatiScelte sceltePartenza;
    Generatore& generatore;
    std::function<double()> orologio;
    std::vector<OsservatoreSerie*> osservatori;

    Fase stato = Fase::Risposta;
    DatiOperazione corrente;
    Operazione tipoCorrente = Operazione::Sottrazione;
    std::optional<Presentazione> mostrata;
    Verdetto ultimoVerdetto = Verdetto::Nessuno;
    bool aiutata = false;

    int operazioni = 0;
    int risposteEsatte = 0;
    int risposteErrate = 0;
    int tentativi = 0;
    double tempoInizio = 0;
    int secondi = 0;
    double tempoTotale = 0;
    std::vector<QString> log;   // line i-1 is the log's line i
};

} // namespace ope
