// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/audioesercizio.h"

#include "ambiente.h"
#include "exercise/lettura.h"

namespace ope {

AudioEsercizio::AudioEsercizio(const Ambiente& a)
    : ambiente(a), leggere(a.preferenza(chiaveLettura).toBool())
{
    // The switch reads "si audio" at load: the first verdict must not wait for its sound.
    ambiente.preparaSuoni();
}

AudioEsercizio::~AudioEsercizio()
{
    if (leggere)
        ambiente.leggi(QString(), true);
}

void AudioEsercizio::impostaLettura(bool attiva)
{
    if (attiva == leggere)
        return;
    leggere = attiva;
    ambiente.ricordaPreferenza(chiaveLettura, attiva);
    if (!attiva)
        ambiente.leggi(QString(), true);
}

void AudioEsercizio::presentata(const Serie& s)
{
    const Presentazione& p = *s.presentazione();
    risposta = rispostaDaLeggere(p);
    // The pupil has moved on: whatever is still being said is old.
    if (leggere)
        ambiente.leggi(domandaDaLeggere(s.tipo(), p), true);
}

void AudioEsercizio::verificata(const Serie&, bool esatta)
{
    if (suoni)
        ambiente.suona(esatta ? Suono::Esatto : Suono::Errato);
    if (leggere)
        ambiente.leggi(testoVerdetto(esatta ? Verdetto::Esatto : Verdetto::Errato), false);
}

void AudioEsercizio::rispostaMostrata(const Serie&)
{
    if (leggere)
        ambiente.leggi(risposta, false);
}

void AudioEsercizio::finita(const Serie&)
{
    if (suoni)
        ambiente.suona(Suono::FineSerie);
}

} // namespace ope
