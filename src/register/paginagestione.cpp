// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/paginagestione.h"

#include "ambiente.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ope {

namespace {

QPushButton* pulsante(QWidget* genitore, const QString& nome, const QString& testo)
{
    auto* p = new QPushButton(testo, genitore);
    p->setObjectName(nome);
    return p;
}

QLineEdit* campo(QWidget* genitore, const QString& nome, const QString& accessibile)
{
    auto* t = new QLineEdit(genitore);
    t->setObjectName(nome);
    t->setAccessibleName(accessibile);
    return t;
}

} // namespace

PaginaGestione::PaginaGestione(Registro& r, const Ambiente& a, QWidget* genitore)
    : QWidget(genitore), registro(r), ambiente(a)
{
    setObjectName(QStringLiteral("pagGestione"));
    auto* colonne = new QHBoxLayout(this);

    auto* alunni = new QGroupBox(QStringLiteral("Alunni della classe"), this);
    alunni->setObjectName(QStringLiteral("fraAlunni"));
    auto* sinistra = new QGridLayout(alunni);
    lstAlunni = new QListWidget(alunni);
    lstAlunni->setObjectName(QStringLiteral("lstAlunni"));
    lstAlunni->setAccessibleName(QStringLiteral("Alunni della classe"));
    txtNomeAlunno = campo(alunni, QStringLiteral("txtNomeAlunno"), QStringLiteral("Nome dell'alunno"));
    auto* lblNome = new QLabel(QStringLiteral("&Nome:"), alunni);
    lblNome->setObjectName(QStringLiteral("lblNomeAlunno"));
    lblNome->setBuddy(txtNomeAlunno);
    auto* cmdAggiungi = pulsante(alunni, QStringLiteral("cmdAggiungiAlunno"), QStringLiteral("A&ggiungi"));
    auto* cmdRinomina = pulsante(alunni, QStringLiteral("cmdRinominaAlunno"), QStringLiteral("Ri&nomina"));
    auto* cmdElimina = pulsante(alunni, QStringLiteral("cmdEliminaAlunno"), QStringLiteral("Eli&mina..."));
    cboSpostaIn = new QComboBox(alunni);
    cboSpostaIn->setObjectName(QStringLiteral("cboSpostaIn"));
    cboSpostaIn->setAccessibleName(QStringLiteral("Classe in cui spostare l'alunno"));
    auto* cmdSposta = pulsante(alunni, QStringLiteral("cmdSpostaAlunno"), QStringLiteral("&Sposta in:"));
    sinistra->addWidget(lstAlunni, 0, 0, 1, 3);
    sinistra->addWidget(lblNome, 1, 0);
    sinistra->addWidget(txtNomeAlunno, 1, 1, 1, 2);
    sinistra->addWidget(cmdAggiungi, 2, 0);
    sinistra->addWidget(cmdRinomina, 2, 1);
    sinistra->addWidget(cmdElimina, 2, 2);
    sinistra->addWidget(cmdSposta, 3, 0);
    sinistra->addWidget(cboSpostaIn, 3, 1, 1, 2);
    colonne->addWidget(alunni, 3);

    auto* destra = new QVBoxLayout;
    auto* elenco = new QGroupBox(QStringLiteral("Incolla un elenco, un nome per riga"), this);
    elenco->setObjectName(QStringLiteral("fraElenco"));
    auto* colElenco = new QVBoxLayout(elenco);
    txtElenco = new QPlainTextEdit(elenco);
    txtElenco->setObjectName(QStringLiteral("txtElenco"));
    txtElenco->setAccessibleName(QStringLiteral("Elenco di nomi, uno per riga"));
    txtElenco->setTabChangesFocus(true);
    auto* cmdIncolla = pulsante(elenco, QStringLiteral("cmdIncollaElenco"), QStringLiteral("Aggiungi l'elen&co"));
    colElenco->addWidget(txtElenco);
    colElenco->addWidget(cmdIncolla);
    destra->addWidget(elenco, 1);

    auto* classi = new QGroupBox(QStringLiteral("Classe"), this);
    classi->setObjectName(QStringLiteral("fraClassi"));
    auto* colClassi = new QGridLayout(classi);
    txtNomeClasse = campo(classi, QStringLiteral("txtNomeClasse"), QStringLiteral("Nome della classe"));
    txtNomeClasse->setPlaceholderText(QStringLiteral("2ª B"));
    auto* lblClasse = new QLabel(QStringLiteral("No&me:"), classi);
    lblClasse->setObjectName(QStringLiteral("lblNomeClasse"));
    lblClasse->setBuddy(txtNomeClasse);
    auto* cmdNuova = pulsante(classi, QStringLiteral("cmdNuovaClasse"), QStringLiteral("N&uova classe"));
    auto* cmdRinominaClasse = pulsante(classi, QStringLiteral("cmdRinominaClasse"),
                                       QStringLiteral("Rinomina la c&lasse"));
    cmdArchiviaClasse = pulsante(classi, QStringLiteral("cmdArchiviaClasse"), QStringLiteral("Archi&via la classe"));
    colClassi->addWidget(lblClasse, 0, 0);
    colClassi->addWidget(txtNomeClasse, 0, 1);
    colClassi->addWidget(cmdNuova, 1, 0);
    colClassi->addWidget(cmdRinominaClasse, 1, 1);
    colClassi->addWidget(cmdArchiviaClasse, 2, 0, 1, 2);
    destra->addWidget(classi);

    lblEsito = new QLabel(this);
    lblEsito->setObjectName(QStringLiteral("lblEsito"));
    lblEsito->setWordWrap(true);
    destra->addWidget(lblEsito);
    colonne->addLayout(destra, 2);

    soloConClasse = {cmdAggiungi, cmdRinomina, cmdElimina, cmdSposta, cmdIncolla, cmdRinominaClasse,
                     cmdArchiviaClasse};
    connect(lstAlunni, &QListWidget::currentTextChanged, txtNomeAlunno, &QLineEdit::setText);
    connect(cmdAggiungi, &QPushButton::clicked, this, [this] { aggiungiAlunno(); });
    connect(txtNomeAlunno, &QLineEdit::returnPressed, this, [this] { aggiungiAlunno(); });
    connect(cmdRinomina, &QPushButton::clicked, this, [this] { rinominaAlunno(); });
    connect(cmdElimina, &QPushButton::clicked, this, [this] { eliminaAlunno(); });
    connect(cmdSposta, &QPushButton::clicked, this, [this] { spostaAlunno(); });
    connect(cmdIncolla, &QPushButton::clicked, this, [this] { incollaElenco(); });
    connect(cmdNuova, &QPushButton::clicked, this, [this] { nuovaClasse(); });
    connect(txtNomeClasse, &QLineEdit::returnPressed, this, [this] { nuovaClasse(); });
    connect(cmdRinominaClasse, &QPushButton::clicked, this, [this] { rinominaClasse(); });
    connect(cmdArchiviaClasse, &QPushButton::clicked, this, [this] { archiviaClasse(); });
}

