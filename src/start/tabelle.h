// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/estrazione.h"

#include <QString>
#include <QVariant>
#include <array>
#include <cstdint>
#include <vector>

namespace ope {

struct DatiScelte;

// The six objectives, as the start window and the worksheet window offer them.
struct Obiettivo {
    QString didascalia;
    QString prefisso;       // before the title in the start window's heading
    QString titolo;
    QString titoloScheda;   // the worksheet's title, after the operation's
    std::int16_t formaMin;
    std::int16_t formaMax;
};
const std::array<Obiettivo, 6>& obiettivi();

// The four levels.
struct Livello {
    QString didascalia;
    QString didascaliaScheda;   // the worksheet window's shorter caption
    std::int16_t livello;
    std::int16_t numeroMin;
    std::int16_t numeroMax;
    QString prefisso;
};
const std::array<Livello, 4>& livelli();

// "NUMERO MASSIMO da  30 a 60"
QString descrizioneDelLivello(int numeroMin, int numeroMax);

// The seven operation kinds, 1..7, as the settings file numbers them.
struct TipoOperazione {
    QString voce;     // the menu entry, with its mnemonic
    QString nome;     // what the exercise window's heading and the certificate say
    QString titolo;   // the worksheet's
};
const std::array<TipoOperazione, 7>& tipiOperazione();
// Any other kind is named as subtraction, the program's own operation.
const TipoOperazione& tipoOperazione(int tipo);
QString nomeOperazione(int tipo);
// The name, and the tables where they drive the kind's multiplications:
// "Moltiplicazioni  (tabelline 7)".
QString operazioneScelta(const DatiScelte& s);
bool conMoltiplicazioni(int tipo);   // kinds that draw multiplications or divisions

// "SOTTRAZIONI.1   -   CALCOLO DEL RISULTATO": the sheet's title for the kind and objective i.
QString titoloScheda(int tipo, int obiettivo);

// The multiplication tables (tabellineScelte lists them), one more or one less.
std::uint16_t conTabellina(std::uint16_t tabelline, int tabellina, bool scelta);
// Kept among the user's preferences as a list of numbers; anything else there is no table.
inline const QString chiaveTabelline = QStringLiteral("tabelline");
std::uint16_t tabellineDaPreferenza(const QVariant& valore);
QString testoTabelline(std::uint16_t tabelline);   // "tabelline 2-5, 7"
QVariant preferenzaDiTabelline(std::uint16_t tabelline);

// What the level means for the multiplications and divisions of the kind
// chosen ("x e :  tabelline 7, 8"); empty for additions and subtractions.
QString spiegazioneLivello(const DatiScelte& s);

// What choosing objective i or level i in the start window writes.
void scegliObiettivo(DatiScelte& s, int indice);
void scegliLivello(DatiScelte& s, int indice);

} // namespace ope
