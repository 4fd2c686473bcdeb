// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/schede.h"

#include "ambiente.h"
#include "print/stampante.h"
#include "session/estrazione.h"
#include "session/generatore.h"
#include "session/sessione.h"
#include "start/tabelle.h"
#include "ui/messaggi.h"

#include <algorithm>
#include <array>

namespace ope {

namespace {

// A line form. In the pattern N, A and B stand for n, a and b with their
// pads, n being a + b or a x b; everything else is written as it stands. A
// sign form moves one of the three (spostato) by verso times c; the answer is
// one of the letters (a number) or the sign itself.
struct FormaRiga {
    QStringView modello;
    QChar spostato;
    int verso;
    QChar risposta;
    QStringView apertura; // before the answer in the teachers' text
};
using FormeRiga = std::array<FormaRiga, 12>;

constexpr FormeRiga formeSottrazione{{
    {u"N - B =  .", u'N', 0, u'A', u"   ("},
    {u" . - B = A", u'N', 0, u'N', u"   ("},
    {u"N -  . = A", u'N', 0, u'B', u"   ("},
    {u" . = N - B", u'N', 0, u'A', u"   ("},
    {u"A =  . - B", u'N', 0, u'N', u"   ("},
    {u"B = N -  .", u'N', 0, u'A', u"   ("},
    {u"N - A . B", u'N', 0, u'=', u"    ("},
    {u"N - A . B", u'N', +1, u'>', u"    ("},
    {u"N - A . B", u'N', -1, u'<', u"    ("},
    {u"A . N - B", u'N', 0, u'=', u"    ("},
    {u"A . N - B", u'N', -1, u'>', u"     ("},   // one blank more, as subtraction's sheets always had
    {u"A . N - B", u'N', +1, u'<', u"    ("},
}};

constexpr FormeRiga formeAddizione{{
    {u"A + B =  .", u'N', 0, u'N', u"   ("},
    {u" . + B = N", u'N', 0, u'A', u"   ("},
    {u"A +  . = N", u'N', 0, u'B', u"   ("},
    {u" . = A + B", u'N', 0, u'N', u"   ("},
    {u"N =  . + B", u'N', 0, u'A', u"   ("},
    {u"N = A +  .", u'N', 0, u'B', u"   ("},
    {u"A + B . N", u'N', 0, u'=', u"    ("},
    {u"A + B . N", u'N', -1, u'>', u"    ("},
    {u"A + B . N", u'N', +1, u'<', u"    ("},
    {u"N . A + B", u'N', 0, u'=', u"    ("},
    {u"N . A + B", u'N', +1, u'>', u"    ("},
    {u"N . A + B", u'N', -1, u'<', u"    ("},
}};

constexpr FormeRiga formeMoltiplicazione{{
    {u"A x B =  .", u'N', 0, u'N', u"   ("},
    {u" . x B = N", u'N', 0, u'A', u"   ("},
    {u"A x  . = N", u'N', 0, u'B', u"   ("},
    {u" . = A x B", u'N', 0, u'N', u"   ("},
    {u"N =  . x B", u'N', 0, u'A', u"   ("},
    {u"N = A x  .", u'N', 0, u'B', u"   ("},
    {u"A x B . N", u'N', 0, u'=', u"    ("},
    {u"A x B . N", u'N', -1, u'>', u"    ("},
    {u"A x B . N", u'N', +1, u'<', u"    ("},
    {u"N . A x B", u'N', 0, u'=', u"    ("},
    {u"N . A x B", u'N', +1, u'>', u"    ("},
    {u"N . A x B", u'N', -1, u'<', u"    ("},
}};

// A division's sign forms move the quotient, never the dividend, so every
// division written stays exact.
constexpr FormeRiga formeDivisione{{
    {u"N : B =  .", u'N', 0, u'A', u"   ("},
    {u" . : B = A", u'N', 0, u'N', u"   ("},
    {u"N :  . = A", u'N', 0, u'B', u"   ("},
    {u" . = N : B", u'N', 0, u'A', u"   ("},
    {u"A =  . : B", u'N', 0, u'N', u"   ("},
    {u"B = N :  .", u'N', 0, u'A', u"   ("},
    {u"N : A . B", u'B', 0, u'=', u"    ("},
    {u"N : A . B", u'B', -1, u'>', u"    ("},
    {u"N : A . B", u'B', +1, u'<', u"    ("},
    {u"A . N : B", u'A', 0, u'=', u"    ("},
    {u"A . N : B", u'A', +1, u'>', u"    ("},
    {u"A . N : B", u'A', -1, u'<', u"    ("},
}};

const FormeRiga& formeDi(Operazione operazione)
{
    switch (operazione) {
    case Operazione::Addizione:
        return formeAddizione;
    case Operazione::Moltiplicazione:
        return formeMoltiplicazione;
    case Operazione::Divisione:
        return formeDivisione;
    case Operazione::Sottrazione:
        break;
    }
    return formeSottrazione;
}

bool prodotto(Operazione operazione)
{
    return operazione == Operazione::Moltiplicazione || operazione == Operazione::Divisione;
}

struct RegolaLivello {
    int base;     // a and b are each base + Int(Rnd * quanti)
    int quanti;
    int sommaMin; // bounds of a + b
    int sommaMax;
    int totaleMin; // bounds of a + b + c
    int totaleMax;
};

constexpr RegolaLivello regoleLivello[4] = {
    {2, 20, 0, 30, 0, 30},
    {10, 30, 30, 60, 30, 60},
    {20, 60, 60, 90, 60, 90},
    {20, 90, 0, 90, 1, 90},
};

// Numbers stand right-aligned in columns two characters wide; the table of
// ten reaches 100, and then every column of the sheet is three wide.
int larghezzaColonne(const DatiScelte& c)
{
    const bool centinaia = conMoltiplicazioni(c.tipoOperazione) && (c.tabelline & (1u << tabellinaMassima));
    return centinaia ? 3 : 2;
}

QString spazioScheda(int valore, int larghezza)
{
    const int cifre = valore < 10 ? 1 : valore < 100 ? 2 : 3;
    return QString(std::max(0, larghezza - cifre), u' ');
}

// The number a letter of a pattern stands for, and its pad.
struct Numero {
    int valore;
    QString spazio;
};

Numero numeroDi(const Scheda& scheda, const DatiOperazione& o, QChar lettera)
{
    if (lettera == u'A')
        return {o.numero1, o.spazioNumero1};
    if (lettera == u'B')
        return {o.numero2, o.spazioNumero2};
    return {scheda.risultatoScheda, o.spazioRisultato};
}

bool eNumero(QChar c)
{
    return c == u'A' || c == u'B' || c == u'N';
}

QString testoAlunni(const Scheda& scheda, const DatiOperazione& o, const FormaRiga& f)
{
    QString testo;
    for (QChar c : f.modello) {
        if (eNumero(c)) {
            const Numero n = numeroDi(scheda, o, c);
            testo += n.spazio + QString::number(n.valore);
        } else {
            testo += c;
        }
    }
    return testo;
}

QString testoRisposta(const Scheda& scheda, const DatiOperazione& o, const FormaRiga& f)
{
    if (!eNumero(f.risposta))
        return f.apertura.toString() + f.risposta + u')';
    // The answer's pad stands before the parenthesis, not inside it.
    const Numero n = numeroDi(scheda, o, f.risposta);
    return n.spazio + f.apertura.toString() + QString::number(n.valore) + u')';
}

void estraiOperandiRiga(Scheda& s, Generatore& g, Operazione operazione)
{
    switch (operazione) {
    case Operazione::Addizione:
    case Operazione::Sottrazione:
        estraiOperandiScheda(s, g);
        return;
    case Operazione::Moltiplicazione:
        estraiMoltiplicazione(s.scelte, s.riga, g);
        break;
    case Operazione::Divisione:
        estraiDivisione(s.scelte, s.riga, g);
        break;
    }
    // A product's sign forms move by one: a table's factors start at 1.
    s.scartoScheda = 1;
}

} // namespace

std::int16_t generaRigaScheda(Scheda& s, Generatore& g, int i)
{
    // With no kind chosen the sheet is of subtractions, the program's own.
    std::optional<Operazione> operazione = operazioneDelTipo(s.scelte.tipoOperazione, g);
    if (!operazione) {
        s.scelte.tipoOperazione = 2;
        operazione = Operazione::Sottrazione;
    }
    return generaRiga(s, g, i, *operazione);
}

std::int16_t generaRiga(Scheda& s, Generatore& g, int i, Operazione operazione)
{
    g.semina();
    const auto forma = static_cast<std::int16_t>(
        g.intero(s.scelte.tipoEsercizioMax - s.scelte.tipoEsercizioMin + 1) + s.scelte.tipoEsercizioMin);
    estraiOperandiRiga(s, g, operazione);
    componiRigaScheda(s, forma, i, operazione);
    return forma;
}

void estraiOperandiScheda(Scheda& s, Generatore& g)
{
    DatiOperazione& o = s.riga;
    g.semina();
    if (s.livelloScheda < 1 || s.livelloScheda > 4)
        return;
    const RegolaLivello& r = regoleLivello[s.livelloScheda - 1];
    int totale = 0;
    do {
        int somma = 0;
        do {
            o.numero1 = static_cast<std::int16_t>(r.base + g.intero(r.quanti));
            o.numero2 = static_cast<std::int16_t>(r.base + g.intero(r.quanti));
            somma = o.numero1 + o.numero2;
        } while (somma < r.sommaMin || somma > r.sommaMax);
        s.scartoScheda = static_cast<std::int16_t>(1 + g.intero(3));
        totale = somma + s.scartoScheda;
    } while (totale < r.totaleMin || totale > r.totaleMax);
}

void calcolaSpaziScheda(Scheda& scheda)
{
    DatiOperazione& o = scheda.riga;
    const int larghezza = larghezzaColonne(scheda.scelte);
    o.spazioNumero1 = spazioScheda(o.numero1, larghezza);
    o.spazioNumero2 = spazioScheda(o.numero2, larghezza);
    o.spazioRisultato = spazioScheda(scheda.risultatoScheda, larghezza);
}

void componiRigaScheda(Scheda& s, int forma, int i, Operazione operazione)
{
    DatiOperazione& o = s.riga;
    // A range left empty by the other windows can draw form 0: such a line
    // is not written, as no form says what it would hold.
    if (forma < 1 || forma > 12 || i < 1 || i >= righeLog)
        return;
    const FormaRiga& f = formeDi(operazione)[std::size_t(forma - 1)];
    const int spostamento = f.verso * s.scartoScheda;
    int n = prodotto(operazione) ? o.numero1 * o.numero2 : o.numero1 + o.numero2;
    if (f.spostato == u'A')
        o.numero1 = static_cast<std::int16_t>(o.numero1 + spostamento);
    else if (f.spostato == u'B')
        o.numero2 = static_cast<std::int16_t>(o.numero2 + spostamento);
    else
        n += spostamento;
    s.risultatoScheda = static_cast<std::int16_t>(n);
    calcolaSpaziScheda(s);
    const QString alunni = testoAlunni(s, o, f);
    s.schedaAlunni[i] = alunni;
    // The separator is always the seven blanks: the shared dot leader may
    // still hold whatever the exercise window left in it.
    s.schedaDocenti[i] = alunni + separatoreScheda + testoRisposta(s, o, f);
}

void scegliObiettivoScheda(DatiScelte& s, int indice)
{
    const Obiettivo& o = obiettivi().at(indice);
    s.titoloObiettivo = titoloScheda(s.tipoOperazione, indice);
    s.tipoEsercizioMin = o.formaMin;
    s.tipoEsercizioMax = o.formaMax;
}

void scegliLivelloScheda(Scheda& s, int indice)
{
    const Livello& l = livelli().at(indice);
    s.scelte.numeroMin = l.numeroMin;
    s.scelte.numeroMax = l.numeroMax;
    s.livelloScheda = l.livello;
    s.scelte.descrizioneLivello = descrizioneDelLivello(l.numeroMin, l.numeroMax);
}

namespace {

// Three blocks of ten lines down each of the two columns of the page.
constexpr double sinistraColonna[2] = {1000, 6000};
constexpr double altoBlocco[3] = {2000, 6500, 11000};
constexpr double passoRiga = 400;

} // namespace

void impaginaScheda(Stampante& st, const Scheda& s)
{
    // Set by name whichever of the two the printer has, as the worksheet's
    // printing rule says: the check only makes sure a Courier face exists,
    // and the name resolves to a monospaced face (Liberation Mono where the
    // package's fonts are), which is all the sheet's columns need.
    st.font = QStringLiteral("Courier");
    st.x = 1000;
    st.y = 1000;
    st.punti = 14;
    st.stampa(QStringLiteral("Cognome e nome: "), false);
    st.x = 1000;
    st.y = 1500;
    st.punti = 12;
    st.stampa(s.scelte.titoloObiettivo);

    const bool alunni = s.tipoStampaScheda == 1;
    const Righe& righe = alunni ? s.stampaAlunni : s.stampaDocenti;
    st.punti = alunni ? 12 : 10;
    for (int i = 1; i <= righePerScheda; ++i) {
        const int k = (i - 1) % 30;
        st.x = sinistraColonna[(i - 1) / 30];
        st.y = altoBlocco[k / 10] + passoRiga * (k % 10);
        st.stampa(righe[i]);
    }

    st.punti = 8;
    st.x = 1000;
    st.y = 15100;
    st.stampa(s.scelte.titoloObiettivo);
}

bool stampaScheda(const Scheda& s, const Ambiente& ambiente)
{
    const QString font = scegliFontCourier(ambiente.fontStampante ? ambiente.fontStampante() : QStringList());
    if (font.isEmpty()) {
        ambiente.avviso(messaggi::mancaFontCourier);
        return false;
    }
    Stampante st(ambiente.stampa);
    st.font = font;
    st.documento = s.tipoStampaScheda == 1 ? QStringLiteral("Scheda alunni") : QStringLiteral("Scheda docenti");
    impaginaScheda(st, s);
    if (const Invio invio = st.fine(); !invio) {
        ambiente.avviso(messaggioInvio(invio));
        return false;
    }
    return true;
}

} // namespace ope
