// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/pagina.h"
#include "register/registro.h"

#include <vector>

namespace ope {

// A pupil's totals over the runs the register holds.
struct RiepilogoAlunno {
    QString nome;
    int serie = 0;
    int esatte = 0;
    int errate = 0;
    int secondi = 0;
    QDateTime ultima;   // start of the latest run; invalid without runs
};
RiepilogoAlunno riepiloga(const QString& nome, const QList<SerieRegistrata>& storia);

// The teacher's printed pages, in a fixed-width font so the columns stand:
// a pupil's runs one a line with the totals below them, and a class with
// one pupil a line. As many pages as the lines need.
std::vector<Pagina> pagineAlunno(const QString& nome, const QString& classe, const QList<SerieRegistrata>& storia,
                                 const QString& font, const QString& data);
std::vector<Pagina> pagineClasse(const QString& classe, const QList<RiepilogoAlunno>& alunni,
                                 const QString& font, const QString& data);

} // namespace ope
