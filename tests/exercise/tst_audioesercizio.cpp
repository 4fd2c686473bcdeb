// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds and reading aloud in the exercise window, through the recording platform.
#include "exercise/lettura.h"
#include "programma.h"
#include "prova.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <memory>

using namespace ope;
using prova::controllo;

namespace {

struct Banco {
    prova::CartellaDiLavoro cartella;
    prova::Piattaforma piattaforma;
    std::unique_ptr<Programma> programma;

    // Objective 6 draws every form, numbers and signs.
    QWidget* apri()
    {
        programma = std::make_unique<Programma>(piattaforma.ambiente());
        programma->avvia();
        QWidget* inizio = programma->finestra(QStringLiteral("frmInizio"));
        for (const char* nome : {"Option1(5)", "Option2(0)", "Option3(0)"})
            prova::premi(inizio, QString::fromLatin1(nome));
        return programma->finestra(QStringLiteral("FrmOperativo"));
    }
    const Serie& serie() const { return prova::serieInCorso(*programma); }
};

QString giusta(const Serie& s) { return s.operazione().rispostaEsatta.trimmed(); }

void rispondi(QWidget* f, const Serie& s, bool esatta)
{
    QString risposta = giusta(s);
    if (s.rigaSegni()) {
        if (!esatta)
            risposta = risposta == QLatin1String("=") ? QStringLiteral("<") : QStringLiteral("=");
        prova::premi(f, QStringLiteral("Option5(%1)").arg(QStringLiteral("=<>").indexOf(risposta)));
        prova::premi(f, QStringLiteral("Option5(3)"));
        return;
    }
    if (!esatta)
        risposta = QStringLiteral("0") + risposta;
    for (QChar c : risposta)
        prova::premi(f, QStringLiteral("Option1(%1)").arg(c.digitValue()));
    prova::premi(f, QStringLiteral("Option1(11)"));
}

void avanti(QWidget* f, const Serie& s)
{
    prova::premi(f, s.rigaSegni() ? QStringLiteral("Option5(4)") : QStringLiteral("Option1(12)"));
}

// The numbers the pupil sees, in words.
QStringList numeriInVista(QWidget* f, const Serie& s)
{
    QStringList parole;
    const QStringList nomi = s.rigaSegni()
        ? QStringList{QStringLiteral("lblNumero4"), QStringLiteral("lblNumero6"), QStringLiteral("LblNumero8")}
        : QStringList{QStringLiteral("LblNumero1"), QStringLiteral("LblNumero2")};
    for (const QString& nome : nomi)
        parole << numeroInLettere(controllo<QLabel>(f, nome)->text().trimmed().toInt());
    return parole;
}

} // namespace

class TestAudioEsercizio : public QObject {
    Q_OBJECT
private slots:
    void letturaSpentaAllInizioERicordata();
    void laVoceMostraSeLetturaAttiva();
    void unaFrasePerOperazioneEUnaPerVerdetto();
    void interruttoreDeiSuoni();
};

void TestAudioEsercizio::letturaSpentaAllInizioERicordata()
{
    Banco b;
    QWidget* f = b.apri();
    auto* leggi = controllo<QAction>(f, QStringLiteral("mnuLeggi"));
    QVERIFY(leggi && leggi->isCheckable() && leggi->isVisible());
    QCOMPARE(leggi->text(), QStringLiteral("&Leggi ad alta voce"));
    QVERIFY(!leggi->isChecked());
    rispondi(f, b.serie(), true);
    QVERIFY(b.piattaforma.frasi.empty());
    QCOMPARE(b.piattaforma.vociPreparate, 0);

    leggi->trigger();
    QCOMPARE(b.piattaforma.preferenze.value(QStringLiteral("leggiAdAltaVoce")), QVariant(true));
    QVERIFY(controllo<QAction>(b.apri(), QStringLiteral("mnuLeggi"))->isChecked());   // the next start
    QCOMPARE(b.piattaforma.vociPreparate, 1);   // reached at start, before any key

    b.piattaforma.frasi.clear();
    controllo<QAction>(b.programma->finestra(QStringLiteral("FrmOperativo")), QStringLiteral("mnuLeggi"))->trigger();
    QCOMPARE(b.piattaforma.preferenze.value(QStringLiteral("leggiAdAltaVoce")), QVariant(false));
    QCOMPARE(b.piattaforma.frasi.size(), 1u);   // what was being said is silenced
    QVERIFY(b.piattaforma.frasi[0].testo.isEmpty() && b.piattaforma.frasi[0].interrompe);
}

