// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ambiente.h"
#include "session/generatore.h"
#include "session/sessione.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

class QApplication;

namespace ope {

class OsservatoreSerie;
class Registro;
class RegistrazioneSerie;
class Serie;

// What the application needs before the first window is built: the program's
// style, and Qt's own buttons and dialogs in Italian like the rest of the program.
void preparaApplicazione(QApplication& app);

// Owns the session record, the generator and the life of every window.
// Windows are loaded on demand, unloaded (closed and deleted) by themselves or
// by chiudiTutto; no window calls another's logic, only these entry points.
class Programma {
public:
    explicit Programma(Ambiente ambiente = {});
    ~Programma();
    Programma(const Programma&) = delete;
    Programma& operator=(const Programma&) = delete;

    void avvia();   // loads and shows frmInizio

    Sessione& sessione() { return dati; }
    Generatore& generatore() { return caso; }
    const Ambiente& ambiente() const { return piattaforma; }

    // A new run of these choices (by default the start window's as they are
    // now), followed by whoever follows every run; the printout shows the
    // last one started.
    std::shared_ptr<Serie> nuovaSerie(const DatiScelte& scelte);
    std::shared_ptr<Serie> nuovaSerie() { return nuovaSerie(dati.scelte); }
    void seguiOgniSerie(OsservatoreSerie* o) { osservatori.push_back(o); }

    // Loading (if needed) and showing each window; modeless unless noted.
    void mostraInizio();
    void apriOperativo();
    void tornaDallaStampa();   // where closing the printout leads
    void apriStampaEsercizio();
    void apriAttestato(std::shared_ptr<const Serie> serie);
    void apriStampaSchede();
    void apriValutazione();   // modal
    void apriOperazioni();    // modal
    void apriEsempi();        // modal
    void apriAutore();        // modal
    void apriTabelline();     // modal
    void apriChiSei();        // modal, over the start window
    void apriRegistro();

    // Who practises from now on: the name goes to the printout and the
    // exercise window; the previous pupil's windows close.
    void scegliAlunno(qint64 id, const QString& nome);
    // A pupil renamed in the register, or deleted (an empty name): the one
    // practising now goes on under the new name, or as anonymous.
    void alunnoCambiato(qint64 id, const QString& nome);

    // The class register, opened at the first need; null only where the
    // platform gives none.
    Registro* registro();

    // The loaded window of that name, or null.
    QWidget* finestra(const QString& nome) const;

    // Asked before the program ends: false where the pupil keeps a run on
    // screen that would be lost.
    bool lasciaTerminare();
    // Unloads every window, once lasciaTerminare agrees; the program ends once none is left.
    void chiudiTutto();
    bool terminato() const { return finito; }

private:
    // A window loaded for another one (chiApre) opens over it.
    template <class F>
    F* carica(QPointer<QWidget>& posto, QWidget* chiApre = nullptr);
    void mostra(QWidget* w);         // modeless; nothing when null
    void mostraModale(QWidget* w);
    // A report window shows one run: opened for another one, it is loaded afresh.
    template <class F>
    F* caricaPer(QPointer<QWidget>& posto, QWidget* chiApre, std::shared_ptr<const Serie> serie);

    Ambiente piattaforma;
    Sessione dati;
    Generatore caso;
    bool finito = false;
    bool chiusuraInCorso = false;
    std::unique_ptr<Registro> archivio;
    bool archivioAperto = false;
    std::shared_ptr<const Serie> ultimaSerie;
    std::vector<OsservatoreSerie*> osservatori;
    std::unique_ptr<RegistrazioneSerie> registrazione;   // after the register: it goes first, closing a run left open

    std::vector<QPointer<QWidget>> caricate;   // every window loaded and not yet deleted
    QPointer<QWidget> inizio;
    QPointer<QWidget> operativo;
    QPointer<QWidget> stampaEsercizio;
    QPointer<QWidget> attestato;
    QPointer<QWidget> stampaSchede;
    QPointer<QWidget> valutazione;
    QPointer<QWidget> operazioni;
    QPointer<QWidget> esempi;
    QPointer<QWidget> autore;
    QPointer<QWidget> tabelline;
    QPointer<QWidget> chiSei;
    QPointer<QWidget> finestraRegistro;
};

} // namespace ope
