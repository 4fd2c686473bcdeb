// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/anteprima.h"

#include "print/stampareale.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

namespace ope {

Anteprima::Destinazioni Anteprima::destinazioniInstallate()
{
    Destinazioni d;
    d.servizioRisponde = servizio::risponde();
    d.stampanti = QPrinterInfo::availablePrinterNames();
    d.predefinita = QPrinterInfo::defaultPrinterName();
    d.stato = servizio::stato;
    d.chiediFile = [](QWidget* sopra, const QString& proposto) {
        return QFileDialog::getSaveFileName(sopra, QStringLiteral("Salva la stampa in PDF"), proposto,
                                            QStringLiteral("PDF (*.pdf)"));
    };
    d.chiediStampante = [](QWidget* sopra, QPrinter& stampante) {
        QPrintDialog scelta(&stampante, sopra);
        return scelta.exec() == QDialog::Accepted;
    };
    return d;
}

Anteprima::Anteprima(QPrinter& s, const Pagina& p, Destinazioni d, QWidget* genitore)
    : QDialog(genitore), stampante(s), pagina(p), destinazioni(std::move(d))
{
    setObjectName(QStringLiteral("Anteprima"));
    setWindowTitle(QStringLiteral("Anteprima di stampa"));

    anteprima = new QPrintPreviewWidget(&stampante, this);
    // The preview and the real print are painted by the same call, so what is
    // seen is what is printed.
    connect(anteprima, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* su) { stampaSu(*su, pagina); });
    anteprima->fitToWidth();

    auto* zoom = new QHBoxLayout;
    const std::pair<QString, std::function<void()>> comandi[] = {
        {QStringLiteral("Larghezza della pagina"), [this] { anteprima->fitToWidth(); }},
        {QStringLiteral("Pagina intera"), [this] { anteprima->fitInView(); }},
        {QStringLiteral("Ingrandisci"), [this] { anteprima->zoomIn(); }},
        {QStringLiteral("Riduci"), [this] { anteprima->zoomOut(); }},
    };
    for (const auto& [testo, azione] : comandi) {
        auto* b = new QPushButton(testo, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, anteprima, azione);
        zoom->addWidget(b);
    }
    zoom->addStretch();

    dove = new QLabel(testoDestinazione(), this);
    dove->setObjectName(QStringLiteral("lblDestinazione"));
    dove->setWordWrap(true);
    stampa = new QPushButton(soloPdf() ? QStringLiteral("&Salva in PDF...") : QStringLiteral("&Stampa..."), this);
    stampa->setObjectName(QStringLiteral("cmdStampa"));
    stampa->setDefault(true);
    connect(stampa, &QPushButton::clicked, this, &Anteprima::stampaOSalva);
    auto* chiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("cmdChiudi"));
    chiudi->setAutoDefault(false);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* fondo = new QHBoxLayout;
    fondo->addWidget(dove, 1);
    fondo->addWidget(stampa);
    fondo->addWidget(chiudi);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(zoom);
    tutto->addWidget(anteprima, 1);
    tutto->addLayout(fondo);
    setTabOrder(stampa, chiudi);
    stampa->setFocus();

    // Most of the screen it opens on, so that the page's width is readable.
    if (const QScreen* schermo = genitore ? genitore->screen() : screen()) {
        const QRect area = schermo->availableGeometry();
        resize(std::min(area.width() * 9 / 10, 1000), area.height() * 9 / 10);
    }
}

bool Anteprima::soloPdf() const
{
    return !destinazioni.servizioRisponde || destinazioni.stampanti.isEmpty();
}

QString Anteprima::testoDestinazione() const
{
    // Where the page goes is said before it goes there, with what would stop it.
    if (!destinazioni.servizioRisponde)
        return QStringLiteral("Il servizio di stampa non risponde: la pagina può essere salvata in un file PDF, "
                              "di cui ti sarà chiesto il nome.");
    if (destinazioni.stampanti.isEmpty())
        return QStringLiteral("Nessuna stampante installata: la pagina sarà salvata in un file PDF, "
                              "di cui ti sarà chiesto il nome.");
    const QString scelta = destinazioni.stampanti.contains(destinazioni.predefinita) ? destinazioni.predefinita
                                                                                      : destinazioni.stampanti.value(0);
    const QString detta = QStringLiteral("Stampante: %1").arg(scelta);
    switch (destinazioni.stato ? destinazioni.stato(scelta) : servizio::Stato::pronta) {
    case servizio::Stato::inPausa:
        return detta + QStringLiteral(", in pausa: va riattivata prima di stampare, oppure scegline un'altra.");
    case servizio::Stato::nonAccetta:
        return detta + QStringLiteral(", che non accetta stampe: scegline un'altra o salva in PDF.");
    default:
        return detta;
    }
}

void Anteprima::stampaOSalva()
{
    if (soloPdf()) {
        const QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        // The job's name says what the page is, so it names the file too.
        QString nome = pagina.titolo.isEmpty() ? QStringLiteral("stampa") : pagina.titolo;
        nome.replace(QLatin1Char('/'), QLatin1Char('-'));
        const QString file = destinazioni.chiediFile(this, QDir(cartella).filePath(nome + QStringLiteral(".pdf")));
        if (file.isEmpty())
            return;
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(file);
    } else {
        stampante.setOutputFormat(QPrinter::NativeFormat);
        if (!destinazioni.chiediStampante(this, stampante))
            return;
    }
    inviata = invia(stampante, pagina);
    accept();
}

} // namespace ope
