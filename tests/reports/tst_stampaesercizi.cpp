// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/stampante.h"
#include "reports/stampaesercizi.h"

#include <QTest>

using namespace ope;

namespace {

// n logged operations, each line naming its own index.
EserciziEseguiti conOperazioni(int n)
{
    EserciziEseguiti s;
    for (int i = 1; i <= n; ++i)
        s.righe << QStringLiteral("riga %1").arg(i, 2);
    s.tempoTotale = QStringLiteral(" 143");
    return s;
}

const QStringList fontConCourier{QStringLiteral("Arial"), QStringLiteral("Courier New")};

struct Registro {
    std::vector<Pagina> pagine;
    bool riesce = true;
    Stampante stampante()
    {
        return Stampante([this](const Pagina& p) {
            pagine.push_back(p);
            return riesce;
        });
    }
};

const Pagina::Testo* trova(const Pagina& p, const QString& testo)
{
    for (const Pagina::Testo& t : p.testi)
        if (t.testo == testo)
            return &t;
    return nullptr;
}

QStringList testi(const Pagina& p)
{
    QStringList l;
    for (const Pagina::Testo& t : p.testi)
        l << t.testo;
    return l;
}

double altezzaCorpo(const QString& font)
{
    Stampante misura(nullptr);
    misura.font = font;
    misura.punti = 12;
    misura.grassetto = true;
    return misura.altezzaRiga();
}

} // namespace

class TestStampaEsercizi : public QObject {
    Q_OBJECT
private slots:
    void soglia_data();
    void soglia();
    void intestazione_data();
    void intestazione();
    void corpoRaggruppatoPerDieci_data();
    void corpoRaggruppatoPerDieci();
    void posizioniDelCorpo();
    void piedeConTempiVuoti();
    void sceltaDelFont_data();
    void sceltaDelFont();
    void guastoNellIntestazioneStampaIlCorpo();
    void guastoNelCorpoNonMandaLaPagina();
    void paginaRifiutataDallaStampante();
    void registroOltreIlLimite();
};

void TestStampaEsercizi::soglia_data()
{
    QTest::addColumn<int>("operazioni");
    QTest::addColumn<bool>("stampata");
    QTest::newRow("nessuna") << 0 << false;
    QTest::newRow("nove") << 9 << false;
    QTest::newRow("dieci") << 10 << true;
    QTest::newRow("venti") << 20 << true;
}

void TestStampaEsercizi::soglia()
{
    QFETCH(int, operazioni);
    QFETCH(bool, stampata);
    Registro r;
    Stampante st = r.stampante();
    const EsitoStampa esito = stampaEsercizi(st, conOperazioni(operazioni), fontConCourier, QStringLiteral("08/12/26"));
    QCOMPARE(esito == EsitoStampa::stampata, stampata);
    QCOMPARE(r.pagine.size(), std::size_t(stampata ? 1 : 0));
    if (!stampata)
        QCOMPARE(messaggioEsito(esito), QStringLiteral("Esegui almeno 10 operazioni. "));
}

void TestStampaEsercizi::intestazione_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QStringList>("attese");
    QTest::newRow("con nome") << QStringLiteral("Mario rossi")
                              << QStringList{QStringLiteral("Nome Mario rossi    Data di stampa 08/12/26")};
    QTest::newRow("senza nome") << QString()
                                << QStringList{QStringLiteral("Nome '..................."),
                                               QStringLiteral("    Data di stampa 08/12/26")};
}

void TestStampaEsercizi::intestazione()
{
    QFETCH(QString, nome);
    QFETCH(QStringList, attese);
    EserciziEseguiti s = conOperazioni(10);
    s.nome = nome;
    Registro r;
    Stampante st = r.stampante();
    QCOMPARE(stampaEsercizi(st, s, fontConCourier, QStringLiteral("08/12/26")), EsitoStampa::stampata);
    const Pagina& p = r.pagine.at(0);
    QCOMPARE(testi(p).mid(0, attese.size()), attese);
    const Pagina::Testo& primo = p.testi.front();
    QCOMPARE(primo.x, 1000.0);
    QCOMPARE(primo.y, 1000.0);
    QCOMPARE(primo.punti, 16.0);
    QCOMPARE(primo.grassetto, false);
    QCOMPARE(primo.font, QStringLiteral("Courier New"));
    if (attese.size() == 2) {
        // The date follows on the same line, right after the dots.
        const Pagina::Testo& data = p.testi.at(1);
        QCOMPARE(data.y, 1000.0);
        QVERIFY(data.x > 1000.0);
    }
    // Whether the header ended its line or not, the body starts at the same place.
    QCOMPARE(trova(p, QStringLiteral("Esercizio n.1"))->y, 2000.0 + altezzaCorpo(QStringLiteral("Courier New")));
}

