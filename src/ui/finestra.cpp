// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/finestra.h"

#include "ui/accessibilita.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QLayout>
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
        setAttribute(Qt::WA_KeyboardFocusChange);
        primoFuoco->update();
        primoFuoco = nullptr;
    }
    return risposta;
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
    if (pressione && oggetto == windowHandle())
        nascondiAnello(this);
    // The window manager has framed the window: its frame is now known, and
    // a window placed with a guessed frame is put where it was meant to stand.
    if (daCorreggere && oggetto == windowHandle() && evento->type() == QEvent::Expose && isVisible()) {
        daCorreggere = false;
        if (!isMaximized() && !isFullScreen() && windowHandle()->frameMargins() != QMargins())
            centraSulGenitore(windowHandle()->frameMargins());
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
    if (scriviGeometria && giaMostrata)
        scriviGeometria(chiaveGeometria(), saveGeometry());
    scarica();
    emit scaricata();
    QMainWindow::closeEvent(e);
}

} // namespace ope
