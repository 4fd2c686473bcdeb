// SPDX-License-Identifier: GPL-3.0-or-later
// The real sounds and voice, built as the module libope-audio.
#include "audio/moduloaudio.h"

#include <QElapsedTimer>
#include <QSoundEffect>
#include <QTextToSpeech>
#include <QUrl>
#include <array>
#include <memory>

namespace ope {

namespace {

class Altoparlante final : public ModuloAudio {
public:
    void suona(Suono suono) override
    {
        preparaSuoni();
        effetti[static_cast<std::size_t>(suono)]->play();
    }

    // All three at once, in the order of Suono: each is read and decoded before its first play.
    void preparaSuoni() override
    {
        if (effetti[0])
            return;
        const std::array<const char*, 3> file{"esatto", "errato", "fineserie"};
        for (std::size_t i = 0; i < file.size(); ++i) {
            effetti[i] = std::make_unique<QSoundEffect>();
            effetti[i]->setSource(QUrl(QStringLiteral("qrc:/suoni/%1.wav").arg(QLatin1String(file[i]))));
        }
    }

    void leggi(const QString& frase, bool interrompi) override
    {
        if (guasta)
            lascia();
        if (!voce && !preparaVoce())
            return;   // no speech service, or no Italian voice: silence
        if (interrompi) {
            coda.clear();
            // What is cut short still ends with a Ready of its own, after this.
            if (voce->state() == QTextToSpeech::Speaking)
                ++troncate;
            if (!frase.isEmpty()) {
                dici(frase);   // say() cuts short what is being said
            } else {
                voce->stop();
                occupata = false;
            }
        } else if (!frase.isEmpty()) {
            if (occupata)
                coda.append(frase);
            else
                dici(frase);
        }
    }

private:
    // The engine starts on the desktop's locale and reports an error where
    // the service has no voice for it; what counts is whether Italian can
    // be chosen after that. A service that could not be reached is tried
    // again a while later, so that one started (or restarted) meanwhile speaks.
    bool preparaVoce()
    {
        if (tentativo.isValid() && !tentativo.hasExpired(attesaTraTentativi))
            return false;
        tentativo.start();
        voce = std::make_unique<QTextToSpeech>();
        voce->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        if (voce->locale().language() != QLocale::Italian) {
            voce.reset();
            return false;
        }
        tentativo.invalidate();
        QObject::connect(voce.get(), &QTextToSpeech::stateChanged, voce.get(), [this](QTextToSpeech::State stato) {
            if (stato == QTextToSpeech::Speaking)
                return;
            if (troncate > 0) {
                --troncate;
                return;
            }
            if (coda.isEmpty())
                occupata = false;
            else
                dici(coda.takeFirst(), false);   // not from within the engine's own signal
        });
        // Once connected, the engine never reconnects: a service that went
        // away (restarted, say) needs a new engine.
        QObject::connect(voce.get(), &QTextToSpeech::errorOccurred, voce.get(), [this] { guasta = true; });
        return true;
    }

    void lascia()
    {
        guasta = false;
        voce.reset();
        occupata = false;
        troncate = 0;
        coda.clear();
    }

    // The engine says it is speaking only once the service has begun: until
    // then a sentence counts as being said, so that the next one waits.
    void dici(const QString& frase, bool rifaiSeGuasta = true)
    {
        occupata = true;
        voce->say(frase);
        if (!guasta || !rifaiSeGuasta)
            return;
        // The service went away since the last sentence: this one is said
        // by a new engine, connected to the service that is there now.
        lascia();
        if (preparaVoce()) {
            occupata = true;
            voce->say(frase);
        }
    }

    std::array<std::unique_ptr<QSoundEffect>, 3> effetti;
    std::unique_ptr<QTextToSpeech> voce;
    bool occupata = false;
    bool guasta = false;
    int troncate = 0;
    QStringList coda;
    QElapsedTimer tentativo;   // since a failed start of the engine
    static constexpr qint64 attesaTraTentativi = 10000;
};

} // namespace

} // namespace ope

extern "C" Q_DECL_EXPORT ope::ModuloAudio* opeCreaModuloAudio()
{
    return new ope::Altoparlante;
}
