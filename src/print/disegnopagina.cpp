// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/disegnopagina.h"

#include <QFont>
#include <QPainter>

namespace ope {

void disegnaPagina(QPainter& pittore, const Pagina& pagina, double dpi)
{
    const double scala = dpi / 1440.0;   // device units per twip
    pittore.save();
    pittore.setPen(Qt::black);
    for (const Pagina::Immagine& i : pagina.immagini) {
        // A picture keeps its natural size: its pixels are taken at the screen's 15 twips each
        // (an image drawn finer than the screen counts its pixels by its device pixel ratio).
        const QSizeF naturale = i.immagine.deviceIndependentSize();
        const QSizeF dimensione(naturale.width() * 15.0 * scala, naturale.height() * 15.0 * scala);
        pittore.drawImage(QRectF(QPointF(i.x * scala, i.y * scala), dimensione), i.immagine);
    }
    for (const Pagina::Testo& t : pagina.testi) {
        QFont f(t.font);
        f.setPointSizeF(t.punti);
        f.setBold(t.grassetto);
        pittore.setFont(f);
        const QPointF angolo(t.x * scala, t.y * scala);
        pittore.drawText(QRectF(angolo, QSizeF(1e5, 1e5)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t.testo);
    }
    pittore.restore();
}

QImage immaginePagina(const Pagina& pagina, double dpi)
{
    const QSize a4(qRound(8.27 * dpi), qRound(11.69 * dpi));
    QImage img(a4, QImage::Format_RGB32);
    const int puntiPerMetro = qRound(dpi / 0.0254);
    img.setDotsPerMeterX(puntiPerMetro);
    img.setDotsPerMeterY(puntiPerMetro);
    img.fill(Qt::white);
    QPainter p(&img);
    disegnaPagina(p, pagina, dpi);
    return img;
}

} // namespace ope
