// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPixmap>

namespace ope {

// A one-line label in a very large font. Qt keeps no glyph cache for fonts
// this big, so every repaint would draw each digit's outline anew: the label
// draws its text once into a picture and only copies it while the text, font
// and colour stay the same, resizes and repaints included.
class EtichettaGrande : public QLabel {
    Q_OBJECT
public:
    EtichettaGrande(const QString& nome, QWidget* genitore);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap disegno;
    QString testoDisegnato;
    QFont fontDisegnato;
    QColor coloreDisegnato;
    qreal rapportoDisegnato = 0;
    qreal margine = 0;
};

} // namespace ope
