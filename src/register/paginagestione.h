// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/registro.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace ope {

struct Ambiente;

// The class itself in the teacher's window: its pupils added, renamed,
// moved, deleted or pasted as a list; classes made, renamed, archived.
class PaginaGestione : public QWidget {
    Q_OBJECT
public:
    PaginaGestione(Registro& registro, const Ambiente& ambiente, QWidget* genitore);

    void mostraClasse(std::optional<IdClasse> classe);
    QWidget* primoCampo() const;

signals:
    void classeCambiata(qint64 classeDaMostrare);   // classes added, renamed or archived
    void alunniCambiati();
    void alunnoCambiato(qint64 alunno, const QString& nome);   // renamed; an empty name: deleted

private:
    std::optional<IdAlunno> alunnoScelto() const;
    QString nomeScritto(QLineEdit* campo);   // trimmed; empty, and said, when nothing was written
    void fatto(bool riuscito, const QString& esito);
    void aggiungiAlunno();
    void rinominaAlunno();
    void eliminaAlunno();
    void spostaAlunno();
    void incollaElenco();
    void nuovaClasse();
    void rinominaClasse();
    void archiviaClasse();

    Registro& registro;
    const Ambiente& ambiente;
    std::optional<IdClasse> classe;
    bool archiviata = false;

    QListWidget* lstAlunni;
    QLineEdit* txtNomeAlunno;
    QComboBox* cboSpostaIn;
    QPlainTextEdit* txtElenco;
    QLineEdit* txtNomeClasse;
    QPushButton* cmdArchiviaClasse;
    QLabel* lblEsito;
    QList<QPushButton*> soloConClasse;
};

} // namespace ope
