// SPDX-License-Identifier: GPL-3.0-or-later
#include "ambiente.h"

#include "print/stampareale.h"
#include "register/registro.h"
#include "ui/uscitaaudio.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
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
            // Over the window whose button it answers, like every secondary window.
            QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), testo,
                            QMessageBox::Ok, QApplication::activeWindow());
            box.exec();
        };
    if (!a.dataBreve)
        a.dataBreve = [] { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); };
    if (!a.adesso)
        a.adesso = [] { return QDateTime::currentDateTime(); };
    if (!a.fileDaScrivere)
        a.fileDaScrivere = [](const QString& titolo, const QString& proposto) {
            // Among the user's documents, where the PDFs go too, not wherever the program was started.
            const QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            return QFileDialog::getSaveFileName(QApplication::activeWindow(), titolo, QDir(cartella).filePath(proposto),
                                                QStringLiteral("CSV (*.csv);;Tutti i file (*)"));
        };
    if (!a.conferma)
        a.conferma = [](const QString& domanda) {
            QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), domanda,
                            QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
            box.setDefaultButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes;
        };
    if (!a.suona || !a.preparaSuoni || !a.preparaVoce || !a.leggi) {
        // One output for both, started only by the first sound or sentence.
        auto uscita = std::make_shared<UscitaAudio>();
        if (!a.suona)
            a.suona = [uscita](Suono suono) { uscita->suona(suono); };
        if (!a.preparaSuoni)
            a.preparaSuoni = [uscita] { uscita->preparaSuoni(); };
        if (!a.preparaVoce)
            a.preparaVoce = [uscita] { uscita->preparaVoce(); };
        if (!a.leggi)
            a.leggi = [uscita](const QString& frase, bool interrompi) { uscita->leggi(frase, interrompi); };
    }
    const QString nome = a.nomeEseguibile;
    if (!a.preferenza)
        a.preferenza = [nome](const QString& chiave) { return QSettings(QStringLiteral("ope"), nome).value(chiave); };
    if (!a.ricordaPreferenza)
        a.ricordaPreferenza = [nome](const QString& chiave, const QVariant& valore) {
            QSettings(QStringLiteral("ope"), nome).setValue(chiave, valore);
        };
    if (!a.percorsoRegistro)
        a.percorsoRegistro = [preferenza = a.preferenza] {
            const QString scelto = preferenza(QStringLiteral("registro/percorso")).toString();
            return scelto.isEmpty() ? Registro::percorsoPredefinito() : scelto;
        };
    return a;
}

} // namespace ope
