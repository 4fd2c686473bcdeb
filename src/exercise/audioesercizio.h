// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serie/serie.h"

#include <QString>

namespace ope {

struct Ambiente;

// The preference that keeps "Leggi ad alta voce" on from one start to the next.
inline const QString chiaveLettura = QStringLiteral("leggiAdAltaVoce");

// What the exercise window plays and reads aloud: its sounds while the switch
// reads "si audio", and while "Leggi ad alta voce" is on the operation when
// it is presented, the verdict, and the right answer when help shows it.
class AudioEsercizio : public OsservatoreSerie {
public:
    explicit AudioEsercizio(const Ambiente& ambiente);
    ~AudioEsercizio() override;   // the window is gone: so is its sentence
    AudioEsercizio(const AudioEsercizio&) = delete;
    AudioEsercizio& operator=(const AudioEsercizio&) = delete;

    bool suoni = true;   // the switch Label7 reads "si audio" when the window loads

    bool lettura() const { return leggere; }
    void impostaLettura(bool attiva);   // remembered for the next start

    void presentata(const Serie& s) override;
    void verificata(const Serie& s, bool esatta) override;
    void rispostaMostrata(const Serie& s) override;
    void finita(const Serie& s) override;

private:
    const Ambiente& ambiente;
    bool leggere;
    QString risposta;   // the operation on screen, completed
};

} // namespace ope
