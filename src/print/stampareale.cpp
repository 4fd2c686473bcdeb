// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/stampareale.h"

#include "print/anteprima.h"
#include "print/disegnopagina.h"
#include "print/servizio.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace ope {

bool stampaSu(QPrinter& stampante, const Pagina& pagina)
{
    stampante.setDocName(pagina.titolo);
    QPainter pittore;
    if (!pittore.begin(&stampante))
        return false;
    disegnaPagina(pittore, pagina, stampante.resolution());
    const bool chiusa = pittore.end();
    return chiusa && stampante.printerState() != QPrinter::Error;
}

namespace {

QPrinter& foglioA4(QPrinter& stampante)
{
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setPageOrientation(QPageLayout::Portrait);
    stampante.setFullPage(false);
    return stampante;
}

// Written beside the file and renamed over it, so that a write cut short
// leaves whatever was there before; errno tells a full disk (or a size
// limit, which the user meets the same way) from a place that is closed.
Invio::Esito scriviFile(const QString& percorso, const QByteArray& dati)
{
    const QByteArray nome = QFile::encodeName(percorso);
    QByteArray provvisorio;
    int fd = -1;
    for (int prova = 0; fd < 0 && prova < 10; ++prova) {
        provvisorio = nome + ".parziale-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        fd = ::open(provvisorio.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return errno == ENOSPC || errno == EDQUOT ? Invio::Esito::discoPieno : Invio::Esito::nonScrivibile;
    int errore = 0;
    for (qsizetype scritti = 0; scritti < dati.size() && !errore;) {
        const ssize_t n = ::write(fd, dati.constData() + scritti, std::size_t(dati.size() - scritti));
        if (n > 0)
            scritti += n;
        else if (n < 0 && errno != EINTR)
            errore = errno;
    }
    if (!errore && ::fsync(fd) != 0)
        errore = errno;
    if (::close(fd) != 0 && !errore)
        errore = errno;
    if (!errore && ::rename(provvisorio.constData(), nome.constData()) != 0)
        errore = errno;
    if (!errore)
        return Invio::Esito::inviata;
    ::unlink(provvisorio.constData());
    const bool spazio = errore == ENOSPC || errore == EFBIG || errore == EDQUOT;
    return spazio ? Invio::Esito::discoPieno : Invio::Esito::nonScrivibile;
}

// Whether the printer takes a job now: asked before sending, so that nothing
// is left waiting in a queue that nobody will look at.
Invio prontaPerStampare(const QString& nome)
{
    switch (servizio::stato(nome)) {
    case servizio::Stato::pronta:
        return {Invio::Esito::inviata, nome};
    case servizio::Stato::inPausa:
        return {Invio::Esito::inPausa, nome};
    case servizio::Stato::nonAccetta:
        return {Invio::Esito::nonAccetta, nome};
    case servizio::Stato::nonTrovata:
        return {Invio::Esito::nonTrovata, nome};
    case servizio::Stato::servizioAssente:
        break;
    }
    return {Invio::Esito::servizioAssente, nome};
}

} // namespace

Invio salvaInPdf(const Pagina& pagina, const QString& file, const QPageLayout& foglio, int dpi)
{
    QByteArray pdf;
    {
        QBuffer memoria(&pdf);
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter scrittore(&memoria);
        scrittore.setTitle(pagina.titolo);
        scrittore.setCreator(QCoreApplication::applicationName());
        scrittore.setResolution(dpi);
        scrittore.setPageLayout(foglio);
        QPainter pittore(&scrittore);
        disegnaPagina(pittore, pagina, dpi);
    }
    const QString nome = QFileInfo(file).fileName();
    if (pdf.isEmpty())
        return {Invio::Esito::guasto, nome};
    return {scriviFile(file, pdf), nome};
}

Invio invia(QPrinter& stampante, const Pagina& pagina)
{
    if (stampante.outputFormat() == QPrinter::PdfFormat && !stampante.outputFileName().isEmpty())
        return salvaInPdf(pagina, stampante.outputFileName(), stampante.pageLayout(), stampante.resolution());

    const QString nome = stampante.printerName();
    if (const Invio prima = prontaPerStampare(nome); !prima)
        return prima;
    const int lavoriPrima = servizio::ultimoLavoro(nome);
    if (!stampaSu(stampante, pagina))
        return {Invio::Esito::guasto, nome};
    // Qt hands the job over without looking at the answer: ask for it by name.
    if (!servizio::lavoroAccolto(nome, lavoriPrima, pagina.titolo))
        return {servizio::risponde() ? Invio::Esito::rifiutata : Invio::Esito::servizioAssente, nome};
    return {Invio::Esito::inviata, nome};
}

Invio inviaAllaStampante(const Pagina& pagina, const QString& nomeStampante)
{
    // Qt turns a printer it cannot find into a PDF file: ask the service first.
    if (const Invio prima = prontaPerStampare(nomeStampante); !prima)
        return prima;
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPrinterName(nomeStampante);
    return invia(foglioA4(stampante), pagina);
}

Invio stampaConAnteprima(const Pagina& pagina)
{
    QPrinter stampante(QPrinter::HighResolution);
    // Over the window whose button asked for the page.
    Anteprima anteprima(foglioA4(stampante), pagina, Anteprima::destinazioniInstallate(), QApplication::activeWindow());
    if (anteprima.exec() != QDialog::Accepted)
        return {};
    return anteprima.esito();
}

namespace {

// The family the font configuration really uses for a name, or empty.
QString famigliaRisolta(const QString& nome)
{
    QFont f(nome);
    f.setStyleHint(QFont::TypeWriter);
    return QFontInfo(f).family();
}

bool compatibile(const QString& nome, const QStringList& facce)
{
    const QString usata = famigliaRisolta(nome);
    return usata == nome || facce.contains(usata, Qt::CaseInsensitive);
}

} // namespace

QStringList fontDisponibiliPerStampa()
{
    QStringList font = QFontDatabase::families();
    const struct {
        QString nome;
        QStringList facce;
    } alias[] = {
        {QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")}},
        {QStringLiteral("Courier"), {QStringLiteral("Nimbus Mono PS"), QStringLiteral("TeX Gyre Cursor")}},
    };
    for (const auto& a : alias) {
        if (!font.contains(a.nome) && compatibile(a.nome, a.facce))
            font << a.nome;
    }
    return font;
}

} // namespace ope
