// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/testiregistro.h"

#include "start/tabelle.h"

namespace ope {

QString nomeObiettivo(int obiettivo)
{
    return obiettivo >= 1 && obiettivo <= int(obiettivi().size()) ? obiettivi()[std::size_t(obiettivo - 1)].didascalia
                                                                  : QString::number(obiettivo);
}

QString nomeLivello(int livello)
{
    if (livello < 1 || livello > int(livelli().size()))
        return QString::number(livello);
    const Livello& l = livelli()[std::size_t(livello - 1)];
    return QStringLiteral("%1-%2").arg(l.numeroMin).arg(l.numeroMax);
}

QString testoTempo(int secondi)
{
    return QStringLiteral("%1:%2").arg(secondi / 60).arg(secondi % 60, 2, 10, QLatin1Char('0'));
}

QString testoData(const QDateTime& quando)
{
    return quando.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

QString testoVoto(const SerieRegistrata& serie)
{
    return serie.voto ? QStringLiteral("%1 %2").arg(*serie.voto).arg(serie.giudizio) : QStringLiteral("-");
}

QString testoFinita(const SerieRegistrata& serie, const QDate& oggi)
{
    if (serie.finita)
        return QStringLiteral("sì");
    // A run left with "Esco" has its end; one without is still at the keys,
    // unless it began on an earlier day and its program went down midway.
    if (!serie.fine.isValid() && serie.inizio.toLocalTime().date() == oggi)
        return QStringLiteral("in corso");
    return QStringLiteral("interrotta");
}

std::optional<int> quotaEsatte(int esatte, int risposte)
{
    if (risposte <= 0)
        return std::nullopt;
    return (esatte * 100 + risposte / 2) / risposte;
}

QString testoCella(const CellaGriglia& cella)
{
    if (cella.serie == 0)
        return {};
    const QString serie = QStringLiteral("%1 serie").arg(cella.serie);
    const std::optional<int> quota = quotaEsatte(cella.esatte, cella.risposte);
    return quota ? serie + QStringLiteral("\n%1%").arg(*quota) : serie;
}

QColor coloreCella(const CellaGriglia& cella)
{
    const std::optional<int> quota = quotaEsatte(cella.esatte, cella.risposte);
    if (cella.serie == 0 || !quota)
        return QColor(255, 255, 255);
    if (*quota >= 80)
        return QColor(190, 240, 190);
    if (*quota >= 60)
        return QColor(255, 240, 160);
    return QColor(255, 200, 200);
}

} // namespace ope