void TestAudioEsercizio::laVoceMostraSeLetturaAttiva()
{
    // No Qt style shows the check of a menu-bar entry: the program's does.
    preparaApplicazione(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    Banco b;
    auto* f = qobject_cast<QMainWindow*>(b.apri());
    QVERIFY(f);
    auto* leggi = controllo<QAction>(f, QStringLiteral("mnuLeggi"));
    const QImage spenta = f->menuBar()->grab().toImage();
    leggi->setChecked(true);
    QVERIFY(f->menuBar()->grab().toImage() != spenta);
    leggi->setChecked(false);
    QCOMPARE(f->menuBar()->grab().toImage(), spenta);
}

void TestAudioEsercizio::unaFrasePerOperazioneEUnaPerVerdetto()
{
    Banco b;
    b.piattaforma.preferenze[QStringLiteral("leggiAdAltaVoce")] = true;
    QWidget* f = b.apri();
    const Serie& s = b.serie();
    auto& frasi = b.piattaforma.frasi;
    frasi.erase(frasi.begin(), frasi.end() - 1);   // the operation on screen
    b.piattaforma.suoni.clear();

    // Each sentence by the words it must hold, and whether it cuts short the one before.
    std::vector<std::pair<QStringList, bool>> attese;
    std::vector<Suono> suoniAttesi;
    for (int n = 1; n <= 20; ++n) {
        const QStringList numeri = numeriInVista(f, s);
        attese.emplace_back(numeri + QStringList{QStringLiteral("?")}, true);
        const QStringList risposta = s.rigaSegni()
            ? numeri : numeri + QStringList{numeroInLettere(giusta(s).toInt())};
        const QStringList esatto{QStringLiteral("Esatto")};
        const QStringList errato{QStringLiteral("Errato")};
        switch (n % 3) {
        case 0:   // right at once
            rispondi(f, s, true);
            attese.emplace_back(esatto, false);
            suoniAttesi.push_back(Suono::Esatto);
            break;
        case 1:   // wrong, then help shows the answer
            rispondi(f, s, false);
            prova::premi(f, QStringLiteral("Option3(1)"));
            attese.emplace_back(errato, false);
            attese.emplace_back(risposta, false);
            suoniAttesi.push_back(Suono::Errato);
            break;
        case 2:   // wrong, refused, right
            rispondi(f, s, false);
            prova::premi(f, QStringLiteral("Option3(0)"));
            rispondi(f, s, true);
            attese.emplace_back(errato, false);
            attese.emplace_back(esatto, false);
            suoniAttesi.push_back(Suono::Errato);
            suoniAttesi.push_back(Suono::Esatto);
            break;
        }
        if (n < 20)
            avanti(f, s);
    }
    suoniAttesi.push_back(Suono::FineSerie);

    QCOMPARE(frasi.size(), attese.size());
    for (std::size_t i = 0; i < attese.size(); ++i) {
        QCOMPARE(frasi[i].interrompe, attese[i].second);
        for (const QString& parola : attese[i].first)
            QVERIFY2(frasi[i].testo.contains(parola), qPrintable(frasi[i].testo + QStringLiteral(" / ") + parola));
    }
    QCOMPARE(b.piattaforma.suoni, suoniAttesi);
}

void TestAudioEsercizio::interruttoreDeiSuoni()
{
    Banco b;
    QWidget* f = b.apri();
    auto& suoni = b.piattaforma.suoni;
    prova::clicca(f, QStringLiteral("Label7"));   // the first click keeps "si audio"
    rispondi(f, b.serie(), false);
    QCOMPARE(suoni, std::vector<Suono>{Suono::Errato});

    prova::clicca(f, QStringLiteral("Label7"));
    QCOMPARE(controllo<QLabel>(f, QStringLiteral("Label7"))->text(), QStringLiteral("no audio"));
    prova::premi(f, QStringLiteral("Option3(0)"));
    rispondi(f, b.serie(), false);
    prova::premi(f, QStringLiteral("Option3(0)"));
    rispondi(f, b.serie(), true);
    QCOMPARE(suoni.size(), 1u);

    prova::clicca(f, QStringLiteral("Label7"));
    avanti(f, b.serie());
    rispondi(f, b.serie(), true);
    QCOMPARE(suoni.back(), Suono::Esatto);
    QCOMPARE(suoni.size(), 2u);
}

QTEST_MAIN(TestAudioEsercizio)
#include "tst_audioesercizio.moc"
