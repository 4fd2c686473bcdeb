// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/moduli.h"

#include <QCoreApplication>

namespace ope {

QFunctionPointer funzioneDelModulo(const QString& modulo, const char* funzione)
{
    const QString cartella = QCoreApplication::applicationDirPath();
    const QString installato = cartella + QStringLiteral("/../" OPE_CARTELLA_MODULO);
    for (const QString& dove : {cartella, cartella + QStringLiteral("/.."), cartella + QStringLiteral("/../.."),
                                installato}) {
        QLibrary libreria(dove + QLatin1Char('/') + modulo);
        if (QFunctionPointer f = libreria.resolve(funzione))
            return f;
    }
    return nullptr;
}

} // namespace ope
