// SPDX-License-Identifier: GPL-3.0-or-later
#include "programma.h"
#include "reports/attestato.h"
#include "reports/frmattestato.h"
#include "reports/stampaesercizi.h"
#include "prova.h"
#include "print/stampante.h"
#include "ui/messaggi.h"

#include <QAbstractButton>
#include <QTest>

using namespace ope;

namespace {

FrmAttestato* apri(Programma& programma, int esatte, int richieste, const QString& nome = {})
{
    Sessione& s = programma.sessione();
    s.serie.esatteAttestato = std::int16_t(esatte);
    s.serie.contaOperazioni = std::int16_t(richieste);
    s.alunno.nomeAlunno = nome;
    s.scelte.nomeProgramma = QStringLiteral("Sottrazioni");
    programma.apriAttestato();
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
    FrmAttestato* f = apri(programma, esatte, richieste);
    QVERIFY(f);
    QCOMPARE(programma.sessione().alunno.giudizio, giudizio);
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
    FrmAttestato* f = apri(programma, 9, 9);
    QCOMPARE(int(f->voto()), 10);
    QVERIFY(!pulsante(f, 0)->isEnabled());
    QCOMPARE(pulsante(f, 0)->text(), QStringLiteral("ATTESTATO NON STAMPABILE"));
    QStringList testi;
    for (const RigaAttestato& r : righeAttestato(programma.sessione(), piattaforma.data))
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
    FrmAttestato* f = apri(programma, 10, 10);
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
    FrmAttestato* f = apri(programma, 18, 20);
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
    FrmAttestato* f = apri(programma, 18, 20, QStringLiteral("mARIO rOSSI"));
    QCOMPARE(programma.sessione().alunno.nomeAlunno, QStringLiteral("Mario Rossi"));
    QCOMPARE(programma.sessione().scelte.nomeEseguibile, QStringLiteral("Sottrazioni"));
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
    programma.sessione().serie.contaOperazioni = 20;
    programma.apriStampaEsercizio();
    QWidget* f = apri(programma, 18, 20);
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
    programma.apriStampaEsercizio();
    QWidget* f = apri(programma, 18, 20);
    prova::premi(f, "Option5(2)");
    QVERIFY(programma.terminato());
    QTRY_VERIFY(!programma.finestra(QStringLiteral("FrmAttestato")));
    QTRY_VERIFY(!programma.finestra(QStringLiteral("FrmStampaEsercizio")));
}

QTEST_MAIN(TestFrmAttestato)
#include "tst_frmattestato.moc"
