// SPDX-License-Identifier: GPL-3.0-or-later
#include "serieprova.h"

#include "session/estrazione.h"

namespace ope::prova {

void digita(Serie& serie, const QString& risposta)
{
    if (serie.rigaSegni()) {
        serie.segno(risposta);
        return;
    }
    for (QChar c : risposta)
        serie.cifra(c.digitValue());
}

std::vector<Passo> passiCon(int esatte, int operazioni)
{
    std::vector<Passo> passi;
    for (int i = 0; i < operazioni; ++i)
        passi.push_back({16 + i % 14, 9, 1, {}, i >= esatte, 5});
    return passi;
}

void esegui(Serie& serie, double& ora, const std::vector<Passo>& passi)
{
    for (const Passo& p : passi) {
        serie.presenta(Operazione::Sottrazione, p.forma, operandiDi(p.numero1, p.numero2, p.numero1 - p.numero2));
        for (const QString& sbagliata : p.sbagliate) {
            digita(serie, sbagliata);
            serie.verifica();
            serie.rifiutaAiuto();
        }
        ora += p.secondi;
        if (p.aiuto) {
            const QString giusta = serie.operazione().rispostaEsatta.trimmed();
            digita(serie, serie.rigaSegni() ? (giusta == QLatin1String("=") ? QStringLiteral("<") : QStringLiteral("="))
                                            : QString::number(giusta.toInt() + 1));
            serie.verifica();
            serie.accettaAiuto();
        } else {
            digita(serie, serie.operazione().rispostaEsatta.trimmed());
            serie.verifica();
        }
    }
}

} // namespace ope::prova
