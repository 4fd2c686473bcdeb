// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace ope {

// A label that reports a click: a mouse button pressed and released on it.
class EtichettaCliccabile : public QLabel {
    Q_OBJECT
public:
    EtichettaCliccabile(const QString& nome, const QString& testo, QWidget* genitore);

signals:
    void cliccata();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool premuta = false;
};

} // namespace ope
