// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/invio.h"
#include "print/pagina.h"
#include "print/servizio.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace ope {

// The print preview: the page as wide as the window, then where the output
// goes (the default printer and what holds it up, or a PDF file when no
// printer is installed or the print service does not answer) and the button,
// with its caption and the keyboard's Enter, that prints or saves.
class Anteprima : public QDialog {
    Q_OBJECT
public:
    struct Destinazioni {
        QStringList stampanti;   // the installed printers; none: only a PDF file
        QString predefinita;
        bool servizioRisponde = true;   // false: only a PDF file, whatever is installed
        // Whether a printer takes jobs now; unset, every printer does.
        std::function<servizio::Stato(const QString& stampante)> stato;
        // The PDF file's name, proposed one given; empty when the user gives none.
        std::function<QString(QWidget* sopra, const QString& proposto)> chiediFile;
        // The print dialog on the printer; false when the user gives up.
        std::function<bool(QWidget* sopra, QPrinter& stampante)> chiediStampante;
    };
    // What this computer has, asked with the toolkit's own dialogs.
    static Destinazioni destinazioniInstallate();

    Anteprima(QPrinter& stampante, const Pagina& pagina, Destinazioni destinazioni, QWidget* genitore = nullptr);

    // How sending the page went; sent, when it was not sent at all.
    const Invio& esito() const { return inviata; }

    QPrintPreviewWidget* vista() const { return anteprima; }
    QPushButton* pulsanteStampa() const { return stampa; }
    QLabel* destinazione() const { return dove; }

private:
    bool soloPdf() const;
    QString testoDestinazione() const;
    void stampaOSalva();

    QPrinter& stampante;
    Pagina pagina;
    Destinazioni destinazioni;
    Invio inviata;
    QPrintPreviewWidget* anteprima;
    QLabel* dove;
    QPushButton* stampa;
};

} // namespace ope
