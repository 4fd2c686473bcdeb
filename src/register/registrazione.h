// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/registro.h"
#include "serie/serie.h"

#include <functional>

namespace ope {

// Writes each run into the class register as it happens: its start with the
// first operation, each operation once closed with its attempts, and its end,
// or the point where it was left when another run starts or the program ends.
class RegistrazioneSerie : public OsservatoreSerie {
public:
    // `registro` opens the register at its first need (null: none); `alunno`
    // says who practises (none: an anonymous run); `adesso` is the date and
    // time with its zone.
    RegistrazioneSerie(std::function<Registro*()> registro, std::function<std::optional<IdAlunno>()> alunno,
                       std::function<QDateTime()> adesso);
    ~RegistrazioneSerie() override;
    RegistrazioneSerie(const RegistrazioneSerie&) = delete;
    RegistrazioneSerie& operator=(const RegistrazioneSerie&) = delete;

    void presentata(const Serie& s) override;
    void verificata(const Serie& s, bool esatta) override;
    void aiutoRifiutato(const Serie& s) override;
    void rispostaMostrata(const Serie& s) override;
    void finita(const Serie& s) override;

    // That pupil is gone from the register, with their run in course: what
    // follows of it, from the operation on screen, is kept as a run of
    // whoever practises now.
    void alunnoEliminato(IdAlunno eliminato);

private:
    void iniziaSerie(const Serie& s);
    void chiudiOperazione(const Serie& s, Aiuto aiuto);
    void ricordaConteggi(const Serie& s);
    void chiudiSerie(bool finita);

    std::function<Registro*()> registro;
    std::function<std::optional<IdAlunno>()> alunno;
    std::function<QDateTime()> adesso;

    const Serie* inCorso = nullptr;   // only compared, never read: the run may be gone when it is left
    Registro* scritta = nullptr;      // where the run in course is written
    IdSerie id = 0;   // 0: the run's record was deleted
    std::optional<IdAlunno> diChi;
    OperazioneRegistrata aperta;
    int operazioni = 0, esatte = 0, errate = 0, secondiTotali = 0;
};

} // namespace ope
