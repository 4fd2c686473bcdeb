// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ambiente.h"

#include <QString>

namespace ope {

// The face of the audio module (libope-audio): Qt Multimedia and Qt
// TextToSpeech bring a score of libraries and several megabytes, so the
// program loads them only once a sound is played or a sentence read. The
// module's object is made, used and deleted in one thread with an event loop.
class ModuloAudio {
public:
    virtual ~ModuloAudio() = default;
    virtual void suona(Suono suono) = 0;
    virtual void preparaSuoni() = 0;
    virtual void leggi(const QString& frase, bool interrompi) = 0;
};

// The module's one exported function, found by name.
using CreaModuloAudio = ModuloAudio* (*)();
inline constexpr char nomeCreaModuloAudio[] = "opeCreaModuloAudio";

} // namespace ope
