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
    static ModuloAudio* carica()
    {
        auto crea = reinterpret_cast<CreaModuloAudio>(funzioneDelModulo(QStringLiteral("libope-audio"),
                                                                         nomeCreaModuloAudio));
        return crea ? crea() : nullptr;
    }

    bool cercato = false;
    std::unique_ptr<ModuloAudio> modulo;
};

bool serverAudioPresente()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString utente = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return (!utente.isEmpty() && QFileInfo::exists(utente + QStringLiteral("/pulse/native")))
           || QFileInfo::exists(QStringLiteral("/run/pulse/native"));
}

UscitaAudio::UscitaAudio() = default;

UscitaAudio::~UscitaAudio()
{
    if (!filo)
        return;
    filo->quit();
    // A speech service that never answers must not keep the program from
    // ending: the thread is then left to the end of the process.
    if (!filo->wait(QDeadlineTimer(500)))
        (void)filo.release();
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
        lavoro = new LavoroAudio;
        lavoro->moveToThread(filo.get());
        QObject::connect(filo.get(), &QThread::finished, lavoro, &QObject::deleteLater);
        filo->start(QThread::LowPriority);
    }
    LavoroAudio* l = lavoro;
    QMetaObject::invokeMethod(l, [l, compito = std::move(compito)] { l->esegui(compito); }, Qt::QueuedConnection);
}

} // namespace ope
