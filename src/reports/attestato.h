// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace ope {

class Serie;

// The whole part of right answers × 10 / operations asked; 0 when nothing was asked.
std::int16_t calcolaVoto(std::int16_t esatte, std::int16_t richieste);

// The grade text of a voto: "OTTIMO" down to "SUFFICIENTE (!)", else "Non classificato".
QString giudizioPer(std::int16_t voto);
bool classificato(const QString& giudizio);

// First character upper case, every other lower case: "mARIO rOSSI" -> "Mario rossi".
QString nomeMaiuscolo(const QString& nome);

// One line of the certificate, with the font in force when it is drawn.
// An empty text is an empty line of that font.
struct RigaAttestato {
    QString testo;
    QString famiglia;
    double punti;
    bool grassetto;
    QColor colore;
};

// The grade of a run: right answers against operations asked.
std::int16_t votoDellaSerie(const Serie& s);

// The certificate's lines from top to bottom, for a run and the pupil's name
// as typed, with the choices the run was started with.
std::vector<RigaAttestato> righeAttestato(const Serie& s, const QString& nome, const QString& data);

// The persistent image of the certificate picture: 96 pixels per inch, so
// that one pixel is 15 twips, drawn finer by `finezza` for the printer.
QImage nuovaImmagineAttestato(int larghezza, int altezza, const QColor& sfondo, double finezza = 4);

// Draws the lines centred one under the other, each by its measured width.
// At the sizes of the certificate its lines are taller together than the
// picture, and the title is wider: so every size is reduced by one common
// factor until all lines fit the height, and a line still wider than the
// picture is drawn smaller again, on its own, so that nothing is cut.
class PennaAttestato {
public:
    PennaAttestato(QImage& immagine, const std::vector<RigaAttestato>& righe);
    bool finita() const { return prossima >= righe.size(); }
    void scriviRiga();   // draws the next line
    double scala() const { return fattore; }
    QFont fontRiga(std::size_t i) const;   // the font line i is drawn in

private:
    QImage& foglio;
    const std::vector<RigaAttestato>& righe;
    std::size_t prossima = 0;
    double y = 0;
    double fattore = 1;
};

} // namespace ope
