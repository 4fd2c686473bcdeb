// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/nome.h"

#include <QStringView>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace ope {

namespace {

bool apostrofo(char32_t c)
{
    return c == U'\'' || c == U'\u2019';
}

bool trattino(char32_t c)
{
    return c == U'-' || c == U'\u2010' || c == U'\u2011';
}

bool segno(char32_t c)
{
    const QChar::Category k = QChar::category(c);
    return k == QChar::Mark_NonSpacing || k == QChar::Mark_SpacingCombining || k == QChar::Mark_Enclosing;
}

// Drops what a name cannot hold and turns every kind of blank into a plain one.
// A mark stays only on a letter it was typed on: one left over from a
// dropped emoji or digit would land on its neighbour.
QString filtra(QStringView testo)
{
    QString pulito;
    bool suLettera = false;
    for (const char32_t c : testo.toUcs4()) {
        const bool tenuto = QChar::isLetter(c) || (segno(c) && suLettera) || apostrofo(c) || trattino(c);
        if (QChar::isSpace(c))
            pulito += QLatin1Char(' ');
        else if (tenuto)
            pulito += QString::fromUcs4(&c, 1);
        suLettera = tenuto && (QChar::isLetter(c) || segno(c));
    }
    return pulito;
}

// The text up to `quanti` characters as a person counts them (grapheme clusters).
QString taglia(const QString& testo, int quanti)
{
    QTextBoundaryFinder confini(QTextBoundaryFinder::Grapheme, testo);
    int contati = 0;
    while (confini.toNextBoundary() >= 0) {
        if (++contati == quanti)
            return testo.left(confini.position());
    }
    return testo;
}

bool separaParole(char32_t c)
{
    return c == U' ' || apostrofo(c) || trattino(c);
}

// Caps lock inverts every letter: each word begins small and goes on in capitals.
bool scrittoColBloccoMaiuscole(const QString& nome)
{
    bool inizioParola = true;
    bool altreMaiuscole = false;
    for (const char32_t c : QStringView(nome).toUcs4()) {
        if (separaParole(c)) {
            inizioParola = true;
            continue;
        }
        if (!QChar::isLetter(c))
            continue;
        if (inizioParola ? QChar::isUpper(c) : QChar::isLower(c))
            return false;
        altreMaiuscole = altreMaiuscole || (!inizioParola && QChar::isUpper(c));
        inizioParola = false;
    }
    return altreMaiuscole;
}

QString invertiMaiuscole(const QString& nome)
{
    QString invertito;
    for (const char32_t c : QStringView(nome).toUcs4()) {
        const QString lettera = QString::fromUcs4(&c, 1);
        invertito += QChar::isUpper(c) ? lettera.toLower() : QChar::isLower(c) ? lettera.toUpper() : lettera;
    }
    return invertito;
}

} // namespace

QString nomePulito(const QString& digitato)
{
    return taglia(filtra(digitato).simplified(), lettereNome).trimmed();
}

QString nomeMaiuscolo(const QString& nome)
{
    const QString testo = scrittoColBloccoMaiuscole(nome) ? invertiMaiuscole(nome) : nome;
    QString scritto;
    bool inizioParola = true;
    for (const char32_t c : QStringView(testo).toUcs4()) {
        const QString lettera = QString::fromUcs4(&c, 1);
        scritto += inizioParola && QChar::isLetter(c) ? lettera.toUpper() : lettera;
        if (separaParole(c))
            inizioParola = true;
        else if (QChar::isLetter(c))
            inizioParola = false;
    }
    return scritto;
}

QString nomeLavoro(const QString& programma, const QString& cosa, const QString& nome)
{
    QString lavoro = programma + QStringLiteral(" - ") + cosa;
    if (!nome.isEmpty())
        lavoro += QStringLiteral(" - ") + nome;
    return lavoro;
}

QValidator::State ValidatoreNome::validate(QString& testo, int& posizione) const
{
    // Filtered a character at a time, so the cursor keeps its place among what stays.
    const QString prima = taglia(filtra(QStringView(testo).left(posizione)), lettereNome);
    testo = taglia(filtra(testo), lettereNome);
    posizione = int(std::min(prima.size(), testo.size()));
    return Acceptable;
}

} // namespace ope
