// SPDX-License-Identifier: GPL-3.0-or-later
#include "prova.h"

#include "exercise/frmoperativo.h"
#include "programma.h"

#include "start/frminizio.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QKeySequence>
#include <QTest>
#include <QTimer>

namespace ope::prova {

Ambiente Piattaforma::ambiente(const QString& nome)
{
    Ambiente a;
    a.orologio = [this] { return ora; };
    a.nomeEseguibile = nome;
    a.fontStampante = [this] { return font; };
    a.stampa = [this](const Pagina& p) {
        pagine.push_back(p);
        return stampaRiesce ? Invio() : Invio(comeFallisce, QStringLiteral("Aula 2"));
    };
    a.avviso = [this](const QString& testo) { avvisi << testo; };
    a.conferma = [this](const QString& domanda) {
        domande << domanda;
        return risposta;
    };
    a.dataBreve = [this] { return data; };
    a.adesso = [this] {   // the day of `data`, at `ora`, in Italy's winter time
        return QDateTime(QDate(2026, 12, 8), QTime(0, 0), Qt::OffsetFromUTC, 3600).addMSecs(qint64(ora * 1000));
    };
    a.suona = [this](Suono suono) { suoni.push_back(suono); };
    a.preparaSuoni = [] {};
    a.preparaVoce = [this] { ++vociPreparate; };
    a.leggi = [this](const QString& frase, bool interrompi) { frasi.push_back({frase, interrompi}); };
    a.preferenza = [this](const QString& chiave) { return preferenze.value(chiave); };
    a.ricordaPreferenza = [this](const QString& chiave, const QVariant& valore) { preferenze[chiave] = valore; };
    a.percorsoRegistro = [this, cartella = std::make_shared<QTemporaryDir>()] {
        return registro.isEmpty() ? cartella->filePath(QStringLiteral("registro.sqlite")) : registro;
    };
    return a;
}

void premi(QWidget* finestra, const QString& nome, Qt::MouseButton tasto)
{
    QWidget* w = controllo(finestra, nome);
    QVERIFY2(w, qPrintable(QStringLiteral("no control named ") + nome));
    QTest::mousePress(w, tasto);
    QTest::mouseRelease(w, tasto);
}

void clicca(QWidget* finestra, const QString& nome)
{
    QWidget* w = controllo(finestra, nome);
    QVERIFY2(w, qPrintable(QStringLiteral("no control named ") + nome));
    QTest::mouseClick(w, Qt::LeftButton);
}

void apriTendine(QWidget* inizio)
{
    auto* frm = qobject_cast<FrmInizio*>(inizio);
    QVERIFY(frm);
    for (auto* timer = inizio->findChild<QTimer*>(QStringLiteral("TimerTendine")); timer->isActive();)
        frm->TimerTendine_Timer();
}

void tabFino(QWidget* finestra, const QString& nome)
{
    for (int i = 0; i < 40 && QApplication::focusWidget()->objectName() != nome; ++i)
        QTest::keyClick(finestra->windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), nome);
}

QList<QKeyCombination> tastiDi(const QString& sequenza)
{
    const QKeySequence s = QKeySequence::fromString(sequenza);
    QList<QKeyCombination> tasti;
    for (int i = 0; i < s.count(); ++i)
        tasti << s[i];
    return tasti;
}

void azionePremi(QWidget* w)
{
    QVERIFY(w);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    QVERIFY(i && i->actionInterface());
    QVERIFY(i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

bool inPrimoPiano(const QWidget* w)
{
    const QWidget* genitore = w->parentWidget();
    if (!genitore)
        return true;
    const QPoint centro = w->geometry().center();
    for (QObject* o : genitore->children()) {
        // Later siblings are drawn above earlier ones.
        auto* altro = qobject_cast<QWidget*>(o);
        if (altro && altro != w && altro->isVisible() && altro->geometry().contains(centro)
            && genitore->children().indexOf(o) > genitore->children().indexOf(const_cast<QWidget*>(w)))
            return false;
    }
    return true;
}

struct CartellaDiLavoro::Dati {
    QTemporaryDir cartella;
    QString prima = QDir::currentPath();
};

CartellaDiLavoro::CartellaDiLavoro() : d(std::make_unique<Dati>())
{
    QDir::setCurrent(d->cartella.path());
}

CartellaDiLavoro::~CartellaDiLavoro()
{
    QDir::setCurrent(d->prima);
}

QString CartellaDiLavoro::percorso() const
{
    return d->cartella.path();
}

const Serie& serieInCorso(Programma& programma)
{
    return qobject_cast<FrmOperativo*>(programma.finestra(QStringLiteral("FrmOperativo")))->serie();
}

void finisciSerie(Programma& programma)
{
    QWidget* f = programma.finestra(QStringLiteral("FrmOperativo"));
    const Serie& s = serieInCorso(programma);
    while (s.fase() != Fase::Finita) {
        if (s.fase() == Fase::Chiusa)
            premi(f, s.rigaSegni() ? tasti::avantiSegni : tasti::avantiCifre);
        const QString giusta = s.operazione().rispostaEsatta.trimmed();
        if (s.rigaSegni()) {
            premi(f, tasti::segno(int(QStringLiteral("=<>").indexOf(giusta))));
            premi(f, tasti::verificaSegni);
        } else {
            for (QChar c : giusta)
                premi(f, tasti::cifra(c.digitValue()));
            premi(f, tasti::verificaCifre);
        }
    }
}

} // namespace ope::prova
