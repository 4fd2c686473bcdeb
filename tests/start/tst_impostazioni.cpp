// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/impostazioni.h"

#include "prova.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ope;

class TestImpostazioni : public QObject {
    Q_OBJECT
private slots:
    void lettura_data();
    void lettura();
    void scritturaEsatta_data();
    void scritturaEsatta();
    void fileMancanteOCartella();
    void fileNonScrivibileLasciaIlPrecedente();
    void discoPienoLasciaIlPrecedente_data();
    void discoPienoLasciaIlPrecedente();
    void fileEnormeNonLeggeUnNumeroAMeta();
    void scritturaPoiLettura();
};

void TestImpostazioni::lettura_data()
{
    QTest::addColumn<QByteArray>("testo");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("obiettivi");
    QTest::addColumn<int>("livelli");

    QTest::newRow("as written") << QByteArray(" 2  1  1 \r\n") << 2 << 1 << 1;
    QTest::newRow("commas") << QByteArray("1, 2, 1") << 1 << 2 << 1;
    QTest::newRow("tabs and line ends") << QByteArray("7\t2\n\n2") << 7 << 2 << 2;
    QTest::newRow("runs of separators") << QByteArray(" ,\t3 ,, 2\r\n,1") << 3 << 2 << 1;
    QTest::newRow("plus sign") << QByteArray("+4 +2 +1") << 4 << 2 << 1;
    QTest::newRow("more than three numbers") << QByteArray("5 2 1 9 9") << 5 << 2 << 1;
    // Failures: groups fall back to 1, the kind stays as far as it was read.
    QTest::newRow("empty file") << QByteArray() << 2 << 1 << 1;
    QTest::newRow("two numbers only") << QByteArray("4 2") << 4 << 1 << 1;
    QTest::newRow("value of 40000") << QByteArray("3 40000 1") << 3 << 1 << 1;
    QTest::newRow("kind of 40000") << QByteArray("40000 2 2") << 2 << 1 << 1;
    QTest::newRow("text that is no number") << QByteArray("uno 2 1") << 2 << 1 << 1;
    QTest::newRow("number glued to text") << QByteArray("3 2x 1") << 3 << 1 << 1;
    QTest::newRow("decimal point") << QByteArray("3 1.5 1") << 3 << 1 << 1;
    QTest::newRow("lone minus") << QByteArray("3 - 1") << 3 << 1 << 1;
    QTest::newRow("kind 0 unusable") << QByteArray("0 2 1") << 2 << 1 << 1;
    QTest::newRow("kind 8 unusable") << QByteArray("8 2 1") << 2 << 1 << 1;
    QTest::newRow("kind negative") << QByteArray("-2 2 1") << 2 << 1 << 1;
    QTest::newRow("objective group 3") << QByteArray("1 3 1") << 1 << 1 << 1;
    QTest::newRow("level group 0") << QByteArray("6 2 0") << 6 << 1 << 1;
}

void TestImpostazioni::lettura()
{
    QFETCH(QByteArray, testo);
    QFETCH(int, tipo);
    QFETCH(int, obiettivi);
    QFETCH(int, livelli);
    const Impostazioni letto = leggiImpostazioni(testo, 2);
    QCOMPARE(letto.tipoOperazione, tipo);
    QCOMPARE(letto.gruppoObiettivi, obiettivi);
    QCOMPARE(letto.gruppoLivelli, livelli);
}

void TestImpostazioni::scritturaEsatta_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("obiettivi");
    QTest::addColumn<QByteArray>("byte");
    QTest::newRow("2 1 1") << 2 << 1 << QByteArray(" 2  1  1 \r\n");
    QTest::newRow("7 2 1") << 7 << 2 << QByteArray(" 7  2  1 \r\n");
    QTest::newRow("negative has no sign blank") << -3 << 2 << QByteArray("-3  2  1 \r\n");
    QTest::newRow("two digits") << 12 << 1 << QByteArray(" 12  1  1 \r\n");
}

void TestImpostazioni::scritturaEsatta()
{
    QFETCH(int, tipo);
    QFETCH(int, obiettivi);
    QFETCH(QByteArray, byte);
    Impostazioni v{static_cast<std::int16_t>(tipo), static_cast<std::int16_t>(obiettivi), 1};
    QCOMPARE(testoImpostazioni(v), byte);
}

