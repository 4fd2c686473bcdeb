// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QProxyStyle>

namespace ope {

// The program's look: Fusion, with the two pictures Fusion reads from files
// drawn in code instead. Reading any picture file wakes every image plugin,
// almost a megabyte of memory for a frame border and an arrow the menu bar
// shows only when its entries do not fit. A checkable entry of a menu bar
// shows its check box before its text, which no Qt style does.
class Stile : public QProxyStyle {
    Q_OBJECT
public:
    Stile();

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* pittore,
                       const QWidget* widget = nullptr) const override;
    // Command buttons carry the same focus ring as the keys; a checkable
    // menu-bar entry draws its check box.
    void drawControl(ControlElement elemento, const QStyleOption* opzione, QPainter* pittore,
                     const QWidget* widget = nullptr) const override;
    // Alt or F10 lead into the menu bar; its mnemonics are underlined only
    // while the keyboard is in use there, so a mouse user sees the plain entries.
    int styleHint(StyleHint suggerimento, const QStyleOption* opzione = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* ritorno = nullptr) const override;
    QIcon standardIcon(StandardPixmap figura, const QStyleOption* opzione = nullptr,
                       const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType tipo, const QStyleOption* opzione, const QSize& dimensione,
                           const QWidget* widget = nullptr) const override;

private:
    QIcon frecciaAltro;   // the menu bar's "more entries" arrow
};

} // namespace ope
