// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/finestrainfo.h"

#include "ui/controlli.h"
#include "ui/twips.h"

#include <QPushButton>

namespace ope {

FinestraInfo::FinestraInfo(const QString& nome, const QString& titolo, double larghezzaTwips,
                           double altezzaTwips, const QColor& sfondo)
    : Finestra(nome, larghezzaTwips, altezzaTwips)
{
    setWindowTitle(titolo);
    setFixedSize(dimensioneProgetto());
    impostaSfondo(area(), sfondo);
}

QPushButton* FinestraInfo::creaChiudi(double left, double top, double width, double height, const QColor& sfondo)
{
    auto* chiudi = new QPushButton(QStringLiteral("C h i u d i"), area());
    chiudi->setObjectName(QStringLiteral("Command1"));
    chiudi->setGeometry(rettangolo(left, top, width, height));
    chiudi->setFont(carattere(QStringLiteral("Arial"), 12));
    chiudi->setAutoDefault(false);
    impostaSfondo(chiudi, sfondo);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
    return chiudi;
}

} // namespace ope