void TestImpostazioni::fileMancanteOCartella()
{
    prova::CartellaDiLavoro cartella;
    Impostazioni letto = leggiFileImpostazioni(QStringLiteral("Nessuno.dat"), 5);
    QCOMPARE(letto.tipoOperazione, 5);
    QCOMPARE(letto.gruppoObiettivi, 1);

    QDir().mkdir(QStringLiteral("Cartella.dat"));
    letto = leggiFileImpostazioni(QStringLiteral("Cartella.dat"), 2);
    QCOMPARE(letto.tipoOperazione, 2);
    QCOMPARE(letto.gruppoLivelli, 1);
    QVERIFY(!scriviFileImpostazioni(QStringLiteral("Cartella.dat"), {2, 2, 1}));
    QVERIFY(QFileInfo(QStringLiteral("Cartella.dat")).isDir());
}

void TestImpostazioni::fileNonScrivibileLasciaIlPrecedente()
{
    prova::CartellaDiLavoro cartella;
    QVERIFY(scriviFileImpostazioni(QStringLiteral("Sottrazioni.dat"), {2, 2, 1}));
    QDir().mkdir(QStringLiteral("chiusa"));
    QVERIFY(scriviFileImpostazioni(QStringLiteral("chiusa/Sottrazioni.dat"), {2, 2, 1}));
    QFile::setPermissions(QStringLiteral("chiusa"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool scritto = scriviFileImpostazioni(QStringLiteral("chiusa/Sottrazioni.dat"), {5, 1, 1});
    QFile::setPermissions(QStringLiteral("chiusa"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Root may write anyway; what matters is that the file is whole either way.
    QFile f(QStringLiteral("chiusa/Sottrazioni.dat"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), scritto ? QByteArray(" 5  1  1 \r\n") : QByteArray(" 2  2  1 \r\n"));
}

void TestImpostazioni::discoPienoLasciaIlPrecedente_data()
{
    QTest::addColumn<int>("byteConcessi");
    QTest::newRow("not one byte") << 0;
    QTest::newRow("part of the line") << 4;
}

// A full disk, as the file-size limit gives it to an unprivileged process:
// every write past the limit fails with EFBIG.
void TestImpostazioni::discoPienoLasciaIlPrecedente()
{
    QFETCH(int, byteConcessi);
    prova::CartellaDiLavoro cartella;
    QVERIFY(scriviFileImpostazioni(QStringLiteral("Sottrazioni.dat"), {3, 2, 1}));

    const pid_t figlio = fork();
    QVERIFY(figlio >= 0);
    if (figlio == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{rlim_t(byteConcessi), rlim_t(byteConcessi)};
        if (setrlimit(RLIMIT_FSIZE, &limite) != 0)
            _exit(2);
        _exit(scriviFileImpostazioni(QStringLiteral("Sottrazioni.dat"), {5, 1, 1}) ? 1 : 0);
    }
    int stato = 0;
    QCOMPARE(waitpid(figlio, &stato, 0), figlio);
    QVERIFY(WIFEXITED(stato));
    QVERIFY2(WEXITSTATUS(stato) != 1, "a write that failed was reported as done");
    QCOMPARE(WEXITSTATUS(stato), 0);
    QFile f(QStringLiteral("Sottrazioni.dat"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray(" 3  2  1 \r\n"));
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Sottrazioni.dat")});
}

void TestImpostazioni::fileEnormeNonLeggeUnNumeroAMeta()
{
    prova::CartellaDiLavoro cartella;
    QFile f(QStringLiteral("Grande.dat"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    // The third number straddles the read limit: "12" must not be read as "1".
    QByteArray testo = " 3  2 " + QByteArray(4096 - 7, ' ') + "12 ";
    testo += QByteArray(1 << 20, 'x');
    f.write(testo);
    f.close();
    const Impostazioni letto = leggiFileImpostazioni(QStringLiteral("Grande.dat"), 2);
    QCOMPARE(letto.tipoOperazione, 3);
    QCOMPARE(letto.gruppoObiettivi, 1);
    QCOMPARE(letto.gruppoLivelli, 1);
}

void TestImpostazioni::scritturaPoiLettura()
{
    prova::CartellaDiLavoro cartella;
    QVERIFY(scriviFileImpostazioni(QStringLiteral("Sottrazioni.dat"), {6, 2, 1}));
    QFile f(QStringLiteral("Sottrazioni.dat"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray(" 6  2  1 \r\n"));
    const Impostazioni letto = leggiFileImpostazioni(QStringLiteral("Sottrazioni.dat"), 2);
    QCOMPARE(letto.tipoOperazione, 6);
    QCOMPARE(letto.gruppoObiettivi, 2);
}

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
