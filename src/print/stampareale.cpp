// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/stampareale.h"

#include "print/disegnopagina.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ope {

bool stampaSu(QPrinter& stampante, const Pagina& pagina)
{
    QPainter pittore;
    if (!pittore.begin(&stampante))
        return false;
    disegnaPagina(pittore, pagina, stampante.resolution());
    const bool chiusa = pittore.end();
    return chiusa && stampante.printerState() != QPrinter::Error;
}

bool stampaConAnteprima(const Pagina& pagina)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setPageOrientation(QPageLayout::Portrait);
    stampante.setFullPage(false);

    QPrintPreviewDialog anteprima(&stampante);
    anteprima.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    bool riuscita = true;
    // The preview and the real print are painted by the same call, so what is
    // seen is what is printed; only the last painting (the real one) decides.
    QObject::connect(&anteprima, &QPrintPreviewDialog::paintRequested, &anteprima,
                     [&](QPrinter* p) { riuscita = stampaSu(*p, pagina); });
    if (anteprima.exec() != QDialog::Accepted)
        return true;
    return riuscita;
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
