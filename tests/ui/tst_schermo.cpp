// SPDX-License-Identifier: GPL-3.0-or-later
// Windows on a netbook's screen of 1024 x 600, and secondary windows over the
// window that opens them.
#include "programma.h"
#include "prova.h"
#include "ui/finestra.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <QWindow>

using namespace ope;

namespace {

QWidget* apriEsercizio(Programma& programma)
{
    programma.avvia();
    QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));
    prova::premi(inizio, QStringLiteral("Option1(0)"));
    prova::premi(inizio, QStringLiteral("Option2(0)"));
    prova::premi(inizio, QStringLiteral("Option3(0)"));
    return programma.finestra(QStringLiteral("FrmOperativo"));
}

// The first shown control of the window that stands out of its client area.
QString controlloFuori(const Finestra* f)
{
    for (const QWidget* c : f->area()->findChildren<QWidget*>()) {
        const QRect posto(c->mapTo(f->area(), QPoint(0, 0)), c->size());
        if (c->isVisibleTo(f) && !posto.isEmpty() && !f->area()->rect().contains(posto))
            return c->objectName();
    }
    return {};
}

// On each axis the centres meet, unless that would put the window off the
// screen: it then stands against the edge it would cross.
bool centrataSu(const QRect& figlia, const QRect& genitore, const QRect& schermo)
{
    QRect centrata(QPoint(), figlia.size());
    centrata.moveCenter(genitore.center());
    auto asse = [](int inizio, int atteso, int lato, int primo, int ultimo) {
        if (atteso >= primo && atteso + lato - 1 <= ultimo)
            return std::abs(inizio - atteso) <= 1;
        return inizio == primo || inizio + lato - 1 == ultimo;
    };
    return asse(figlia.left(), centrata.left(), figlia.width(), schermo.left(), schermo.right())
           && asse(figlia.top(), centrata.top(), figlia.height(), schermo.top(), schermo.bottom());
}

} // namespace

class TestSchermo : public QObject {
    Q_OBJECT
private slots:
    void dimensioneSulloSchermo_data();
    void dimensioneSulloSchermo();
    void finestreSulNetbook();
};

void TestSchermo::dimensioneSulloSchermo_data()
{
    QTest::addColumn<QSize>("disponibile");
    QTest::addColumn<QSize>("attesa");
    // A design client area of 794 x 580 with a menu bar of 20 and a frame of 4 + 30 + 4 + 4.
    QTest::newRow("grande: come progettata") << QSize(1920, 1040) << QSize(794, 580);
    QTest::newRow("esatta: come progettata") << QSize(802, 634) << QSize(794, 580);
    QTest::newRow("netbook: bassa") << QSize(1024, 570) << QSize(706, 516);
    QTest::newRow("stretta") << QSize(405, 1000) << QSize(397, 290);
}

void TestSchermo::dimensioneSulloSchermo()
{
    QFETCH(QSize, disponibile);
    QFETCH(QSize, attesa);
    const QSize dentro = ope::dimensioneSulloSchermo(QSize(794, 580), 20, QMargins(4, 30, 4, 4), disponibile);
    QCOMPARE(dentro, attesa);
    QVERIFY(dentro.width() + 8 <= disponibile.width());
    QVERIFY(dentro.height() + 20 + 34 <= disponibile.height());
}

void TestSchermo::finestreSulNetbook()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    auto* esercizio = static_cast<Finestra*>(apriEsercizio(programma));
    QVERIFY(esercizio);
    const QRect schermo = esercizio->screen()->availableGeometry();
    QCOMPARE(schermo.size(), QSize(1024, 600));
    // The exercise window is taller than the screen as designed: it opens smaller, text included.
    QVERIFY(esercizio->area()->height() < esercizio->dimensioneProgetto().height());
    QVERIFY(prova::controllo(esercizio, "Option1(13)")->font().pointSizeF() < 12);

    // Each secondary window over the one that opens it.
    auto stampa = [&] { return programma.finestra(QStringLiteral("FrmStampaEsercizio")); };
    const struct {
        std::function<void()> apri;
        const char* nome;
        const char* sotto;
    } finestre[] = {
        {[&] { programma.apriStampaEsercizio(); }, "FrmStampaEsercizio", "FrmOperativo"},
        {[&] { prova::premi(stampa(), QStringLiteral("Option1(3)")); }, "FrmAttestato", "FrmStampaEsercizio"},
        {[&] { programma.apriStampaSchede(); }, "FrmStampaSchede", "frmInizio"},
        {[&] { programma.apriValutazione(); }, "FrmValutazione", "frmInizio"},
        {[&] { programma.apriOperazioni(); }, "frmOperazioni", "frmInizio"},
        {[&] { programma.apriEsempi(); }, "frmEsempi", "frmInizio"},
        {[&] { programma.apriAutore(); }, "frmAutore", "frmInizio"},
    };
    for (const auto& d : finestre) {
        d.apri();
        auto* f = static_cast<Finestra*>(programma.finestra(QString::fromLatin1(d.nome)));
        QWidget* sotto = programma.finestra(QString::fromLatin1(d.sotto));
        QVERIFY2(f && sotto && QTest::qWaitForWindowExposed(f), d.nome);
        QCOMPARE(f->windowHandle()->transientParent(), sotto->windowHandle());
        QVERIFY2(centrataSu(f->frameGeometry(), sotto->frameGeometry(), schermo), d.nome);
        QVERIFY2(schermo.contains(f->frameGeometry()), d.nome);
        QVERIFY2(controlloFuori(f).isEmpty(), qPrintable(controlloFuori(f)));
        if (f->isModal())
            f->close();   // the next one opens from the start window
    }
    for (QWidget* f : {static_cast<QWidget*>(esercizio), programma.finestra(QStringLiteral("frmInizio"))})
        QVERIFY(schermo.contains(f->frameGeometry()));
}

int main(int argc, char* argv[])
{
    // A netbook's screen; the platform reads it before the application starts.
    QTemporaryDir cartella;
    const QString configurazione = cartella.filePath(QStringLiteral("schermo.json"));
    QFile file(configurazione);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "netbook", "x": 0, "y": 0, "width": 1024, "height": 600}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configurazione.toLocal8Bit());
    QApplication app(argc, argv);
    TestSchermo prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_schermo.moc"
