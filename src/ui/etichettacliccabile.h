// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace ope {

// A label that reports a click: a mouse button pressed and released on it.
// The keyboard reaches it with Tab (a click does not move the focus), and
// Space or Enter click it, as a screen reader's Press action does. The tab
// stop is a child of no size, "<name>.tab": a label that took the focus
// itself would turn into a rich text box, with a face of its own to load.
class EtichettaCliccabile : public QLabel {
    Q_OBJECT
public:
    EtichettaCliccabile(const QString& nome, const QString& testo, QWidget* genitore);

    // Clicks it if it can be clicked now: enabled and not covered. True when it was.
    bool premi();
    QWidget* fermataDiTab() const { return fermata; }

signals:
    void cliccata();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool premuta = false;
    QWidget* fermata;
};

} // namespace ope
