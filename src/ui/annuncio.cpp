// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/annuncio.h"

#include <QEvent>
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
    if (inAttesa.isEmpty() && window()->isActiveWindow())
        QTimer::singleShot(0, this, &Annuncio::di);
    else if (inAttesa.isEmpty())
        di();
    inAttesa << frase;
}

bool Annuncio::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == window() && evento->type() == QEvent::WindowActivate) {
        window()->removeEventFilter(this);
        QTimer::singleShot(0, this, &Annuncio::di);
    }
    return QLabel::eventFilter(oggetto, evento);
}

void Annuncio::di()
{
    // A screen reader hears nothing of a window not in front yet: what was
    // said before waits for it, the first operation of a run above all.
    if (!window()->isActiveWindow()) {
        window()->removeEventFilter(this);
        window()->installEventFilter(this);
        return;
    }
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