QWidget* PaginaGestione::primoCampo() const
{
    return classe ? txtNomeAlunno : txtNomeClasse;
}

void PaginaGestione::mostraClasse(std::optional<IdClasse> c)
{
    classe = c;
    archiviata = false;
    lstAlunni->clear();
    cboSpostaIn->clear();
    for (const ClasseRegistro& altra : registro.classi(true)) {
        if (altra.id == classe)
            archiviata = altra.archiviata;
        else if (!altra.archiviata)
            cboSpostaIn->addItem(altra.nome, altra.id);
    }
    if (classe) {
        for (const AlunnoRegistro& a : registro.alunni(*classe)) {
            auto* voce = new QListWidgetItem(a.nome, lstAlunni);
            voce->setData(Qt::UserRole, a.id);
        }
    }
    cmdArchiviaClasse->setText(archiviata ? QStringLiteral("Ripri&stina la classe")
                                          : QStringLiteral("Archi&via la classe"));
    for (QPushButton* b : soloConClasse)
        b->setEnabled(classe.has_value());
}

std::optional<IdAlunno> PaginaGestione::alunnoScelto() const
{
    const QListWidgetItem* voce = lstAlunni->currentItem();
    if (!voce) {
        lblEsito->setText(QStringLiteral("Scegli prima un alunno dall'elenco."));
        return std::nullopt;
    }
    return voce->data(Qt::UserRole).toLongLong();
}

QString PaginaGestione::nomeScritto(QLineEdit* campo)
{
    const QString nome = campo->text().simplified();
    if (nome.isEmpty()) {
        lblEsito->setText(QStringLiteral("Scrivi prima il nome."));
        campo->setFocus();
    }
    return nome;
}

