// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/finestra.h"

#include "ui/accessibilita.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QLayout>
#include <QWindow>

namespace ope {

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

void Finestra::registraProporzioni()
{
    tabella.registraProporzioni(client, progetto);
    scalabile = true;
}

bool Finestra::eventFilter(QObject* oggetto, QEvent* evento)
{
    // A pupil who goes back to the mouse no longer needs the focus ring.
    const bool pressione = evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::TouchBegin;
    if (pressione && oggetto == windowHandle())
        nascondiAnello(this);
    if (oggetto == client && evento->type() == QEvent::Resize) {
        if (scalabile)
            tabella.applicaProporzioni(client->size());
        ridimensionata();
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

void Finestra::showEvent(QShowEvent* e)
{
    if (!giaMostrata) {
        giaMostrata = true;
        adattaAlProgetto();
        if (windowHandle())
            windowHandle()->installEventFilter(this);
    }
    QMainWindow::showEvent(e);
}

void Finestra::closeEvent(QCloseEvent* e)
{
    scarica();
    emit scaricata();
    QMainWindow::closeEvent(e);
}

} // namespace ope
