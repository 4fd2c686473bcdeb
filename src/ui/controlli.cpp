// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controlli.h"

#include "ui/colori.h"
#include "ui/pulsanteopzione.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace ope {

QFont carattere(const QString& famiglia, double punti, bool grassetto)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    // Italian text needs no shaping (only kerning, which is cosmetic); skipping
    // it keeps most of the shaping library out of memory.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QLabel* nuovaEtichetta(QWidget* genitore, const QString& nome, const QString& testo,
                       double left, double top, double width, double height)
{
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(nome);
    l->setGeometry(rettangolo(left, top, width, height));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QGroupBox* nuovaCornice(QWidget* genitore, const QString& nome, const QString& titolo, const QFont& font,
                        double left, double top, double width, double height)
{
    // The font comes before the title: a title measures itself at once, and in
    // the default face it would load a whole font file for nothing.
    auto* c = new QGroupBox(genitore);
    c->setFont(font);
    c->setTitle(titolo);
    c->setObjectName(nome);
    c->setGeometry(rettangolo(left, top, width, height));
    return c;
}

QFrame* nuovoRiquadro(QWidget* genitore, const QString& nome, double left, double top, double width, double height)
{
    auto* r = new QFrame(genitore);
    r->setObjectName(nome);
    r->setFrameShape(QFrame::StyledPanel);
    r->setGeometry(rettangolo(left, top, width, height));
    return r;
}

PulsanteOpzione* nuovoPulsante(QWidget* genitore, const QString& nome, const QString& testo,
                               double left, double top, double width, double height)
{
    auto* p = new PulsanteOpzione(nome, testo, genitore);
    p->setGeometry(rettangolo(left, top, width, height));
    return p;
}

QPushButton* nuovoComando(QWidget* genitore, const QString& nome, const QString& testo, double punti,
                          double left, double top, double width, double height)
{
    auto* c = new QPushButton(testo, genitore);
    c->setObjectName(nome);
    c->setGeometry(rettangolo(left, top, width, height));
    c->setAutoDefault(false);
    c->setFont(carattere(QStringLiteral("Arial"), punti, true));
    impostaSfondo(c, colori::pesca);
    impostaTesto(c, colori::bluNotte);
    return c;
}

namespace {

bool disegnaComePulsante(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) != nullptr;
}

// A text colour is set for the enabled states only: a disabled control keeps
// the style's greyed text, so a child sees at once what cannot be pressed yet.
void colora(QWidget* w, QPalette::ColorRole ruolo, const QColor& colore, bool ancheDisabilitato)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Active, ruolo, colore);
    p.setColor(QPalette::Inactive, ruolo, colore);
    if (ancheDisabilitato)
        p.setColor(QPalette::Disabled, ruolo, colore);
    w->setPalette(p);
}

} // namespace

void impostaSfondo(QWidget* w, const QColor& colore)
{
    if (disegnaComePulsante(w)) {
        colora(w, QPalette::Button, colore, true);
    } else {
        colora(w, QPalette::Window, colore, true);
        w->setAutoFillBackground(true);
    }
}

void impostaTesto(QWidget* w, const QColor& colore)
{
    colora(w, disegnaComePulsante(w) ? QPalette::ButtonText : QPalette::WindowText, colore, false);
}

QColor coloreSfondo(const QWidget* w)
{
    return w->palette().color(QPalette::Active, disegnaComePulsante(w) ? QPalette::Button : QPalette::Window);
}

QColor coloreTesto(const QWidget* w)
{
    return w->palette().color(QPalette::Active, disegnaComePulsante(w) ? QPalette::ButtonText : QPalette::WindowText);
}

void spostaOrizzontale(QWidget* w, int left)
{
    w->move(left, w->y());
}

QString nomeElemento(const QString& nome, int indice)
{
    return QStringLiteral("%1(%2)").arg(nome).arg(indice);
}

} // namespace ope
