// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/frmvalutazione.h"

#include "ui/clicsfondo.h"
#include "ui/colori.h"
#include "ui/controlli.h"

#include <QFrame>
#include <QLabel>

namespace ope {

namespace {


struct Riga {
    const char* nome;
    const char* testo;
};

// The grading table as marks out of ten, top to bottom.
const Riga scala[] = {
    {"Label1", "10/10 ottimo"},
    {"Label7", " 9/10 ottimo"},
    {"Label6", " 8/10 distinto"},
    {"Label5", " 7/10 buono"},
    {"Label3", " 6/10 sufficiente"},
    {"Label2", " 5/10 sufficiente (!)"},
};

QFrame* cornice(QWidget* genitore, const QString& nome, double left)
{
    QFrame* f = nuovoRiquadro(genitore, nome, left, 240, 4920, 4620);
    impostaSfondo(f, colori::acquamarina);
    return f;
}

QLabel* intestazione(QFrame* f, const QString& nome, const QString& testo)
{
    QLabel* l = nuovaEtichetta(f, nome, testo, 240, 300, 4440, 360);
    l->setFont(carattere(QStringLiteral("Arial"), 9.75, true));
    l->setAlignment(Qt::AlignCenter);
    impostaTesto(l, colori::porpora);
    return l;
}

void riga(QLabel* l)
{
    l->setFont(carattere(QStringLiteral("Arial"), 12, true));
    impostaTesto(l, colori::bluVivo);
}

} // namespace

FrmValutazione::FrmValutazione(Programma&)
    : FinestraInfo(QStringLiteral("FrmValutazione"), QStringLiteral("SCALA  DI  VALUTAZIONE"), 10560, 7860,
                   colori::azzurroChiaro)
{
    QWidget* a = area();

    QFrame* frame1 = cornice(a, QStringLiteral("Frame1"), 240);
    intestazione(frame1, QStringLiteral("Label9"), QStringLiteral("SCALA DI VALUTAZIONE"));
    double alto = 960;
    for (const Riga& r : scala) {
        riga(nuovaEtichetta(frame1, QString::fromLatin1(r.nome), QString::fromLatin1(r.testo), 1080, alto, 3600, 480));
        alto += 600;
    }

    QFrame* frame2 = cornice(a, QStringLiteral("Frame2"), 5400);
    intestazione(frame2, QStringLiteral("Label8"), QStringLiteral("ATTESTATO DI VALUTAZIONE"));
    QLabel* label4 = nuovaEtichetta(frame2, QStringLiteral("Label4"),
                                    QStringLiteral("Puoi stampare l'attestato  dopo aver eseguito per intero almeno un esercizio"),
                                    360, 1080, 4200, 2400);
    riga(label4);
    label4->setWordWrap(true);
    label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    QLabel* label10 = nuovaEtichetta(a, QStringLiteral("Label10"),
                                     QStringLiteral("L'attestato di valutazione va ritagliato e incollato sul quaderno "
                                                    "accanto alle operazioni eseguite"),
                                     240, 5040, 10080, 1080);
    label10->setFont(carattere(QStringLiteral("Arial"), 14.25));
    label10->setWordWrap(true);
    label10->setAlignment(Qt::AlignCenter);
    impostaTesto(label10, colori::rossoScuro);

    creaChiudi(3780, 6540, 3000, 720, colori::acquamarina);
    connect(new ClicSulloSfondo(area()), &ClicSulloSfondo::cliccato, this, [this] { close(); });
}

} // namespace ope
