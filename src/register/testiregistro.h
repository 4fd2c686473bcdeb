// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/registro.h"
#include "start/tabelle.h"   // nomeOperazione

#include <QColor>
#include <QString>

namespace ope {

// The texts the teacher's window and its printed pages show for what the
// register holds, in one place so that screen and paper read alike.
QString nomeObiettivo(int obiettivo);         // "2. Calcolo di un termine"
QString nomeLivello(int livello);             // "30-60"
QString testoTempo(int secondi);              // "2:05"
QString testoData(const QDateTime& quando);   // "08/12/2026 10:05"
QString testoVoto(const SerieRegistrata& serie);   // "8 DISTINTO", or "-" under 10 operations
// "sì", "interrotta", or "in corso" for a run of today not closed yet.
QString testoFinita(const SerieRegistrata& serie, const QDate& oggi);

// The share of right answers as a whole percentage; none without answers.
std::optional<int> quotaEsatte(int esatte, int risposte);

// One cell of the class grid: "3 serie\n85%" and a colour that says at a
// glance how it went (green from 80%, yellow from 60%, pink below); empty
// and white for a day without runs.
QString testoCella(const CellaGriglia& cella);
QColor coloreCella(const CellaGriglia& cella);

} // namespace ope
