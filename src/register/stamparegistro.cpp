// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/stamparegistro.h"

#include "print/stampante.h"
#include "register/testiregistro.h"

namespace ope {

namespace {

constexpr double margine = 1000;
constexpr double altoCorpo = 2200;
constexpr int righePerPagina = 44;

QString colonna(const QString& testo, int larga)
{
    return testo.leftJustified(larga, QLatin1Char(' '), true) + QLatin1Char(' ');
}

QString testoQuota(int esatte, int risposte)
{
    const std::optional<int> quota = quotaEsatte(esatte, risposte);
    return quota ? QStringLiteral("%1%").arg(*quota) : QStringLiteral("-");
}

// The title and the date on every page, the column heading above the lines,
// the closing lines after the last page's lines.
std::vector<Pagina> impagina(const QString& titolo, const QString& intestazione, const QStringList& righe,
                             const QStringList& chiusura, const QString& font, const QString& data)
{
    std::vector<Pagina> pagine;
    const int quantePagine = std::max<int>(1, int((righe.size() + righePerPagina - 1) / righePerPagina));
    for (int p = 0; p < quantePagine; ++p) {
        Stampante st([&pagine](const Pagina& pagina) {
            pagine.push_back(pagina);
            return true;
        });
        st.font = font;
        st.x = margine;
        st.y = margine;
        st.punti = 14;
        st.grassetto = true;
        st.stampa(titolo);
        st.punti = 9;
        st.grassetto = false;
        st.x = margine;
        st.stampa(QStringLiteral("Data di stampa ") + data
                  + (quantePagine > 1 ? QStringLiteral("    pagina %1 di %2").arg(p + 1).arg(quantePagine) : QString()));
        st.y = altoCorpo;
        st.x = margine;
        st.grassetto = true;
        st.stampa(intestazione);
        st.grassetto = false;
        for (const QString& riga : righe.mid(p * righePerPagina, righePerPagina)) {
            st.x = margine;
            st.stampa(riga);
        }
        if (p == quantePagine - 1) {
            st.fineRiga();
            for (const QString& riga : chiusura) {
                st.x = margine;
                st.stampa(riga);
            }
        }
        st.fine();
    }
    return pagine;
}

} // namespace

RiepilogoAlunno riepiloga(const QString& nome, const QList<SerieRegistrata>& storia)
{
    RiepilogoAlunno r;
    r.nome = nome;
    for (const SerieRegistrata& s : storia) {
        ++r.serie;
        r.esatte += s.esatte;
        r.errate += s.errate;
        r.secondi += s.secondiTotali;
        if (!r.ultima.isValid() || s.inizio > r.ultima)
            r.ultima = s.inizio;
    }
    return r;
}

std::vector<Pagina> pagineAlunno(const QString& nome, const QString& classe, const QList<SerieRegistrata>& storia,
                                 const QString& font, const QString& data)
{
    const QString intestazione = colonna(QStringLiteral("Data"), 16) + colonna(QStringLiteral("Operazione"), 16)
                                 + colonna(QStringLiteral("Ob."), 3) + colonna(QStringLiteral("Livello"), 7)
                                 + colonna(QStringLiteral("Esatte"), 6) + colonna(QStringLiteral("Errate"), 6)
                                 + colonna(QStringLiteral("Tempo"), 6) + QStringLiteral("Voto");
    QStringList righe;
    for (const SerieRegistrata& s : storia) {
        righe << colonna(testoData(s.inizio), 16) + colonna(nomeOperazione(s.tipoOperazione), 16)
                     + colonna(QString::number(s.obiettivo), 3) + colonna(nomeLivello(s.livello), 7)
                     + colonna(QString::number(s.esatte), 6) + colonna(QString::number(s.errate), 6)
                     + colonna(testoTempo(s.secondiTotali), 6) + testoVoto(s)
                     + (s.finita ? QString() : QStringLiteral(" (interrotta)"));
    }
    const RiepilogoAlunno r = riepiloga(nome, storia);
    const QStringList chiusura{
        QStringLiteral("Serie: %1    Risposte esatte: %2 su %3 (%4)    Tempo: %5")
            .arg(r.serie).arg(r.esatte).arg(r.esatte + r.errate).arg(testoQuota(r.esatte, r.esatte + r.errate))
            .arg(testoTempo(r.secondi))};
    const QString titolo = classe.isEmpty() ? nome : nome + QStringLiteral(" - ") + classe;
    return impagina(titolo, intestazione, righe, chiusura, font, data);
}

std::vector<Pagina> pagineClasse(const QString& classe, const QList<RiepilogoAlunno>& alunni,
                                 const QString& font, const QString& data)
{
    const QString intestazione = colonna(QStringLiteral("Alunno"), 24) + colonna(QStringLiteral("Serie"), 5)
                                 + colonna(QStringLiteral("Esatte"), 6) + colonna(QStringLiteral("Errate"), 6)
                                 + colonna(QStringLiteral("Quota"), 5) + QStringLiteral("Ultima serie");
    QStringList righe;
    RiepilogoAlunno totale;
    for (const RiepilogoAlunno& a : alunni) {
        righe << colonna(a.nome, 24) + colonna(QString::number(a.serie), 5) + colonna(QString::number(a.esatte), 6)
                     + colonna(QString::number(a.errate), 6) + colonna(testoQuota(a.esatte, a.esatte + a.errate), 5)
                     + (a.ultima.isValid() ? testoData(a.ultima) : QStringLiteral("-"));
        totale.serie += a.serie;
        totale.esatte += a.esatte;
        totale.errate += a.errate;
    }
    const QStringList chiusura{QStringLiteral("Alunni: %1    Serie: %2    Risposte esatte: %3 su %4 (%5)")
                                   .arg(alunni.size()).arg(totale.serie).arg(totale.esatte)
                                   .arg(totale.esatte + totale.errate)
                                   .arg(testoQuota(totale.esatte, totale.esatte + totale.errate))};
    return impagina(QStringLiteral("Riepilogo della classe ") + classe, intestazione, righe, chiusura, font, data);
}

} // namespace ope
