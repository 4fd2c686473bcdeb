// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>

namespace ope {

// What a screen reader says at once, without the focus moving: a label of no
// size with the Notification role, shown again with each new sentence (screen
// readers speak a notification when it appears; Qt's bridge drops alerts).
// The sentences of one action are said together, in the order they came:
// "Errato. Ti aiuto ?" rather than the second cutting the first short.
class Annuncio : public QLabel {
    Q_OBJECT
public:
    explicit Annuncio(QWidget* finestra);

    void annuncia(const QString& frase);
    // What was said last, as a screen reader got it.
    QString ultimo() const { return text(); }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void di();

    QStringList inAttesa;
};

} // namespace ope
