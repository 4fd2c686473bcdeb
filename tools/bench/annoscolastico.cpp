// SPDX-License-Identifier: GPL-3.0-or-later
// The register over a school's year: 25 classes of 25 pupils, 200 runs each.
#include "prove.h"

#include "register/registro.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace ope::bench {

namespace {

constexpr int classi = 25;
constexpr int alunniPerClasse = 25;
constexpr int seriePerAlunno = 200;

// The school days from mid-September, Monday to Friday.
QList<QDate> giorniDiScuola(int quanti)
{
    QList<QDate> giorni;
    for (QDate d(2025, 9, 15); giorni.size() < quanti; d = d.addDays(1))
        if (d.dayOfWeek() <= 5)
            giorni.append(d);
    return giorni;
}

// Writes the runs straight through SQL in big transactions: the program's
// own path commits each answer apart, which would take hours for a year.
bool riempi(const QString& percorso, const QList<QList<IdAlunno>>& alunni)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("anno"));
    db.setDatabaseName(percorso);
    bool ok = db.open();
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=OFF"));
    QSqlQuery serie(db), operazione(db), tentativo(db);
    ok = ok
         && serie.prepare(QStringLiteral("INSERT INTO serie (id, alunno, inizio, fine, tipo_operazione, obiettivo,"
                                         " livello, tabelline, esatte, errate, secondi_totali, voto, giudizio, finita)"
                                         " VALUES (?, ?, ?, ?, 2, ?, ?, '', ?, ?, ?, ?, ?, 1)"))
         && operazione.prepare(QStringLiteral("INSERT INTO operazioni VALUES (?, ?, ?, ?, ?, '-', ?, ?, ?, 0, ?, ?, ?)"))
         && tentativo.prepare(QStringLiteral("INSERT INTO tentativi VALUES (?, ?, ?, ?, ?, ?)"));
    QRandomGenerator caso(23);
    const QList<QDate> giorni = giorniDiScuola(seriePerAlunno);
    for (const QList<IdAlunno>& classe : alunni) {
        ok = ok && db.transaction();
        for (IdAlunno alunno : classe) {
            for (const QDate& giorno : giorni) {
                const qint64 id = qint64(caso.bounded(quint64(1) << 53)) + 1;
                const QDateTime inizio(giorno, QTime(8 + caso.bounded(6), caso.bounded(60)), Qt::OffsetFromUTC,
                                       giorno.month() >= 4 && giorno.month() <= 10 ? 7200 : 3600);
                int esatte = 0, errate = 0, secondi = 0;
                for (int n = 1; n <= 20; ++n) {
                    const int a = 10 + caso.bounded(90);
                    const int b = 1 + caso.bounded(a - 1);
                    const bool sbaglia = caso.bounded(4) == 0;
                    const int tempo = 2 + caso.bounded(18);
                    const QString testo = QStringLiteral("%1 - %2 = .").arg(a, 2).arg(b, 2);
                    QString riga = testo;
                    if (sbaglia)
                        riga += QStringLiteral("%1* ").arg(a - b + 1, 4);
                    riga += QString(qMax(0, 41 - int(riga.size())), QLatin1Char('.'))
                            + QStringLiteral("%1   (s.%2)").arg(a - b, 4).arg(tempo, 2);
                    operazione.addBindValue(id);
                    for (const QVariant& v : {QVariant(n), QVariant(1), QVariant(testo), QVariant(a), QVariant(b),
                                              QVariant(a - b), QVariant(QString::number(a - b)), QVariant(0),
                                              QVariant(tempo), QVariant(riga)})
                        operazione.addBindValue(v);
                    ok = ok && operazione.exec();
                    for (int k = 1; k <= 1 + sbaglia; ++k) {
                        const bool giusta = k == 1 + sbaglia;
                        const int risposta = giusta ? a - b : a - b + 1;
                        for (const QVariant& v : {QVariant(id), QVariant(n), QVariant(k), QVariant(QString::number(risposta)),
                                                  QVariant(int(giusta)), QVariant(risposta)})
                            tentativo.addBindValue(v);
                        ok = ok && tentativo.exec();
                    }
                    esatte += 1;
                    errate += sbaglia;
                    secondi += tempo;
                }
                const int voto = esatte * 10 / (esatte + errate);
                for (const QVariant& v : {QVariant(id), QVariant(alunno), QVariant(inizio.toString(Qt::ISODate)),
                                          QVariant(inizio.addSecs(secondi + 20).toString(Qt::ISODate)),
                                          QVariant(1 + caso.bounded(6)), QVariant(1 + caso.bounded(4)),
                                          QVariant(esatte), QVariant(errate), QVariant(secondi), QVariant(voto),
                                          QVariant(voto >= 9 ? QStringLiteral("OTTIMO") : QStringLiteral("BUONO"))})
                    serie.addBindValue(v);
                ok = ok && serie.exec();
            }
        }
        ok = ok && db.commit();
        if (!ok)
            std::fprintf(stderr, "bench: the year was not written: %s %s %s\n", qPrintable(serie.lastError().text()),
                         qPrintable(operazione.lastError().text()), qPrintable(tentativo.lastError().text()));
    }
    serie = QSqlQuery();
    operazione = QSqlQuery();
    tentativo = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("anno"));
    return ok;
}

