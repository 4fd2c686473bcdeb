// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/uscitaaudio.h"

#include "audio/moduloaudio.h"
#include "ui/moduli.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

namespace ope {

// The audio thread's side: the module, loaded at its first task.
class LavoroAudio : public QObject {
public:
    explicit LavoroAudio(UscitaAudio::Caricatore c) : carica(std::move(c)) {}

    void esegui(const std::function<void(ModuloAudio&)>& compito)
    {
        if (!cercato) {
            cercato = true;
            modulo.reset(carica());
        }
        if (modulo)
            compito(*modulo);
    }

private:
    UscitaAudio::Caricatore carica;
    bool cercato = false;
    std::unique_ptr<ModuloAudio> modulo;
};

namespace {

ModuloAudio* caricaModulo()
{
    auto crea = reinterpret_cast<CreaModuloAudio>(funzioneDelModulo(QStringLiteral("libope-audio"), nomeCreaModuloAudio));
    return crea ? crea() : nullptr;
}

} // namespace

bool serverAudioPresente()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString utente = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return (!utente.isEmpty() && QFileInfo::exists(utente + QStringLiteral("/pulse/native")))
           || QFileInfo::exists(QStringLiteral("/run/pulse/native"));
}

UscitaAudio::UscitaAudio(Caricatore c) : carica(c ? std::move(c) : Caricatore(caricaModulo)) {}

UscitaAudio::~UscitaAudio()
{
    if (!filo)
        return;
    filo->quit();
    // An idle thread ends in a moment, closing the module as it should; one
    // still at a task may be stuck on a service that never answers, and
    // finishes (and deletes itself) whenever that task returns.
    if (*inCorso == 0 && filo->wait(QDeadlineTimer(100)))
        return;
    QThread* rimasto = filo.release();
    QObject::connect(rimasto, &QThread::finished, rimasto, &QObject::deleteLater);
    if (rimasto->isFinished())
        rimasto->deleteLater();
}

void UscitaAudio::suona(Suono suono)
{
    if (!serverAudio)
        serverAudio = serverAudioPresente();
    if (*serverAudio)
        affida([suono](ModuloAudio& m) { m.suona(suono); });
}

void UscitaAudio::preparaSuoni()
{
    if (!serverAudio)
        serverAudio = serverAudioPresente();
    if (*serverAudio)
        affida([](ModuloAudio& m) { m.preparaSuoni(); });
}

void UscitaAudio::preparaVoce()
{
    affida([](ModuloAudio& m) { m.leggi(QString(), true); });
}

void UscitaAudio::leggi(const QString& frase, bool interrompi)
{
    // Nothing to silence before anything was said.
    if (frase.isEmpty() && !filo)
        return;
    affida([frase, interrompi](ModuloAudio& m) { m.leggi(frase, interrompi); });
}

void UscitaAudio::affida(std::function<void(ModuloAudio&)> compito)
{
    if (!filo) {
        filo = std::make_unique<QThread>();
        filo->setObjectName(QStringLiteral("audio"));
        lavoro = new LavoroAudio(carica);
        lavoro->moveToThread(filo.get());
        QObject::connect(filo.get(), &QThread::finished, lavoro, &QObject::deleteLater);
        filo->start(QThread::LowPriority);
    }
    LavoroAudio* l = lavoro;
    ++*inCorso;
    QMetaObject::invokeMethod(
        l,
        [l, compito = std::move(compito), conto = inCorso] {
            l->esegui(compito);
            --*conto;
        },
        Qt::QueuedConnection);
}

} // namespace ope
