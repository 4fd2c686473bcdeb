// SPDX-License-Identifier: GPL-3.0-or-later
#include "scatti.h"

#include "programma.h"
#include "start/frminizio.h"

namespace ope::scatti {

void scattiInformazioni(Scatti& s)
{
    Programma programma(s.ambiente());
    programma.avvia();
    auto* inizio = static_cast<FrmInizio*>(programma.finestra(QStringLiteral("frmInizio")));
    s.salva(inizio, QStringLiteral("tendine-1-chiuse"));
    for (int i = 0; i < 40; ++i)
        inizio->TimerTendine_Timer();
    s.salva(inizio, QStringLiteral("tendine-2-a-meta"));
    for (int i = 0; i < 60; ++i)
        inizio->TimerTendine_Timer();
    s.salva(inizio, QStringLiteral("tendine-3-aperte"));
    inizio->showMaximized();
    s.salva(inizio, QStringLiteral("tendine-4-aperte-ingrandita"));
    inizio->showNormal();

    const struct {
        void (Programma::*apri)();
        const char* finestra;
        const char* scatto;
    } informazioni[] = {
        {&Programma::apriValutazione, "FrmValutazione", "info-valutazione"},
        {&Programma::apriOperazioni, "frmOperazioni", "info-operazioni"},
        {&Programma::apriEsempi, "frmEsempi", "info-esempi"},
        {&Programma::apriAutore, "frmAutore", "info-autore"},
    };
    for (const auto& i : informazioni) {
        (programma.*i.apri)();
        QWidget* w = programma.finestra(QString::fromLatin1(i.finestra));
        s.salva(w, QString::fromLatin1(i.scatto));
        if (w)
            w->close();
    }
}

} // namespace ope::scatti
