// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/paginaalunno.h"

#include "grafico/modulografico.h"
#include "register/frmregistro.h"
#include "register/testiregistro.h"
#include "ui/moduli.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ope {

PaginaAlunno::PaginaAlunno(FrmRegistro& f, Registro& r, QWidget* genitore)
    : QWidget(genitore), finestra(f), registro(r)
{
    setObjectName(QStringLiteral("pagAlunno"));
    auto* colonna = new QVBoxLayout(this);

    auto* riga = new QHBoxLayout;
    auto* etichetta = new QLabel(QStringLiteral("A&lunno:"), this);
    etichetta->setObjectName(QStringLiteral("lblAlunno"));
    cboAlunno = new QComboBox(this);
    cboAlunno->setObjectName(QStringLiteral("cboAlunno"));
    cboAlunno->setMinimumContentsLength(20);
    etichetta->setBuddy(cboAlunno);
    auto* cmdStampa = new QPushButton(QStringLiteral("Stampa la sc&heda"), this);
    cmdStampa->setObjectName(QStringLiteral("cmdStampaAlunno"));
    auto* cmdEsporta = new QPushButton(QStringLiteral("Es&porta in CSV..."), this);
    cmdEsporta->setObjectName(QStringLiteral("cmdEsportaAlunno"));
    riga->addWidget(etichetta);
    riga->addWidget(cboAlunno);
    riga->addStretch(1);
    riga->addWidget(cmdStampa);
    riga->addWidget(cmdEsporta);
    colonna->addLayout(riga);

    auto* divide = new QSplitter(Qt::Vertical, this);
    divide->setObjectName(QStringLiteral("splAlunno"));
    tabSerie = new QTableWidget(0, 9, divide);
    tabSerie->setObjectName(QStringLiteral("tabSerie"));
    tabSerie->setAccessibleName(QStringLiteral("Le serie dell'alunno"));
    tabSerie->setHorizontalHeaderLabels({QStringLiteral("Data"), QStringLiteral("Operazione"),
                                         QStringLiteral("Obiettivo"), QStringLiteral("Livello"),
                                         QStringLiteral("Esatte"), QStringLiteral("Errate"), QStringLiteral("Tempo"),
                                         QStringLiteral("Voto"), QStringLiteral("Finita")});
    tabSerie->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabSerie->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabSerie->setSelectionMode(QAbstractItemView::SingleSelection);
    tabSerie->setTabKeyNavigation(false);
    tabSerie->verticalHeader()->setVisible(false);
    tabSerie->verticalHeader()->setDefaultSectionSize(tabSerie->fontMetrics().height() + 6);
    tabSerie->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* sotto = new QSplitter(Qt::Horizontal, divide);
    sotto->setObjectName(QStringLiteral("splRigheGrafico"));
    lstRighe = new QListWidget(sotto);
    lstRighe->setObjectName(QStringLiteral("lstRighe"));
    lstRighe->setAccessibleName(QStringLiteral("Le operazioni della serie scelta"));
    QFont fisso = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fisso.setPointSizeF(fisso.pointSizeF() * 0.9);
    lstRighe->setFont(fisso);

    auto* contenitore = new QWidget(sotto);
    contenitore->setObjectName(QStringLiteral("fraGrafico"));
    spazioGrafico = new QVBoxLayout(contenitore);
    spazioGrafico->setContentsMargins(0, 0, 0, 0);
    // The runs above, and room enough below for a run's lines beside the chart.
    divide->setSizes({150, 330});
    sotto->setSizes({390, 370});
    colonna->addWidget(divide, 1);

    connect(cboAlunno, &QComboBox::currentIndexChanged, this, [this] { riempiStoria(); });
    connect(tabSerie, &QTableWidget::currentCellChanged, this, [this](int attuale) { mostraRighe(attuale); });
    connect(cmdStampa, &QPushButton::clicked, this, [this] {
        if (alunnoScelto())
            finestra.stampaAlunno(cboAlunno->currentText(), storia);
    });
    connect(cmdEsporta, &QPushButton::clicked, this, [this] {
        if (const std::optional<IdAlunno> a = alunnoScelto())
            finestra.esporta(AmbitoEsportazione::Alunno, *a, cboAlunno->currentText());
    });
}

