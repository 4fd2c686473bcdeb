// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/proporzioni.h"

#include <QMainWindow>
#include <QPointer>

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

    // The control that has the focus when the window opens, its ring shown
    // from the first time the window comes to the front.
    void fuocoIniziale(QWidget* w);

signals:
    void scaricata();   // the window is being unloaded

protected:
    void registraProporzioni();   // call at the end of the window's own load
    // The window's Form_Resize after the controls were rescaled.
    virtual void ridimensionata() {}
    // The window's Form_Unload.
    virtual void scarica() {}

    bool event(QEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QWidget* client;
    QSize progetto;
    Proporzioni tabella;
    bool scalabile = false;
    bool giaMostrata = false;
    QPointer<QWidget> primoFuoco;
};

} // namespace ope
