// SPDX-License-Identifier: GPL-3.0-or-later
#include "serie/presentazione.h"

#include "session/sessione.h"

#include <array>
#include <utility>
#include <vector>

namespace ope {

namespace {

// The three numbers an operation is made of: its two drawn operands and the
// result (the difference, the sum or the product).
enum class Voce : unsigned char { Numero1, Numero2, Risultato };

// A number as a form shows it: one of the three, perhaps one more or one less,
// perhaps written with the runtime's leading blank (" 7").
struct Termine {
    Voce voce;
    int scarto = 0;
    bool bianco = false;
};

constexpr Termine piu(Termine t) { return {t.voce, t.scarto + 1, t.bianco}; }
constexpr Termine meno(Termine t) { return {t.voce, t.scarto - 1, t.bianco}; }
constexpr Termine bianco(Termine t) { return {t.voce, t.scarto, true}; }

// One piece of a log line: a literal text or a term preceded by its pad.
struct Pezzo {
    Pezzo(const char* letterale) : testo(letterale) {}
    Pezzo(Termine t) : termine(t) {}

    const char* testo = nullptr;
    Termine termine{Voce::Numero1};
};

// One presentation form. Number forms (1..6) fill LblNumero1 and LblNumero2
// and ask for a term; sign forms (7..12) fill the three numbers of the sign
// row and ask for a relation sign.
struct Forma {
    std::vector<Termine> numeri;     // left to right
    Disposizione disposizione = Disposizione::Ultima;
    Termine esatto{Voce::Risultato};
    const char* segnoEsatto = nullptr;
    std::vector<Pezzo> log;
    int variazioneSomma = 0;         // addition: the session sum itself changes first
};

Forma numero(Termine primo, Termine secondo, Disposizione disposizione, Termine esatto,
             std::vector<Pezzo> log)
{
    return {{primo, secondo}, disposizione, esatto, nullptr, std::move(log), 0};
}

Forma segno(Termine sinistro, Termine medio, Termine destro, const char* esatto,
            std::vector<Pezzo> log, int variazioneSomma = 0)
{
    return {{sinistro, medio, destro}, Disposizione::Ultima, {Voce::Risultato}, esatto,
            std::move(log), variazioneSomma};
}

using Forme = std::array<Forma, 12>;

struct Tavola {
    const char* simbolo;
    int (*risultato)(const DatiOperazione&);
    QString DatiOperazione::*spazioRisultato;
    // Addition shows the drawn texts and pads them by their lengths.
    bool testiDisegnati;
    Forme forme;
};

constexpr auto prima = Disposizione::Prima;
constexpr auto centrale = Disposizione::Centrale;
constexpr auto ultima = Disposizione::Ultima;

const Tavola& sottrazione()
{
    constexpr Termine n1{Voce::Numero1};
    constexpr Termine n2{Voce::Numero2};
    constexpr Termine d{Voce::Risultato};
    static const Tavola tavola{
        "-", [](const DatiOperazione& s) { return s.numero1 - s.numero2; }, &DatiOperazione::spazioRisultato, false,
        {{
            numero(n1, n2, ultima, bianco(d), {n1, " - ", n2, " = . "}),
            numero(d, n2, prima, bianco(n1), {" . - ", d, " = ", n2}),
            numero(n1, d, centrale, bianco(n2), {n1, " -  . = ", d}),
            numero(n1, n2, prima, bianco(d), {" . = ", n1, " - ", n2}),
            numero(d, n2, centrale, bianco(n1), {d, " =  . - ", n2}),
            numero(d, n1, ultima, bianco(n2), {d, " = ", n1, " - . "}),
            segno(n1, d, n2, "=", {n1, " - ", d, " . ", n2}),
            segno(n1, piu(d), n2, "<", {n1, " - ", piu(d), " . ", n2}),
            segno(n1, meno(d), n2, ">", {n1, " - ", meno(d), " . ", n2}),
            segno(d, n1, n2, "=", {d, " . ", n1, " - ", n2}),
            segno(piu(d), n1, n2, ">", {piu(d), " . ", n1, " - ", n2}),
            segno(meno(d), n1, n2, "<", {meno(d), " . ", n1, " - ", n2}),
        }}};
    return tavola;
}

const Tavola& addizione()
{
    constexpr Termine n1{Voce::Numero1};
    constexpr Termine n2{Voce::Numero2};
    constexpr Termine s{Voce::Risultato};
    // The last column of forms 8, 9, 11 and 12 lowers or raises the sum itself.
    static const Tavola tavola{
        "+", [](const DatiOperazione& o) { return int{o.numero3}; }, &DatiOperazione::spazioNumero3, true,
        {{
            numero(n1, n2, ultima, s, {n1, " + ", n2, " = .     r."}),
            numero(n2, s, prima, n1, {"  . + ", n2, " = ", s, "   r."}),
            numero(n1, s, centrale, n2, {n1, " +  .  = ", s, "   r."}),
            numero(n1, n2, prima, s, {"  . = ", n1, " + ", n2, "   r."}),
            numero(s, n2, centrale, n1, {s, " =  .  + ", n2, "   r."}),
            numero(s, n2, ultima, n1, {s, " = ", n2, " +  . ", "   r."}),
            segno(n1, n2, s, "=", {n1, " + ", n2, " . ", s, "   r."}),
            segno(n1, n2, s, ">", {n1, " + ", n2, " . ", s, "   r."}, -1),
            segno(n1, n2, s, "<", {n1, " + ", n2, " . ", s, "   r."}, +1),
            segno(s, n1, n2, "=", {s, " . ", n1, " + ", n2, "   r."}),
            segno(s, n1, n2, ">", {s, " . ", n1, " + ", n2, "   r."}, +1),
            segno(s, n2, n1, "<", {s, " . ", n2, " + ", n1, "   r."}, -1),
        }}};
    return tavola;
}

int prodotto(const DatiOperazione& s) { return s.numero1 * s.numero2; }

const Tavola& moltiplicazione()
{
    constexpr Termine n1{Voce::Numero1};
    constexpr Termine n2{Voce::Numero2};
    constexpr Termine p{Voce::Risultato};
    static const Tavola tavola{
        "x", prodotto, &DatiOperazione::spazioRisultato, false,
        {{
            numero(n1, n2, ultima, bianco(p), {n1, " x ", n2, " = . "}),
            numero(n1, bianco(p), prima, n2, {" . x ", n1, " = ", bianco(p)}),
            numero(n1, p, centrale, bianco(n2), {n1, " x  . = ", p}),
            numero(p, n2, centrale, bianco(n1), {p, " =  . x ", n2}),
            numero(p, n2, ultima, bianco(n1), {p, " = ", n2, " x . "}),
            numero(n1, bianco(n2), prima, bianco(p), {" . = ", n1, " x ", bianco(n2)}),
            segno(n1, n2, p, "=", {n1, " x ", n2, " . ", p}),
            segno(n1, n2, meno(p), ">", {n1, " x ", n2, " . ", meno(p)}),
            segno(meno(n1), n2, p, "<", {meno(n1), " x ", n2, " . ", p}),
            segno(p, n1, n2, "=", {p, " . ", n1, " x ", n2}),
            segno(piu(p), n2, n1, ">", {piu(p), " . ", n2, " x ", n1}),
            segno(meno(p), n1, n2, "<", {meno(p), " . ", n1, " x ", n2}),
        }}};
    return tavola;
}

// The dividend is the product of the two drawn factors, so every division is exact.
const Tavola& divisione()
{
    constexpr Termine n1{Voce::Numero1};
    constexpr Termine n2{Voce::Numero2};
    constexpr Termine p{Voce::Risultato};
    static const Tavola tavola{
        ":", prodotto, &DatiOperazione::spazioRisultato, false,
        {{
            numero(p, n2, ultima, bianco(n1), {p, " : ", n2, " = . "}),
            numero(n1, n2, prima, bianco(p), {" . : ", n1, " = ", n2}),
            numero(p, n2, centrale, bianco(n1), {p, " :  . = ", n2}),
            numero(p, n2, prima, bianco(n1), {" . = ", p, " : ", n2}),
            numero(n1, n2, centrale, bianco(p), {n1, " =  . : ", n2}),
            numero(n1, p, ultima, bianco(n2), {n1, " = ", p, " : . "}),
            segno(p, n1, n2, "=", {p, " : ", n1, " . ", n2}),
            segno(p, n1, meno(n2), ">", {p, " : ", n1, " . ", meno(n2)}),
            segno(p, n1, piu(n2), "<", {p, " : ", n1, " . ", piu(n2)}),
            segno(n1, p, n2, "=", {n1, " . ", p, " : ", n2}),
            segno(piu(n1), p, n2, ">", {piu(n1), " . ", p, " : ", n2}),
            segno(meno(n1), p, n2, "<", {meno(n1), " . ", p, " : ", n2}),
        }}};
    return tavola;
}

const Tavola& tavolaDi(Operazione operazione)
{
    switch (operazione) {
    case Operazione::Addizione:
        return addizione();
    case Operazione::Sottrazione:
        return sottrazione();
    case Operazione::Moltiplicazione:
        return moltiplicazione();
    case Operazione::Divisione:
        return divisione();
    }
    return sottrazione();   // the operation of this build
}

// A term's caption and its log text, pad included.
struct Scritto {
    QString didascalia;
    QString log;
};

QString& spazioDelFattore(DatiOperazione& s, Voce voce)
{
    return voce == Voce::Numero1 ? s.spazioNumero1 : s.spazioNumero2;
}

// A factor shown one more or one less gets the pad of the shown value, kept
// in the session; a result shown so keeps the pad of the true result.
Scritto scrivi(const Tavola& tavola, DatiOperazione& s, Termine t)
{
    int valore = 0;
    QString testo;
    QString spazio;
    switch (t.voce) {
    case Voce::Numero1:
        valore = s.numero1;
        testo = tavola.testiDisegnati ? s.testoNumero1.trimmed() : QString::number(valore);
        spazio = s.spazioNumero1;
        break;
    case Voce::Numero2:
        valore = s.numero2;
        testo = tavola.testiDisegnati ? s.testoNumero2.trimmed() : QString::number(valore);
        spazio = s.spazioNumero2;
        break;
    case Voce::Risultato:
        valore = tavola.risultato(s);
        testo = tavola.testiDisegnati ? s.testoNumero3.trimmed() : QString::number(valore);
        spazio = s.*tavola.spazioRisultato;
        break;
    }
    if (t.scarto != 0) {
        valore += t.scarto;
        testo = QString::number(valore);
        if (t.voce != Voce::Risultato) {
            spazio = spazioPer(valore);
            spazioDelFattore(s, t.voce) = spazio;
        }
    }
    if (t.bianco)
        testo = testoConSegno(valore);
    return {testo, spazio + testo};
}

PosizioneSegno posizioneDelSegno(int forma)
{
    return forma <= 9 ? PosizioneSegno::Destra : PosizioneSegno::Sinistra;
}

} // namespace

Presentazione presenta(Operazione operazione, int forma, DatiOperazione& s)
{
    Presentazione p;
    if (forma < 1 || forma > 12)
        return p;
    const Tavola& tavola = tavolaDi(operazione);
    const Forma& f = tavola.forme[static_cast<std::size_t>(forma - 1)];
    const QString simbolo = QString::fromLatin1(tavola.simbolo);
    const QString uguale = QStringLiteral("=");

    if (f.variazioneSomma != 0) {
        s.numero3 = static_cast<std::int16_t>(s.numero3 + f.variazioneSomma);
        s.testoNumero3 = QString::number(s.numero3);
    }
    if (tavola.testiDisegnati)
        calcolaSpazi(s);

    auto didascalia = [&](std::size_t i) { return scrivi(tavola, s, f.numeri[i]).didascalia; };
    p.rigaSegni = forma >= 7;
    if (p.rigaSegni) {
        p.lblNumero4 = didascalia(0);
        p.lblNumero6 = didascalia(1);
        p.lblNumero8 = didascalia(2);
        p.lblUguale2 = simbolo;
        p.incognita = posizioneDelSegno(forma);
        p.rispostaEsatta = QString::fromLatin1(f.segnoEsatto);
    } else {
        p.lblNumero1 = didascalia(0);
        p.lblNumero2 = didascalia(1);
        // Forms 1..3 keep the "=" on the right, forms 4..6 on the left.
        p.lblSegno = forma <= 3 ? simbolo : uguale;
        p.lblUguale = forma <= 3 ? uguale : simbolo;
        p.disposizione = f.disposizione;
        p.rispostaEsatta = scrivi(tavola, s, f.esatto).didascalia;
    }
    for (const Pezzo& pezzo : f.log)
        p.testoLog += pezzo.testo ? QString::fromLatin1(pezzo.testo) : scrivi(tavola, s, pezzo.termine).log;
    return p;
}

namespace {

// Pads by the length of the trimmed text, 1 to 4 characters; nullptr (and
// any other length) leaves the pad as it was.
struct Allineamento {
    QString DatiOperazione::*testo;
    QString DatiOperazione::*spazio;
    std::array<const char*, 4> perLunghezza;
};

const std::array<Allineamento, 5> allineamenti{{
    {&DatiOperazione::testoNumero1, &DatiOperazione::spazioNumero1, {"  ", " ", "", nullptr}},
    {&DatiOperazione::testoNumero2, &DatiOperazione::spazioNumero2, {"  ", " ", "", nullptr}},
    {&DatiOperazione::testoNumero3, &DatiOperazione::spazioNumero3, {"  ", " ", "", nullptr}},
    {&DatiOperazione::rispostaEsatta, &DatiOperazione::spazioRispostaEsatta, {"  ", " ", "", nullptr}},
    {&DatiOperazione::rispostaAlunno, &DatiOperazione::spazioRisposta, {"   ", "  ", " ", ""}},
}};

} // namespace

void calcolaSpazi(DatiOperazione& s)
{
    for (const Allineamento& a : allineamenti) {
        const qsizetype lunghezza = (s.*a.testo).trimmed().size();
        if (lunghezza < 1 || lunghezza > 4)
            continue;
        if (const char* spazio = a.perLunghezza[static_cast<std::size_t>(lunghezza - 1)])
            s.*a.spazio = QString::fromLatin1(spazio);
    }
}

} // namespace ope
