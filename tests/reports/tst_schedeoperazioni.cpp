// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/schede.h"
#include "session/generatore.h"
#include "session/sessione.h"
#include "start/tabelle.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace ope;

namespace {

// Puts the teachers' answer in place of the pupils' dot and does the
// arithmetic of "x op y ? z" or "z ? x op y"; returns the operation symbol,
// or an empty text when the line is wrong.
QString operazioneGiusta(const QString& alunni, const QString& docenti)
{
    const QString coda = docenti.mid(alunni.size() + 7).trimmed();
    if (!docenti.startsWith(alunni + QStringLiteral("       ")) || !coda.startsWith(u'(') || alunni.count(u'.') != 1)
        return {};
    const QStringList p = QString(alunni).replace(u'.', coda.mid(1, coda.size() - 2)).simplified().split(u' ');
    static const QString operazioni = QStringLiteral("+-x:");
    if (p.size() != 5)
        return {};
    const bool primaLOperazione = operazioni.contains(p[1]);
    const QString op = primaLOperazione ? p[1] : p[3];
    const long x = (primaLOperazione ? p[0] : p[2]).toLong();
    const long y = (primaLOperazione ? p[2] : p[4]).toLong();
    if (!operazioni.contains(op) || (op == u":" && (y == 0 || x % y != 0)))   // divisions are exact
        return {};
    const long valore = op == u"+" ? x + y : op == u"-" ? x - y : op == u"x" ? x * y : x / y;
    const long altro = (primaLOperazione ? p[4] : p[0]).toLong();
    const long a = primaLOperazione ? valore : altro;   // the sign reads left to right
    const long b = primaLOperazione ? altro : valore;
    const QString segno = primaLOperazione ? p[3] : p[1];
    const bool giusta = (segno == u"=" && a == b) || (segno == u"<" && a < b) || (segno == u">" && a > b);
    return giusta ? op : QString();
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
    QTest::addColumn<int>("tabellina");   // 0: none
    QTest::addColumn<QString>("operazioni");
    QTest::addColumn<QString>("titolo");

    const QString obiettivo = QStringLiteral(".2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO");
    QTest::newRow("additions") << 1 << 1 << 0 << "+" << "ADDIZIONI" + obiettivo;
    QTest::newRow("subtractions") << 2 << 3 << 0 << "-" << "SOTTRAZIONI" + obiettivo;
    QTest::newRow("additions and subtractions") << 3 << 0 << 0 << "+-" << "ADDIZIONI - SOTTRAZIONI" + obiettivo;
    QTest::newRow("multiplications, table of 7") << 4 << 1 << 7 << "x" << "MOLTIPLICAZIONI" + obiettivo;
    QTest::newRow("divisions") << 5 << 2 << 0 << ":" << "DIVISIONI" + obiettivo;
    QTest::newRow("multiplications and divisions, table of 10, up to 100")
        << 6 << 3 << 10 << "x:" << "MOLTIPLICAZIONI - DIVISIONI" + obiettivo;
    QTest::newRow("all four") << 7 << 1 << 3 << "+-x:" << "LE QUATTRO OPERAZIONI" + obiettivo;
}

void TestSchedeOperazioni::schedaDiOgniOperazione()
{
    QFETCH(int, tipo);
    QFETCH(int, livello);
    QFETCH(int, tabellina);
    QFETCH(QString, operazioni);
    Scheda s;
    s.scelte.tipoOperazione = static_cast<std::int16_t>(tipo);
    s.scelte.tabelline = static_cast<std::uint16_t>(tabellina ? 1u << tabellina : 0);
    scegliObiettivoScheda(s.scelte, 5);   // every form, numbers and signs
    scegliLivelloScheda(s, livello);
    QTEST(s.scelte.titoloObiettivo, "titolo");
    Generatore g([] { return 36000.0; });
    for (int i = 1; i <= righePerScheda; ++i)
        generaRigaScheda(s, g, i);

    QString viste;
    QMap<QString, QString> sagome;   // lines of the same symbols stand in the same columns
    for (int i = 1; i <= righePerScheda; ++i) {
        const QString& alunni = s.schedaAlunni[i];
        const QString op = operazioneGiusta(alunni, s.schedaDocenti[i]);
        QVERIFY2(!op.isEmpty() && operazioni.contains(op), qPrintable(s.schedaDocenti[i]));
        if (!viste.contains(op))
            viste += op;
        QString sagoma = alunni;
        sagoma.replace(QRegularExpression(QStringLiteral("\\d")), QStringLiteral(" "));
        const QString simboli = QString(sagoma).remove(u' ');
        QVERIFY2(sagome.value(simboli, sagoma) == sagoma, qPrintable(alunni + " / " + sagome.value(simboli)));
        sagome.insert(simboli, sagoma);
    }
    QCOMPARE(QSet<QChar>(viste.begin(), viste.end()), QSet<QChar>(operazioni.begin(), operazioni.end()));
}

QTEST_GUILESS_MAIN(TestSchedeOperazioni)
#include "tst_schedeoperazioni.moc"
