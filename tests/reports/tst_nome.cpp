// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/nome.h"

#include <QTest>

using namespace ope;

class TestNome : public QObject {
    Q_OBJECT
private slots:
    void pulito_data();
    void pulito();
    void mentreScrive_data();
    void mentreScrive();
    void maiuscolo_data();
    void maiuscolo();
};

void TestNome::pulito_data()
{
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("stampato");
    QTest::newRow("as typed") << u"Niccolò Russo"_qs << u"Niccolò Russo"_qs;
    QTest::newRow("apostrophes and hyphens") << u"Anna D’Amico-Bo"_qs << u"Anna D’Amico-Bo"_qs;
    QTest::newRow("right-to-left override") << u"\u202EMario Rossi"_qs << u"Mario Rossi"_qs;
    QTest::newRow("isolates and marks of direction") << u"Ana\u2067\u200Fbel\u2069"_qs << u"Anabel"_qs;
    QTest::newRow("pasted over two lines") << u"Mario\r\nRossi\n"_qs << u"Mario Rossi"_qs;
    QTest::newRow("tabs and runs of blanks") << u"  Anna\t\t Maria  "_qs << u"Anna Maria"_qs;
    QTest::newRow("no-break space") << u"Anna\u00A0Bo"_qs << u"Anna Bo"_qs;
    QTest::newRow("control characters") << u"Lu\u0007ca\u0000\u001B"_qs << u"Luca"_qs;
    QTest::newRow("digits and symbols") << u"Luca 2B <3 #1"_qs << u"Luca B"_qs;
    QTest::newRow("emoji dropped whole") << u"Sara 👩‍🎓🇮🇹❤️"_qs << u"Sara"_qs;
    QTest::newRow("a mark left by an emoji") << u"Lia😀\u0301"_qs << u"Lia"_qs;
    QTest::newRow("cut at the 15th character") << u"Mariangela Rossini"_qs << u"Mariangela Ross"_qs;
    QTest::newRow("no blank left by the cut") << u"Giovanni Maria Bianchi"_qs << u"Giovanni Maria"_qs;
    // Fifteen letters, each with a combining accent: thirty UTF-16 units.
    QTest::newRow("accents typed apart count with their letter")
        << QString(u"e\u0301"_qs).repeated(16) << QString(u"e\u0301"_qs).repeated(15);
    // Letters beyond the 16-bit plane are two UTF-16 units each.
    QTest::newRow("letters of two units") << QString(u"𝐀"_qs).repeated(16) << QString(u"𝐀"_qs).repeated(15);
    QTest::newRow("other scripts") << u"Đặng Thị Ánh"_qs << u"Đặng Thị Ánh"_qs;
    QTest::newRow("nothing left") << u"123 😀"_qs << QString();
}

void TestNome::pulito()
{
    QFETCH(QString, digitato);
    QTEST(nomePulito(digitato), "stampato");
}

void TestNome::mentreScrive_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("cursore");
    QTest::addColumn<QString>("resta");
    QTest::addColumn<int>("cursoreDopo");
    // A trailing blank stays while typing: the next word follows it.
    QTest::newRow("blank before the next word") << u"Mario "_qs << 6 << u"Mario "_qs << 6;
    QTest::newRow("a digit typed is not taken") << u"Ma2rio"_qs << 3 << u"Mario"_qs << 2;
    QTest::newRow("paste cut at 15") << u"Mariangela Rossini"_qs << 18 << u"Mariangela Ross"_qs << 15;
    QTest::newRow("paste with a newline") << u"Mario\nRossi"_qs << 11 << u"Mario Rossi"_qs << 11;
    QTest::newRow("an emoji in a paste") << (u"Mariangela Ros"_qs + u"😀a"_qs) << 17 << u"Mariangela Rosa"_qs << 15;
}

void TestNome::mentreScrive()
{
    QFETCH(QString, testo);
    QFETCH(int, cursore);
    ValidatoreNome v;
    QCOMPARE(v.validate(testo, cursore), QValidator::Acceptable);
    QTEST(testo, "resta");
    QTEST(cursore, "cursoreDopo");
}

void TestNome::maiuscolo_data()
{
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<QString>("disegnato");
    QTest::newRow("each word") << u"niccolò esposito"_qs << u"Niccolò Esposito"_qs;
    QTest::newRow("after an apostrophe") << u"maria d'angelo"_qs << u"Maria D'Angelo"_qs;
    QTest::newRow("typographic apostrophe") << u"dell’acqua"_qs << u"Dell’Acqua"_qs;
    QTest::newRow("after a hyphen") << u"anna-maria"_qs << u"Anna-Maria"_qs;
    QTest::newRow("inner capitals kept") << u"Mary McLean"_qs << u"Mary McLean"_qs;
    QTest::newRow("capitals kept") << u"LUCIA"_qs << u"LUCIA"_qs;
    QTest::newRow("caps lock turned back") << u"mARIO rOSSI"_qs << u"Mario Rossi"_qs;
    QTest::newRow("caps lock with an accent") << u"èLISA"_qs << u"Èlisa"_qs;
    QTest::newRow("caps lock with an apostrophe") << u"mARIA d'aNGELO"_qs << u"Maria D'Angelo"_qs;
    QTest::newRow("small initial alone is no caps lock") << u"mario ROSSI"_qs << u"Mario ROSSI"_qs;
    QTest::newRow("one letter") << u"a"_qs << u"A"_qs;
    QTest::newRow("blank in front") << u" anna"_qs << u" Anna"_qs;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("letter beyond 16 bits") << u"𐐨ola"_qs << u"𐐀ola"_qs;
}

void TestNome::maiuscolo()
{
    QFETCH(QString, scritto);
    QTEST(nomeMaiuscolo(scritto), "disegnato");
}

QTEST_APPLESS_MAIN(TestNome)
#include "tst_nome.moc"
