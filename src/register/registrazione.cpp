// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/registrazione.h"

#include "reports/attestato.h"

namespace ope {

namespace {

// The objective from the range of forms it allows.
int obiettivoDi(const DatiScelte& c)
{
    static const int minimi[] = {1, 2, 1, 1, 7, 1};
    static const int massimi[] = {1, 3, 3, 6, 12, 12};
    for (int o = 0; o < 6; ++o) {
        if (c.tipoEsercizioMin == minimi[o] && c.tipoEsercizioMax == massimi[o])
            return o + 1;
    }
    return 0;
}

void operandi(const Serie& s, OperazioneRegistrata& op)
{
    const DatiOperazione& o = s.operazione();
    op.operando1 = o.numero1;
    op.operando2 = o.numero2;
    switch (s.tipo()) {
    case Operazione::Addizione:
        op.operatore = QStringLiteral("+");
        op.risultato = o.numero1 + o.numero2;
        break;
    case Operazione::Sottrazione:
        op.operatore = QStringLiteral("-");
        op.risultato = o.numero1 - o.numero2;
        break;
    case Operazione::Moltiplicazione:
        op.operatore = QStringLiteral("x");
        op.risultato = o.numero1 * o.numero2;
        break;
    case Operazione::Divisione:
        op.operatore = QStringLiteral(":");
        op.risultato = o.numero2 ? o.numero1 / o.numero2 : 0;
        break;
    }
}

} // namespace

RegistrazioneSerie::RegistrazioneSerie(std::function<Registro*()> r, std::function<std::optional<IdAlunno>()> a,
                                       std::function<QDateTime()> t)
    : registro(std::move(r)), alunno(std::move(a)), adesso(std::move(t))
{
}

RegistrazioneSerie::~RegistrazioneSerie()
{
    chiudiSerie(false);
}

void RegistrazioneSerie::presentata(const Serie& s)
{
    if (&s != inCorso || s.numeroOperazione() == 1) {
        chiudiSerie(false);
        scritta = registro();
        if (!scritta)
            return;
        inCorso = &s;
        iniziaSerie(s);
    }
    aperta = {};
    aperta.posizione = s.numeroOperazione();
    aperta.forma = s.operazione().tipoEsercizio;
    aperta.operazione = s.riga(s.numeroOperazione());
    aperta.rispostaEsatta = s.operazione().rispostaEsatta.trimmed();
    operandi(s, aperta);
    ricordaConteggi(s);
}

void RegistrazioneSerie::verificata(const Serie& s, bool esatta)
{
    if (&s != inCorso)
        return;
    aperta.tentativi.append({s.risposta().trimmed(), esatta ? Esito::Esatta : Esito::Errata});
    ricordaConteggi(s);
    if (esatta)
        chiudiOperazione(s, aperta.rifiuti > 0 ? Aiuto::Rifiutato : Aiuto::Nessuno);
}

// Counted here: the run's own count is reset by the time help closes the operation.
void RegistrazioneSerie::aiutoRifiutato(const Serie& s)
{
    if (&s == inCorso)
        ++aperta.rifiuti;
}

void RegistrazioneSerie::rispostaMostrata(const Serie& s)
{
    if (&s != inCorso)
        return;
    // Three refusals and the program steps in by itself.
    chiudiOperazione(s, aperta.rifiuti >= 3 ? Aiuto::Imposto : Aiuto::Accettato);
}

void RegistrazioneSerie::finita(const Serie& s)
{
    if (&s != inCorso)
        return;
    ricordaConteggi(s);
    chiudiSerie(true);
}

// The run's record went with the pupil: the operation on screen opens another.
void RegistrazioneSerie::alunnoEliminato(IdAlunno eliminato)
{
    if (inCorso && diChi == eliminato)
        id = 0;
}

void RegistrazioneSerie::iniziaSerie(const Serie& s)
{
    InizioSerie inizio;
    inizio.alunno = diChi = alunno();
    inizio.inizio = adesso();
    inizio.tipoOperazione = s.scelte().tipoOperazione;
    inizio.obiettivo = obiettivoDi(s.scelte());
    inizio.livello = s.scelte().livello;
    id = scritta->iniziaSerie(inizio);
}

void RegistrazioneSerie::chiudiOperazione(const Serie& s, Aiuto aiuto)
{
    if (id == 0)
        iniziaSerie(s);
    aperta.aiuto = aiuto;
    aperta.secondi = s.secondiOperazione();
    aperta.rigaLog = s.riga(aperta.posizione);
    ricordaConteggi(s);
    scritta->registraOperazione(id, aperta);
}

void RegistrazioneSerie::ricordaConteggi(const Serie& s)
{
    operazioni = s.numeroOperazione();
    esatte = s.esatte();
    errate = s.errate();
    secondiTotali = static_cast<int>(s.secondiTotali());
}

void RegistrazioneSerie::chiudiSerie(bool finita)
{
    if (!inCorso || !scritta || id == 0) {
        inCorso = nullptr;
        return;
    }
    ChiusuraSerie fine;
    fine.fine = adesso();
    fine.esatte = esatte;
    fine.errate = errate;
    fine.secondiTotali = secondiTotali;
    // The certificate's grade, where it may be printed.
    if (operazioni >= 10) {
        const std::int16_t voto =
            calcolaVoto(static_cast<std::int16_t>(esatte), static_cast<std::int16_t>(operazioni));
        fine.voto = voto;
        fine.giudizio = giudizioPer(voto);
    }
    fine.finita = finita;
    scritta->chiudiSerie(id, fine);
    inCorso = nullptr;
}

} // namespace ope
