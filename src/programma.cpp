// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"

#include "exercise/frmoperativo.h"
#include "start/frminizio.h"

#include <QCoreApplication>

namespace ope {

Programma::Programma(Ambiente a)
    : piattaforma(completaAmbiente(std::move(a))), caso(piattaforma.orologio)
{
}

Programma::~Programma()
{
    chiusuraInCorso = true;
    for (QPointer<QWidget>* posto : {&autore, &esempi, &operazioni, &valutazione, &attestato,
                                     &stampaEsercizio, &stampaSchede, &operativo, &inizio})
        delete posto->data();
}

template <class F>
F* Programma::carica(QPointer<QWidget>& posto)
{
    if (!posto) {
        auto* f = new F(*this);
        f->setAttribute(Qt::WA_DeleteOnClose);
        posto = f;
    }
    return static_cast<F*>(posto.data());
}

void Programma::mostraModale(QWidget* w)
{
    // Window modality without a nested event loop: nobody waits inside a dialog.
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    w->raise();
    w->activateWindow();
}

void Programma::avvia()
{
    mostraInizio();
}

void Programma::mostraInizio()
{
    if (finito)
        return;
    QWidget* w = carica<FrmInizio>(inizio);
    w->show();
    w->raise();
    w->activateWindow();
}

void Programma::apriOperativo()
{
    QWidget* w = carica<FrmOperativo>(operativo);
    w->show();
    w->raise();
    w->activateWindow();
}
void Programma::apriStampaEsercizio() {}
void Programma::apriAttestato() {}
void Programma::apriStampaSchede() {}
void Programma::apriValutazione() {}
void Programma::apriOperazioni() {}
void Programma::apriEsempi() {}
void Programma::apriAutore() {}

QWidget* Programma::finestra(const QString& nome) const
{
    for (const QPointer<QWidget>* posto : {&inizio, &operativo, &stampaEsercizio, &attestato, &stampaSchede,
                                           &valutazione, &operazioni, &esempi, &autore}) {
        if (*posto && (*posto)->objectName() == nome)
            return posto->data();
    }
    return nullptr;
}

void Programma::chiudiTutto()
{
    if (chiusuraInCorso)
        return;
    chiusuraInCorso = true;
    for (QPointer<QWidget>* posto : {&autore, &esempi, &operazioni, &valutazione, &attestato,
                                     &stampaEsercizio, &stampaSchede, &operativo, &inizio}) {
        if (*posto)
            (*posto)->close();
    }
    finito = true;
    QCoreApplication::quit();
}

} // namespace ope
