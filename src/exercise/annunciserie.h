// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serie/serie.h"

namespace ope {

class Annuncio;

// What a screen reader says of a run as it goes, through the window's
// announcer: the operation when it appears, in words, the verdict and the
// help offer, the operation again after "No", "Ora intevengo io", the answer
// help shows, and the end of the run.
class AnnunciSerie : public OsservatoreSerie {
public:
    explicit AnnunciSerie(Annuncio& a) : annuncio(a) {}

    void presentata(const Serie& s) override;
    void verificata(const Serie& s, bool esatta) override;
    void aiutoRifiutato(const Serie& s) override;
    void rispostaMostrata(const Serie& s) override;
    void finita(const Serie& s) override;

private:
    Annuncio& annuncio;
};

} // namespace ope
