// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/finestra.h"

#include "ui/accessibilita.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace ope {

namespace {

// A usual window manager's title bar and borders, for a window not framed
// yet and opened by none that is.
const QMargins corniceUsuale(4, 32, 4, 4);

} // namespace

QSize dimensioneSulloSchermo(QSize progetto, int menu, QMargins cornice, QSize disponibile)
{
    if (progetto.isEmpty())
        return progetto;
    const double larga = disponibile.width() - cornice.left() - cornice.right();
    const double alta = disponibile.height() - cornice.top() - cornice.bottom() - menu;
    const double fattore = std::min({1.0, larga / progetto.width(), alta / progetto.height()});
    if (fattore >= 1.0)
        return progetto;
    return QSize(std::max(1, int(std::floor(progetto.width() * fattore))),
                 std::max(1, int(std::floor(progetto.height() * fattore))));
}

QPoint posizioneCentrata(QSize cornice, QRect genitore, QRect disponibile)
{
    const int x = genitore.x() + (genitore.width() - cornice.width()) / 2;
    const int y = genitore.y() + (genitore.height() - cornice.height()) / 2;
    // Against the right and bottom edges first, so that a frame larger than
    // the area keeps its title bar on screen.
    const int ultimaX = disponibile.x() + disponibile.width() - cornice.width();
    const int ultimaY = disponibile.y() + disponibile.height() - cornice.height();
    return {std::max(disponibile.x(), std::min(x, ultimaX)), std::max(disponibile.y(), std::min(y, ultimaY))};
}

Finestra::Finestra(const QString& nome, double larghezzaTwips, double altezzaTwips)
    : client(new QWidget(this)),
      progetto(pixel(larghezzaTwips), pixel(altezzaTwips))
{
    setObjectName(nome);
    client->setObjectName(nome + QStringLiteral(".area"));
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    client->installEventFilter(this);
    resize(progetto);
}

void Finestra::adattaAlProgetto()
{
    resize(progetto);
    if (layout())
        layout()->activate();
    const int menu = height() - client->height();
    resize(progetto.width(), progetto.height() + std::max(0, menu));
}

void Finestra::fuocoIniziale(QWidget* w)
{
    primoFuoco = w;
    w->setFocus(Qt::OtherFocusReason);
}

bool Finestra::event(QEvent* e)
{
    const bool risposta = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate && primoFuoco) {
        const auto* chiApre = qobject_cast<const Finestra*>(genitore.data());
        if (chiApre && chiApre->tastieraInUso()) {
            setAttribute(Qt::WA_KeyboardFocusChange);
            tastiera = true;
        }
        primoFuoco->update();
        primoFuoco = nullptr;
    }
    return risposta;
}

void Finestra::apriMenu()
{
    auto* barra = qobject_cast<QMenuBar*>(menuWidget());
    if (!barra || !barra->isVisible() || barra->hasFocus())
        return;
    const QList<QAction*> voci = barra->actions();
    const auto prima = std::find_if(voci.begin(), voci.end(), [barra](QAction* a) {
        return a->isEnabled() && !barra->actionGeometry(a).isEmpty();
    });
    if (prima == voci.end())
        return;
    fuocoPrimaDelMenu = focusWidget();
    barra->removeEventFilter(this);
    barra->installEventFilter(this);
    barra->setFocus(Qt::MenuBarFocusReason);
    barra->setActiveAction(*prima);
    barra->update();   // its mnemonics show while it has the focus
}

bool Finestra::tastoNelMenu(QMenuBar* barra, const QKeyEvent& tasto)
{
    // The bar moves between its entries by itself; leaving it, by Esc or by
    // choosing an entry, gives the focus back where it was.
    const bool sceglie = tasto.key() == Qt::Key_Return || tasto.key() == Qt::Key_Enter || tasto.key() == Qt::Key_Space;
    if (!sceglie && tasto.key() != Qt::Key_Escape)
        return false;
    QPointer<QAction> voce = sceglie ? barra->activeAction() : nullptr;
    barra->setActiveAction(nullptr);
    barra->update();
    if (fuocoPrimaDelMenu)
        fuocoPrimaDelMenu->setFocus(Qt::MenuBarFocusReason);
    else
        setFocus(Qt::MenuBarFocusReason);
    if (voce && voce->isEnabled())
        voce->trigger();
    return true;
}

void Finestra::apriSopra(QWidget* chiApre)
{
    genitore = chiApre;
    if (!chiApre || giaMostrata)
        return;
    // On X11 only a dialog's window is marked as the transient of another;
    // the buttons of the title bar stay those of a window.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
}

void Finestra::ricordaGeometria(LeggiPreferenza leggi, ScriviPreferenza scrivi)
{
    scriviGeometria = std::move(scrivi);
    if (giaMostrata || !leggi)
        return;
    const QByteArray salvata = leggi(chiaveGeometria()).toByteArray();
    geometriaRipresa = !salvata.isEmpty() && restoreGeometry(salvata);
}

QString Finestra::chiaveGeometria() const
{
    return QStringLiteral("finestre/") + objectName();
}

void Finestra::registraProporzioni()
{
    tabella.registraProporzioni(client, progetto);
    scalabile = true;
    if (QWidget* barra = menuWidget()) {
        fontMenu = barra->font();
        progettoIntero = QSize(progetto.width(), progetto.height() + barra->sizeHint().height());
    }
}

