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
    void textOffThePageDropped_data();
    void textOffThePageDropped();
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

// A page 842 units high. Glyphs wholly above or below it go; their positioning stays.
void TestContentSpans::textOffThePageDropped_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("dropped");
    QTest::newRow("on the page") << QByteArray("BT /F1 12 Tf 1 0 0 1 100 500 Tm <0001> Tj ET")
                                 << QByteArray("BT /F1 12 Tf 1 0 0 1 100 500 Tm <0001> Tj ET") << 0;
    QTest::newRow("above the top") << QByteArray("BT /F1 12 Tf 1 0 0 1 100 900 Tm <0001> Tj ET")
                                   << QByteArray("BT /F1 12 Tf 1 0 0 1 100 900 Tm  ET") << 1;
    QTest::newRow("below the bottom, array") << QByteArray("BT /F1 12 Tf 1 0 0 1 100 -30 Tm [<0001> 5 <0002>] TJ ET")
                                             << QByteArray("BT /F1 12 Tf 1 0 0 1 100 -30 Tm  ET") << 1;
    QTest::newRow("descender over the top edge stays") << QByteArray("BT /F1 12 Tf 1 0 0 1 100 848 Tm <0001> Tj ET")
                                                       << QByteArray("BT /F1 12 Tf 1 0 0 1 100 848 Tm <0001> Tj ET") << 0;
    QTest::newRow("moved onto the page by cm, restored by Q")
        << QByteArray("q 1 0 0 1 0 -500 cm BT /F1 12 Tf 1 0 0 1 0 900 Tm <0001> Tj ET Q BT /F1 12 Tf 1 0 0 1 0 900 Tm <0002> Tj ET")
        << QByteArray("q 1 0 0 1 0 -500 cm BT /F1 12 Tf 1 0 0 1 0 900 Tm <0001> Tj ET Q BT /F1 12 Tf 1 0 0 1 0 900 Tm  ET") << 1;
    // As Qt prints a second page: the first line is the previous page's last, 69 units above.
    QTest::newRow("as Qt prints")
        << QByteArray("0.06 0 0 -0.06 0 842 cm q 1 0 0 1 0 -14033 cm BT /F7 267 Tf 1 0 0 -1 0 0 Tm "
                      "950 -12876.84 Td <000f> Tj 71 0 Td <0034> Tj ET BT /F7 267 Tf 1 0 0 -1 0 0 Tm "
                      "950 -15227.84 Td <0030> Tj ET Q")
        << QByteArray("0.06 0 0 -0.06 0 842 cm q 1 0 0 1 0 -14033 cm BT /F7 267 Tf 1 0 0 -1 0 0 Tm "
                      "950 -12876.84 Td  71 0 Td  ET BT /F7 267 Tf 1 0 0 -1 0 0 Tm "
                      "950 -15227.84 Td <0030> Tj ET Q") << 2;
}

void TestContentSpans::textOffThePageDropped()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QFETCH(int, dropped);
    int count = -1;
    const auto result = pdftext::dropTextOffPage(content, 0, 842, &count);
    QVERIFY(result);
    QCOMPARE(*result, expected);
    QCOMPARE(count, dropped);
}

QTEST_GUILESS_MAIN(TestContentSpans)
#include "test_content_spans.moc"
