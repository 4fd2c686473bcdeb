// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/etichettagrande.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace ope {

EtichettaGrande::EtichettaGrande(const QString& nome, QWidget* genitore) : QLabel(genitore)
{
    setObjectName(nome);
}

void EtichettaGrande::paintEvent(QPaintEvent*)
{
    const QColor colore = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
    const qreal rapporto = devicePixelRatioF();
    if (text() != testoDisegnato || font() != fontDisegnato || colore != coloreDisegnato || rapporto != rapportoDisegnato) {
        testoDisegnato = text();
        fontDisegnato = font();
        coloreDisegnato = colore;
        rapportoDisegnato = rapporto;
        const QFontMetricsF metrica(font(), this);
        // Room for glyphs that reach beyond their advance, as italics and some digits do.
        margine = std::ceil(metrica.height() * 0.15);
        const QSizeF dimensione(metrica.horizontalAdvance(text()) + 2 * margine, metrica.height());
        disegno = QPixmap((dimensione * rapporto).toSize().expandedTo(QSize(1, 1)));
        disegno.setDevicePixelRatio(rapporto);
        disegno.fill(Qt::transparent);
        QPainter p(&disegno);
        p.setFont(font());
        p.setPen(colore);
        p.drawText(QPointF(margine, metrica.ascent()), text());
    }
    const QRect area = contentsRect();
    const QSizeF pezzo = disegno.deviceIndependentSize();
    const Qt::Alignment a = alignment();
    qreal x = area.left() - margine;
    if (a & Qt::AlignHCenter)
        x = area.left() + (area.width() - pezzo.width()) / 2;
    else if (a & Qt::AlignRight)
        x = area.right() + 1 - pezzo.width() + margine;
    qreal y = area.top();
    if (a & Qt::AlignVCenter)
        y = area.top() + (area.height() - pezzo.height()) / 2;
    else if (a & Qt::AlignBottom)
        y = area.bottom() + 1 - pezzo.height();
    QPainter(this).drawPixmap(QPointF(std::round(x), std::round(y)), disegno);
}

} // namespace ope
