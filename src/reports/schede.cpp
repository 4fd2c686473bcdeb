// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/schede.h"

#include "ambiente.h"
#include "print/stampante.h"
#include "session/generatore.h"
#include "session/sessione.h"
#include "start/tabelle.h"
#include "ui/messaggi.h"

namespace ope {

namespace {

// A line form. In the pattern N, A and B stand for n, a and b with their
// pads; everything else is written as it stands. The answer is one of those
// letters (a number) or the sign itself.
struct FormaRiga {
    QStringView modello;
    int scarto;           // n = a + b + scarto * c
    QChar risposta;
    QStringView apertura; // before the answer in the teachers' text
};

constexpr FormaRiga formeRiga[12] = {
    {u"N - B =  .", 0, u'A', u"   ("},
    {u" . - B = A", 0, u'N', u"   ("},
    {u"N -  . = A", 0, u'B', u"   ("},
    {u" . = N - B", 0, u'A', u"   ("},
    {u"A =  . - B", 0, u'N', u"   ("},
    {u"B = N -  .", 0, u'A', u"   ("},
    {u"N - A . B", 0, u'=', u"    ("},
    {u"N - A . B", +1, u'>', u"    ("},
    {u"N - A . B", -1, u'<', u"    ("},
    {u"A . N - B", 0, u'=', u"    ("},
    {u"A . N - B", -1, u'>', u"     ("},
    {u"A . N - B", +1, u'<', u"    ("},
};

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

} // namespace

std::int16_t generaRigaScheda(Scheda& s, Generatore& g, int i)
{
    s.scelte.tipoOperazione = 2;
    return GeneraSotSchede(s, g, i);
}

std::int16_t GeneraSotSchede(Scheda& s, Generatore& g, int i)
{
    g.semina();
    const auto forma = static_cast<std::int16_t>(
        g.intero(s.scelte.tipoEsercizioMax - s.scelte.tipoEsercizioMin + 1) + s.scelte.tipoEsercizioMin);
    estraiOperandiScheda(s, g);
    componiRigaScheda(s, forma, i);
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
    o.spazioNumero1 = spazioPer(o.numero1);
    o.spazioNumero2 = spazioPer(o.numero2);
    o.spazioRisultato = spazioPer(scheda.risultatoScheda);
}

void componiRigaScheda(Scheda& s, int forma, int i)
{
    DatiOperazione& o = s.riga;
    // A range left empty by the other windows can draw form 0: such a line
    // is not written, as no form says what it would hold.
    if (forma < 1 || forma > 12 || i < 1 || i >= righeLog)
        return;
    const FormaRiga& f = formeRiga[forma - 1];
    s.risultatoScheda = static_cast<std::int16_t>(o.numero1 + o.numero2 + f.scarto * s.scartoScheda);
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
    s.titoloObiettivo = o.titoloScheda;
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
