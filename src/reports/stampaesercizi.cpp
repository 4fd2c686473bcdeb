// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/stampaesercizi.h"

#include "print/stampante.h"
#include "serie/serie.h"
#include "ui/messaggi.h"

#include <algorithm>

namespace ope {

namespace {

constexpr double margine = 1000;
constexpr double altoCorpo = 2000;
constexpr double altoPiede[3] = {13000, 13500, 14000};

// Any refusal inside the header only ends the header: the list matters more than the name.
void stampaIntestazione(Stampante& st, const QString& nome, const QString& data)
{
    st.x = margine;
    st.y = margine;
    st.punti = 16;
    const QString dataDiStampa = QStringLiteral("    Data di stampa ") + data;
    if (!nome.isEmpty()) {
        st.stampa(QStringLiteral("Nome ") + nome + dataDiStampa);
        return;
    }
    // Without a name the line is left open; the body ends it before its first heading.
    if (st.stampa(QStringLiteral("Nome '..................."), false))
        st.stampa(dataDiStampa, false);
}

bool stampaCorpo(Stampante& st, const EserciziEseguiti& s)
{
    st.punti = 12;
    st.grassetto = true;
    st.y = altoCorpo;
    const int ultima = std::min<int>(int(s.righe.size()), righeLog - 1);
    for (int i = 1; i <= ultima; ++i) {
        if (i == 1 || i == 11 || i == 21) {
            st.fineRiga();
            st.x = margine;
            if (!st.stampa(QStringLiteral("Esercizio n.%1").arg((i - 1) / 10 + 1)))
                return false;
        }
        st.x = margine;
        if (!st.stampa(s.righe[i - 1]))
            return false;
    }
    return true;
}

// A run is one exercise: the second and third lines stay without a time.
bool stampaPiede(Stampante& st, const EserciziEseguiti& s)
{
    for (int k = 1; k <= 3; ++k) {
        st.fineRiga();
        st.x = margine;
        st.y = altoPiede[k - 1];
        const QString riga = QStringLiteral("Eser. n.%1: Tempo tot. ").arg(k)
                             + (k == 1 ? s.tempoTotale : QString()) + QStringLiteral(" secondi");
        if (!st.stampa(riga))
            return false;
    }
    return true;
}

} // namespace

EserciziEseguiti eserciziDi(const Serie& serie, const QString& nome)
{
    return {nome, serie.righe(), serie.testoTempoTotale()};
}

EsitoStampa stampaEsercizi(Stampante& st, const EserciziEseguiti& s, const QStringList& fontStampante,
                           const QString& data)
{
    if (s.righe.size() < operazioniMinime)
        return EsitoStampa::troppoPoche;
    const QString font = scegliFontCourier(fontStampante);
    if (font.isEmpty())
        return EsitoStampa::senzaFont;
    st.font = font;

    stampaIntestazione(st, s.nome, data);
    if (!stampaCorpo(st, s) || !stampaPiede(st, s))
        return EsitoStampa::guasto;
    return st.fine() ? EsitoStampa::stampata : EsitoStampa::guasto;
}

QString messaggioEsito(EsitoStampa esito)
{
    switch (esito) {
    case EsitoStampa::stampata:
        return {};
    case EsitoStampa::troppoPoche:
        return messaggi::troppoPocheOperazioni;
    case EsitoStampa::senzaFont:
        return messaggi::mancaFontCourier;
    case EsitoStampa::guasto:
        return messaggi::stampaNonRiuscita;
    }
    return {};
}

} // namespace ope
