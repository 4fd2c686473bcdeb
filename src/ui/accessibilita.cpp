// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibilita.h"

#include "ui/annuncio.h"
#include "ui/colori.h"
#include "ui/etichettacliccabile.h"
#include "ui/pulsanteopzione.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>

namespace ope {

bool raggiungibile(const QWidget* w)
{
    const QWidget* finestra = w->window();
    if (w == finestra)
        return true;
    if (!w->isVisibleTo(finestra))
        return false;
    const QWidget* sopra = finestra->childAt(w->mapTo(finestra, w->rect().center()));
    return sopra && (sopra == w || w->isAncestorOf(sopra));
}

bool fuocoVisibile(const QWidget* w)
{
    return w->hasFocus() && w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void nascondiAnello(QWidget* finestra)
{
    if (!finestra->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    finestra->setAttribute(Qt::WA_KeyboardFocusChange, false);
    if (QWidget* fuoco = finestra->focusWidget())
        fuoco->update();
}

void disegnaAnello(QPainter& pittore, const QRect& r)
{
    // A wide ring in a strong colour, growing with the key as the window
    // grows, and a white line inside it that keeps it apart from any face.
    const qreal spessore = std::max(4.0, std::min(r.width(), r.height()) / 10.0);
    const QRectF esterno = QRectF(r).adjusted(spessore / 2, spessore / 2, -spessore / 2, -spessore / 2);
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setBrush(Qt::NoBrush);
    pittore.setPen(QPen(colori::bluAnello, spessore));
    pittore.drawRoundedRect(esterno, 6, 6);
    pittore.setPen(QPen(colori::bianco, 2));
    pittore.drawRoundedRect(esterno.adjusted(spessore / 2 + 1, spessore / 2 + 1, -spessore / 2 - 1, -spessore / 2 - 1), 4, 4);
    pittore.restore();
}

bool fermataPossibile(const QWidget* w)
{
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible())
        return false;
    if (const auto* e = qobject_cast<const EtichettaCliccabile*>(w->parentWidget()); e && e->fermataDiTab() == w)
        return raggiungibile(e);
    return raggiungibile(w);
}

void mostraAnello(QWidget* finestra)
{
    if (finestra->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    finestra->setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* fuoco = finestra->focusWidget())
        fuoco->update();
}

bool fuocoAlPrimoAttivo(QWidget* finestra)
{
    if (!finestra->isVisible())
        return false;
    for (QWidget* w = finestra->nextInFocusChain(); w && w != finestra; w = w->nextInFocusChain()) {
        if (w->window() == finestra && fermataPossibile(w)) {
            finestra->setAttribute(Qt::WA_KeyboardFocusChange);
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

void fuocoDopoAzione(QWidget* finestra, const QWidget* premuto)
{
    // Qt moves the focus off a disabled control to the next in the chain,
    // which may be any control of the window: the pressed one decides.
    const QWidget* fuoco = finestra->focusWidget();
    const bool perso = !fuoco || fuoco == finestra || !fermataPossibile(fuoco);
    if (perso || (premuto && !fermataPossibile(premuto)))
        fuocoAlPrimoAttivo(finestra);
}

namespace {

// A widget a screen reader may report as showing: what a sighted pupil sees.
class Visibile : public QAccessibleWidget {
public:
    Visibile(QWidget* w, QAccessible::Role ruolo) : QAccessibleWidget(w, ruolo) {}

    QAccessible::State state() const override
    {
        QAccessible::State stato = QAccessibleWidget::state();
        if (!widget()->isVisible() || !raggiungibile(widget())) {
            stato.invisible = true;
            stato.offscreen = true;
        }
        return stato;
    }
};

// A lone symbol of the operation row, as it is read: a screen reader's own
// reading of "-" is "trattino", and of "?" nothing at all.
QString parolaDelSimbolo(const QString& testo)
{
    static const std::array<std::pair<const char*, const char*>, 8> parole{{
        {"-", "meno"}, {"+", "pi\u00f9"}, {"x", "per"}, {":", "diviso"},
        {"=", "uguale"}, {"<", "minore"}, {">", "maggiore"}, {"?", "quanto"}}};
    const QString t = testo.trimmed();
    for (const auto& [simbolo, parola] : parole) {
        if (t == QLatin1String(simbolo))
            return QString::fromUtf8(parola);
    }
    return testo;
}

class Etichetta : public Visibile {
public:
    explicit Etichetta(QWidget* w) : Visibile(w, QAccessible::StaticText) {}

    // Its own name, or what it reads: never the title of the frame around it.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return parolaDelSimbolo(static_cast<const QLabel*>(widget())->text());
        return Visibile::text(t);
    }
};

// A control with the Press action, which acts as the pupil's press would.
class Premibile : public Visibile {
public:
    using Visibile::Visibile;

    QStringList actionNames() const override { return QStringList{pressAction()} + Visibile::actionNames(); }
    void doAction(const QString& azione) override
    {
        if (azione == pressAction())
            premi();
        else
            Visibile::doAction(azione);
    }

protected:
    virtual void premi() const = 0;
};

// A clickable label's tab stop: the button a screen reader finds, named and
// pressed as its label, and showing where the label shows.
class FermataDiTab : public Premibile {
public:
    explicit FermataDiTab(QWidget* w) : Premibile(w, QAccessible::Button) {}

    EtichettaCliccabile* etichetta() const { return static_cast<EtichettaCliccabile*>(widget()->parentWidget()); }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? etichetta()->text() : Visibile::text(t);
    }
    QRect rect() const override { return QAccessible::queryAccessibleInterface(etichetta())->rect(); }
    QAccessible::State state() const override
    {
        QAccessible::State stato = Visibile::state();
        const QAccessible::State daEtichetta = QAccessible::queryAccessibleInterface(etichetta())->state();
        stato.invisible = daEtichetta.invisible;
        stato.offscreen = daEtichetta.offscreen;
        return stato;
    }

protected:
    void premi() const override { etichetta()->premi(); }
};

class Tasto : public Premibile {
public:
    explicit Tasto(PulsanteOpzione* p) : Premibile(p, QAccessible::Button) {}

    PulsanteOpzione* tasto() const { return static_cast<PulsanteOpzione*>(widget()); }

    QAccessible::Role role() const override
    {
        return tasto()->opzioneDiScelta() ? QAccessible::RadioButton : QAccessible::Button;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return tasto()->text();
        return Visibile::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State stato = Visibile::state();
        stato.pressed = tasto()->isDown();
        if (tasto()->opzioneDiScelta()) {
            stato.checkable = true;
            stato.checked = tasto()->sceltaFatta();
        }
        return stato;
    }

protected:
    void premi() const override { tasto()->premi(); }
};

// Spoken by screen readers as soon as it shows, wherever the focus is.
class Notifica : public QAccessibleWidget {
public:
    explicit Notifica(Annuncio* a) : QAccessibleWidget(a, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const Annuncio*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fabbrica(const QString& classe, QObject* oggetto)
{
    if (auto* a = qobject_cast<Annuncio*>(oggetto))
        return new Notifica(a);
    if (auto* p = qobject_cast<PulsanteOpzione*>(oggetto))
        return new Tasto(p);
    auto* w = qobject_cast<QWidget*>(oggetto);
    if (!w)
        return nullptr;
    if (auto* e = qobject_cast<EtichettaCliccabile*>(w->parentWidget()); e && e->fermataDiTab() == w)
        return new FermataDiTab(w);
    if (qobject_cast<EtichettaCliccabile*>(w))
        return new Etichetta(w);
    // Only plain labels and panels: their subclasses keep Qt's own interfaces.
    if (classe == QLatin1String("QLabel"))
        return new Etichetta(w);
    if (classe == QLatin1String("QFrame"))
        return new Visibile(w, QAccessible::Pane);
    return nullptr;
}

} // namespace

void installaAccessibilita()
{
    QAccessible::removeFactory(fabbrica);
    QAccessible::installFactory(fabbrica);
}

} // namespace ope
