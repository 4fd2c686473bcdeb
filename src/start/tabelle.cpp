// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/tabelle.h"

#include "session/sessione.h"

#include <QStringList>
#include <algorithm>

namespace ope {

const std::array<Obiettivo, 6>& obiettivi()
{
    static const std::array<Obiettivo, 6> tabella{{
        {QStringLiteral("1. Calcolo del risultato"), QStringLiteral("Obiettivo n.1:     "),
         QStringLiteral("CALCOLO DEL RISULTATO"), QStringLiteral("CALCOLO DEL RISULTATO"), 1, 1},
        {QStringLiteral("2. Calcolo di un termine"), QStringLiteral("Obiettivo n.2:     "),
         QStringLiteral("CALCOLO DEL TERMINE"), QStringLiteral("CALCOLO DI UN TERMINE"), 2, 3},
        {QStringLiteral("3. Calcolo del risultato o di un termine"), QStringLiteral("Obiettivo n.3:     "),
         QStringLiteral("CALCOLO CASUALE DEL RISULTATO O DEL TERMINE"),
         QStringLiteral("CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE"), 1, 3},
        {QStringLiteral("4. Calcolo di un termine"), QStringLiteral("Obiettivo n.4:     "),
         QStringLiteral("CALCOLO DEL NUMERO"), QStringLiteral("CALCOLO DEL NUMERO"), 1, 6},
        {QStringLiteral("5. Calcolo del segno:  =  <  >"), QStringLiteral("Obiettivo n.5:     "),
         QStringLiteral("CALCOLO DEL SEGNO"), QStringLiteral("CALCOLO DEL SEGNO"), 7, 12},
        {QStringLiteral("6. Calcolo di un termine o del segno"), QStringLiteral("Obiettivo n.6:     "),
         QStringLiteral("CALCOLO CASUALE DEL NUMERO O DEL SEGNO"),
         QStringLiteral("CALCOLO CASUALE DEL NUMERO O DEL SEGNO"), 1, 12},
    }};
    return tabella;
}

const std::array<Livello, 4>& livelli()
{
    static const std::array<Livello, 4> tabella{{
        {QStringLiteral("1. Numeri da  1   a 30"), QStringLiteral("da 1   a 30"), 1, 1, 30,
         QStringLiteral("Livello n.1:         ")},
        {QStringLiteral("2. Numeri da 30  a  60"), QStringLiteral("da 30  a  60"), 2, 30, 60,
         QStringLiteral("Livello n.2:         ")},
        {QStringLiteral("3. Numeri da 60  a 99"), QStringLiteral("da 60  a 99"), 3, 60, 99,
         QStringLiteral("Livello n.3:         ")},
        {QStringLiteral("4. Numeri da    1 a 99"), QStringLiteral("da 1 a 99"), 4, 1, 99,
         QStringLiteral("Livello n.4:         ")},
    }};
    return tabella;
}

QString descrizioneDelLivello(int numeroMin, int numeroMax)
{
    return QStringLiteral("NUMERO MASSIMO da  %1 a %2").arg(numeroMin).arg(numeroMax);
}

const std::array<TipoOperazione, 7>& tipiOperazione()
{
    static const std::array<TipoOperazione, 7> tabella{{
        {QStringLiteral("&Addizioni"), QStringLiteral("Addizioni"), QStringLiteral("ADDIZIONI")},
        {QStringLiteral("&Sottrazioni"), QStringLiteral("Sottrazioni"), QStringLiteral("SOTTRAZIONI")},
        {QStringLiteral("Addizioni &e sottrazioni"), QStringLiteral("Addizioni e sottrazioni"),
         QStringLiteral("ADDIZIONI - SOTTRAZIONI")},
        {QStringLiteral("&Moltiplicazioni"), QStringLiteral("Moltiplicazioni"), QStringLiteral("MOLTIPLICAZIONI")},
        {QStringLiteral("&Divisioni"), QStringLiteral("Divisioni"), QStringLiteral("DIVISIONI")},
        {QStringLiteral("Moltiplicazioni e d&ivisioni"), QStringLiteral("Moltiplicazioni e divisioni"),
         QStringLiteral("MOLTIPLICAZIONI - DIVISIONI")},
        {QStringLiteral("&Tutte e quattro"), QStringLiteral("Le quattro operazioni"),
         QStringLiteral("LE QUATTRO OPERAZIONI")},
    }};
    return tabella;
}

const TipoOperazione& tipoOperazione(int tipo)
{
    return tipiOperazione().at(tipo >= 1 && tipo <= 7 ? tipo - 1 : 1);
}

QString nomeOperazione(int tipo)
{
    return tipoOperazione(tipo).nome;
}

QString operazioneScelta(const DatiScelte& s)
{
    const QString nome = nomeOperazione(s.tipoOperazione);
    if (!conMoltiplicazioni(s.tipoOperazione) || tabellineScelte(s.tabelline).empty())
        return nome;
    return nome + QStringLiteral("  (") + testoTabelline(s.tabelline) + u')';
}

QString testoTabelline(std::uint16_t tabelline)
{
    // Three or more tables in a row read as a range: "tabelline 2-5, 7".
    const std::vector<int> t = tabellineScelte(tabelline);
    QStringList parti;
    for (std::size_t i = 0; i < t.size();) {
        std::size_t fine = i;
        while (fine + 1 < t.size() && t[fine + 1] == t[fine] + 1)
            ++fine;
        if (fine >= i + 2) {
            parti.append(QStringLiteral("%1-%2").arg(t[i]).arg(t[fine]));
            i = fine + 1;
        } else {
            parti.append(QString::number(t[i]));
            ++i;
        }
    }
    return QStringLiteral("tabelline ") + parti.join(QStringLiteral(", "));
}

bool conMoltiplicazioni(int tipo)
{
    return tipo >= 4 && tipo <= 7;
}

QString titoloScheda(int tipo, int obiettivo)
{
    const int gruppo = obiettivo < 3 ? 1 : 2;
    return tipoOperazione(tipo).titolo + QStringLiteral(".%1   -   ").arg(gruppo) + obiettivi().at(obiettivo).titoloScheda;
}

std::uint16_t conTabellina(std::uint16_t tabelline, int tabellina, bool scelta)
{
    if (tabellina < 1 || tabellina > tabellinaMassima)
        return tabelline;
    const auto bit = static_cast<std::uint16_t>(1u << tabellina);
    return static_cast<std::uint16_t>(scelta ? tabelline | bit : tabelline & ~bit);
}

std::uint16_t tabellineDaPreferenza(const QVariant& valore)
{
    std::uint16_t tabelline = 0;
    for (const QVariant& v : valore.toList()) {
        bool numero = false;
        const int t = v.toInt(&numero);
        if (numero)
            tabelline = conTabellina(tabelline, t, true);
    }
    return tabelline;
}

QVariant preferenzaDiTabelline(std::uint16_t tabelline)
{
    QVariantList lista;
    for (int t : tabellineScelte(tabelline))
        lista.append(t);
    return lista;
}

QString spiegazioneLivello(const DatiScelte& s)
{
    if (!conMoltiplicazioni(s.tipoOperazione))
        return {};
    const QString segni = s.tipoOperazione == 4 ? QStringLiteral("x") : s.tipoOperazione == 5 ? QStringLiteral(":")
                                                                                            : QStringLiteral("x e :");
    if (!tabellineScelte(s.tabelline).empty())
        return segni + QStringLiteral("  ") + testoTabelline(s.tabelline);
    if (s.numeroMax < 4)
        return {};
    // The drawing never uses a factor 1, so no product is below 2 x 2.
    return segni + QStringLiteral("  prodotto da %1 a %2, ogni fattore almeno 2")
                       .arg(std::max<int>(4, s.numeroMin)).arg(s.numeroMax);
}

void scegliObiettivo(DatiScelte& s, int indice)
{
    const Obiettivo& o = obiettivi().at(indice);
    s.titoloObiettivo = o.titolo;
    s.tipoEsercizioMin = o.formaMin;
    s.tipoEsercizioMax = o.formaMax;
}

void scegliLivello(DatiScelte& s, int indice)
{
    const Livello& l = livelli().at(indice);
    s.numeroMin = l.numeroMin;
    s.numeroMax = l.numeroMax;
    s.livello = l.livello;
    s.descrizioneLivello = descrizioneDelLivello(l.numeroMin, l.numeroMax);
    s.maxCifre = 3;
}

} // namespace ope
