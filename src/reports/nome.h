// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QValidator>

namespace ope {

// How many characters a name may have, counted as a person counts them.
inline constexpr int lettereNome = 15;

// The pupil's name made fit for a printed line: letters (with their marks),
// blanks, apostrophes and hyphens are kept, anything else (digits, symbols,
// emoji, control and direction characters) is dropped; every run of blanks,
// newlines and tabs becomes one blank, none at either end; then it is cut at
// `lettereNome` characters, never inside one.
QString nomePulito(const QString& digitato);

// The name as the certificate writes it: each word with its capital, words
// parted by blanks, apostrophes and hyphens ("maria d'angelo" -> "Maria
// D'Angelo"). What the pupil typed is otherwise kept ("McLean", "LUCIA"),
// except a name typed with caps lock on ("mARIO rOSSI"), whose case is turned back.
QString nomeMaiuscolo(const QString& nome);

// The print job of a page that carries the pupil's name: "<program> - <what> - <name>".
QString nomeLavoro(const QString& programma, const QString& cosa, const QString& nome);

// Keeps the name box to what nomePulito keeps, while typing and pasting, so
// that the box shows what will be printed (blanks are tidied on leaving it).
class ValidatoreNome : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& testo, int& posizione) const override;
};

} // namespace ope
