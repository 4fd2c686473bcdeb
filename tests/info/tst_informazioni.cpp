// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/frmoperazioni.h"
#include "programma.h"
#include "ui/controlli.h"
#include "ui/finestra.h"
#include "ui/twips.h"

#include "prova.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace ope;

namespace {

using Apertura = void (Programma::*)();

} // namespace

Q_DECLARE_METATYPE(Apertura)

class TestInformazioni : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void finestre_data();
    void finestre();
    void scalaDiValutazione();
    void esempi_data();
    void esempi();
    void esempiInRighe();
    void autore();
    void testoIstruzioni_data();
    void testoIstruzioni();
    void istruzioniNonRaddoppiate();
    void clicSulloSfondo_data();
    void clicSulloSfondo();

private:
    Finestra* apri(Apertura apertura, const QString& nome);
    QString testo(const QString& nome) { return prova::controllo<QLabel>(finestra, nome)->text(); }
    void chiudiTutte();

    std::unique_ptr<prova::CartellaDiLavoro> cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;
    Finestra* finestra = nullptr;
};

void TestInformazioni::init()
{
    cartella = std::make_unique<prova::CartellaDiLavoro>();
    programma = std::make_unique<Programma>(piattaforma.ambiente());
}

void TestInformazioni::cleanup()
{
    programma.reset();
    finestra = nullptr;
    cartella.reset();
}

Finestra* TestInformazioni::apri(Apertura apertura, const QString& nome)
{
    (programma.get()->*apertura)();
    finestra = qobject_cast<Finestra*>(programma->finestra(nome));
    if (finestra && !QTest::qWaitForWindowExposed(finestra))
        return nullptr;
    return finestra;
}

void TestInformazioni::finestre_data()
{
    QTest::addColumn<Apertura>("apertura");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QColor>("sfondo");
    QTest::addColumn<QColor>("sfondoChiudi");

    QTest::newRow("grading scale") << &Programma::apriValutazione << "FrmValutazione" << "SCALA  DI  VALUTAZIONE"
                                   << QSize(10560, 7860) << QColor(192, 255, 255) << QColor(128, 255, 255);
    QTest::newRow("instructions") << &Programma::apriOperazioni << "frmOperazioni" << "OPERAZIONI"
                                  << QSize(8040, 5745) << QColor(255, 192, 255) << QColor(255, 128, 255);
    QTest::newRow("examples") << &Programma::apriEsempi << "frmEsempi" << "Esempi"
                              << QSize(10530, 8160) << QColor(255, 192, 192) << QColor(255, 128, 128);
    QTest::newRow("about") << &Programma::apriAutore << "frmAutore" << "AUTORE"
                           << QSize(7380, 5745) << QColor(255, 192, 255) << QColor(255, 128, 255);
}