void TestStampaEsercizi::corpoRaggruppatoPerDieci_data()
{
    QTest::addColumn<int>("operazioni");
    QTest::addColumn<QStringList>("titoli");
    QTest::newRow("dieci") << 10 << QStringList{QStringLiteral("Esercizio n.1")};
    QTest::newRow("undici") << 11 << QStringList{QStringLiteral("Esercizio n.1"), QStringLiteral("Esercizio n.2")};
    QTest::newRow("venti") << 20 << QStringList{QStringLiteral("Esercizio n.1"), QStringLiteral("Esercizio n.2")};
    QTest::newRow("ventuno") << 21
                             << QStringList{QStringLiteral("Esercizio n.1"), QStringLiteral("Esercizio n.2"),
                                            QStringLiteral("Esercizio n.3")};
}

void TestStampaEsercizi::corpoRaggruppatoPerDieci()
{
    QFETCH(int, operazioni);
    QFETCH(QStringList, titoli);
    Registro r;
    Stampante st = r.stampante();
    QCOMPARE(stampaEsercizi(st, conOperazioni(operazioni), fontConCourier, QStringLiteral("x")), EsitoStampa::stampata);
    QStringList corpo = testi(r.pagine.at(0));
    corpo = corpo.mid(2, corpo.size() - 5);   // without the two header texts and the footer
    QStringList attese;
    for (int i = 1; i <= operazioni; ++i) {
        if ((i - 1) % 10 == 0)
            attese << titoli.at((i - 1) / 10);
        attese << QStringLiteral("riga %1").arg(i, 2);
    }
    QCOMPARE(corpo, attese);
}

void TestStampaEsercizi::posizioniDelCorpo()
{
    Registro r;
    Stampante st = r.stampante();
    QCOMPARE(stampaEsercizi(st, conOperazioni(20), fontConCourier, QStringLiteral("x")), EsitoStampa::stampata);
    const Pagina& p = r.pagine.at(0);
    const double riga = altezzaCorpo(QStringLiteral("Courier New"));
    // An empty line stands before each heading; lines follow one line height apart.
    const Pagina::Testo* titolo1 = trova(p, QStringLiteral("Esercizio n.1"));
    const Pagina::Testo* riga10 = trova(p, QStringLiteral("riga 10"));
    const Pagina::Testo* titolo2 = trova(p, QStringLiteral("Esercizio n.2"));
    QVERIFY(titolo1 && riga10 && titolo2);
    QCOMPARE(riga10->y, titolo1->y + 10 * riga);
    QCOMPARE(titolo2->y, riga10->y + 2 * riga);
    for (const Pagina::Testo* t : {titolo1, riga10, titolo2}) {
        QCOMPARE(t->x, 1000.0);
        QCOMPARE(t->punti, 12.0);
        QVERIFY(t->grassetto);
    }
}

void TestStampaEsercizi::piedeConTempiVuoti()
{
    Registro r;
    Stampante st = r.stampante();
    QCOMPARE(stampaEsercizi(st, conOperazioni(10), fontConCourier, QStringLiteral("x")), EsitoStampa::stampata);
    const Pagina& p = r.pagine.at(0);
    const std::vector<Pagina::Testo> piede(p.testi.end() - 3, p.testi.end());
    const QString attesi[3] = {QStringLiteral("Eser. n.1: Tempo tot.  143 secondi"),
                               QStringLiteral("Eser. n.2: Tempo tot.  secondi"),
                               QStringLiteral("Eser. n.3: Tempo tot.  secondi")};
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(piede[std::size_t(k)].testo, attesi[k]);
        QCOMPARE(piede[std::size_t(k)].x, 1000.0);
        QCOMPARE(piede[std::size_t(k)].y, 13000.0 + 500 * k);
    }
}

