// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/lettura.h"

#include <QStringList>

#include <array>
#include <utility>

namespace ope {

namespace {

constexpr std::array<const char*, 20> unita{
    "zero",  "uno",    "due",     "tre",         "quattro",    "cinque",   "sei",
    "sette", "otto",   "nove",    "dieci",       "undici",     "dodici",   "tredici",
    "quattordici", "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
constexpr std::array<const char*, 10> decine{
    "", "", "venti", "trenta", "quaranta", "cinquanta", "sessanta", "settanta", "ottanta", "novanta"};

// 1..999, with "tre" still unstressed: the stress goes on the whole number's end.
QString finoANovecento(int n)
{
    QString testo;
    const int centinaia = n / 100;
    const int resto = n % 100;
    if (centinaia > 0)
        testo = QString::fromUtf8(centinaia > 1 ? unita[static_cast<std::size_t>(centinaia)] : "") + QStringLiteral("cento");
    if (resto >= 20) {
        QString decina = QString::fromUtf8(decine[static_cast<std::size_t>(resto / 10)]);
        const int u = resto % 10;
        // The tens lose their vowel before "uno" and "otto" (ventuno, ventotto),
        // and so does "cento" before "ottanta" (centottanta).
        if (u == 1 || u == 8)
            decina.chop(1);
        if (!testo.isEmpty() && resto / 10 == 8)
            testo.chop(1);
        testo += decina;
        if (u > 0)
            testo += QString::fromUtf8(unita[static_cast<std::size_t>(u)]);
    } else if (resto > 0) {
        testo += QString::fromUtf8(unita[static_cast<std::size_t>(resto)]);
    }
    return testo;
}

// The operation symbols as they are read, and the relation signs as the verb
// of a completed sentence.
QString parolaDelSimbolo(const QString& simbolo)
{
    static const std::array<std::pair<const char*, const char*>, 7> parole{{
        {"-", "meno"}, {"+", "più"}, {"x", "per"}, {":", "diviso"},
        {"=", "è uguale a"}, {"<", "è minore di"}, {">", "è maggiore di"}}};
    const QString segno = simbolo.trimmed();
    for (const auto& [simboloScritto, parola] : parole) {
        if (segno == QLatin1String(simboloScritto))
            return QString::fromUtf8(parola);
    }
    return segno;
}

// A caption as it is read: a number in words, anything else as it is.
QString parola(const QString& didascalia)
{
    bool numero = false;
    const long long valore = didascalia.trimmed().toLongLong(&numero);
    return numero ? numeroInLettere(valore) : didascalia.trimmed();
}

// The row as the pupil sees it, left to right: three terms in words and the
// two symbols between them; `ignoto` is the unknown's place.
struct Riga {
    std::array<QString, 3> termini;
    QString simboloSinistro;
    QString simboloDestro;
    std::size_t ignoto = 2;
};

// `termine` says each shown number: in words for the voice, as digits for a screen reader.
Riga rigaDeiNumeri(const Presentazione& p, QString (*termine)(const QString&))
{
    Riga r;
    r.simboloSinistro = p.lblSegno;
    r.simboloDestro = p.lblUguale;
    r.ignoto = static_cast<std::size_t>(p.disposizione);   // Prima, Centrale, Ultima: slots 0, 1, 2
    std::size_t numero = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (i != r.ignoto)
            r.termini[i] = termine(numero++ == 0 ? p.lblNumero1 : p.lblNumero2);
    }
    return r;
}

QString espressione(const QString& a, const QString& simbolo, const QString& b)
{
    return a + QLatin1Char(' ') + parolaDelSimbolo(simbolo) + QLatin1Char(' ') + b;
}

const QString quanto = QStringLiteral("quanto");

} // namespace

QString numeroInLettere(long long valore)
{
    if (valore < 0)
        return QStringLiteral("meno ") + numeroInLettere(-valore);
    if (valore == 0)
        return QStringLiteral("zero");
    if (valore >= 1000000)
        return QString::number(valore);   // far beyond any number the program shows
    const int migliaia = static_cast<int>(valore / 1000);
    const int resto = static_cast<int>(valore % 1000);
    QString testo;
    if (migliaia == 1) {
        testo = QStringLiteral("mille");
    } else if (migliaia > 1) {
        testo = finoANovecento(migliaia);
        if (testo.endsWith(QLatin1String("uno")))
            testo.chop(1);   // ventunmila
        testo += QStringLiteral("mila");
    }
    if (resto > 0)
        testo += finoANovecento(resto);
    if (testo.size() > 3 && testo.endsWith(QLatin1String("tre"))) {
        testo.chop(1);
        testo += QStringLiteral("é");
    }
    return testo;
}

QString domandaDaLeggere(Operazione operazione, const Presentazione& p)
{
    if (p.rigaSegni) {
        const QString a = parola(p.lblNumero4);
        const QString b = parola(p.lblNumero6);
        const QString c = parola(p.lblNumero8);
        const QString domanda = QStringLiteral(", uguale, minore o maggiore di ");
        if (p.incognita == PosizioneSegno::Destra)
            return espressione(a, p.lblUguale2, b) + domanda + c + QLatin1Char('?');
        return a + domanda + espressione(b, p.lblUguale2, c) + QLatin1Char('?');
    }
    Riga r = rigaDeiNumeri(p, parola);
    r.termini[r.ignoto] = quanto;
    const auto& t = r.termini;
    if (r.simboloDestro == QLatin1String("=")) {
        if (r.ignoto != 2)
            return espressione(t[0], r.simboloSinistro, t[1]) + QStringLiteral(" fa ") + t[2] + QLatin1Char('?');
        // A teacher asks the times tables bare: "sei per sette?".
        const bool tabellina = operazione == Operazione::Moltiplicazione || operazione == Operazione::Divisione;
        return espressione(t[0], r.simboloSinistro, t[1]) + (tabellina ? QStringLiteral("?") : QStringLiteral(", uguale?"));
    }
    if (r.ignoto == 0)
        return QStringLiteral("quanto fa ") + espressione(t[1], r.simboloDestro, t[2]) + QLatin1Char('?');
    return t[0] + QStringLiteral(" è uguale a ") + espressione(t[1], r.simboloDestro, t[2]) + QLatin1Char('?');
}

QString fraseOperazione(const Presentazione& p)
{
    // The sign row is asked as a teacher asks it: the row as it stands would
    // put the question in its middle.
    if (p.rigaSegni)
        return domandaDaLeggere(Operazione::Sottrazione, p);
    // The "=" of the row is read as it stands, not as the verb of a sentence,
    // after a pause that keeps the two sides apart.
    auto simbolo = [](const QString& s) {
        return s.trimmed() == QLatin1String("=") ? QStringLiteral(", uguale") : QLatin1Char(' ') + parolaDelSimbolo(s);
    };
    Riga r = rigaDeiNumeri(p, parola);
    r.termini[r.ignoto] = quanto;
    const auto& t = r.termini;
    return t[0] + simbolo(r.simboloSinistro) + QLatin1Char(' ') + t[1] + simbolo(r.simboloDestro) + QLatin1Char(' ')
           + t[2] + QLatin1Char('?');
}

QString rispostaDaLeggere(const Presentazione& p)
{
    if (p.rigaSegni) {
        const QString a = parola(p.lblNumero4);
        const QString b = parola(p.lblNumero6);
        const QString c = parola(p.lblNumero8);
        const QString relazione = QLatin1Char(' ') + parolaDelSimbolo(p.rispostaEsatta) + QLatin1Char(' ');
        if (p.incognita == PosizioneSegno::Destra)
            return espressione(a, p.lblUguale2, b) + relazione + c + QLatin1Char('.');
        return a + relazione + espressione(b, p.lblUguale2, c) + QLatin1Char('.');
    }
    Riga r = rigaDeiNumeri(p, parola);
    r.termini[r.ignoto] = parola(p.rispostaEsatta);
    const auto& t = r.termini;
    // Whichever side the "=" stands on, the operation is said first.
    if (r.simboloDestro == QLatin1String("="))
        return espressione(t[0], r.simboloSinistro, t[1]) + QStringLiteral(" fa ") + t[2] + QLatin1Char('.');
    return espressione(t[1], r.simboloDestro, t[2]) + QStringLiteral(" fa ") + t[0] + QLatin1Char('.');
}

QString riepilogoDaLeggere(const QString& esatte, const QString& eseguite, const QString& errate,
                           const QString& tempoParziale, const QString& tempoTotale)
{
    auto secondi = [](const QString& t) {
        return t.isEmpty() ? t : t + (t == QLatin1String("1") ? QStringLiteral(" secondo") : QStringLiteral(" secondi"));
    };
    const std::array<std::pair<const char*, QString>, 5> righe{{{"Operazioni eseguite", eseguite},
                                                                {"Risposte esatte", esatte},
                                                                {"Risposte errate", errate},
                                                                {"Tempo parziale", secondi(tempoParziale)},
                                                                {"Tempo totale", secondi(tempoTotale)}}};
    QStringList frasi;
    for (const auto& [didascalia, valore] : righe) {
        if (!valore.trimmed().isEmpty())
            frasi << QString::fromLatin1(didascalia) + QLatin1Char(' ') + valore.trimmed() + QLatin1Char('.');
    }
    return frasi.join(QLatin1Char(' '));
}

} // namespace ope
