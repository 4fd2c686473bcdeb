// SPDX-License-Identifier: GPL-3.0-or-later
#include "serie/serie.h"

#include "serie/registro.h"
#include "session/estrazione.h"
#include "session/generatore.h"

#include <QStringList>
#include <algorithm>

namespace ope {

namespace {

// Which operation the kind 1..7 asks for this time (kinds 3, 6 and 7 draw it);
// none for any other kind.
std::optional<Operazione> operazioneDelTipo(int tipoOperazione, Generatore& g)
{
    switch (tipoOperazione) {
    case 1:
        return Operazione::Addizione;
    case 2:
        return Operazione::Sottrazione;
    case 3:
        return g.intero(2) == 0 ? Operazione::Addizione : Operazione::Sottrazione;
    case 4:
        return Operazione::Moltiplicazione;
    case 5:
        return Operazione::Divisione;
    case 6:
        return g.intero(2) == 0 ? Operazione::Moltiplicazione : Operazione::Divisione;
    case 7: {
        constexpr Operazione tutte[] = {Operazione::Addizione, Operazione::Sottrazione,
                                        Operazione::Moltiplicazione, Operazione::Divisione};
        return tutte[g.intero(4)];
    }
    default:
        return std::nullopt;
    }
}

} // namespace

QString testoVerdetto(Verdetto v)
{
    switch (v) {
    case Verdetto::Esatto:
        return QStringLiteral("Esatto");
    case Verdetto::Errato:
        return QStringLiteral("Errato");
    case Verdetto::Nessuno:
        break;
    }
    return {};
}

Serie::Serie(const DatiScelte& scelte, Generatore& g, std::function<double()> o)
    : sceltePartenza(scelte), generatore(g), orologio(std::move(o))
{
    log.reserve(operazioniPerSerie);
}

void Serie::osserva(OsservatoreSerie* o)
{
    if (o && std::find(osservatori.begin(), osservatori.end(), o) == osservatori.end())
        osservatori.push_back(o);
}

void Serie::nonOsservare(OsservatoreSerie* o)
{
    osservatori.erase(std::remove(osservatori.begin(), osservatori.end(), o), osservatori.end());
}

template <class F>
void Serie::avvisa(F evento)
{
    // A copy: a follower may stop following from inside its own event.
    const std::vector<OsservatoreSerie*> chi = osservatori;
    for (OsservatoreSerie* o : chi)
        evento(*o);
}

void Serie::inizia()
{
    if (operazioni == 0)
        nuovaOperazione();
}

bool Serie::avanti()
{
    if (stato != Fase::Chiusa)
        return false;
    nuovaOperazione();
    return true;
}

// "Avanti": the next operation is drawn for the run's choices, in a form
// within its objective, and its clock starts. A kind of operation the program
// does not know counts the operation all the same, and shows none.
void Serie::nuovaOperazione()
{
    if (operazioni >= operazioniPerSerie)
        return;
    ++operazioni;
    log.emplace_back();
    mostrata.reset();
    const std::optional<Operazione> tipo = operazioneDelTipo(sceltePartenza.tipoOperazione, generatore);
    if (!tipo)
        return;
    DatiOperazione operandi;
    estraiOperandi(*tipo, sceltePartenza, operandi, generatore);
    generatore.semina();
    const int forma = generatore.tra(sceltePartenza.tipoEsercizioMin, sceltePartenza.tipoEsercizioMax);
    mostra(*tipo, forma, operandi);
}

void Serie::presenta(Operazione operazione, int forma, const DatiOperazione& operandi)
{
    if (operazioni >= operazioniPerSerie || (operazioni > 0 && stato != Fase::Chiusa))
        return;
    ++operazioni;
    log.emplace_back();
    mostra(operazione, forma, operandi);
}

void Serie::mostra(Operazione operazione, int forma, const DatiOperazione& operandi)
{
    tentativi = 0;
    secondi = 0;
    ultimoVerdetto = Verdetto::Nessuno;
    aiutata = false;
    tipoCorrente = operazione;
    corrente = operandi;
    corrente.tipoEsercizio = static_cast<std::int16_t>(forma);
    corrente.rispostaAlunno.clear();
    mostrata = ope::presenta(operazione, forma, corrente);
    corrente.rispostaEsatta = mostrata->rispostaEsatta;
    log.back() = mostrata->testoLog;
    stato = Fase::Risposta;
    tempoInizio = orologio();
    avvisa([this](OsservatoreSerie& o) { o.presentata(*this); });
}

bool Serie::cifra(int d)
{
    if (stato != Fase::Risposta || !mostrata || rigaSegni())
        return false;
    const QString prima = corrente.rispostaAlunno;
    corrente.rispostaAlunno = aggiungiCifra(prima, d, sceltePartenza.maxCifre);
    return corrente.rispostaAlunno != prima;
}

bool Serie::cancella()
{
    if (stato != Fase::Risposta || !mostrata || rigaSegni() || corrente.rispostaAlunno.isEmpty())
        return false;
    corrente.rispostaAlunno = togliCifra(corrente.rispostaAlunno);
    return true;
}

bool Serie::segno(const QString& s)
{
    if (stato != Fase::Risposta || !mostrata || !rigaSegni())
        return false;
    if (s != QLatin1String("=") && s != QLatin1String("<") && s != QLatin1String(">"))
        return false;
    corrente.rispostaAlunno = s;
    return true;
}

// "Verifica": the answer is compared; a right one closes the operation with
// its time, a wrong one is logged with its mark and help is offered.
bool Serie::verifica()
{
    if (stato != Fase::Risposta || !mostrata || corrente.rispostaAlunno.isEmpty())
        return false;
    const bool esatta = rispostaGiusta(corrente);
    calcolaSpazi(corrente);
    if (esatta) {
        ultimoVerdetto = Verdetto::Esatto;
        ++risposteEsatte;
        chiudiTempo();
        log.back() += codaEsatta(log.back(), corrente, secondi);
    } else {
        ultimoVerdetto = Verdetto::Errato;
        ++risposteErrate;
        log.back() += codaErrore(corrente);
        stato = Fase::AiutoOfferto;
    }
    avvisa([this, esatta](OsservatoreSerie& o) { o.verificata(*this, esatta); });
    if (esatta)
        chiudi(false);
    return true;
}

// "No" to "Ti aiuto ?": the pupil tries again, until the third refusal, when
// the program steps in.
bool Serie::rifiutaAiuto()
{
    if (stato != Fase::AiutoOfferto)
        return false;
    ultimoVerdetto = Verdetto::Nessuno;
    ++tentativi;
    if (tentativi == 3) {
        tentativi = 0;
        stato = Fase::Intervento;
    } else {
        corrente.rispostaAlunno.clear();
        stato = Fase::Risposta;
    }
    avvisa([this](OsservatoreSerie& o) { o.aiutoRifiutato(*this); });
    return true;
}

// "Sì", or "OK" when the program stepped in: the right answer is shown and
// logged with its time.
bool Serie::accettaAiuto()
{
    if (stato != Fase::AiutoOfferto && stato != Fase::Intervento)
        return false;
    ultimoVerdetto = Verdetto::Nessuno;
    aiutata = true;
    chiudiTempo();
    log.back() += codaAiuto(log.back(), corrente, secondi);
    chiudi(true);
    return true;
}

void Serie::chiudiTempo()
{
    secondi = a16(secondiTrascorsi(tempoInizio, orologio()));
    tempoTotale += secondi;
}

void Serie::chiudi(bool mostrataDalProgramma)
{
    stato = operazioni >= operazioniPerSerie ? Fase::Finita : Fase::Chiusa;
    if (mostrataDalProgramma)
        avvisa([this](OsservatoreSerie& o) { o.rispostaMostrata(*this); });
    if (stato == Fase::Finita)
        avvisa([this](OsservatoreSerie& o) { o.finita(*this); });
}

QString Serie::riga(int n) const
{
    if (n < 1 || n > static_cast<int>(log.size()))
        return {};
    return log[static_cast<std::size_t>(n - 1)];
}

QStringList Serie::righe() const
{
    return QStringList(log.begin(), log.end());
}

} // namespace ope