void TestInformazioni::finestre()
{
    QFETCH(Apertura, apertura);
    QFETCH(QString, nome);
    QFETCH(QSize, area);
    QVERIFY(apri(apertura, nome));
    QTEST(finestra->windowTitle(), "titolo");
    QCOMPARE(finestra->windowModality(), Qt::ApplicationModal);
    QCOMPARE(finestra->area()->size(), QSize(pixel(area.width()), pixel(area.height())));
    QTEST(coloreSfondo(finestra->area()), "sfondo");

    auto* chiudi = prova::controllo<QAbstractButton>(finestra, QStringLiteral("Command1"));
    QVERIFY(chiudi);
    QCOMPARE(chiudi->text(), QStringLiteral("C h i u d i"));
    QCOMPARE(chiudi->font().family(), QStringLiteral("Arial"));
    QCOMPARE(chiudi->font().pointSizeF(), 12.0);
    QTEST(coloreSfondo(chiudi), "sfondoChiudi");

    // They do not scale: a larger window leaves every control where it was.
    const QRect prima = chiudi->geometry();
    finestra->resize(finestra->size() * 2);
    QCOMPARE(chiudi->geometry(), prima);

    const QPointer<QWidget> chiusa(finestra);
    prova::clicca(finestra, QStringLiteral("Command1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!programma->finestra(nome));

    // Nothing survives the unload: the next opening builds the window again
    // (a new one may take the old one's address, so the old one is watched).
    QVERIFY(chiusa.isNull());
    (programma.get()->*apertura)();
    QVERIFY(programma->finestra(nome));
}

void TestInformazioni::scalaDiValutazione()
{
    QVERIFY(apri(&Programma::apriValutazione, QStringLiteral("FrmValutazione")));
    const char* righe[][2] = {{"Label1", "10/10 ottimo"},   {"Label7", " 9/10 ottimo"},
                              {"Label6", " 8/10 distinto"}, {"Label5", " 7/10 buono"},
                              {"Label3", " 6/10 sufficiente"}, {"Label2", " 5/10 sufficiente (!)"}};
    QWidget* frame1 = prova::controllo(finestra, QStringLiteral("Frame1"));
    int alto = prova::controllo(finestra, QStringLiteral("Label9"))->y();
    for (const auto& r : righe) {
        QLabel* l = prova::controllo<QLabel>(finestra, QString::fromLatin1(r[0]));
        QVERIFY2(l, r[0]);
        QCOMPARE(l->text(), QString::fromLatin1(r[1]));
        QCOMPARE(l->parentWidget(), frame1);
        QVERIFY2(l->y() > alto, "the scale lines are not top to bottom");
        alto = l->y();
        QCOMPARE(coloreTesto(l), QColor(0, 0, 255));
    }
    QCOMPARE(testo(QStringLiteral("Label9")), QStringLiteral("SCALA DI VALUTAZIONE"));
    QCOMPARE(coloreTesto(prova::controllo(finestra, QStringLiteral("Label9"))), QColor(128, 0, 128));
    QCOMPARE(testo(QStringLiteral("Label8")), QStringLiteral("ATTESTATO DI VALUTAZIONE"));
    QCOMPARE(testo(QStringLiteral("Label4")),
             QStringLiteral("Puoi stampare l'attestato  dopo aver eseguito per intero almeno un esercizio"));
    QCOMPARE(prova::controllo(finestra, QStringLiteral("Label4"))->parentWidget(),
             prova::controllo(finestra, QStringLiteral("Frame2")));
    QCOMPARE(testo(QStringLiteral("Label10")),
             QStringLiteral("L'attestato di valutazione va ritagliato e incollato sul quaderno accanto alle "
                            "operazioni eseguite"));
    QCOMPARE(coloreTesto(prova::controllo(finestra, QStringLiteral("Label10"))), QColor(192, 0, 0));
    QVERIFY(prova::controllo(finestra, QStringLiteral("Frame2"))->x() > frame1->x());
}

void TestInformazioni::esempi_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QColor>("colore");
    QTest::addColumn<double>("punti");

    const QColor rosso(255, 0, 0);
    const QColor blu(0, 0, 192);
    QTest::newRow("heading 1") << 0 << "OPERAZIONI   DI   TIPO   1: segno di  = sempre a destra" << rosso << 12.0;
    QTest::newRow("heading 2") << 4 << "OPERAZIONI    DI   TIPO   2: segno di = a destra o a sinistra" << rosso << 12.0;
    QTest::newRow("tag 15") << 15 << "osa 1" << rosso << 19.5;
    QTest::newRow("tag 20") << 20 << "osa 3" << rosso << 19.5;
    QTest::newRow("example 1") << 1 << "3 + 6 = ?" << blu << 19.5;
    QTest::newRow("example 3") << 3 << "? + 6 = 9" << blu << 19.5;
    QTest::newRow("example 5") << 5 << "3 + 6 ? 11" << blu << 19.5;
    QTest::newRow("example 8, two blanks") << 8 << "9 ?  3 + 6" << blu << 19.5;
    QTest::newRow("example 12") << 12 << "9 = 3 + ?" << blu << 19.5;
    QTest::newRow("example 14") << 14 << "? = 3 + 6" << blu << 19.5;
}

void TestInformazioni::esempi()
{
    QFETCH(int, indice);
    QVERIFY(apri(&Programma::apriEsempi, QStringLiteral("frmEsempi")));
    QLabel* l = prova::controllo<QLabel>(finestra, nomeElemento(QStringLiteral("Label1"), indice));
    QVERIFY(l);
    QTEST(l->text(), "testo");
    QTEST(coloreTesto(l), "colore");
    QTEST(l->font().pointSizeF(), "punti");
    QVERIFY(l->font().bold());
}

void TestInformazioni::esempiInRighe()
{
    QVERIFY(apri(&Programma::apriEsempi, QStringLiteral("frmEsempi")));
    QCOMPARE(finestra->area()->findChildren<QLabel*>().size(), 21);
    auto etichetta = [this](int i) { return prova::controllo(finestra, nomeElemento(QStringLiteral("Label1"), i)); };
    // Each row, left to right: its tag (when it has one) then its examples.
    const QList<QList<int>> righe{{15, 1}, {16, 2}, {17, 3}, {18, 11, 10, 9}, {19, 14, 13, 12}, {20, 6, 5}, {8, 7}};
    int sopra = etichetta(0)->geometry().bottom();
    for (const QList<int>& riga : righe) {
        if (riga.first() == 18) {
            QVERIFY2(etichetta(4)->y() > sopra, "the second heading is not between the two groups");
            sopra = etichetta(4)->geometry().bottom();
        }
        const int centro = etichetta(riga.first())->geometry().center().y();
        QVERIFY(etichetta(riga.first())->y() > sopra);
        int sinistra = -1;
        for (int i : riga) {
            QCOMPARE(etichetta(i)->geometry().center().y(), centro);
            QVERIFY2(etichetta(i)->x() > sinistra, qPrintable(QString::number(i)));
            sinistra = etichetta(i)->geometry().right();
        }
        sopra = etichetta(riga.first())->geometry().bottom();
    }
    // The fourth row of type 2 has no tag: its first example stands under the others.
    QCOMPARE(etichetta(8)->x(), etichetta(6)->x());
    QCOMPARE(etichetta(1)->x(), etichetta(11)->x());
}

void TestInformazioni::autore()
{
    QVERIFY(apri(&Programma::apriAutore, QStringLiteral("frmAutore")));
    QCOMPARE(testo(QStringLiteral("Label1")), QStringLiteral("Sito dell'autore:"));
    QCOMPARE(testo(QStringLiteral("Label2")), QStringLiteral("https://ope.scuola.example/"));
    QCOMPARE(testo(QStringLiteral("Label3")), QStringLiteral("Email:"));
    QCOMPARE(testo(QStringLiteral("Label4")), QStringLiteral("ope@scuola.example"));
    QCOMPARE(testo(QStringLiteral("Label7")), QStringLiteral("Ver.1.0.4"));
    for (const char* nome : {"Label2", "Label4"}) {
        QLabel* l = prova::controllo<QLabel>(finestra, QString::fromLatin1(nome));
        QCOMPARE(coloreTesto(l), QColor(0, 0, 192));
        QCOMPARE(l->font().pointSizeF(), 12.0);
        QVERIFY(l->font().bold());
        // Plain text, not a link that opens a browser.
        QCOMPARE(l->textFormat(), Qt::AutoText);
        QVERIFY(!l->openExternalLinks());
    }
    for (int i = 0; i < 3; ++i) {
        QLabel* l = prova::controllo<QLabel>(finestra, nomeElemento(QStringLiteral("Label5"), i));
        QVERIFY(l);
        QVERIFY(!l->text().isEmpty());
        QCOMPARE(coloreTesto(l), QColor(0, 0, 128));
    }
    QCOMPARE(testo(QStringLiteral("Label5(0)")), QStringLiteral("Addizioni"));
    // Top right.
    QWidget* versione = prova::controllo(finestra, QStringLiteral("Label7"));
    QVERIFY(versione->geometry().right() > finestra->area()->width() * 3 / 4);
    QVERIFY(versione->y() < finestra->area()->height() / 8);
}

void TestInformazioni::testoIstruzioni_data()
{
    QTest::addColumn<int>("riga");
    QTest::addColumn<QString>("testo");

    QTest::newRow("first, with its typo") << 0 << ">Per cambiare operazione cliccca sul nome ";
    QTest::newRow("indented") << 1 << "   nell'etichetta azzurra.";
    QTest::newRow("empty") << 2 << "";
    QTest::newRow("accented") << 3 << ">Per cambiare la modalità di presentazione clicca";
    QTest::newRow("two blanks inside") << 4 << "   sul numero 1 o 2  nell'etichetta azzurra.";
    QTest::newRow("type 1") << 6 << ">Nelle operazioni di -TIPO 1- ";
    QTest::newRow("type 2, last line") << 12 << "   il risultato da calcolare è uno dei tre termini o uno dei due segni.";
    QTest::newRow("line of two blanks") << 13 << "  ";
    QTest::newRow("the closing blank") << 14 << " ";
}

void TestInformazioni::testoIstruzioni()
{
    QFETCH(int, riga);
    const QString t = ope::testoIstruzioni();
    QVERIFY(!t.contains(QLatin1Char('\n')));
    QCOMPARE(t.count(QLatin1Char('\r')), 14);
    QVERIFY(t.endsWith(QStringLiteral("segni.\r  \r ")));
    QTEST(t.split(QLatin1Char('\r')).at(riga), "testo");
}

void TestInformazioni::istruzioniNonRaddoppiate()
{
    QString prima;
    for (int volta = 0; volta < 2; ++volta) {
        QVERIFY(apri(&Programma::apriOperazioni, QStringLiteral("frmOperazioni")));
        QLabel* l = prova::controllo<QLabel>(finestra, QStringLiteral("Label1"));
        QCOMPARE(l->text(), ope::testoIstruzioni());
        QCOMPARE(l->font().pointSizeF(), 12.0);
        QVERIFY(l->font().bold());
        if (volta == 1)
            QCOMPARE(l->text(), prima);
        prima = l->text();
        prova::clicca(finestra, QStringLiteral("Command1"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!programma->finestra(QStringLiteral("frmOperazioni")));
    }
}

void TestInformazioni::clicSulloSfondo_data()
{
    QTest::addColumn<Apertura>("apertura");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<bool>("chiude");

    QTest::newRow("grading scale, background") << &Programma::apriValutazione << "FrmValutazione" << "" << true;
    QTest::newRow("grading scale, a scale line") << &Programma::apriValutazione << "FrmValutazione" << "Label1" << false;
    QTest::newRow("grading scale, its frame") << &Programma::apriValutazione << "FrmValutazione" << "Frame2" << false;
    QTest::newRow("grading scale, note") << &Programma::apriValutazione << "FrmValutazione" << "Label10" << false;
    QTest::newRow("instructions, background") << &Programma::apriOperazioni << "frmOperazioni" << "" << false;
    QTest::newRow("examples, background") << &Programma::apriEsempi << "frmEsempi" << "" << false;
    QTest::newRow("about, background") << &Programma::apriAutore << "frmAutore" << "" << false;
}

void TestInformazioni::clicSulloSfondo()
{
    QFETCH(Apertura, apertura);
    QFETCH(QString, nome);
    QFETCH(QString, controllo);
    QFETCH(bool, chiude);
    QVERIFY(apri(apertura, nome));
    QWidget* bersaglio = controllo.isEmpty() ? finestra->area() : prova::controllo(finestra, controllo);
    QVERIFY(bersaglio);
    // The area's top left corner is bare in every window.
    const QPoint dove = controllo.isEmpty() ? QPoint(2, 2) : bersaglio->rect().center();
    if (controllo.isEmpty())
        QVERIFY(!finestra->area()->childAt(dove));
    QTest::mouseClick(bersaglio, Qt::LeftButton, {}, dove);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(programma->finestra(nome) == nullptr, chiude);
}

QTEST_MAIN(TestInformazioni)
#include "tst_informazioni.moc"