double millisecondiCpuFilo()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Median milliseconds of `volte` calls, of the wall clock and of this
// thread's processor time (what a busy machine does not inflate); -1 when a call failed.
std::pair<double, double> millisecondi(int volte, const std::function<bool()>& passo)
{
    std::vector<double> tempi, cpu;
    for (int i = 0; i < volte; ++i) {
        bool ok = false;
        const double inizio = millisecondiCpuFilo();
        tempi.push_back(microsecondi([&] { ok = passo(); }) / 1000);
        cpu.push_back(millisecondiCpuFilo() - inizio);
        if (!ok)
            return {-1, -1};
    }
    return {mediana(tempi), mediana(cpu)};
}

// Median wall and processor time, in milliseconds, of 15 child processes
// started in that folder; -1 when one failed.
std::pair<double, double> avvioFiglio(const QString& cartella, const QString& modo)
{
    const auto processore = [] {
        rusage uso{};
        getrusage(RUSAGE_CHILDREN, &uso);
        return (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3
               + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
    };
    std::vector<double> tempi, lavoro;
    for (int i = 0; i < 15; ++i) {
        const double prima = processore();
        QProcess figlio;
        figlio.setWorkingDirectory(cartella);
        QElapsedTimer orologio;
        orologio.start();
        figlio.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--figlio"), modo});
        if (!figlio.waitForFinished(60000) || figlio.exitStatus() != QProcess::NormalExit || figlio.exitCode() != 0) {
            std::fprintf(stderr, "bench: the child '%s' failed\n", qPrintable(modo));
            return {-1, -1};
        }
        tempi.push_back(orologio.nsecsElapsed() / 1e6);
        lavoro.push_back(processore() - prima);
    }
    return {mediana(tempi), mediana(lavoro)};
}

// The whole program's start where the register has a class of 25: the
// register is read at start, to know whether "Chi sei?" is needed.
void aggiungiAvvioConClassi(std::vector<Figura>& figure)
{
    QTemporaryDir conClassi, vuota;
    {
        Registro r(QDir(conClassi.path()).filePath(QStringLiteral("registro.sqlite")));
        QString nomi;
        for (int a = 1; a <= alunniPerClasse; ++a)
            nomi += QStringLiteral("Alunno %1\n").arg(a);
        r.incollaAlunni(r.aggiungiClasse(QStringLiteral("2ª B")).value_or(0), nomi);
    }
    const auto [vuotaTempo, vuotaLavoro] = avvioFiglio(vuota.path(), QStringLiteral("avvio-vuota"));
    const auto [tempo, lavoro] = avvioFiglio(conClassi.path(), QStringLiteral("avvio-inizio"));
    figure.push_back({QStringLiteral("start-up, a class in the register"), tempo, QStringLiteral("ms"),
                      QStringLiteral("empty QMainWindow shown"), vuotaTempo, 1.5, true});
    figure.push_back({QStringLiteral("the same, processor"), lavoro, QStringLiteral("ms"),
                      QStringLiteral("empty QMainWindow shown, processor"), vuotaLavoro, 1.5, true});
}

} // namespace

