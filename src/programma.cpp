// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"

#include "exercise/audioesercizio.h"
#include "exercise/frmoperativo.h"
#include "info/frmautore.h"
#include "info/frmesempi.h"
#include "info/frmoperazioni.h"
#include "info/frmvalutazione.h"
#include "register/frmchisei.h"
#include "register/frmregistro.h"
#include "register/registrazione.h"
#include "register/registro.h"
#include "reports/frmattestato.h"
#include "reports/frmstampaesercizio.h"
#include "reports/frmstampaschede.h"
#include "reports/nome.h"
#include "serie/serie.h"
#include "start/frminizio.h"
#include "start/frmtabelline.h"

#include "ui/accessibilita.h"
#include "ui/stile.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>

namespace ope {

void preparaApplicazione(QApplication& app)
{
    QApplication::setStyle(new Stile);
    auto* traduzioneQt = new QTranslator(&app);
    if (traduzioneQt->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduzioneQt);
}

Programma::Programma(Ambiente a)
    : piattaforma(completaAmbiente(std::move(a))), caso(piattaforma.orologio)
{
    installaAccessibilita();
    // Every run goes into the class register, the chosen pupil's or an anonymous one.
    registrazione = std::make_unique<RegistrazioneSerie>([this] { return registro(); },
                                                         [this] { return dati.chiPratica.id; },
                                                         piattaforma.adesso);
    seguiOgniSerie(registrazione.get());
}

Programma::~Programma()
{
    chiusuraInCorso = true;
    finito = true;
    // Unloaded windows may still wait for Qt to delete them: none may outlive the program.
    for (const QPointer<QWidget>& w : caricate)
        delete w.data();
}

template <class F>
F* Programma::carica(QPointer<QWidget>& posto, QWidget* chiApre)
{
    if (finito)
        return nullptr;
    if (!posto) {
        auto* f = new F(*this);
        f->apriSopra(chiApre);
        f->ricordaGeometria(piattaforma.preferenza, piattaforma.ricordaPreferenza);
        f->setAttribute(Qt::WA_DeleteOnClose);
        // An unloaded window is gone at once for the program, though Qt deletes it later.
        QObject::connect(f, &Finestra::scaricata, f, [&posto] { posto = nullptr; });
        posto = f;
        caricate.erase(std::remove(caricate.begin(), caricate.end(), nullptr), caricate.end());
        caricate.emplace_back(f);
    }
    return static_cast<F*>(posto.data());
}

template <class F>
F* Programma::caricaPer(QPointer<QWidget>& posto, QWidget* chiApre, std::shared_ptr<const Serie> serie)
{
    if (finito || !serie)
        return nullptr;
    if (posto && static_cast<F*>(posto.data())->serie().get() != serie.get()) {
        // Closed at once: the old window must not answer for the new run.
        QWidget* vecchia = posto;
        posto = nullptr;
        vecchia->close();
    }
    if (!posto) {
        auto* f = new F(*this, std::move(serie));
        f->apriSopra(chiApre);
        f->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(f, &Finestra::scaricata, f, [&posto, f] {
            if (posto == f)
                posto = nullptr;
        });
        posto = f;
        caricate.erase(std::remove(caricate.begin(), caricate.end(), nullptr), caricate.end());
        caricate.emplace_back(f);
    }
    return static_cast<F*>(posto.data());
}

std::shared_ptr<Serie> Programma::nuovaSerie(const DatiScelte& scelte)
{
    auto serie = std::make_shared<Serie>(scelte, caso, piattaforma.orologio);
    for (OsservatoreSerie* o : osservatori)
        serie->osserva(o);
    ultimaSerie = serie;
    return serie;
}

void Programma::mostra(QWidget* w)
{
    if (!w)
        return;
    w->show();
    w->raise();
    w->activateWindow();
}

void Programma::mostraModale(QWidget* w)
{
    if (!w)
        return;
    // Window modality without a nested event loop: nobody waits inside a dialog.
    w->setWindowModality(Qt::ApplicationModal);
    mostra(w);
}

void Programma::avvia()
{
    // With no file yet the program starts as it always did, without even
    // loading the register.
    Registro* r = QFileInfo::exists(piattaforma.percorsoRegistro()) ? registro() : nullptr;
    if (piattaforma.preferenza(chiaveLettura).toBool())
        piattaforma.preparaVoce();
    if (r && !r->classi().isEmpty())
        apriChiSei();
    else
        mostraInizio();
}

void Programma::mostraInizio()
{
    mostra(carica<FrmInizio>(inizio));
}

// The exercise window is a main window of its own; every other one opens
// over the window whose button or menu opens it.
void Programma::apriOperativo()
{
    // Already open: "Avanti" in the start window asks for a new run with the choices made there since.
    const bool giaCaricata = operativo;
    auto* f = carica<FrmOperativo>(operativo);
    if (f && giaCaricata)
        f->ricomincia();
    mostra(f);
}

void Programma::tornaDallaStampa()
{
    // The exercise window is shown again only while it is loaded: loading a
    // fresh one would start a run and empty the log just looked at.
    if (operativo)
        mostra(operativo);
    else
        mostraInizio();
}

void Programma::apriStampaEsercizio()
{
    mostra(caricaPer<FrmStampaEsercizio>(stampaEsercizio, operativo, ultimaSerie));
}

void Programma::apriAttestato(std::shared_ptr<const Serie> serie)
{
    mostra(caricaPer<FrmAttestato>(attestato, stampaEsercizio, std::move(serie)));
}
void Programma::apriStampaSchede() { mostra(carica<FrmStampaSchede>(stampaSchede, inizio)); }
void Programma::apriValutazione() { mostraModale(carica<FrmValutazione>(valutazione, inizio)); }
void Programma::apriOperazioni() { mostraModale(carica<FrmOperazioni>(operazioni, inizio)); }
void Programma::apriEsempi() { mostraModale(carica<FrmEsempi>(esempi, inizio)); }
void Programma::apriAutore() { mostraModale(carica<FrmAutore>(autore, inizio)); }
void Programma::apriTabelline() { mostraModale(carica<FrmTabelline>(tabelline, inizio)); }
void Programma::apriChiSei()
{
    auto* f = carica<FrmChiSei>(chiSei, inizio);
    // Asked first at start: the start window follows, for whoever is chosen,
    // or for no one where "Chi sei?" is closed without a choice. It is shown
    // once this one is off the screen, so a window manager places it on a
    // free screen, and before this one has closed, so the program never
    // finds itself without a window.
    if (f && !inizio) {
        QObject::connect(f, &Finestra::scaricata, f, [this, f] {
            f->hide();
            mostraInizio();
        });
    }
    mostraModale(f);
}
void Programma::apriRegistro() { mostra(carica<FrmRegistro>(finestraRegistro, inizio)); }

void Programma::scegliAlunno(qint64 id, const QString& nome)
{
    // A run, its printout and its certificate are the previous pupil's.
    for (QPointer<QWidget>* posto : {&attestato, &stampaEsercizio}) {
        if (*posto)
            (*posto)->close();
    }
    if (auto* f = qobject_cast<FrmOperativo*>(operativo.data()))
        f->lascia();
    dati.chiPratica = {id, nome};
    // The printout's name follows the printout's rules, whatever the register holds.
    dati.alunno.nomeAlunno = nomePulito(nome);
    if (chiSei)
        chiSei->close();
    mostraInizio();
}

Registro* Programma::registro()
{
    if (!archivioAperto) {
        archivioAperto = true;
        archivio = std::make_unique<Registro>(piattaforma.percorsoRegistro());
    }
    return archivio.get();
}

void Programma::alunnoCambiato(qint64 id, const QString& nome)
{
    if (dati.chiPratica.id != id)
        return;
    if (dati.alunno.nomeAlunno == nomePulito(dati.chiPratica.nome))
        dati.alunno.nomeAlunno = nomePulito(nome);
    dati.chiPratica = nome.isEmpty() ? AlunnoScelto{} : AlunnoScelto{id, nome};
    if (nome.isEmpty())
        registrazione->alunnoEliminato(id);
    if (operativo)
        operativo->setWindowTitle(titoloEsercizio(dati));
}

QWidget* Programma::finestra(const QString& nome) const
{
    for (const QPointer<QWidget>* posto : {&inizio, &operativo, &stampaEsercizio, &attestato, &stampaSchede,
                                           &valutazione, &operazioni, &esempi, &autore, &tabelline, &chiSei,
                                           &finestraRegistro}) {
        if (*posto && (*posto)->objectName() == nome)
            return posto->data();
    }
    return nullptr;
}

bool Programma::lasciaTerminare()
{
    auto* f = qobject_cast<FrmOperativo*>(operativo.data());
    return !f || f->lasciaSerie(Abbandono::Uscire);
}

void Programma::chiudiTutto()
{
    if (chiusuraInCorso || !lasciaTerminare())
        return;
    chiusuraInCorso = true;
    // Set first: a window's own unload must not load or show another one now.
    finito = true;
    for (QPointer<QWidget>* posto : {&autore, &esempi, &operazioni, &valutazione, &chiSei, &finestraRegistro,
                                     &attestato, &stampaEsercizio, &stampaSchede, &operativo, &inizio}) {
        if (*posto)
            (*posto)->close();
    }
    QCoreApplication::quit();
}

} // namespace ope
