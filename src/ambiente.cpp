// SPDX-License-Identifier: GPL-3.0-or-later
#include "ambiente.h"

#include "print/stampareale.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTime>

namespace ope {

Ambiente completaAmbiente(Ambiente a)
{
    if (!a.orologio)
        a.orologio = [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; };
    if (a.nomeEseguibile.isEmpty())
        a.nomeEseguibile = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (!a.fontStampante)
        a.fontStampante = fontDisponibiliPerStampa;
    if (!a.stampa)
        a.stampa = stampaConAnteprima;
    if (!a.avviso)
        a.avviso = [](const QString& testo) {
            QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), testo,
                            QMessageBox::Ok);
            box.exec();
        };
    if (!a.dataBreve)
        a.dataBreve = [] { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); };
    return a;
}

} // namespace ope
