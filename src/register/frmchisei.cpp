// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/frmchisei.h"

#include "programma.h"
#include "register/registro.h"
#include "ui/colori.h"
#include "ui/controlli.h"
#include "ui/pulsanteopzione.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace ope {

namespace {

constexpr int colonne = 4;

} // namespace

FrmChiSei::FrmChiSei(Programma& p) : Finestra(QStringLiteral("FrmChiSei"), 11400, 7800), programma(p)
{
    setWindowTitle(QStringLiteral("Chi sei?"));
    creaControlli();
    if (!nomi.isEmpty())
        fuocoIniziale(nomi.first());
}

void FrmChiSei::creaControlli()
{
    QWidget* a = area();
    impostaSfondo(a, colori::gialloPallido);
    auto* colonna = new QVBoxLayout(a);

    auto* titolo = new QLabel(QStringLiteral("Chi sei?"), a);
    titolo->setObjectName(QStringLiteral("lblChiSei"));
    titolo->setFont(carattere(QStringLiteral("Arial"), 24, true));
    titolo->setAlignment(Qt::AlignCenter);
    impostaTesto(titolo, colori::rossoScuro);
    colonna->addWidget(titolo);

    auto* scorre = new QScrollArea(a);
    scorre->setObjectName(QStringLiteral("scrNomi"));
    scorre->setWidgetResizable(true);
    scorre->setFrameShape(QFrame::NoFrame);
    scorre->setFocusPolicy(Qt::NoFocus);
    // Its size hint measures its own font: the names' face spares loading the default one.
    const QFont fontNomi = carattere(QStringLiteral("Arial"), 16, true);
    scorre->setFont(fontNomi);
    auto* foglio = new QWidget;
    foglio->setObjectName(QStringLiteral("fraNomi"));
    impostaSfondo(foglio, colori::gialloPallido);
    auto* gruppi = new QVBoxLayout(foglio);
    scorre->setWidget(foglio);
    colonna->addWidget(scorre, 1);

    Registro* registro = programma.registro();
    const QList<ClasseRegistro> classi = registro ? registro->classi() : QList<ClasseRegistro>();
    for (const ClasseRegistro& classe : classi) {
        const QList<AlunnoRegistro> alunni = registro->alunni(classe.id);
        if (alunni.isEmpty())
            continue;
        // A heading only where it tells classes apart.
        if (classi.size() > 1) {
            auto* intestazione = new QLabel(classe.nome, foglio);
            intestazione->setObjectName(QStringLiteral("lblClasse(%1)").arg(classe.id));
            intestazione->setFont(carattere(QStringLiteral("Arial"), 14, true));
            impostaTesto(intestazione, colori::bluNotte);
            gruppi->addWidget(intestazione);
        }
        auto* griglia = new QGridLayout;
        for (int i = 0; i < alunni.size(); ++i) {
            const AlunnoRegistro alunno = alunni[i];
            auto* nome = new PulsanteOpzione(QStringLiteral("cmdAlunno(%1)").arg(alunno.id), alunno.nome, foglio);
            nome->setFont(fontNomi);
            nome->setMinimumHeight(64);
            nome->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            if (classi.size() > 1)
                nome->setAccessibleDescription(classe.nome);
            impostaSfondo(nome, colori::pesca);
            impostaTesto(nome, colori::bluNotte);
            nome->accendiColFuoco();
            nome->installEventFilter(this);
            connect(nome, &PulsanteOpzione::premuto, this,
                    [this, alunno] { programma.scegliAlunno(alunno.id, alunno.nome); });
            griglia->addWidget(nome, i / colonne, i % colonne);
            nomi << nome;
        }
        gruppi->addLayout(griglia);
    }
    if (nomi.isEmpty()) {
        auto* vuoto = new QLabel(QStringLiteral("Nel registro non c'è ancora nessun alunno: "
                                                "l'insegnante li aggiunge dal menu Registro."), foglio);
        vuoto->setObjectName(QStringLiteral("lblVuoto"));
        vuoto->setWordWrap(true);
        vuoto->setFont(carattere(QStringLiteral("Arial"), 14, false));
        gruppi->addWidget(vuoto);
    }
    gruppi->addStretch(1);
}

bool FrmChiSei::eventFilter(QObject* oggetto, QEvent* evento)
{
    // Up and down move a row of names; left and right, Tab and Shift+Tab move one.
    if (evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        auto* nome = qobject_cast<PulsanteOpzione*>(oggetto);
        if (nome && (tasto == Qt::Key_Up || tasto == Qt::Key_Down || tasto == Qt::Key_Left || tasto == Qt::Key_Right)) {
            const int passo = tasto == Qt::Key_Up ? -colonne : tasto == Qt::Key_Down ? colonne
                            : tasto == Qt::Key_Left ? -1 : 1;
            spostaFuoco(nome, passo);
            return true;
        }
    }
    return Finestra::eventFilter(oggetto, evento);
}

void FrmChiSei::spostaFuoco(PulsanteOpzione* da, int passo)
{
    const int dove = nomi.indexOf(da) + passo;
    if (dove >= 0 && dove < nomi.size()) {
        nomi[dove]->setFocus(Qt::TabFocusReason);
        if (auto* scorre = findChild<QScrollArea*>(QStringLiteral("scrNomi")))
            scorre->ensureWidgetVisible(nomi[dove]);
    }
}

} // namespace ope
