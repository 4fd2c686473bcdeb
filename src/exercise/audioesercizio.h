// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/presentazione.h"

#include <QString>

namespace ope {

struct Ambiente;

// What the exercise window plays and reads aloud: its sounds while the switch
// reads "si audio", and while "Leggi ad alta voce" is on the operation when
// it is presented, the verdict, and the right answer when help shows it.
class AudioEsercizio {
public:
    explicit AudioEsercizio(const Ambiente& ambiente);
    ~AudioEsercizio();   // the window is gone: so is its sentence
    AudioEsercizio(const AudioEsercizio&) = delete;
    AudioEsercizio& operator=(const AudioEsercizio&) = delete;

    bool suoni = true;   // the switch Label7 reads "si audio" when the window loads

    bool lettura() const { return leggere; }
    void impostaLettura(bool attiva);   // remembered for the next start

    void operazione(Operazione operazione, const Presentazione& p);
    void verdetto(const QString& esito);   // "Esatto" or "Errato"
    void rispostaMostrata();
    void fineSerie();

private:
    const Ambiente& ambiente;
    bool leggere;
    QString risposta;   // the operation on screen, completed
};

} // namespace ope
