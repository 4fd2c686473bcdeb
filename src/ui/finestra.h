// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/proporzioni.h"

#include <QMainWindow>

namespace ope {

// A window of the program: a client area of a design size in twips, whose
// controls are placed absolutely; windows that scale record their
// proportions at load and reapply them at every resize of the client area.
class Finestra : public QMainWindow {
    Q_OBJECT
public:
    Finestra(const QString& nome, double larghezzaTwips, double altezzaTwips);

    QWidget* area() const { return client; }
    QSize dimensioneProgetto() const { return progetto; }
    const Proporzioni& proporzioni() const { return tabella; }

    // Sizes the window so that its client area has the design size.
    void adattaAlProgetto();

signals:
    void scaricata();   // the window is being unloaded

protected:
    void registraProporzioni();   // call at the end of the window's own load
    // The window's Form_Resize after the controls were rescaled.
    virtual void ridimensionata() {}
    // The window's Form_Unload.
    virtual void scarica() {}

    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QWidget* client;
    QSize progetto;
    Proporzioni tabella;
    bool scalabile = false;
    bool giaMostrata = false;
};

} // namespace ope
