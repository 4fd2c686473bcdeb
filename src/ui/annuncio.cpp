// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/annuncio.h"

#include <QTimer>

#include <utility>

namespace ope {

Annuncio::Annuncio(QWidget* finestra) : QLabel(finestra)
{
    setObjectName(QStringLiteral("Annuncio"));
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Annuncio::annuncia(const QString& frase)
{
    if (frase.isEmpty())
        return;
    if (inAttesa.isEmpty())
        QTimer::singleShot(0, this, &Annuncio::di);
    inAttesa << frase;
}

void Annuncio::di()
{
    QString frase;
    for (const QString& f : std::as_const(inAttesa)) {
        if (!frase.isEmpty())
            frase += QLatin1Char(' ');
        frase += f.trimmed();
        // A verdict written without a full stop still ends its sentence.
        if (!QStringLiteral(".?!:").contains(frase.back()))
            frase += QLatin1Char('.');
    }
    inAttesa.clear();
    // Shown anew even when the sentence is the same: two right answers in a
    // row are two verdicts.
    hide();
    setText(frase);
    show();
}

} // namespace ope
