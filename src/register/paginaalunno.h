// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/registro.h"

#include <QWidget>

class QComboBox;
class QListWidget;
class QTableWidget;
class QVBoxLayout;

namespace ope {

class FrmRegistro;
class ModuloGrafico;

// A pupil's history in the teacher's window: the runs by date, the lines of
// the run chosen as the printout shows them, and the chart of how it goes.
class PaginaAlunno : public QWidget {
    Q_OBJECT
public:
    PaginaAlunno(FrmRegistro& finestra, Registro& registro, QWidget* genitore);
    ~PaginaAlunno() override;

    void mostraClasse(std::optional<IdClasse> classe);
    void mostraAlunno(IdAlunno alunno);

private:
    std::optional<IdAlunno> alunnoScelto() const;
    void riempiStoria();
    void mostraRighe(int riga);
    void mostraAndamento(const QList<PuntoAndamento>& punti);

    FrmRegistro& finestra;
    Registro& registro;
    QComboBox* cboAlunno;
    QTableWidget* tabSerie;
    QListWidget* lstRighe;
    QVBoxLayout* spazioGrafico;
    QWidget* grafico = nullptr;
    std::unique_ptr<ModuloGrafico> modulo;
    bool moduloCercato = false;
    QList<SerieRegistrata> storia;
};

} // namespace ope
