// SPDX-License-Identifier: GPL-3.0-or-later
// End to end: the Italian voice of espeak-ng, which speech-dispatcher uses,
// turns a sentence of the program into sound.
#include "exercise/lettura.h"
#include "session/sessione.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ope;

class TestVoceItaliana : public QObject {
    Q_OBJECT
private slots:
    void fraseInAudio();
};

void TestVoceItaliana::fraseInAudio()
{
    const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
    if (espeak.isEmpty() || sox.isEmpty())
        QSKIP("espeak-ng or sox is not installed (scripts/setup installs both): the Italian voice cannot be heard here");

    DatiOperazione s;
    s.numero1 = 16;
    s.numero2 = 9;
    const QString frase = domandaDaLeggere(Operazione::Sottrazione, presenta(Operazione::Sottrazione, 1, s));
    QCOMPARE(frase, QStringLiteral("sedici meno nove, uguale?"));

    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("frase.wav"));
    QProcess voce;
    voce.start(espeak, {QStringLiteral("-v"), QStringLiteral("it"), QStringLiteral("-w"), file, frase});
    QVERIFY(voce.waitForFinished(30000));
    QVERIFY2(voce.exitCode() == 0, voce.readAllStandardError().constData());

    QProcess misura;
    misura.start(sox, {file, QStringLiteral("-n"), QStringLiteral("stat")});
    QVERIFY(misura.waitForFinished(30000));
    const QString stat = QString::fromUtf8(misura.readAllStandardError());
    auto valore = [&stat](const char* nome) {
        const auto m = QRegularExpression(QString::fromLatin1(nome) + QStringLiteral(":\\s*([0-9.]+)")).match(stat);
        return m.hasMatch() ? m.captured(1).toDouble() : -1.0;
    };
    // Four words and a question take more than a second; silence has no amplitude.
    QVERIFY2(valore("Length \\(seconds\\)") > 1.0, qPrintable(stat));
    QVERIFY2(valore("RMS     amplitude") > 0.02, qPrintable(stat));
}

QTEST_GUILESS_MAIN(TestVoceItaliana)
#include "tst_voceitaliana.moc"
