// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace ope {

// Reports a click on the bare background of a window's client area: a
// mouse button pressed and released where no control lies. Presses on the
// frames and labels are theirs.
class ClicSulloSfondo : public QObject {
    Q_OBJECT
public:
    explicit ClicSulloSfondo(QWidget* area);

signals:
    void cliccato();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QWidget* sfondo;
    bool premuto = false;
};

} // namespace ope
