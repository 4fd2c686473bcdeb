// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ambiente.h"

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QThread;

namespace ope {

class ModuloAudio;
class LavoroAudio;

// The real sound and speech outputs. Everything audio happens in a thread of
// its own, started by the first sound or sentence: loading the audio module,
// connecting to the sound server or the speech service (which may first have
// to be started, or never answer) never holds up a key.
class UscitaAudio {
public:
    using Caricatore = std::function<ModuloAudio*()>;
    // `carica` gives the module, in the audio thread, at the first task;
    // by default the real one, libope-audio.
    explicit UscitaAudio(Caricatore carica = {});
    // Never waits on sound or speech: a thread still busy (a speech service
    // that does not answer) is left to end by itself.
    ~UscitaAudio();
    UscitaAudio(const UscitaAudio&) = delete;
    UscitaAudio& operator=(const UscitaAudio&) = delete;

    void suona(Suono suono);
    void preparaSuoni();
    // The speech library starts a speech service that is not running by
    // forking this process; every page the program then writes is copied
    // once, a fault each, for the next few milliseconds of its work. Reached
    // at start, the copying falls on the opening curtains, not on the pupil's keys.
    void preparaVoce();
    void leggi(const QString& frase, bool interrompi);

private:
    void affida(std::function<void(ModuloAudio&)> compito);

    Caricatore carica;
    std::unique_ptr<QThread> filo;
    LavoroAudio* lavoro = nullptr;   // lives and dies in filo
    // Tasks handed over and not yet done.
    std::shared_ptr<std::atomic<int>> inCorso = std::make_shared<std::atomic<int>>(0);
    std::optional<bool> serverAudio;
};

// Whether a sound server is there to play to. Qt plays sound on Linux only
// through the PulseAudio protocol (PipeWire speaks it too); without its
// socket Qt prints warnings and plays nothing.
bool serverAudioPresente();

} // namespace ope
