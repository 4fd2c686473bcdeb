// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "reports/attestato.h"
#include "reports/frmattestato.h"
#include "reports/stampaesercizi.h"
#include "prova.h"
#include "serieprova.h"
#include "print/stampante.h"
#include "ui/messaggi.h"

#include <QAbstractButton>
#include <QTest>

using namespace ope;

namespace {

// The certificate of a run of `richieste` operations, `esatte` of them right,
// opened from its printout.
FrmAttestato* apri(Programma& programma, prova::Piattaforma& piattaforma, int esatte, int richieste,
                   const QString& nome = {})
{
    Sessione& s = programma.sessione();
    s.alunno.nomeAlunno = nome;
    s.scelte.nomeProgramma = QStringLiteral("Sottrazioni");
    s.scelte.maxCifre = 2;
    prova::esegui(*programma.nuovaSerie(), piattaforma.ora, prova::passiCon(esatte, richieste));
    programma.apriStampaEsercizio();
    prova::premi(programma.finestra(QStringLiteral("FrmStampaEsercizio")), QStringLiteral("Option1(3)"));
    return static_cast<FrmAttestato*>(programma.finestra(QStringLiteral("FrmAttestato")));
}

QAbstractButton* pulsante(QWidget* f, int i)
{
    return prova::controllo<QAbstractButton>(f, QStringLiteral("Option5(%1)").arg(i));
}

} // namespace

class TestFrmAttestato : public QObject {
    Q_OBJECT
private slots:
    void stampabileSeClassificato_data();
    void stampabileSeClassificato();
    void sottoSogliaLoDiceSubito();
    void stampaLImmagine();
    void stampaNonRiuscita();
    void nomeRiscritto();
    void tornaAllaFinestraPrecedente();
    void fineSessione();
};

void TestFrmAttestato::stampabileSeClassificato_data()
{
    QTest::addColumn<int>("esatte");
    QTest::addColumn<int>("richieste");
    QTest::addColumn<QString>("giudizio");
    QTest::addColumn<bool>("stampabile");
    QTest::newRow("19 su 20") << 19 << 20 << "OTTIMO" << true;
    QTest::newRow("10 su 20") << 10 << 20 << "SUFFICIENTE (!)" << true;
    QTest::newRow("9 su 20") << 9 << 20 << "Non classificato" << false;
    QTest::newRow("nessuna") << 0 << 0 << "Non classificato" << false;
}

void TestFrmAttestato::stampabileSeClassificato()
{
    QFETCH(int, esatte);
    QFETCH(int, richieste);
    QFETCH(QString, giudizio);
    QFETCH(bool, stampabile);
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    FrmAttestato* f = apri(programma, piattaforma, esatte, richieste);
    QVERIFY(f);
    QCOMPARE(giudizioPer(f->voto()), giudizio);
    QCOMPARE(pulsante(f, 0)->isEnabled(), stampabile);
    QCOMPARE(pulsante(f, 0)->text(),
             stampabile ? QStringLiteral("STAMPA L'ATTESTATO") : QStringLiteral("ATTESTATO NON STAMPABILE"));
    QCOMPARE(f->immagine().deviceIndependentSize(), QSizeF(250, 347));
    prova::premi(f, "Option5(0)");   // a disabled button takes no press
    QCOMPARE(piattaforma.pagine.size(), std::size_t(stampabile ? 1 : 0));
    QVERIFY(piattaforma.avvisi.isEmpty());
}

void TestFrmAttestato::sottoSogliaLoDiceSubito()
{
    // Nine right answers out of nine would be "OTTIMO", but nine cannot be
    // certified: the window says so before the print button is reached.
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    FrmAttestato* f = apri(programma, piattaforma, 9, 9);
    QCOMPARE(int(f->voto()), 10);
    QVERIFY(!pulsante(f, 0)->isEnabled());
    QCOMPARE(pulsante(f, 0)->text(), QStringLiteral("ATTESTATO NON STAMPABILE"));
    QStringList testi;
    for (const RigaAttestato& r : righeAttestato(*f->serie(), QString(), piattaforma.data))
        testi << r.testo;
    QVERIFY(!testi.contains(QStringLiteral("OTTIMO")));
    QVERIFY(testi.contains(QStringLiteral("Esegui almeno 10 operazioni.")));
    prova::premi(f, "Option5(0)");
    QVERIFY(piattaforma.avvisi.isEmpty());
    QVERIFY(piattaforma.pagine.empty());
}

void TestFrmAttestato::stampaLImmagine()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    FrmAttestato* f = apri(programma, piattaforma, 10, 10);
    prova::premi(f, "Option5(0)");
    QVERIFY(piattaforma.avvisi.isEmpty());
    QCOMPARE(piattaforma.pagine.size(), std::size_t(1));
    const Pagina& p = piattaforma.pagine.front();
    QCOMPARE(p.immagini.size(), std::size_t(1));
    QCOMPARE(p.immagini[0].x, 1000.0);
    QCOMPARE(p.immagini[0].y, 100.0);
    QCOMPARE(p.immagini[0].immagine, f->immagine());
    QVERIFY(p.testi.empty());
    QVERIFY(pulsante(f, 0)->isEnabled());
}

void TestFrmAttestato::stampaNonRiuscita()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    piattaforma.stampaRiesce = false;
    Programma programma(piattaforma.ambiente());
    FrmAttestato* f = apri(programma, piattaforma, 18, 20);
    prova::premi(f, "Option5(0)");
    QCOMPARE(piattaforma.avvisi, QStringList{messaggi::stampaNonRiuscita});
    QVERIFY(pulsante(f, 0)->isEnabled());
    QVERIFY(f->isVisible());
}

void TestFrmAttestato::nomeRiscritto()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    FrmAttestato* f = apri(programma, piattaforma, 18, 20, QStringLiteral("mARIO rOSSI"));
    // The name is drawn in its form; what the pupil typed stays as typed.
    QCOMPARE(programma.sessione().alunno.nomeAlunno, QStringLiteral("mARIO rOSSI"));
    // Something was drawn: the picture is not its plain background any more.
    const QImage& img = f->immagine();
    bool disegnato = false;
    for (int y = 0; y < img.height() && !disegnato; y += 2)
        for (int x = 0; x < img.width() && !disegnato; x += 2)
            disegnato = img.pixelColor(x, y) != QColor(192, 255, 255);
    QVERIFY(disegnato);
}

void TestFrmAttestato::tornaAllaFinestraPrecedente()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    QWidget* f = apri(programma, piattaforma, 18, 20);
    prova::premi(f, "Option5(1)");
    QTRY_VERIFY(!programma.finestra(QStringLiteral("FrmAttestato")));
    QVERIFY(programma.finestra(QStringLiteral("FrmStampaEsercizio"))->isVisible());
    QVERIFY(!programma.terminato());
}

void TestFrmAttestato::fineSessione()
{
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    Programma programma(piattaforma.ambiente());
    QWidget* f = apri(programma, piattaforma, 18, 20);
    prova::premi(f, "Option5(2)");
    QVERIFY(programma.terminato());
    QTRY_VERIFY(!programma.finestra(QStringLiteral("FrmAttestato")));
    QTRY_VERIFY(!programma.finestra(QStringLiteral("FrmStampaEsercizio")));
}

QTEST_MAIN(TestFrmAttestato)
#include "tst_frmattestato.moc"
