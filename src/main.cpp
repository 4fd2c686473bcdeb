// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ope::preparaApplicazione(app);
    ope::Programma programma;
    programma.avvia();
    return app.exec();
}
