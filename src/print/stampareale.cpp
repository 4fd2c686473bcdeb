// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/stampareale.h"

#include "print/anteprima.h"
#include "print/disegnopagina.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
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

    // Over the window whose button asked for the page.
    Anteprima anteprima(stampante, pagina, Anteprima::destinazioniInstallate(), QApplication::activeWindow());
    if (anteprima.exec() != QDialog::Accepted)
        return true;
    return anteprima.riuscita();
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
