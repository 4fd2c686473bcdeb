// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "register/registro.h"
#include "ui/stile.h"

#include "prova.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QProxyStyle>
#include <QSet>
#include <QTest>

using namespace ope;

namespace {

// The files this process has mapped whose path contains `parte`.
QSet<QString> fileMappati(const QString& parte)
{
    QFile mappe(QStringLiteral("/proc/self/maps"));
    QSet<QString> trovati;
    if (!mappe.open(QIODevice::ReadOnly))
        return trovati;
    for (const QByteArray& riga : mappe.readAll().split('\n')) {
        const int inizio = riga.indexOf('/');
        const QString percorso = inizio < 0 ? QString() : QString::fromLocal8Bit(riga.mid(inizio));
        if (percorso.contains(parte))
            trovati.insert(percorso);
    }
    return trovati;
}

QSet<QString> fileDiCaratteri()
{
    QSet<QString> caratteri;
    for (const char* estensione : {".ttf", ".otf", ".pfb", ".ttc"})
        caratteri.unite(fileMappati(QString::fromLatin1(estensione)));
    return caratteri;
}

QImage disegna(QWidget& w)
{
    w.resize(240, 120);
    return w.grab().toImage();
}

} // namespace

// What the program's style spares a run: picture files read through the image
// plugins, and font files nobody asked for.
class TestStile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void unaCorsaNonLeggeImmaginiEUsaUnSoloCarattere_data();
    void unaCorsaNonLeggeImmaginiEUsaUnSoloCarattere();
    void laCorniceHaIlBordoSottoIlTitolo();
    void ilMenuHaLaSuaFreccia();
    // Last: it reads Fusion's own picture and so wakes the plugins for good.
    void senzaLoStileLaCorniceLeggeUnImmagine();

private:
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
};

void TestStile::initTestCase()
{
    preparaApplicazione(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    QVERIFY(qobject_cast<Stile*>(QApplication::style()));
    QVERIFY(fileMappati(QStringLiteral("/imageformats/")).isEmpty());
}

void TestStile::unaCorsaNonLeggeImmaginiEUsaUnSoloCarattere_data()
{
    QTest::addColumn<bool>("conClasse");
    // In this order: a font file once mapped stays mapped.
    QTest::newRow("no class: the start window first") << false;
    QTest::newRow("a class: \"Chi sei?\" before the run") << true;
}

// Painted on screen as a pupil sees them (a grab would also lay out the
// hidden menus, which a run never does).
void TestStile::unaCorsaNonLeggeImmaginiEUsaUnSoloCarattere()
{
    QFETCH(bool, conClasse);
    piattaforma.registro = cartella.percorso() + QStringLiteral("/registro.sqlite");
    Programma programma(piattaforma.ambiente());
    if (conClasse) {
        Registro* registro = programma.registro();
        const IdAlunno maria = registro->aggiungiAlunno(registro->aggiungiClasse(QStringLiteral("2ª B")).value(),
                                                        QStringLiteral("Maria")).value();
        programma.avvia();
        QWidget* chiSei = programma.finestra(QStringLiteral("FrmChiSei"));
        QVERIFY(chiSei);
        QVERIFY(QTest::qWaitForWindowExposed(chiSei));
        prova::premi(chiSei, QStringLiteral("cmdAlunno(%1)").arg(maria));
    } else {
        programma.avvia();
    }
    QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));
    QVERIFY(inizio);
    QVERIFY(QTest::qWaitForWindowExposed(inizio));
    prova::premi(inizio, QStringLiteral("Option1(1)"));
    prova::premi(inizio, QStringLiteral("Option2(3)"));
    prova::premi(inizio, QStringLiteral("Option3(0)"));
    QWidget* esercizio = programma.finestra(QStringLiteral("FrmOperativo"));
    QVERIFY(esercizio);
    QVERIFY(QTest::qWaitForWindowExposed(esercizio));
    prova::premi(esercizio, QStringLiteral("Option1(1)"));
    prova::premi(esercizio, QStringLiteral("Option1(11)"));   // "Verifica": a verdict and a panel appear
    QCoreApplication::processEvents();

    QCOMPARE(fileMappati(QStringLiteral("/imageformats/")), QSet<QString>());
    // Every window writes in bold Arial only: one face, whatever the machine maps it to.
    QCOMPARE(fileDiCaratteri().size(), 1);
}

void TestStile::laCorniceHaIlBordoSottoIlTitolo()
{
    QGroupBox cornice(QStringLiteral("LIVELLI"));
    const QImage immagine = disegna(cornice);
    const QColor sfondo = cornice.palette().color(QPalette::Window);
    const int mezzo = immagine.height() / 2;
    QVERIFY(immagine.pixelColor(0, mezzo) != sfondo);              // left edge
    QVERIFY(immagine.pixelColor(immagine.width() - 1, mezzo) != sfondo);   // right edge
    QCOMPARE(immagine.pixelColor(immagine.width() / 2, mezzo), sfondo);    // inside stays clear
    QCOMPARE(immagine.pixelColor(immagine.width() - 1, 1), sfondo);        // above the border: the title's band
    QVERIFY(immagine.pixelColor(immagine.width() / 2, immagine.height() - 1) != sfondo);   // bottom edge
}

void TestStile::ilMenuHaLaSuaFreccia()
{
    const QImage freccia = QApplication::style()
                               ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                               .pixmap(16, 16)
                               .toImage();
    QVERIFY(!freccia.isNull());
    int tracciati = 0;
    for (int y = 0; y < freccia.height(); ++y)
        for (int x = 0; x < freccia.width(); ++x)
            tracciati += qAlpha(freccia.pixel(x, y)) > 128;
    QVERIFY(tracciati > 10);
    QVERIFY(tracciati < 16 * 16 / 2);
    QCOMPARE(fileMappati(QStringLiteral("/imageformats/")), QSet<QString>());
}

void TestStile::senzaLoStileLaCorniceLeggeUnImmagine()
{
    // The probe itself: Fusion alone does read a picture for the same frame.
    QProxyStyle fusion(QStringLiteral("Fusion"));
    QGroupBox cornice(QStringLiteral("LIVELLI"));
    cornice.setStyle(&fusion);
    disegna(cornice);
    QVERIFY(!fileMappati(QStringLiteral("/imageformats/")).isEmpty());
}

QTEST_MAIN(TestStile)
#include "tst_stile.moc"