bool Finestra::eventFilter(QObject* oggetto, QEvent* evento)
{
    // A pupil who goes back to the mouse no longer needs the focus ring.
    const bool pressione = evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::TouchBegin;
    if (pressione && oggetto == windowHandle()) {
        tastiera = false;
        nascondiAnello(this);
    }
    // The window manager has framed the window: its frame is now known, and
    // a window placed with a guessed frame is put where it was meant to stand.
    if (daCorreggere && oggetto == windowHandle() && evento->type() == QEvent::Expose && isVisible()) {
        daCorreggere = false;
        if (!isMaximized() && !isFullScreen() && windowHandle()->frameMargins() != QMargins())
            centraSulGenitore(windowHandle()->frameMargins());
    }
    if (evento->type() == QEvent::KeyPress && oggetto == menuWidget() && oggetto->isWidgetType()
        && tastoNelMenu(static_cast<QMenuBar*>(oggetto), *static_cast<QKeyEvent*>(evento)))
        return true;
    if (evento->type() == QEvent::KeyPress && oggetto == windowHandle()) {
        tastiera = true;
        if (static_cast<QKeyEvent*>(evento)->key() == Qt::Key_F10 && static_cast<QKeyEvent*>(evento)->modifiers() == Qt::NoModifier) {
            apriMenu();
            return true;
        }
    }
    if (oggetto == client && evento->type() == QEvent::Resize) {
        if (scalabile)
            tabella.applicaProporzioni(client->size());
        ridimensionata();
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

// The menu bar grows with the window as its controls' text does, from the
// window's whole size so that its own height never feeds back; it never
// shrinks below its design size.
void Finestra::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    QWidget* barra = menuWidget();
    if (!barra || !scalabile || progettoIntero.isEmpty())
        return;
    const double fattore = std::max({1.0, std::min(double(width()) / progettoIntero.width(),
                                                   double(height()) / progettoIntero.height())});
    const QFont voluto = fontInScala(fontMenu, fattore);
    if (barra->font() != voluto)
        barra->setFont(voluto);
}

bool Finestra::focusNextPrevChild(bool avanti)
{
    // Tab never stops at a control lying behind another panel.
    QWidget* da = focusWidget() ? focusWidget() : this;
    QWidget* w = da;
    do {
        w = avanti ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w != this && w->window() == this && fermataPossibile(w)) {
            mostraAnello(this);
            w->setFocus(avanti ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w && w != da);
    return false;
}

void Finestra::showEvent(QShowEvent* e)
{
    if (!giaMostrata) {
        giaMostrata = true;
        if (!geometriaRipresa)
            adattaAlProgetto();
        if (windowHandle())
            windowHandle()->installEventFilter(this);
        adattaAlloSchermo();
    }
    QMainWindow::showEvent(e);
}

void Finestra::adattaAlloSchermo()
{
    QWindow* finestra = windowHandle();
    QWindow* sotto = genitore ? genitore->windowHandle() : nullptr;
    if (finestra && sotto)
        finestra->setTransientParent(sotto);
    QScreen* schermo = sotto ? sotto->screen() : screen();
    if (!schermo || isMaximized() || isFullScreen())
        return;

    // Before the window manager has framed the window its margins are unknown:
    // those of the window that opened it stand in for them.
    QMargins cornice = finestra ? finestra->frameMargins() : QMargins();
    if (cornice.isNull() && sotto)
        cornice = sotto->frameMargins();
    if (cornice.isNull())
        cornice = corniceUsuale;

    // A size the user gave the window last time was fitted to the screen as it was restored.
    const int menu = height() - client->height();
    const QSize dentro = dimensioneSulloSchermo(progetto, menu, cornice, schermo->availableGeometry().size());
    if (!geometriaRipresa && dentro != progetto) {
        // A window that does not follow resizes still opens smaller in proportion.
        if (!scalabile)
            registraProporzioni();
        const QSize esterna(dentro.width(), dentro.height() + menu);
        if (minimumSize() == maximumSize())
            setFixedSize(esterna);
        else
            resize(esterna);
    }
    centraSulGenitore(cornice);
    daCorreggere = genitore && finestra && finestra->frameMargins().isNull();
}

// The window's own position is set, not its frame's: before the window is
// framed Qt would take a frame position for the window's, and the title bar
// would stand above where it was meant to.
void Finestra::centraSulGenitore(QMargins cornice)
{
    if (!genitore || !genitore->isVisible())
        return;
    QScreen* schermo = genitore->screen();
    const QRect disponibile = schermo ? schermo->availableGeometry() : genitore->frameGeometry();
    const QSize esterna(width() + cornice.left() + cornice.right(), height() + cornice.top() + cornice.bottom());
    const QPoint angolo = posizioneCentrata(esterna, genitore->frameGeometry(), disponibile);
    setGeometry(QRect(angolo + QPoint(cornice.left(), cornice.top()), size()));
}

void Finestra::closeEvent(QCloseEvent* e)
{
    if (!lasciaChiudere()) {
        e->ignore();
        return;
    }
    if (scriviGeometria && giaMostrata)
        scriviGeometria(chiaveGeometria(), saveGeometry());
    scarica();
    emit scaricata();
    QMainWindow::closeEvent(e);
}

} // namespace ope
