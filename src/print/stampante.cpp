// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/stampante.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

namespace ope {

namespace {

// A device of 1440 dots per inch measures fonts directly in twips.
const QImage& misuratore()
{
    static const QImage img = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int puntiPerMetro = qRound(1440 / 0.0254);
        i.setDotsPerMeterX(puntiPerMetro);
        i.setDotsPerMeterY(puntiPerMetro);
        return i;
    }();
    return img;
}

QFontMetricsF metrica(const QString& famiglia, double punti, bool grassetto)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return QFontMetricsF(f, &misuratore());
}

} // namespace

Stampante::Stampante(std::function<Invio(const Pagina&)> invia) : invio(std::move(invia)) {}

bool Stampante::stampa(const QString& testo, bool terminaRiga)
{
    const Pagina::Testo riga{x, y, font, punti, grassetto, testo};
    if (accettaTesto && !accettaTesto(riga))
        return false;
    foglio.testi.push_back(riga);
    if (terminaRiga) {
        x = 0;
        y += altezzaRiga();
    } else {
        x += larghezzaTesto(testo);
    }
    return true;
}

void Stampante::fineRiga()
{
    x = 0;
    y += altezzaRiga();
}

void Stampante::immagine(double left, double top, const QImage& img)
{
    foglio.immagini.push_back({left, top, img});
}

Invio Stampante::fine()
{
    foglio.titolo = documento;
    inviata = invio ? invio(foglio) : Invio(false);
    foglio = {};
    x = 0;
    y = 0;
    return inviata;
}

double Stampante::altezzaRiga() const
{
    return metrica(font, punti, grassetto).height();
}

double Stampante::larghezzaTesto(const QString& testo) const
{
    return metrica(font, punti, grassetto).horizontalAdvance(testo);
}

QString scegliFontCourier(const QStringList& fontDellaStampante)
{
    for (const QString& nome : fontDellaStampante) {
        if (nome == QLatin1String("Courier") || nome == QLatin1String("Courier New"))
            return nome;
    }
    return {};
}

} // namespace ope
