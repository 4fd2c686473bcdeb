// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Qt's own buttons and dialogs speak Italian like the rest of the program.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traduzioneQt);

    ope::Programma programma;
    programma.avvia();
    return app.exec();
}
