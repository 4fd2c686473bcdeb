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
#include <QWindow>
#include <functional>

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

// Every shown control of the window lies inside its client area.
QString controlloFuori(const Finestra* f)
{
    const QRect area = f->area()->rect();
    for (const QWidget* c : f->area()->findChildren<QWidget*>()) {
        const QRect posto(c->mapTo(f->area(), QPoint(0, 0)), c->size());
        if (c->isVisibleTo(f) && !posto.isEmpty() && !area.contains(posto))
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
    void posizioneCentrata_data();
    void posizioneCentrata();
    void finestreEntranoNelloSchermo();
    void secondarieSopraChiLeApre();
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

void TestSchermo::posizioneCentrata_data()
{
    QTest::addColumn<QRect>("genitore");
    QTest::addColumn<QPoint>("attesa");
    // A 400 x 300 frame on a screen of 1024 x 600.
    QTest::newRow("nel mezzo") << QRect(100, 50, 800, 500) << QPoint(300, 150);
    QTest::newRow("genitore sul bordo destro") << QRect(800, 100, 400, 300) << QPoint(624, 100);
    QTest::newRow("genitore in alto a sinistra fuori") << QRect(-300, -200, 400, 300) << QPoint(0, 0);
}

void TestSchermo::posizioneCentrata()
{
    QFETCH(QRect, genitore);
    QFETCH(QPoint, attesa);
    QCOMPARE(ope::posizioneCentrata(QSize(400, 300), genitore, QRect(0, 0, 1024, 600)), attesa);
    // Larger than the screen: its top-left corner, so the title bar stays in reach.
    QCOMPARE(ope::posizioneCentrata(QSize(1100, 700), genitore, QRect(0, 0, 1024, 600)), QPoint(0, 0));
}

void TestSchermo::finestreEntranoNelloSchermo()
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
    auto* esco = prova::controllo<QWidget>(esercizio, QStringLiteral("Option1(13)"));
    QVERIFY(esco->font().pointSizeF() < 12);

    programma.apriStampaEsercizio();
    programma.apriAttestato();
    programma.apriStampaSchede();
    for (const char* nome : {"frmInizio", "FrmOperativo", "FrmStampaEsercizio", "FrmAttestato", "FrmStampaSchede"}) {
        auto* f = static_cast<Finestra*>(programma.finestra(QString::fromLatin1(nome)));
        QVERIFY2(f, nome);
        QVERIFY2(schermo.contains(f->frameGeometry()), nome);
        QVERIFY2(controlloFuori(f).isEmpty(), qPrintable(controlloFuori(f)));
    }
}

void TestSchermo::secondarieSopraChiLeApre()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    QVERIFY(apriEsercizio(programma));
    const struct {
        std::function<void()> apri;
        const char* nome;
        const char* sotto;
    } secondarie[] = {
        {[&] { programma.apriStampaEsercizio(); }, "FrmStampaEsercizio", "FrmOperativo"},
        {[&] { programma.apriAttestato(); }, "FrmAttestato", "FrmStampaEsercizio"},
        {[&] { programma.apriStampaSchede(); }, "FrmStampaSchede", "frmInizio"},
        {[&] { programma.apriValutazione(); }, "FrmValutazione", "frmInizio"},
        {[&] { programma.apriOperazioni(); }, "frmOperazioni", "frmInizio"},
        {[&] { programma.apriEsempi(); }, "frmEsempi", "frmInizio"},
        {[&] { programma.apriAutore(); }, "frmAutore", "frmInizio"},
    };
    for (const auto& s : secondarie) {
        s.apri();
        QWidget* f = programma.finestra(QString::fromLatin1(s.nome));
        QWidget* sotto = programma.finestra(QString::fromLatin1(s.sotto));
        QVERIFY2(f && sotto, s.nome);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCOMPARE(f->windowHandle()->transientParent(), sotto->windowHandle());
        QVERIFY2(centrataSu(f->frameGeometry(), sotto->frameGeometry(), f->screen()->availableGeometry()), s.nome);
        if (f->isModal())
            f->close();   // the next one opens from the start window
    }
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
