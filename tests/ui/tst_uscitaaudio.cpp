// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/moduloaudio.h"
#include "ui/uscitaaudio.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QTest>
#include <atomic>

using namespace ope;

namespace {

struct Traccia {
    std::atomic<bool> iniziata{false};
    std::atomic<bool> chiuso{false};
    QSemaphore risposta;   // what the speech service sends back
    bool risponde = true;
};

// A speech service that answers at once, or only when the test says so.
class ModuloFinto final : public ModuloAudio {
public:
    explicit ModuloFinto(std::shared_ptr<Traccia> t) : traccia(std::move(t)) {}
    ~ModuloFinto() override { traccia->chiuso = true; }
    void suona(Suono) override {}
    void preparaSuoni() override {}
    void leggi(const QString&, bool) override
    {
        traccia->iniziata = true;
        if (!traccia->risponde)
            traccia->risposta.acquire();
    }

private:
    std::shared_ptr<Traccia> traccia;
};

} // namespace

class TestUscitaAudio : public QObject {
    Q_OBJECT
private slots:
    void chiusuraNonAspettaLaVoce_data();
    void chiusuraNonAspettaLaVoce();
};

void TestUscitaAudio::chiusuraNonAspettaLaVoce_data()
{
    QTest::addColumn<bool>("risponde");
    QTest::newRow("service answers: module closed at once") << true;
    QTest::newRow("service silent: left to its thread") << false;
}

void TestUscitaAudio::chiusuraNonAspettaLaVoce()
{
    QFETCH(bool, risponde);
    auto traccia = std::make_shared<Traccia>();
    traccia->risponde = risponde;
    auto uscita = std::make_unique<UscitaAudio>([traccia] { return new ModuloFinto(traccia); });
    uscita->leggi(QStringLiteral("sedici meno nove, uguale?"), true);
    QTRY_VERIFY(traccia->iniziata);
    if (risponde)
        QTest::qWait(20);   // the task is over: the thread is idle

    QElapsedTimer orologio;
    orologio.start();
    uscita.reset();
    // Well under the half second it used to wait for a silent service.
    QVERIFY2(orologio.elapsed() < 250, qPrintable(QString::number(orologio.elapsed())));
    QCOMPARE(traccia->chiuso.load(), risponde);

    traccia->risposta.release();
    QTRY_VERIFY(traccia->chiuso);
}

QTEST_MAIN(TestUscitaAudio)
#include "tst_uscitaaudio.moc"
