// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/attestato.h"

#include "reports/stampaesercizi.h"
#include "serie/serie.h"
#include "ui/colori.h"
#include "ui/messaggi.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <array>
#include <cmath>

namespace ope {

std::int16_t calcolaVoto(std::int16_t esatte, std::int16_t richieste)
{
    const int prodotto = esatte * 10;
    if (richieste <= 0 || esatte < 0 || prodotto > INT16_MAX)
        return 0;
    return static_cast<std::int16_t>(std::trunc(double(prodotto) / double(richieste)));
}

QString giudizioPer(std::int16_t voto)
{
    static const std::array<const char*, 11> tabella{
        nullptr, nullptr, nullptr, nullptr, nullptr,
        "SUFFICIENTE (!)", "SUFFICIENTE", "BUONO", "DISTINTO", "OTTIMO", "OTTIMO"};
    if (voto < 0 || voto > 10 || !tabella[std::size_t(voto)])
        return QStringLiteral("Non classificato");
    return QString::fromLatin1(tabella[std::size_t(voto)]);
}

bool classificato(const QString& giudizio)
{
    return giudizio != QLatin1String("Non classificato");
}

QString nomeMaiuscolo(const QString& nome)
{
    if (nome.isEmpty())
        return nome;
    return nome.left(1).toUpper() + nome.mid(1).toLower();
}

std::int16_t votoDellaSerie(const Serie& s)
{
    return calcolaVoto(static_cast<std::int16_t>(s.esatte()), static_cast<std::int16_t>(s.numeroOperazione()));
}

std::vector<RigaAttestato> righeAttestato(const Serie& s, const QString& nome, const QString& data)
{
    std::vector<RigaAttestato> righe;
    // The font in force; each step changes only what it names, as a pen would.
    RigaAttestato f{QString(), QStringLiteral("Arial"), 9, true, colori::nero};
    auto riga = [&](const QString& testo, int vuoteDopo = 0) {
        f.testo = testo;
        righe.push_back(f);
        f.testo.clear();
        for (int i = 0; i < vuoteDopo; ++i)
            righe.push_back(f);
    };
    auto cambia = [&](double punti, bool grassetto, const QColor& colore) {
        f.punti = punti;
        f.grassetto = grassetto;
        f.colore = colore;
    };

    riga({}, 2);   // the top margin: three empty lines
    cambia(20, f.grassetto, colori::rossoVivo);
    riga(QStringLiteral("ATTESTATO DI MERITO"));
    cambia(12, false, colori::nero);
    riga(QStringLiteral("rilsasciato a"), 1);
    cambia(20, true, colori::rossoVivo);
    riga(nomeMaiuscolo(nome), 1);
    cambia(12, false, colori::nero);
    riga(QStringLiteral("per aver eseguito"), 1);
    cambia(12, true, f.colore);
    riga(s.scelte().nomeProgramma, 1);
    riga(s.scelte().titoloObiettivo, 1);
    riga(s.scelte().descrizioneLivello, 1);
    cambia(f.punti, false, f.colore);
    riga(QStringLiteral("con la valutazione di"), 1);
    cambia(14, true, colori::rossoVivo);
    // A run too short to be graded says so where the grade would stand,
    // before the pupil reaches a print button that would refuse it.
    const bool stampabile = s.numeroOperazione() >= operazioniMinime;
    riga(stampabile ? giudizioPer(votoDellaSerie(s)) : messaggi::troppoPocheOperazioni.trimmed(), 1);
    cambia(12, false, colori::nero);
    riga(QStringLiteral("con %1 risposte esatte su %2 richieste").arg(s.esatte()).arg(s.numeroOperazione()), 2);
    riga(QStringLiteral("Data  ") + data);
    return righe;
}

QImage nuovaImmagineAttestato(int larghezza, int altezza, const QColor& sfondo, double finezza)
{
    QImage img(qRound(larghezza * finezza), qRound(altezza * finezza), QImage::Format_RGB32);
    img.setDevicePixelRatio(finezza);
    const int puntiPerMetro = qRound(96 / 0.0254);
    img.setDotsPerMeterX(puntiPerMetro);
    img.setDotsPerMeterY(puntiPerMetro);
    img.fill(sfondo);
    return img;
}

namespace {

QFont fontDi(const RigaAttestato& r, double fattore)
{
    QFont f(r.famiglia);
    f.setPointSizeF(r.punti * fattore);
    f.setBold(r.grassetto);
    return f;
}

// The largest common factor (at most 1) at which the lines fit the picture's height.
double fattoreCheEntra(const QImage& img, const std::vector<RigaAttestato>& righe)
{
    const double spazio = img.deviceIndependentSize().height();
    double fattore = 1;
    for (; fattore > 0.5; fattore -= 0.01) {
        double alto = 0;
        for (const RigaAttestato& r : righe)
            alto += QFontMetricsF(fontDi(r, fattore), &img).height();
        if (alto <= spazio)
            break;
    }
    return fattore;
}

// A small gap on each side keeps the widest line off the picture's border.
constexpr double bordo = 3;

} // namespace

PennaAttestato::PennaAttestato(QImage& immagine, const std::vector<RigaAttestato>& r)
    : foglio(immagine), righe(r), fattore(fattoreCheEntra(immagine, r))
{
}

QFont PennaAttestato::fontRiga(std::size_t i) const
{
    const RigaAttestato& r = righe.at(i);
    const double larghezza = foglio.deviceIndependentSize().width() - 2 * bordo;
    QFont f = fontDi(r, fattore);
    for (double ridotto = fattore; ridotto > 0.2; ridotto -= 0.01) {
        f = fontDi(r, ridotto);
        if (QFontMetricsF(f, &foglio).horizontalAdvance(r.testo) <= larghezza)
            break;
    }
    return f;
}

void PennaAttestato::scriviRiga()
{
    if (finita())
        return;
    const std::size_t i = prossima++;
    const RigaAttestato& r = righe[i];
    // The line keeps its height at the common factor even when its text is drawn smaller.
    const QFontMetricsF riga(fontDi(r, fattore), &foglio);
    if (!r.testo.isEmpty()) {
        const QFont f = fontRiga(i);
        const QFontMetricsF m(f, &foglio);
        QPainter p(&foglio);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(f);
        p.setPen(r.colore);
        const double x = foglio.deviceIndependentSize().width() / 2 - m.horizontalAdvance(r.testo) / 2;
        p.drawText(QPointF(x, y + riga.ascent()), r.testo);
    }
    y += riga.height();
}

} // namespace ope