void aggiungiFigureRegistro(std::vector<Figura>& figure)
{
    QTemporaryDir cartella;
    // OPE_BENCH_ANNO names a file to keep the year in, and to reuse when it is there.
    const QString scelto = qEnvironmentVariable("OPE_BENCH_ANNO");
    const QString percorso = scelto.isEmpty() ? cartella.filePath(QStringLiteral("anno.sqlite")) : scelto;
    if (!QFileInfo::exists(percorso)) {
        QList<QList<IdAlunno>> alunni;
        {
            Registro r(percorso);
            for (int c = 1; c <= classi; ++c) {
                const IdClasse classe =
                    r.aggiungiClasse(QStringLiteral("%1ª %2").arg(1 + c % 5).arg(QChar(u'A' + c / 5))).value_or(0);
                QString nomi;
                for (int a = 1; a <= alunniPerClasse; ++a)
                    nomi += QStringLiteral("Alunno %1 della classe %2\n").arg(a).arg(c);
                r.incollaAlunni(classe, nomi);
                QList<IdAlunno> ids;
                for (const AlunnoRegistro& a : r.alunni(classe))
                    ids.append(a.id);
                alunni.append(ids);
            }
        }
        QElapsedTimer generazione;
        generazione.start();
        if (!riempi(percorso, alunni))
            return;
        std::printf("a school's year written in %.1f s, %.0f MiB\n", generazione.elapsed() / 1000.0,
                    QFileInfo(percorso).size() / 1048576.0);
    }

    Registro r(percorso);
    const IdClasse classe = r.classi().value(classi / 2).id;
    const IdAlunno alunno = r.alunni(classe).value(alunniPerClasse / 2).id;
    const IdSerie serie = r.storia(alunno).value(seriePerAlunno / 2).id;
    const auto griglia = millisecondi(10, [&] { return r.griglia(classe).righe.size() == alunniPerClasse; });
    const auto elenco = millisecondi(10, [&] { return r.alunni(classe).size() == alunniPerClasse; });
    const auto storia = millisecondi(10, [&] {
        return r.storia(alunno).size() == seriePerAlunno && r.andamento(alunno).size() == seriePerAlunno;
    });
    const auto righe = millisecondi(10, [&] { return r.righeSerie(serie).size() == 20; });
    const auto esporta = millisecondi(3, [&] {
        return r.esporta(AmbitoEsportazione::Classe, classe, cartella.filePath(QStringLiteral("serie.csv")),
                         cartella.filePath(QStringLiteral("operazioni.csv")));
    });
    const auto aggiungi = [&](const QString& nome, std::pair<double, double> valore, const QString& baseline,
                              std::pair<double, double> valoreBaseline, double soglia) {
        figure.push_back({nome, valore.first, QStringLiteral("ms"), baseline, valoreBaseline.first, soglia, false});
        figure.push_back({nome + QStringLiteral(", processor"), valore.second, QStringLiteral("ms"), baseline,
                          valoreBaseline.second, soglia, false});
    };
    aggiungi(QStringLiteral("register: a class's grid, a school's year"), griglia,
             QStringLiteral("the class's pupils listed"), elenco, 300);
    aggiungi(QStringLiteral("register: a pupil's history and chart"), storia, QStringLiteral("one run's lines read"),
             righe, 100);
    aggiungi(QStringLiteral("register: a class's year into CSV"), esporta, QStringLiteral("one run's lines read"),
             righe, 1000);
    aggiungiAvvioConClassi(figure);
}

} // namespace ope::bench
