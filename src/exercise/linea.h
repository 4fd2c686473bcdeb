// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace ope {

// A line shape: a straight line between two points of its parent. The
// layout scaling leaves it alone; it is placed by the window itself.
class Linea : public QWidget {
    Q_OBJECT
public:
    Linea(const QString& nome, QWidget* genitore);

    void traccia(QPoint da, QPoint a);
    QPoint inizio() const { return da; }
    QPoint fine() const { return a; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPoint da;
    QPoint a;
};

} // namespace ope
