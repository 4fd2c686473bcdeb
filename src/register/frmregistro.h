// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/pagina.h"
#include "register/registro.h"
#include "ui/finestra.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabWidget;
class QTableWidget;

namespace ope {

class Programma;
class PaginaAlunno;
class PaginaGestione;

// "Registro", the teacher's window: the class at a glance, a pupil's
// history, the class itself, the PIN; exports and printed pages. Behind the
// teacher's PIN once one is set; where the register cannot be used it says
// why and where its file is.
class FrmRegistro : public Finestra {
    Q_OBJECT
public:
    explicit FrmRegistro(Programma& programma);

    // Asks for a file and writes the runs there, the operations beside it.
    void esporta(AmbitoEsportazione ambito, qint64 id, const QString& proposto);
    // Through the program's print path and its preview.
    void stampaAlunno(const QString& nome, const QList<SerieRegistrata>& storia);

    std::optional<IdClasse> classeScelta() const;
    QDate oggi() const;
    QString nomeClasse(IdClasse classe) const;
    void apriAlunno(IdAlunno alunno);

private:
    void creaPaginaStato();
    void creaPaginaPin();
    void creaPaginaRegistro();
    QWidget* creaSchedaClasse();
    QWidget* creaSchedaPin();
    void entra();
    void impostaPin();
    void aggiornaClassi(std::optional<IdClasse> daScegliere = std::nullopt);
    void aggiorna();
    void riempiGriglia();
    void stampaClasse();
    QString font() const;   // the printer's fixed-width face; empty, and said, where it has none
    void stampa(std::vector<Pagina> pagine, const QString& diChi);   // diChi: the class or the pupil

    Programma& programma;
    Registro* registro;

    QStackedWidget* pagine = nullptr;
    QLabel* lblStato = nullptr;
    QLineEdit* txtPin = nullptr;
    QLabel* lblPinErrato = nullptr;
    QComboBox* cboClasse = nullptr;
    QCheckBox* chkArchiviate = nullptr;
    QTabWidget* tabRegistro = nullptr;
    QTableWidget* grdClasse = nullptr;
    QLabel* lblSenzaSerie = nullptr;
    PaginaAlunno* paginaAlunno = nullptr;
    PaginaGestione* paginaGestione = nullptr;
    QLineEdit* txtNuovoPin = nullptr;
    QLineEdit* txtConfermaPin = nullptr;
    QLabel* lblPinEsito = nullptr;
};

} // namespace ope
