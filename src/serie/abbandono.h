// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ope {

class Serie;

// What the pupil is about to do that takes the run off the screen for good.
enum class Abbandono { Ricominciare, Uscire };

// The question put to the pupil before a run is dropped, in a child's words;
// empty when nothing would be lost: no operation closed yet, or a finished
// run whose printout has been opened (`vista`), where it stays.
QString domandaAbbandono(const Serie& serie, bool vista, Abbandono abbandono);

} // namespace ope