void TestStampaEsercizi::sceltaDelFont_data()
{
    QTest::addColumn<QStringList>("font");
    QTest::addColumn<QString>("scelto");
    QTest::newRow("solo courier new") << QStringList{QStringLiteral("Arial"), QStringLiteral("Courier New")}
                                      << QStringLiteral("Courier New");
    QTest::newRow("il primo dei due") << QStringList{QStringLiteral("Courier"), QStringLiteral("Courier New")}
                                      << QStringLiteral("Courier");
    QTest::newRow("minuscole") << QStringList{QStringLiteral("courier new"), QStringLiteral("COURIER")} << QString();
    QTest::newRow("nomi simili") << QStringList{QStringLiteral("Courier 10 Pitch"), QStringLiteral("Courier New ")}
                                 << QString();
    QTest::newRow("nessun font") << QStringList{} << QString();
}

void TestStampaEsercizi::sceltaDelFont()
{
    QFETCH(QStringList, font);
    QFETCH(QString, scelto);
    Registro r;
    Stampante st = r.stampante();
    const EsitoStampa esito = stampaEsercizi(st, conOperazioni(10), font, QStringLiteral("x"));
    if (scelto.isEmpty()) {
        QCOMPARE(esito, EsitoStampa::senzaFont);
        QCOMPARE(messaggioEsito(esito), QStringLiteral("Devi installare il font Courier o il font Courier New"));
        QVERIFY(r.pagine.empty());
    } else {
        QCOMPARE(esito, EsitoStampa::stampata);
        for (const Pagina::Testo& t : r.pagine.at(0).testi)
            QCOMPARE(t.font, scelto);
    }
}

void TestStampaEsercizi::guastoNellIntestazioneStampaIlCorpo()
{
    Registro r;
    Stampante st = r.stampante();
    st.accettaTesto = [](const Pagina::Testo& t) { return t.y != 1000.0; };
    QCOMPARE(stampaEsercizi(st, conOperazioni(10), fontConCourier, QStringLiteral("x")), EsitoStampa::stampata);
    const QStringList t = testi(r.pagine.at(0));
    QVERIFY(!t.join(QLatin1Char('|')).contains(QStringLiteral("Nome")));
    QCOMPARE(t.first(), QStringLiteral("Esercizio n.1"));
    QCOMPARE(t.size(), 1 + 10 + 3);
}

void TestStampaEsercizi::guastoNelCorpoNonMandaLaPagina()
{
    Registro r;
    Stampante st = r.stampante();
    st.accettaTesto = [](const Pagina::Testo& t) { return t.testo != QStringLiteral("riga  5"); };
    const EsitoStampa esito = stampaEsercizi(st, conOperazioni(10), fontConCourier, QStringLiteral("x"));
    QCOMPARE(esito, EsitoStampa::guasto);
    QVERIFY(!messaggioEsito(esito).isEmpty());
    QVERIFY(r.pagine.empty());
}

void TestStampaEsercizi::paginaRifiutataDallaStampante()
{
    Registro r;
    r.riesce = false;
    Stampante st = r.stampante();
    QCOMPARE(stampaEsercizi(st, conOperazioni(10), fontConCourier, QStringLiteral("x")), EsitoStampa::guasto);
    QCOMPARE(r.pagine.size(), std::size_t(1));
}

void TestStampaEsercizi::registroOltreIlLimite()
{
    // A count beyond the log's 90 lines prints what the log holds and no more.
    Registro r;
    Stampante st = r.stampante();
    QCOMPARE(stampaEsercizi(st, conOperazioni(120), fontConCourier, QStringLiteral("x")), EsitoStampa::stampata);
    const QStringList t = testi(r.pagine.at(0));
    QVERIFY(t.contains(QStringLiteral("riga 90")));
    QCOMPARE(t.size(), 2 + 3 + 90 + 3);
}

QTEST_MAIN(TestStampaEsercizi)
#include "tst_stampaesercizi.moc"
