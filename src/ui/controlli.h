// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace ope {

class PulsanteOpzione;

// Helpers that build the named controls of a window at their design place (twips).
QFont carattere(const QString& famiglia, double punti, bool grassetto = false);

QLabel* nuovaEtichetta(QWidget* genitore, const QString& nome, const QString& testo,
                       double left, double top, double width, double height);
QGroupBox* nuovaCornice(QWidget* genitore, const QString& nome, const QString& titolo, const QFont& font,
                        double left, double top, double width, double height);
// A frame with no caption: a plain panel, much cheaper to paint than a group box.
QFrame* nuovoRiquadro(QWidget* genitore, const QString& nome, double left, double top, double width, double height);
PulsanteOpzione* nuovoPulsante(QWidget* genitore, const QString& nome, const QString& testo,
                               double left, double top, double width, double height);
// A command button with a peach face and dark blue bold Arial of `punti` points.
QPushButton* nuovoComando(QWidget* genitore, const QString& nome, const QString& testo, double punti,
                          double left, double top, double width, double height);

// Colours of a control, in the roles its kind draws with (button face for
// buttons, window colours for labels and frames).
void impostaSfondo(QWidget* w, const QColor& colore);
void impostaTesto(QWidget* w, const QColor& colore);
QColor coloreSfondo(const QWidget* w);
QColor coloreTesto(const QWidget* w);

// Moves a control in one call, keeping its size: copying a marker's Left.
void spostaOrizzontale(QWidget* w, int left);

// "Option1(3)": the objectName of element i of a control array.
QString nomeElemento(const QString& nome, int indice);

} // namespace ope
