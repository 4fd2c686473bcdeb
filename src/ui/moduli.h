// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>

namespace ope {

// A function of one of the program's modules (libope-audio, libope-grafico),
// loaded only when first needed; null where the module is missing. Looked for
// beside the executable and up to two folders up in a build tree (tests,
// tools), under the library folder once installed.
QFunctionPointer funzioneDelModulo(const QString& modulo, const char* funzione);

} // namespace ope
