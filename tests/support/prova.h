// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ambiente.h"
#include "serie/serie.h"

#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

namespace ope {
class Programma;
}

namespace ope::prova {

// The run on the exercise window's screen; a new one after "Ricomincia".
const Serie& serieInCorso(Programma& programma);
// Answers the rest of that run right, through the exercise window's keys.
void finisciSerie(Programma& programma);

// A platform that tests drive: a settable clock, recorded pages, messages,
// sounds and sentences, and preferences kept in memory.
struct Piattaforma {
    double ora = 36000.0;          // 10:00:00
    QStringList font{QStringLiteral("Arial"), QStringLiteral("Courier New")};
    bool stampaRiesce = true;
    Invio::Esito comeFallisce = Invio::Esito::guasto;   // how a page fails where it does not print
    std::vector<Pagina> pagine;
    QStringList avvisi;
    QStringList domande;           // every question put, answered with `risposta`
    bool risposta = true;
    QString data = QStringLiteral("08/12/26");
    std::vector<Suono> suoni;
    struct Frase {
        QString testo;
        bool interrompe;
    };
    std::vector<Frase> frasi;
    int vociPreparate = 0;
    QVariantMap preferenze;
    // The class register's file; empty, a fresh one in a temporary folder,
    // so that no test ever reads or writes the user's own.
    QString registro;

    // An Ambiente that reads and writes this object; it must outlive the program.
    Ambiente ambiente(const QString& nome = QStringLiteral("Sottrazioni"));
};

// The control of that objectName inside a window, or a test failure.
template <class T = QWidget>
T* controllo(QWidget* finestra, const QString& nome)
{
    return finestra ? finestra->findChild<T*>(nome) : nullptr;
}

// A mouse press (and release) on the centre of the named control.
void premi(QWidget* finestra, const QString& nome, Qt::MouseButton tasto = Qt::LeftButton);
void clicca(QWidget* finestra, const QString& nome);

// Steps the start window's curtains open: keys under them cannot act.
void apriTendine(QWidget* inizio);
// Tab through the window until the named control has the focus.
void tabFino(QWidget* finestra, const QString& nome);
// The keys of a sequence written as "F10, Right, Return" or "Alt+V".
QList<QKeyCombination> tastiDi(const QString& sequenza);

// A screen reader's Press action on the control.
void azionePremi(QWidget* w);

// True when the widget is the topmost of its siblings at its own centre.
bool inPrimoPiano(const QWidget* w);

// Makes the test process work in a fresh temporary directory, where the
// settings file is written.
class CartellaDiLavoro {
public:
    CartellaDiLavoro();
    ~CartellaDiLavoro();
    QString percorso() const;

private:
    struct Dati;
    std::unique_ptr<Dati> d;
};

} // namespace ope::prova
