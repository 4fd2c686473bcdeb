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
        if (!effetti[0])
            preparaEffetti();
        effetti[static_cast<std::size_t>(suono)]->play();
    }

    void leggi(const QString& frase, bool interrompi) override
    {
        if (!voce)
            preparaVoce();
        if (interrompi) {
            coda.clear();
            if (frase.isEmpty())
                voce->stop();
            else
                voce->say(frase);   // say() stops what is being said
        } else if (!frase.isEmpty()) {
            if (voce->state() == QTextToSpeech::Speaking)
                coda.append(frase);
            else
                voce->say(frase);
        }
    }

private:
    // All three at once: each is read and decoded before its first play.
    void preparaEffetti()
    {
        const std::array<const char*, 3> file{"esatto", "errato", "fineserie"};
        for (std::size_t i = 0; i < file.size(); ++i) {
            effetti[i] = std::make_unique<QSoundEffect>();
            effetti[i]->setSource(QUrl(QStringLiteral("qrc:/suoni/%1.wav").arg(QLatin1String(file[i]))));
        }
    }

    void preparaVoce()
    {
        voce = std::make_unique<QTextToSpeech>();
        voce->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        QObject::connect(voce.get(), &QTextToSpeech::stateChanged, voce.get(), [this](QTextToSpeech::State stato) {
            if (stato == QTextToSpeech::Ready && !coda.isEmpty())
                voce->say(coda.takeFirst());
        });
    }

    std::array<std::unique_ptr<QSoundEffect>, 3> effetti;
    std::unique_ptr<QTextToSpeech> voce;
    QStringList coda;
};

} // namespace

} // namespace ope

extern "C" Q_DECL_EXPORT ope::ModuloAudio* opeCreaModuloAudio()
{
    return new ope::Altoparlante;
}