void PaginaGestione::fatto(bool riuscito, const QString& esito)
{
    lblEsito->setText(riuscito ? esito : QStringLiteral("Non è stato possibile: ") + registro.stato());
}

void PaginaGestione::aggiungiAlunno()
{
    const QString nome = nomeScritto(txtNomeAlunno);
    if (!classe || nome.isEmpty())
        return;
    const bool riuscito = registro.aggiungiAlunno(*classe, nome).has_value();
    fatto(riuscito, QStringLiteral("Aggiunto: ") + nome);
    if (riuscito) {
        txtNomeAlunno->clear();
        emit alunniCambiati();
        txtNomeAlunno->setFocus();
    }
}

void PaginaGestione::rinominaAlunno()
{
    const std::optional<IdAlunno> alunno = alunnoScelto();
    const QString nome = alunno ? nomeScritto(txtNomeAlunno) : QString();
    if (nome.isEmpty())
        return;
    const bool riuscito = registro.rinominaAlunno(*alunno, nome);
    fatto(riuscito, QStringLiteral("Ora si chiama ") + nome);
    if (riuscito) {
        emit alunnoCambiato(*alunno, nome);
        emit alunniCambiati();
    }
}

void PaginaGestione::eliminaAlunno()
{
    const std::optional<IdAlunno> alunno = alunnoScelto();
    if (!alunno)
        return;
    const QString nome = lstAlunni->currentItem()->text();
    if (!ambiente.conferma(QStringLiteral("Eliminare %1 dal registro, con tutte le sue serie e le sue risposte?\n"
                                          "Non si potrà tornare indietro.").arg(nome)))
        return;
    const bool riuscito = registro.eliminaAlunno(*alunno);
    fatto(riuscito, QStringLiteral("Eliminato: ") + nome);
    if (riuscito) {
        emit alunnoCambiato(*alunno, QString());
        emit alunniCambiati();
    }
}

void PaginaGestione::spostaAlunno()
{
    const std::optional<IdAlunno> alunno = alunnoScelto();
    if (!alunno || cboSpostaIn->currentIndex() < 0)
        return;
    const bool riuscito = registro.spostaAlunno(*alunno, cboSpostaIn->currentData().toLongLong());
    fatto(riuscito, QStringLiteral("Spostato in ") + cboSpostaIn->currentText());
    if (riuscito)
        emit alunniCambiati();
}

void PaginaGestione::incollaElenco()
{
    if (!classe)
        return;
    const int aggiunti = registro.incollaAlunni(*classe, txtElenco->toPlainText());
    fatto(aggiunti > 0 || registro.stato().isEmpty(),
          aggiunti == 1 ? QStringLiteral("Aggiunto 1 alunno.") : QStringLiteral("Aggiunti %1 alunni.").arg(aggiunti));
    if (aggiunti > 0) {
        txtElenco->clear();
        emit alunniCambiati();
    }
}

void PaginaGestione::nuovaClasse()
{
    const QString nome = nomeScritto(txtNomeClasse);
    if (nome.isEmpty())
        return;
    const std::optional<IdClasse> nuova = registro.aggiungiClasse(nome);
    fatto(nuova.has_value(), QStringLiteral("Classe creata: %1. Ora aggiungi i suoi alunni.").arg(nome));
    if (nuova) {
        txtNomeClasse->clear();
        emit classeCambiata(*nuova);
        txtNomeAlunno->setFocus();
    }
}

void PaginaGestione::rinominaClasse()
{
    const QString nome = classe ? nomeScritto(txtNomeClasse) : QString();
    if (nome.isEmpty())
        return;
    const bool riuscito = registro.rinominaClasse(*classe, nome);
    fatto(riuscito, QStringLiteral("Ora la classe si chiama ") + nome);
    if (riuscito) {
        txtNomeClasse->clear();
        emit classeCambiata(*classe);
    }
}

void PaginaGestione::archiviaClasse()
{
    if (!classe)
        return;
    const bool riuscito = registro.archiviaClasse(*classe, !archiviata);
    fatto(riuscito, archiviata ? QStringLiteral("La classe è di nuovo attiva.")
                               : QStringLiteral("Classe archiviata: non compare più in \"Chi sei?\"."));
    if (riuscito)
        emit classeCambiata(archiviata ? *classe : 0);
}

} // namespace ope
