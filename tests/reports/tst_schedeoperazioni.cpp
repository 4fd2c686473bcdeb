// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/schede.h"
#include "session/generatore.h"
#include "session/sessione.h"
#include "start/tabelle.h"

#include <QMap>
#include <QSet>
#include <QTest>
#include <optional>

using namespace ope;

namespace {

// What a line says once its answer stands in place of the dot, worked out
// with ordinary arithmetic: "x op y ? z" or "z ? x op y".
struct Lettura {
    bool giusta = false;
    QString operazione;
    int sinistro = 0;   // the two terms of the operation
    int destro = 0;
    QString errore;
};

std::optional<long> calcola(const QString& op, long x, long y)
{
    if (op == u"+")
        return x + y;
    if (op == u"-")
        return x - y;
    if (op == u"x")
        return x * y;
    // A worksheet's division is always exact.
    if (op == u":" && y != 0 && x % y == 0)
        return x / y;
    return std::nullopt;
}

Lettura leggi(const QString& alunni, const QString& docenti)
{
    Lettura l;
    if (!docenti.startsWith(alunni + QStringLiteral("       "))) {
        l.errore = QStringLiteral("answer not after seven blanks");
        return l;
    }
    const QString coda = docenti.mid(alunni.size() + 7).trimmed();
    if (!coda.startsWith(u'(') || !coda.endsWith(u')') || alunni.count(u'.') != 1) {
        l.errore = QStringLiteral("cannot read the answer");
        return l;
    }
    QString riga = alunni;
    riga.replace(u'.', coda.mid(1, coda.size() - 2));
    const QStringList p = riga.simplified().split(u' ');
    static const QStringList operazioni{QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("x"), QStringLiteral(":")};
    if (p.size() != 5 || (!operazioni.contains(p[1]) && !operazioni.contains(p[3]))) {
        l.errore = QStringLiteral("cannot read ") + riga;
        return l;
    }
    const bool primaLOperazione = operazioni.contains(p[1]);
    l.operazione = primaLOperazione ? p[1] : p[3];
    l.sinistro = (primaLOperazione ? p[0] : p[2]).toInt();
    l.destro = (primaLOperazione ? p[2] : p[4]).toInt();
    const std::optional<long> valore = calcola(l.operazione, l.sinistro, l.destro);
    const long altro = (primaLOperazione ? p[4] : p[0]).toInt();
    const QString segno = primaLOperazione ? p[3] : p[1];
    // The sign as read from left to right.
    const long a = primaLOperazione ? valore.value_or(0) : altro;
    const long b = primaLOperazione ? altro : valore.value_or(0);
    l.giusta = valore && ((segno == u"=" && a == b) || (segno == u"<" && a < b) || (segno == u">" && a > b));
    l.errore = riga;
    return l;
}

// A fact of one of the tables: one term a table, the other (or the quotient) 1 to 10.
bool dalleTabelline(const Lettura& l, const QList<int>& tabelline)
{
    auto fatto = [&](int tabellina, int per) { return tabelline.contains(tabellina) && per >= 1 && per <= 10; };
    if (l.operazione == u"x")
        return fatto(l.sinistro, l.destro) || fatto(l.destro, l.sinistro);
    const int quoziente = l.sinistro / l.destro;
    return fatto(l.destro, quoziente) || fatto(quoziente, l.destro);
}

// The line with every number blanked out: lines of one shape must match it exactly.
QString scheletro(const QString& riga)
{
    QString s = riga;
    for (QChar& c : s) {
        if (c.isDigit())
            c = u' ';
    }
    return s;
}

} // namespace

class TestSchedeOperazioni : public QObject {
    Q_OBJECT
private slots:
    void schedaDiOgniOperazione_data();
    void schedaDiOgniOperazione();
};

void TestSchedeOperazioni::schedaDiOgniOperazione_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QList<int>>("tabelline");
    QTest::addColumn<QStringList>("operazioni");
    QTest::addColumn<QString>("titolo");

    QTest::newRow("additions, level 2") << 1 << 1 << QList<int>{} << QStringList{"+"}
                                        << "ADDIZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
    QTest::newRow("subtractions, level 4") << 2 << 3 << QList<int>{} << QStringList{"-"}
                                           << "SOTTRAZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
    QTest::newRow("additions and subtractions, level 1")
        << 3 << 0 << QList<int>{} << QStringList{"+", "-"}
        << "ADDIZIONI - SOTTRAZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
    QTest::newRow("multiplications, level 1") << 4 << 0 << QList<int>{} << QStringList{"x"}
                                              << "MOLTIPLICAZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
    QTest::newRow("multiplications, table of 7") << 4 << 1 << QList<int>{7} << QStringList{"x"}
                                                 << "MOLTIPLICAZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
    QTest::newRow("divisions, level 3") << 5 << 2 << QList<int>{} << QStringList{":"}
                                        << "DIVISIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
    QTest::newRow("divisions, tables of 1 and 10") << 5 << 0 << QList<int>{1, 10} << QStringList{":"}
                                                   << "DIVISIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
    QTest::newRow("multiplications and divisions, table of 10")
        << 6 << 3 << QList<int>{10} << QStringList{"x", ":"}
        << "MOLTIPLICAZIONI - DIVISIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
    QTest::newRow("all four, level 2, table of 3")
        << 7 << 1 << QList<int>{3} << QStringList{"+", "-", "x", ":"}
        << "LE QUATTRO OPERAZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
}

void TestSchedeOperazioni::schedaDiOgniOperazione()
{
    QFETCH(int, tipo);
    QFETCH(int, livello);
    QFETCH(QList<int>, tabelline);
    QFETCH(QStringList, operazioni);

    Scheda s;
    s.scelte.tipoOperazione = static_cast<std::int16_t>(tipo);
    for (int t : tabelline)
        s.scelte.tabelline = static_cast<std::uint16_t>(s.scelte.tabelline | (1u << t));
    scegliObiettivoScheda(s.scelte, 5);   // every form, numbers and signs
    scegliLivelloScheda(s, livello);
    QTEST(s.scelte.titoloObiettivo, "titolo");
    Generatore g([] { return 36000.0; });
    for (int i = 1; i <= righePerScheda; ++i)
        generaRigaScheda(s, g, i);

    QSet<QString> viste;
    QMap<QString, QString> forme;   // the symbols of a shape, and its skeleton
    for (int i = 1; i <= righePerScheda; ++i) {
        const QString& alunni = s.schedaAlunni[i];
        const Lettura l = leggi(alunni, s.schedaDocenti[i]);
        QVERIFY2(l.giusta, qPrintable(QStringLiteral("line %1: %2").arg(i).arg(l.errore)));
        QVERIFY2(operazioni.contains(l.operazione), qPrintable(alunni));
        viste.insert(l.operazione);
        if (!tabelline.isEmpty() && (l.operazione == u"x" || l.operazione == u":"))
            QVERIFY2(dalleTabelline(l, tabelline), qPrintable(alunni));

        QString simboli = scheletro(alunni);
        simboli.remove(u' ');
        const QString sagoma = scheletro(alunni);
        QVERIFY2(forme.value(simboli, sagoma) == sagoma,
                 qPrintable(QStringLiteral("'%1' out of line with '%2'").arg(alunni, forme.value(simboli))));
        forme.insert(simboli, sagoma);
    }
    QCOMPARE(viste, QSet<QString>(operazioni.begin(), operazioni.end()));
}

QTEST_GUILESS_MAIN(TestSchedeOperazioni)
#include "tst_schedeoperazioni.moc"
