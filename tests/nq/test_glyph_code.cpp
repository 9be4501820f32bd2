// Glyph codes as text: every byte survives the trip through the editor's character, and the
// forms other programs make of NQ bytes come back as the byte they stand for.
#include "nq/glyph_code.h"

#include <QTest>

class TestGlyphCode : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips()
    {
        QSet<QChar> seen;
        for (int b = 0; b < 256; ++b) {
            const QChar ch = nq::toChar(static_cast<unsigned char>(b));
            QVERIFY2(!seen.contains(ch), qPrintable(QStringLiteral("two codes share U+%1").arg(ch.unicode(), 4, 16)));
            seen.insert(ch);
            const auto back = nq::toCode(ch);
            QVERIFY2(back.has_value(), qPrintable(QString::number(b)));
            QCOMPARE(int(*back), b);
        }
    }

    void heldCharacter_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("held");
        QTest::newRow("ASCII letter") << 0x6B << 0x006B;
        QTest::newRow("euro slot") << 0x80 << 0x20AC;
        QTest::newRow("unused slot (bullet)") << 0x95 << 0x2022;
        // Codes inside words whose cp1252 character is punctuation or a sign: Qt would break
        // lines and words at them.
        QTest::newRow("conjunct at the low-quote slot") << 0x82 << 0xF082;
        QTest::newRow("AI sign at ]") << 0x5D << 0xF05D;
        QTest::newRow("reph at ^") << 0x5E << 0xF05E;
        QTest::newRow("DHA at the pound sign") << 0xA3 << 0xF0A3;
        QTest::newRow("conjunct at the multiplication sign") << 0xD7 << 0xF0D7;
        // Codes inside words whose character is a letter, and punctuation codes, stay.
        QTest::newRow("conjunct at a Latin letter") << 0xE7 << 0x00E7;
        QTest::newRow("dari at the full stop") << 0x2E << 0x002E;
        QTest::newRow("hyphen") << 0x2D << 0x002D;
        QTest::newRow("Bengali digit") << 0x31 << 0x0031;
        QTest::newRow("undefined 81 keeps its C1 point") << 0x81 << 0x0081;
        QTest::newRow("undefined 9D") << 0x9D << 0x009D;
        QTest::newRow("em dash slot") << 0x97 << 0x2014;
        QTest::newRow("y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("no-break space slot") << 0xA0 << 0x00A0;
        // A soft hyphen is drawn as nothing and breaks lines: the editor holds 173 privately.
        QTest::newRow("173 private") << 0xAD << 0xF0AD;
        QTest::newRow("line-break marker") << 0xFF << 0x00FF;
    }
    void heldCharacter()
    {
        QFETCH(int, code);
        QFETCH(int, held);
        QCOMPARE(int(nq::toChar(static_cast<unsigned char>(code)).unicode()), held);
        QCOMPARE(nq::isHeldPrivate(static_cast<unsigned char>(code)), held >= 0xF000);
    }

    void foreignForms_data()
    {
        QTest::addColumn<int>("character");
        QTest::addColumn<int>("code");
        QTest::newRow("symbol-font form of k") << 0xF06B << 0x6B;
        QTest::newRow("symbol-font form of 0") << 0xF000 << 0x00;
        QTest::newRow("symbol-font form of 255") << 0xF0FF << 0xFF;
        QTest::newRow("undefined byte 8D as F18D") << 0xF18D << 0x8D;
        QTest::newRow("undefined byte 90 as F190") << 0xF190 << 0x90;
        QTest::newRow("F100 range, defined byte") << 0xF1C7 << 0xC7;
        QTest::newRow("RTF \\~ no-break space") << 0x00A0 << 0xA0;
        QTest::newRow("RTF \\- soft hyphen") << 0x00AD << 0xAD;
        QTest::newRow("C1 point of an undefined byte") << 0x008F << 0x8F;
    }
    void foreignForms()
    {
        QFETCH(int, character);
        QFETCH(int, code);
        const auto back = nq::toCode(QChar(char16_t(character)));
        QVERIFY(back.has_value());
        QCOMPARE(int(*back), code);
    }

    void charactersWithoutCode_data()
    {
        QTest::addColumn<int>("character");
        QTest::newRow("Bengali KA") << 0x0995;
        QTest::newRow("C1 point of a defined byte (80)") << 0x0080;
        QTest::newRow("C1 point of a defined byte (9F)") << 0x009F;
        QTest::newRow("after the F1xx range") << 0xF200;
        QTest::newRow("before the F0xx range") << 0xEFFF;
        QTest::newRow("Latin A with macron") << 0x0100;
        QTest::newRow("replacement character") << 0xFFFD;
    }
    void charactersWithoutCode()
    {
        QFETCH(int, character);
        QVERIFY(!nq::toCode(QChar(char16_t(character))).has_value());
    }

    void wholeStrings()
    {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        QCOMPARE(nq::toCodes(nq::toText(all)), all);

        // Characters that stand for no byte become the fallback, one for one.
        const QString mixed = QStringLiteral("k") + QChar(0x0995) + QChar(0xF0AD) + QChar(0x20AD);
        QCOMPARE(nq::toCodes(mixed), QByteArray("k?\xAD?"));
        QCOMPARE(nq::toCodes(mixed, '#'), QByteArray("k#\xAD#"));
        QCOMPARE(nq::toText(QByteArray("\xAD")), QString(QChar(0xF0AD)));
        QVERIFY(nq::toText(QByteArray()).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestGlyphCode)
#include "test_glyph_code.moc"
