// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace ope {

class Serie;
class Stampante;

// What the page of executed operations shows: the pupil's name, the log's
// lines from the first and the run's total time as the log writes it (" 143").
struct EserciziEseguiti {
    QString nome;
    QStringList righe;
    QString tempoTotale;
};
EserciziEseguiti eserciziDi(const Serie& serie, const QString& nome);

// How a request to print the executed operations ended.
enum class EsitoStampa {
    stampata,
    troppoPoche,   // fewer than 10 logged operations: nothing printed
    senzaFont,     // the printer has neither "Courier" nor "Courier New": nothing printed
    guasto,        // the printer failed in the body, the footer or at the end of the document
};

// The least number of logged operations that may be printed.
inline constexpr int operazioniMinime = 10;

// Lays out the page of executed operations on the printer and ends the
// document: header with name and date, the log grouped ten by ten under
// "Esercizio n.k", and the three footer lines with each exercise's time.
EsitoStampa stampaEsercizi(Stampante& stampante, const EserciziEseguiti& esercizi, const QStringList& fontStampante,
                           const QString& data);

// The message box text for an outcome; empty for a printed page.
QString messaggioEsito(EsitoStampa esito);

} // namespace ope