PaginaAlunno::~PaginaAlunno() = default;

void PaginaAlunno::mostraClasse(std::optional<IdClasse> classe)
{
    const std::optional<IdAlunno> prima = alunnoScelto();
    {
        const QSignalBlocker blocco(cboAlunno);
        cboAlunno->clear();
        if (classe) {
            for (const AlunnoRegistro& a : registro.alunni(*classe)) {
                cboAlunno->addItem(a.nome, a.id);
                if (prima == a.id)
                    cboAlunno->setCurrentIndex(cboAlunno->count() - 1);
            }
        }
    }
    riempiStoria();
}

void PaginaAlunno::mostraAlunno(IdAlunno alunno)
{
    const int dove = cboAlunno->findData(alunno);
    if (dove >= 0 && dove != cboAlunno->currentIndex())
        cboAlunno->setCurrentIndex(dove);
    else
        riempiStoria();
    tabSerie->setFocus();
}

std::optional<IdAlunno> PaginaAlunno::alunnoScelto() const
{
    if (cboAlunno->currentIndex() < 0)
        return std::nullopt;
    return cboAlunno->currentData().toLongLong();
}

void PaginaAlunno::riempiStoria()
{
    const std::optional<IdAlunno> alunno = alunnoScelto();
    storia = alunno ? registro.storia(*alunno) : QList<SerieRegistrata>();
    const QSignalBlocker blocco(tabSerie);
    tabSerie->setRowCount(int(storia.size()));
    for (int r = 0; r < storia.size(); ++r) {
        const SerieRegistrata& s = storia[r];
        const QString celle[] = {testoData(s.inizio), nomeOperazione(s.tipoOperazione), QString::number(s.obiettivo),
                                 nomeLivello(s.livello), QString::number(s.esatte), QString::number(s.errate),
                                 testoTempo(s.secondiTotali), testoVoto(s),
                                 testoFinita(s, finestra.oggi())};
        for (int c = 0; c < 9; ++c)
            tabSerie->setItem(r, c, new QTableWidgetItem(celle[c]));
        // The objective's number as the start window shows it, its name on demand.
        tabSerie->item(r, 2)->setToolTip(nomeObiettivo(s.obiettivo));
        tabSerie->item(r, 2)->setData(Qt::AccessibleTextRole, nomeObiettivo(s.obiettivo));
    }
    lstRighe->clear();
    // The latest run first in sight: the one the teacher most often wants.
    if (!storia.isEmpty()) {
        tabSerie->setCurrentCell(int(storia.size()) - 1, 0);
        mostraRighe(int(storia.size()) - 1);
    }
    mostraAndamento(alunno ? registro.andamento(*alunno) : QList<PuntoAndamento>());
}

void PaginaAlunno::mostraRighe(int riga)
{
    lstRighe->clear();
    if (riga >= 0 && riga < storia.size())
        lstRighe->addItems(registro.righeSerie(storia[riga].id));
}

void PaginaAlunno::mostraAndamento(const QList<PuntoAndamento>& punti)
{
    if (!moduloCercato) {
        moduloCercato = true;
        if (auto crea = reinterpret_cast<CreaModuloGrafico>(
                funzioneDelModulo(QStringLiteral("libope-grafico"), nomeCreaModuloGrafico)))
            modulo.reset(crea());
        if (modulo) {
            grafico = modulo->creaGrafico(spazioGrafico->parentWidget());
        } else {
            auto* manca = new QLabel(QStringLiteral("Il grafico non è disponibile: manca il modulo libope-grafico."),
                                     spazioGrafico->parentWidget());
            manca->setObjectName(QStringLiteral("lblSenzaGrafico"));
            grafico = manca;
        }
        spazioGrafico->addWidget(grafico);
    }
    if (modulo)
        modulo->mostra(grafico, punti);
}

} // namespace ope
