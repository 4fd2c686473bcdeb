// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/impostazioni.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

namespace ope {

namespace {

// The three numbers fit in a few bytes; a larger file is read only this far.
constexpr qint64 letturaMassima = 4096;

bool separatore(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

// The next integer from pos, skipping separators; nothing when the field is
// missing, is not a whole decimal number, or does not fit 16 bits.
std::optional<std::int16_t> prossimoNumero(const QByteArray& testo, qsizetype& pos)
{
    while (pos < testo.size() && separatore(testo[pos]))
        ++pos;
    const qsizetype inizio = pos;
    while (pos < testo.size() && !separatore(testo[pos]))
        ++pos;
    if (pos == inizio)
        return std::nullopt;
    const QByteArray campo = testo.mid(inizio, pos - inizio);
    for (qsizetype i = 0; i < campo.size(); ++i) {
        const char c = campo[i];
        const bool segno = i == 0 && (c == '-' || c == '+') && campo.size() > 1;
        if (!segno && (c < '0' || c > '9'))
            return std::nullopt;
    }
    bool ok = false;
    const short valore = campo.toShort(&ok);
    if (!ok)
        return std::nullopt;
    return valore;
}

} // namespace

Impostazioni leggiImpostazioni(const QByteArray& testo, std::int16_t attuale)
{
    Impostazioni fallita{attuale, 1, 1};
    qsizetype pos = 0;
    const auto tipo = prossimoNumero(testo, pos);
    // A kind outside 1..7 could never present an operation: treat it as unread.
    if (!tipo || *tipo < 1 || *tipo > 7)
        return fallita;
    fallita.tipoOperazione = *tipo;
    const auto obiettivi = prossimoNumero(testo, pos);
    const auto livelli = obiettivi ? prossimoNumero(testo, pos) : std::nullopt;
    auto gruppo = [](const std::optional<std::int16_t>& g) { return g && *g >= 1 && *g <= 2; };
    if (!gruppo(obiettivi) || !gruppo(livelli))
        return fallita;
    return {*tipo, *obiettivi, *livelli};
}

QByteArray testoImpostazioni(const Impostazioni& v)
{
    QByteArray riga;
    for (const std::int16_t n : {v.tipoOperazione, v.gruppoObiettivi, v.gruppoLivelli}) {
        if (n >= 0)
            riga += ' ';
        riga += QByteArray::number(n) + ' ';
    }
    return riga + "\r\n";
}

QString fileImpostazioni(const QString& nomeProgramma)
{
    return nomeProgramma + QStringLiteral(".dat");
}

Impostazioni leggiFileImpostazioni(const QString& percorso, std::int16_t attuale)
{
    QFile file(percorso);
    if (!QFileInfo(percorso).isFile() || !file.open(QIODevice::ReadOnly))
        return {attuale, 1, 1};
    QByteArray testo = file.read(letturaMassima);
    if (!file.atEnd()) {
        // Cut back to the last separator, so no number is read half-way.
        qsizetype fine = testo.size();
        while (fine > 0 && !separatore(testo[fine - 1]))
            --fine;
        testo.truncate(fine);
    }
    return leggiImpostazioni(testo, attuale);
}

bool scriviFileImpostazioni(const QString& percorso, const Impostazioni& valori)
{
    if (QFileInfo(percorso).isDir())
        return false;
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray riga = testoImpostazioni(valori);
    // The write only fills a buffer: a full disk shows first when it is
    // flushed, and a commit after a failed flush would rename a short file
    // over the good one.
    if (file.write(riga) != riga.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ope
