// SPDX-License-Identifier: GPL-3.0-or-later
#include "scatti.h"

#include "print/anteprima.h"
#include "programma.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace ope::scatti {

namespace {

void premi(QWidget* finestra, const char* nome)
{
    if (QWidget* w = finestra ? finestra->findChild<QWidget*>(QString::fromLatin1(nome)) : nullptr) {
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
    }
}

// The whole screen: the desktop, then each window in its frame, the lowest first.
QImage schermata(std::initializer_list<QWidget*> finestre)
{
    const QRect schermo = QApplication::primaryScreen()->geometry();
    QImage immagine(schermo.size(), QImage::Format_RGB32);
    immagine.fill(QColor(40, 60, 80));
    QPainter p(&immagine);
    QApplication::processEvents();
    for (QWidget* f : finestre) {
        if (!f || !f->isVisible())
            continue;
        p.fillRect(f->frameGeometry().translated(-schermo.topLeft()), QColor(150, 150, 150));
        p.drawImage(f->geometry().topLeft() - schermo.topLeft(), f->grab().toImage());
    }
    return immagine;
}

} // namespace

void scattiSchermo(Scatti& s, bool ingrandite)
{
    const QSize misura = QApplication::primaryScreen()->size();
    const QString prefisso = QStringLiteral("schermo-%1x%2-").arg(misura.width()).arg(misura.height());
    auto mostra = [ingrandite](QWidget* f) {
        if (f && ingrandite)
            f->showMaximized();
        QApplication::processEvents();
    };

    Programma programma(s.ambiente());
    programma.avvia();
    QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));
    if (auto* tendine = inizio->findChild<QTimer*>(QStringLiteral("TimerTendine")))
        (void)QTest::qWaitFor([tendine] { return !tendine->isActive(); }, 5000);
    mostra(inizio);
    premi(inizio, "Option1(2)");
    premi(inizio, "Option2(3)");
    s.salva(schermata({inizio}), prefisso + QStringLiteral("1-inizio"));

    premi(inizio, "Option3(0)");
    QWidget* operativo = programma.finestra(QStringLiteral("FrmOperativo"));
    mostra(operativo);
    premi(operativo, "Option1(1)");
    s.salva(schermata({inizio, operativo}), prefisso + QStringLiteral("2-operativo"));

    riempiSerie(programma, s.ora);
    programma.apriStampaEsercizio();
    QWidget* stampa = programma.finestra(QStringLiteral("FrmStampaEsercizio"));
    mostra(stampa);
    s.salva(schermata({inizio, operativo, stampa}), prefisso + QStringLiteral("3-stampa"));
    premi(stampa, "Option1(1)");
    QTest::keyClicks(stampa->findChild<QWidget*>(QStringLiteral("txtNome")), QStringLiteral("Mario Rossi"));
    s.salva(schermata({inizio, operativo, stampa}), prefisso + QStringLiteral("4-nome"));

    // The preview of the page "STAMPA" sends, on a computer with no printer.
    QTest::mouseClick(stampa->findChild<QWidget*>(QStringLiteral("cmdAvanti")), Qt::LeftButton);
    premi(stampa, "Option1(2)");
    if (s.pagine.empty())
        return;
    QPrinter stampante(QPrinter::HighResolution);
    Anteprima::Destinazioni nessuna;
    Anteprima anteprima(stampante, s.pagine.back(), nessuna, stampa);
    anteprima.show();
    QApplication::processEvents();
    s.salva(schermata({inizio, operativo, stampa, &anteprima}), prefisso + QStringLiteral("5-anteprima"));
}

} // namespace ope::scatti
