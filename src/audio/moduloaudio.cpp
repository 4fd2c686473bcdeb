// SPDX-License-Identifier: GPL-3.0-or-later
// The real sounds and voice, built as the module libope-audio.
#include "audio/moduloaudio.h"

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
        if (!voce)
            preparaVoce();
        if (voce->state() == QTextToSpeech::Error)
            return;   // no speech service: nothing to queue for
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
    void preparaVoce()
    {
        voce = std::make_unique<QTextToSpeech>();
        voce->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
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
                dici(coda.takeFirst());
        });
    }

    // The engine says it is speaking only once the service has begun: until
    // then a sentence counts as being said, so that the next one waits.
    void dici(const QString& frase)
    {
        occupata = true;
        voce->say(frase);
    }

    std::array<std::unique_ptr<QSoundEffect>, 3> effetti;
    std::unique_ptr<QTextToSpeech> voce;
    bool occupata = false;
    int troncate = 0;
    QStringList coda;
};

} // namespace

} // namespace ope

extern "C" Q_DECL_EXPORT ope::ModuloAudio* opeCreaModuloAudio()
{
    return new ope::Altoparlante;
}
