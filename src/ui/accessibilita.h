// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QRect;
class QWidget;

namespace ope {

// True when a click at the centre of w would reach w or one of its children:
// no panel or control of its window lies over it.
bool raggiungibile(const QWidget* w);

// The focus is drawn as a thick ring while the pupil moves it from the
// keyboard; a mouse press in the window hides the ring again.
bool fuocoVisibile(const QWidget* w);
void nascondiAnello(QWidget* finestra);
void disegnaAnello(QPainter& pittore, const QRect& r);

// A control Tab may stop at now: enabled, and in sight (a clickable label's
// tab stop where its label is).
bool fermataPossibile(const QWidget* w);

// The focus ring shows from now on: the pupil is using the keyboard.
void mostraAnello(QWidget* finestra);

// Gives the focus, shown by the ring, to the first control of the window the
// pupil could press now; false when there is none.
bool fuocoAlPrimoAttivo(QWidget* finestra);

// After a key acted on the control `premuto` (none when the window's own
// keys acted): where the focus is lost, or that control went out of use or
// out of sight, the focus goes on from the first that can be pressed.
void fuocoDopoAzione(QWidget* finestra, const QWidget* premuto);

// Accessible interfaces that report what the pupil sees and can do: keys and
// clickable labels offer the Press action, chosen options are checked, and
// whatever lies behind another panel is not showing. Installed once.
void installaAccessibilita();

} // namespace ope
