// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/proporzioni.h"

#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QVariant>
#include <functional>

class QKeyEvent;
class QMenuBar;

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

    // The control that has the focus when the window opens. Its ring shows at
    // once when a key opened the window, else from the first key that moves the focus.
    void fuocoIniziale(QWidget* w);
    // True when the pupil's last press in this window was a key, not the mouse or a finger.
    bool tastieraInUso() const { return tastiera; }

    // F10 leads into the menu bar, as a tap of Alt does.
    void apriMenu();

    // The window that opened this one: this one is its transient, and opens
    // on its screen, centred on it. Call before the window is first shown.
    void apriSopra(QWidget* chiApre);
    QWidget* apertaDa() const { return genitore; }

    // Where the window keeps its size, place and maximised state between
    // runs of the program: read now, written when it is unloaded. A window
    // opened over another keeps its size and state, and is still centred.
    using LeggiPreferenza = std::function<QVariant(const QString&)>;
    using ScriviPreferenza = std::function<void(const QString&, const QVariant&)>;
    void ricordaGeometria(LeggiPreferenza leggi, ScriviPreferenza scrivi);

signals:
    void scaricata();   // the window is being unloaded

protected:
    void registraProporzioni();   // call at the end of the window's own load
    // The window's Form_Resize after the controls were rescaled.
    virtual void ridimensionata() {}
    // Asked before the window unloads, whoever closes it: false keeps it open.
    virtual bool lasciaChiudere() { return true; }
    // The window's Form_Unload.
    virtual void scarica() {}

    bool event(QEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    bool focusNextPrevChild(bool avanti) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void adattaAlloSchermo();
    void centraSulGenitore(QMargins cornice);
    QString chiaveGeometria() const;
    bool tastoNelMenu(QMenuBar* barra, const QKeyEvent& tasto);

    QWidget* client;
    QSize progetto;
    Proporzioni tabella;
    bool scalabile = false;
    bool giaMostrata = false;
    bool geometriaRipresa = false;
    bool daCorreggere = false;   // placed with the frame guessed, before the window manager framed it
    ScriviPreferenza scriviGeometria;
    QFont fontMenu;     // the menu bar's, as designed
    QSize progettoIntero;   // the design size with the menu bar
    bool tastiera = false;
    QPointer<QWidget> primoFuoco;
    QPointer<QWidget> genitore;
    QPointer<QWidget> fuocoPrimaDelMenu;
};

// The client size at which a window opens: its design size when the design,
// with the menu bar's height and the frame, fits the available area; else the
// design scaled down evenly until it fits.
QSize dimensioneSulloSchermo(QSize progetto, int menu, QMargins cornice, QSize disponibile);

// Where a window's frame of that size goes to stand centred on the frame of
// the window that opened it, moved back inside the available area if it
// would stand out of it.
QPoint posizioneCentrata(QSize cornice, QRect genitore, QRect disponibile);

} // namespace ope
