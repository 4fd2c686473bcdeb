// SPDX-License-Identifier: GPL-3.0-or-later
// A run of the program, as the class register keeps it.
#include "prova.h"
#include "serieprova.h"

#include "programma.h"
#include "register/registro.h"
#include "start/tabelle.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ope;

namespace {

// Right, right after two refusals, help taken, help forced after three refusals.
std::vector<prova::Passo> unaSerie(int operazioni)
{
    std::vector<prova::Passo> passi;
    for (int i = 0; i < operazioni; ++i) {
        prova::Passo p{20 + i, 7 + i % 3, 1 + i % 3, {}, false, 3 + i % 4};
        if (i % 4 == 1)
            p.sbagliate = {QString::number(p.numero1 - p.numero2 + 1), QString::number(p.numero1 - p.numero2 - 1)};
        if (i % 4 == 2)
            p.aiuto = true;
        if (i % 4 == 3) {
            p.sbagliate = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
            p.aiuto = true;
        }
        passi.push_back(p);
    }
    return passi;
}

void scegli(Programma& programma)
{
    DatiScelte& c = programma.sessione().scelte;
    c.tipoOperazione = 2;
    scegliObiettivo(c, 2);
    scegliLivello(c, 0);
}

QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestRegistrazione : public QObject {
    Q_OBJECT

private slots:
    void serieComeLaStampa()
    {
        prova::Piattaforma p;
        p.registro = cartella.filePath(QStringLiteral("stampa.sqlite"));
        Programma programma(p.ambiente());
        Registro& r = *programma.registro();
        const IdAlunno alunno = *r.aggiungiAlunno(*r.aggiungiClasse(QStringLiteral("2ª B")), QStringLiteral("Lucia"));
        programma.sessione().chiPratica = {alunno, QStringLiteral("Lucia")};
        scegli(programma);
        p.ora = 9 * 3600 + 15 * 60;
        auto serie = programma.nuovaSerie();
        prova::esegui(*serie, p.ora, unaSerie(operazioniPerSerie));
        QCOMPARE(serie->fase(), Fase::Finita);
        r.attendiScritture();

        const QList<SerieRegistrata> storia = r.storia(alunno);
        QCOMPARE(storia.size(), 1);
        // The platform's clock, not the machine's: 9:15 on the day of the printout, with its zone.
        QCOMPARE(storia[0].inizio, QDateTime(QDate(2026, 12, 8), QTime(9, 15), Qt::OffsetFromUTC, 3600));
        QCOMPARE(storia[0].inizio.offsetFromUtc(), 3600);
        QCOMPARE(storia[0].inizio.secsTo(storia[0].fine), qint64(p.ora) - 9 * 3600 - 15 * 60);
        QCOMPARE(r.righeSerie(storia[0].id), serie->righe());
        QCOMPARE(storia[0].esatte, serie->esatte());
        QCOMPARE(storia[0].errate, serie->errate());
        QCOMPARE(storia[0].secondiTotali, int(serie->secondiTotali()));
        QCOMPARE(storia[0].obiettivo, 3);
        QVERIFY(storia[0].finita);
        QVERIFY(storia[0].voto.has_value());

        // Each operation's attempts and help, as the export lists them.
        const QString serieCsv = cartella.filePath(QStringLiteral("s.csv"));
        const QString operazioniCsv = cartella.filePath(QStringLiteral("o.csv"));
        QVERIFY(r.esporta(AmbitoEsportazione::Alunno, alunno, serieCsv, operazioniCsv));
        const QList<QByteArray> righe = contenuto(operazioniCsv).split('\n');
        QCOMPARE(righe.size(), 1 + operazioniPerSerie + 1);
        QVERIFY2(righe[2].contains(",14 12 ") && righe[2].contains(",2,2,rifiutato,"), righe[2].constData());
        QVERIFY2(righe[3].contains(",1,0,accettato,"), righe[3].constData());
        QVERIFY2(righe[4].contains(",1 2 3,3,3,imposto,"), righe[4].constData());
    }

    void serieLasciata_data()
    {
        QTest::addColumn<bool>("ricomincia");   // else the program ends
        QTest::newRow("another run starts") << true;
        QTest::newRow("the program ends") << false;
    }

    void serieLasciata()
    {
        QFETCH(bool, ricomincia);
        prova::Piattaforma p;
        p.registro = cartella.filePath(QStringLiteral("lasciata-%1.sqlite").arg(ricomincia));
        {
            Programma programma(p.ambiente());
            scegli(programma);
            auto serie = programma.nuovaSerie();
            prova::esegui(*serie, p.ora, unaSerie(11));
            if (ricomincia)
                prova::esegui(*programma.nuovaSerie(), p.ora, unaSerie(1));
        }
        Registro r(p.registro);
        const QString s = cartella.filePath(QStringLiteral("l.csv"));
        QVERIFY(r.esporta(AmbitoEsportazione::Tutto, 0, s, cartella.filePath(QStringLiteral("lo.csv"))));
        const QList<QByteArray> righe = contenuto(s).trimmed().split('\n');
        QCOMPARE(righe.size(), ricomincia ? 3 : 2);
        // 11 operations, 6 right and 15 wrong checks: graded from 10 on, left, not finished.
        const auto lasciata = std::find_if(righe.begin(), righe.end(),
                                           [](const QByteArray& riga) { return riga.contains(",2,3,1,,6,15,"); });
        QVERIFY(lasciata != righe.end());
        QVERIFY2(lasciata->trimmed().endsWith(",5,SUFFICIENTE (!),no"), lasciata->constData());
    }

    void registroDanneggiatoSerieIntera()
    {
        prova::Piattaforma p;
        p.registro = cartella.filePath(QStringLiteral("danneggiato.sqlite"));
        {
            QFile f(p.registro);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        }
        Programma programma(p.ambiente());
        scegli(programma);
        auto serie = programma.nuovaSerie();
        prova::esegui(*serie, p.ora, unaSerie(operazioniPerSerie));
        QCOMPARE(serie->fase(), Fase::Finita);
        QCOMPARE(serie->righe().size(), operazioniPerSerie);
        QVERIFY(programma.registro()->stato().contains(p.registro));
        QCOMPARE(contenuto(p.registro), QByteArray(4096, 'x'));
    }

private:
    QTemporaryDir cartella;
};

QTEST_MAIN(TestRegistrazione)

#include "tst_registrazione.moc"
