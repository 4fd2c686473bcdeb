// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controlli.h"

#include "ui/pulsanteopzione.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace ope {

QFont carattere(const QString& famiglia, double punti, bool grassetto)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
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

QGroupBox* nuovaCornice(QWidget* genitore, const QString& nome, const QString& titolo,
                        double left, double top, double width, double height)
{
    auto* c = new QGroupBox(titolo, genitore);
    c->setObjectName(nome);
    c->setGeometry(rettangolo(left, top, width, height));
    return c;
}

PulsanteOpzione* nuovoPulsante(QWidget* genitore, const QString& nome, const QString& testo,
                               double left, double top, double width, double height)
{
    auto* p = new PulsanteOpzione(nome, testo, genitore);
    p->setGeometry(rettangolo(left, top, width, height));
    return p;
}

namespace {

bool disegnaComePulsante(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) != nullptr;
}

} // namespace

void impostaSfondo(QWidget* w, const QColor& colore)
{
    QPalette p = w->palette();
    if (disegnaComePulsante(w)) {
        p.setColor(QPalette::Button, colore);
    } else {
        p.setColor(QPalette::Window, colore);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

void impostaTesto(QWidget* w, const QColor& colore)
{
    QPalette p = w->palette();
    p.setColor(disegnaComePulsante(w) ? QPalette::ButtonText : QPalette::WindowText, colore);
    w->setPalette(p);
}

QColor coloreSfondo(const QWidget* w)
{
    return w->palette().color(disegnaComePulsante(w) ? QPalette::Button : QPalette::Window);
}

QColor coloreTesto(const QWidget* w)
{
    return w->palette().color(disegnaComePulsante(w) ? QPalette::ButtonText : QPalette::WindowText);
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
