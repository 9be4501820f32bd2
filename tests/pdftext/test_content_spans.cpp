// The content-stream scanner on streams Qt does not write: what it must leave alone.

#include "pdftext/content_spans.h"

#include "nq/glyph_code.h"

#include <QtTest>

class TestContentSpans : public QObject {
    Q_OBJECT
private slots:
    void leftAlone_data();
    void leftAlone();
    void preBaseSignGetsSpan();
};

namespace {

// Glyph 1 is ি (code 105), glyph 2 ক (code 107), glyph 3 the space.
QHash<quint16, QString> glyphs()
{
    return {{1, QString(nq::toChar(105))}, {2, QString(nq::toChar(107))}, {3, QStringLiteral(" ")}};
}

} // namespace

// Streams that come back unchanged (a value) or are refused as not followed (no value).
void TestContentSpans::leftAlone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("followed");
    QTest::newRow("other font only") << QByteArray("BT /F1 12 Tf 10 10 Td <00010002> Tj ET") << true;
    QTest::newRow("words in order") << QByteArray("BT /F7 12 Tf 10 10 Td <0002> Tj 5 0 Td <0003> Tj ET") << true;
    QTest::newRow("already marked") << QByteArray("BT /F7 12 Tf /Span <</ActualText (x)>> BDC 1 1 Td <0001> Tj "
                                                  "2 0 Td <0002> Tj EMC ET") << true;
    QTest::newRow("literal glyph string") << QByteArray("BT /F7 12 Tf 1 1 Td (\\001) Tj 2 0 Td <0002> Tj ET") << true;
    QTest::newRow("inline image") << QByteArray("BI /W 1 /H 1 ID \x01\x02 EI BT /F7 12 Tf <0001> Tj ET") << false;
    QTest::newRow("EMC without BDC") << QByteArray("BT /F7 12 Tf <0001> Tj ET EMC") << false;
    QTest::newRow("BDC never closed") << QByteArray("/P BMC BT /F7 12 Tf <0001> Tj ET") << false;
    QTest::newRow("unterminated string") << QByteArray("BT (abc Tj ET") << false;
}

void TestContentSpans::leftAlone()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, followed);
    const auto result = pdftext::addWordSpans(content, {"F7"}, glyphs());
    QCOMPARE(result.has_value(), followed);
    if (followed)
        QCOMPARE(*result, content);
}

// ি drawn before ক reads as কি: the span holds the logical order, and the bytes around it
// (every position) stay as they were.
void TestContentSpans::preBaseSignGetsSpan()
{
    const QByteArray content("BT /F7 12 Tf 10 10 Td <0001> Tj 5.123456789 0 Td <0002> Tj 7 0 Td <0003> Tj ET");
    pdftext::SpanCount count;
    const auto result = pdftext::addWordSpans(content, {"F7"}, glyphs(), &count);
    QVERIFY(result);
    QCOMPARE(count.words, 1);
    const QByteArray span = "/Span <</ActualText <FEFF099509BF>>> BDC\n";
    QCOMPARE(*result, QByteArray("BT /F7 12 Tf " + span + "10 10 Td <0001> Tj 5.123456789 0 Td <0002> Tj\nEMC 7 0 Td <0003> Tj ET"));
}

QTEST_GUILESS_MAIN(TestContentSpans)
#include "test_content_spans.moc"
