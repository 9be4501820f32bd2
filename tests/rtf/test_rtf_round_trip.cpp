// What the editor can hold survives write → read, and the writer's output is what peers expect.

#include "rtf_test_support.h"

#include "nq/glyph_code.h"
#include "nq/glyph_table.h"
#include "rtf/kept_groups.h"
#include "rtf/page_setup.h"
#include "rtf/tab_stops.h"
#include "rtf/unshown_parts.h"
#include "rtf/table_format.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>
#include <QTextImageFormat>
#include <QTextTable>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using rtf_test::describe;
using rtf_test::readRtf;

Q_DECLARE_METATYPE(rtf::FailureKind)
Q_DECLARE_METATYPE(rtf::Failure)

class TestRtfRoundTrip : public QObject {
    Q_OBJECT
private slots:
    void everyKindOfFormattingSurvives();
    void paletteCodesSurviveInNq();
    void typedTextTakesTheDocumentDefaultFont();
    void writerOutput_data();
    void writerOutput();
    void keptPropertiesComeBack_data();
    void keptPropertiesComeBack();
    void headersFootersAndStylesKept();
    void pageSetupIsKept_data();
    void pageSetupIsKept();
    void readFilesComeBackAsRead_data();
    void readFilesComeBackAsRead();
    void commentsAreKept_data();
    void commentsAreKept();
    void unshownPartsAreNoticed_data();
    void unshownPartsAreNoticed();
    void hiddenTextIsKept_data();
    void hiddenTextIsKept();
    void tablesComeBack_data();
    void tablesComeBack();
    void tablesBuiltInTheEditorAreWritten();
    void emptyDocumentSurvives();
    void loadFileErrorsNameTheFile_data();
    void loadFileErrorsNameTheFile();
    void saveFileErrorsNameTheFile_data();
    void saveFileErrorsNameTheFile();
    void saveFileReplacesAndReloads();
    void failedSaveLeavesTheOldFileWhole();
    void pictureThatCannotBeWrittenIsTold_data();
    void pictureThatCannotBeWrittenIsTold();
    void failureSentences_data();
    void failureSentences();
    void typedDirectionKept();
};

namespace {

QString paletteText()
{
    QString text;
    for (const nq::Glyph& glyph : nq::glyphTable())
        if (!glyph.cells.isEmpty())
            text.append(nq::toChar(static_cast<unsigned char>(glyph.code)));
    return text;
}

QTextCharFormat family(const QString& name, double size)
{
    QTextCharFormat format;
    format.setFontFamilies({name});
    format.setFontPointSize(size);
    return format;
}

// A document with every property the codec carries, in NQ and in another face.
std::unique_ptr<QTextDocument> richDocument()
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 18));
    QTextCursor cursor(document.get());

    const auto run = [&](const QString& text, QTextCharFormat format) { cursor.insertText(text, format); };
    QTextCharFormat nq = family(QStringLiteral("NQ"), 16);
    run(paletteText(), nq);

    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    QTextCharFormat bold = nq;
    bold.setFontWeight(QFont::Bold);
    run(QStringLiteral("ab"), bold);
    QTextCharFormat italic = nq;
    italic.setFontItalic(true);
    run(QStringLiteral("cd"), italic);
    QTextCharFormat underline = nq;
    underline.setFontUnderline(true);
    run(QStringLiteral("ef"), underline);
    for (auto style : {QTextCharFormat::DotLine, QTextCharFormat::DashUnderline, QTextCharFormat::DashDotLine,
                       QTextCharFormat::DashDotDotLine, QTextCharFormat::WaveUnderline}) {
        QTextCharFormat styled = nq;
        styled.setUnderlineStyle(style);
        run(QStringLiteral("u"), styled);
    }
    QTextCharFormat strike = nq;
    strike.setFontStrikeOut(true);
    run(QStringLiteral("gh"), strike);
    QTextCharFormat coloured = nq;
    coloured.setForeground(QColor(0x12, 0x34, 0x56));
    run(QString(nq::toChar(0xAD)) + nq::toChar(0xA0), coloured);
    QTextCharFormat highlighted = family(QStringLiteral("Arial"), 11);
    highlighted.setBackground(QColor(Qt::yellow));
    highlighted.setForeground(QColor(Qt::red));
    run(QStringLiteral("hl"), highlighted);
    QTextCharFormat super = nq;
    super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    run(QStringLiteral("2"), super);
    QTextCharFormat sub = nq;
    sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    run(QStringLiteral("3"), sub);
    QTextCharFormat all = family(QStringLiteral("NQ"), 40.5);
    all.setFontWeight(QFont::Bold);
    all.setFontItalic(true);
    all.setFontUnderline(true);
    all.setForeground(QColor(Qt::blue));
    all.setBackground(QColor(Qt::green));
    run(nq::toText("{x}\\"), all);

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    right.setLeftMargin(48);
    right.setRightMargin(24);
    right.setTextIndent(-20);
    right.setTopMargin(8);
    right.setBottomMargin(16);
    right.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    cursor.insertBlock(right);
    run(QString::fromUcs4(U"Unicode: caf\u00e9 \u20ac \u0995\u09cd\u09b7 \u03b1\U0001F600 \u0081\uf0ad end"), family(QStringLiteral("Arial"), 12));
    run(QStringLiteral("tab\tline") + QChar(QChar::LineSeparator) + QStringLiteral("next"), nq);
    run(u"\u03b1\u2211(a\uf060"_qs, family(QStringLiteral("Symbol"), 12));
    run(u"\uf06c\uf0d8a"_qs, family(QStringLiteral("Wingdings"), 12));

    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    justified.setLineHeight(20, QTextBlockFormat::FixedHeight);
    cursor.insertBlock(justified, family(QStringLiteral("NQ"), 30));   // an empty line keeps its size

    QTextBlockFormat minimum;
    minimum.setLineHeight(24, QTextBlockFormat::MinimumHeight);
    minimum.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(minimum);
    QTextCharFormat link = family(QStringLiteral("Arial"), 12);
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://example.org/a b?c=\\d"));
    run(QStringLiteral("link"), link);
    run(QStringLiteral(" picture "), nq);
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("mem:picture")), image);
    QTextImageFormat imageFormat;
    imageFormat.setName(QStringLiteral("mem:picture"));
    imageFormat.setWidth(30);
    imageFormat.setHeight(20);
    cursor.insertImage(imageFormat);

    cursor.insertBlock(QTextBlockFormat());   // a last, empty paragraph
    return document;
}

} // namespace

void TestRtfRoundTrip::everyKindOfFormattingSurvives()
{
    const auto original = richDocument();
    const QByteArray rtf = rtf::write(*original);
    // Read with another default face: nothing may depend on it.
    const auto loaded = readRtf(rtf, QFont(QStringLiteral("Courier"), 9));
    QVERIFY2(!loaded.error, qPrintable(loaded.error ? rtf::failureText(*loaded.error) : QString()));
    QCOMPARE(describe(*loaded.document), describe(*original));
    // And, read with the same default face, a second generation writes the same bytes.
    const auto again = readRtf(rtf, original->defaultFont());
    QCOMPARE(rtf::write(*again.document), rtf);
}

void TestRtfRoundTrip::paletteCodesSurviveInNq()
{
    const QString palette = paletteText();
    QCOMPARE(palette.size(), 188);
    QString everyCode;
    for (int code = 0x20; code <= 0xFF; ++code)
        everyCode.append(nq::toChar(static_cast<unsigned char>(code)));

    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(palette, family(QStringLiteral("NQ"), 16));
    cursor.insertBlock();
    cursor.insertText(everyCode, family(QStringLiteral("NQ"), 16));
    const auto loaded = readRtf(rtf::write(document));
    QVERIFY(!loaded.error);
    QCOMPARE(loaded.document->firstBlock().text(), palette);
    QCOMPARE(loaded.document->lastBlock().text(), everyCode);
    QCOMPARE(nq::toCodes(loaded.document->lastBlock().text()), nq::toCodes(everyCode));
}

void TestRtfRoundTrip::typedTextTakesTheDocumentDefaultFont()
{
    // What the editor types carries no face of its own: the document's default is its face.
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("NQ"), 18));
    QTextCursor cursor(&document);
    cursor.insertText(QString(nq::toChar(0xAD)) + nq::toChar(0xE0) + QStringLiteral("k"));
    const QByteArray rtf = rtf::write(document);
    QVERIFY(rtf.contains("\\fcharset0 NQ;"));
    QVERIFY(rtf.contains("\\'ad\\'e0k"));
    const auto loaded = readRtf(rtf, QFont(QStringLiteral("Times New Roman"), 10));
    QVERIFY(!loaded.error);
    QCOMPARE(describe(*loaded.document).value(1), u"  [NQ 18] \\x{f0ad}\\x{00e0}k"_qs);
    // Reading keeps the face the editor gave the document for what is typed next.
    QCOMPARE(loaded.document->defaultFont().family(), u"Times New Roman"_qs);
    QCOMPARE(loaded.document->defaultFont().pointSize(), 10);
}

void TestRtfRoundTrip::writerOutput_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("NQ bytes as hex") << "NQ" << QString(QChar(0x20AC)) + QChar(0x81) + QChar(0xF0AD) + QChar(0xA0) << QByteArray("\\'80\\'81\\'ad\\'a0");
    QTest::newRow("NQ ascii literal, specials escaped") << "NQ" << nq::toText("a{b}\\") << QByteArray(" a\\{b\\}\\\\");
    QTest::newRow("cp1252 as hex") << "Arial" << u"caf\u00e9 \u20ac"_qs << QByteArray("caf\\'e9 \\'80");
    QTest::newRow("outside cp1252 as \\u with ?") << "Arial" << u"\u0995\u03b1"_qs << QByteArray("\\u2453\\'3f\\u945\\'3f");
    QTest::newRow("private use as negative \\u") << "Arial" << u"\uf0ad"_qs << QByteArray("\\u-3923\\'3f");
    QTest::newRow("surrogate pair as two \\u") << "Arial" << QString::fromUcs4(U"\U0001F600") << QByteArray("\\u-10179\\'3f\\u-8704\\'3f");
    QTest::newRow("undefined cp1252 byte as \\u") << "Arial" << u"\u0081"_qs << QByteArray("\\u129\\'3f");
    QTest::newRow("face with a code page in its name") << "Arial Baltic" << u"\u00e6\u0119"_qs << QByteArray("\\u230\\'3f\\u281\\'3f");
    QTest::newRow("tab and line") << "Arial" << u"a\tb\u2028c"_qs << QByteArray("a\\tab b\\line c");
    QTest::newRow("run in a group of its own") << "Arial" << u"x"_qs << QByteArray("{\\plain\\rtlch\\af1\\afs24\\ltrch\\f1\\fs24\\highlight1 x}\\par");
    QTest::newRow("Symbol face: Unicode with the face's byte") << "Symbol" << u"\u03b1\u2211(a"_qs << QByteArray("\\u945\\'61\\u8721\\'e5\\u40\\'28\\u97\\'3f");
    QTest::newRow("Wingdings: private use as its byte") << "Wingdings" << u"\uf06c\uf0d8"_qs << QByteArray("\\'6c\\'d8");
    QTest::newRow("symbol faces declared fcharset2") << "Wingdings" << u"\uf06c"_qs << QByteArray("\\fnil\\fcharset2 Wingdings;");
}

void TestRtfRoundTrip::writerOutput()
{
    QFETCH(QString, face);
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat background = family(face, 12);
    background.setBackground(QColor(Qt::yellow));
    cursor.insertText(text, background);
    const QByteArray rtf = rtf::write(document);
    QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"), rtf.constData());
    QVERIFY2(rtf.contains(expected), rtf.constData());
    QVERIFY2(rtf.contains("\\highlight1"), rtf.constData());
    QVERIFY2(rtf.contains("{\\colortbl;\\red255\\green255\\blue0;}"), rtf.constData());
    const auto loaded = readRtf(rtf);
    QVERIFY(!loaded.error);
    QCOMPARE(loaded.document->firstBlock().text(), text);
}

namespace {
// What the reader keeps of the text at the word `at`: capitals, the paragraph's direction,
// a link's target and the bookmarks starting there.
QString keptAt(const QTextDocument& document, const QString& at)
{
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(int(document.toPlainText().indexOf(at)) + 1);
    const QTextCharFormat chars = cursor.charFormat();
    QStringList kept;
    if (chars.fontCapitalization() == QFont::SmallCaps)
        kept << QStringLiteral("small-caps");
    if (chars.fontCapitalization() == QFont::AllUppercase)
        kept << QStringLiteral("caps");
    if (cursor.blockFormat().layoutDirection() == Qt::RightToLeft)
        kept << QStringLiteral("rtl");
    if (chars.isAnchor())
        kept << QStringLiteral("link ") + chars.anchorHref();
    for (const QString& name : chars.anchorNames())
        kept << QStringLiteral("bookmark ") + name;
    for (const rtf::TabStop& stop : rtf::tabStopsOf(cursor.blockFormat())) {
        static const char* const kTypes[] = {"left", "right", "centre", "decimal"};
        kept << QStringLiteral("tab %1 %2 leader %3").arg(QLatin1String(kTypes[stop.type])).arg(stop.twips).arg(int(stop.leader));
    }
    return kept.join(u", ");
}
} // namespace

void TestRtfRoundTrip::keptPropertiesComeBack_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("small capitals") << QByteArray("{\\rtf1 a {\\scaps Small} b\\par}") << "Small" << "small-caps" << QByteArray("\\scaps");
    QTest::newRow("capitals") << QByteArray("{\\rtf1 a {\\caps Caps} b\\par}") << "Caps" << "caps" << QByteArray("\\caps");
    QTest::newRow("right-to-left paragraph") << QByteArray("{\\rtf1\\pard\\rtlpar Hebrew\\par\\pard\\ltrpar Latin\\par}") << "Hebrew" << "rtl" << QByteArray("\\rtlpar");
    QTest::newRow("left-to-right after it") << QByteArray("{\\rtf1\\pard\\rtlpar Hebrew\\par\\pard\\ltrpar Latin\\par}") << "Latin" << "" << QByteArray("\\rtlpar");
    QTest::newRow("bookmark") << QByteArray("{\\rtf1 before {\\*\\bkmkstart intro}Marked{\\*\\bkmkend intro} after\\par}") << "Marked" << "bookmark intro"
                              << QByteArray("{\\*\\bkmkstart intro}{\\*\\bkmkend intro}");
    QTest::newRow("text before a bookmark keeps none") << QByteArray("{\\rtf1 before {\\*\\bkmkstart intro}Marked\\par}") << "before" << "" << QByteArray("bkmkstart intro");
    QTest::newRow("link to a bookmark")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst {HYPERLINK \\\\l \"intro\"}}{\\fldrslt {go}}} x{\\*\\bkmkstart intro}here\\par}")
        << "go" << "link #intro" << QByteArray("HYPERLINK \\\\l \"intro\"");
    QTest::newRow("link to a place in another file")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst {HYPERLINK \"other.rtf\" \\\\l \"part2\" \\\\o \"tip\"}}{\\fldrslt {go}}}\\par}")
        << "go" << "link other.rtf#part2" << QByteArray("HYPERLINK \"other.rtf#part2\"");
    QTest::newRow("tab stops")
        << QByteArray("{\\rtf1\\pard\\tqr\\tldot\\tx2880\\tqc\\tx4320\\tx5000\\tqdec\\tlul\\tx6000 a\\tab b\\par}") << "a"
        << "tab right 2880 leader 1, tab centre 4320 leader 0, tab left 5000 leader 0, tab decimal 6000 leader 3"
        << QByteArray("\\tldot\\tqr\\tx2880\\tqc\\tx4320\\tx5000\\tlul\\tqdec\\tx6000");
    QTest::newRow("tab stops end with the paragraph's properties")
        << QByteArray("{\\rtf1\\pard\\tx2880 a\\par\\pard b\\par}") << "b" << "" << QByteArray("\\tx2880");
    QTest::newRow("web link with a tooltip") << QByteArray("{\\rtf1{\\field{\\*\\fldinst {HYPERLINK \\\\o \"tip\" \"https://e.org/\"}}{\\fldrslt {go}}}\\par}")
                                             << "go" << "link https://e.org/" << QByteArray("HYPERLINK \"https://e.org/\"");
}

void TestRtfRoundTrip::keptPropertiesComeBack()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, at);
    QFETCH(QString, kept);
    QFETCH(QByteArray, written);
    const auto first = readRtf(rtf);
    QVERIFY(!first.error);
    QCOMPARE(keptAt(*first.document, at), kept);
    const QByteArray output = rtf::write(*first.document);
    QVERIFY2(output.contains(written), output.constData());
    const auto second = readRtf(output);
    QVERIFY(!second.error);
    QCOMPARE(keptAt(*second.document, at), kept);
}

void TestRtfRoundTrip::headersFootersAndStylesKept()
{
    // The header names font 7 and colour 2 of the file's tables: they must still name
    // Courier and blue in the saved file's tables, whatever their numbers there.
    const QByteArray rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f7 Courier;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                           "{\\stylesheet{\\s0\\f0 Normal;}{\\s1\\f7\\cf2 Code;}}"
                           "{\\header\\pard\\f7\\cf2 Head text\\par}{\\footerf\\pard Page foot\\par}\\f0 Body\\par}";
    QTextDocument document;
    rtf::ReadNotes notes;
    QCOMPARE(rtf::read(rtf, document, &notes), std::nullopt);
    QCOMPARE(document.toPlainText(), u"Body"_qs);
    QCOMPARE(notes.pagePartsKept, 2);
    const QByteArray written = rtf::write(document);
    QVERIFY2(written.contains("{\\footerf\\pard Page foot\\par}"), written.constData());
    QVERIFY2(written.contains("{\\stylesheet"), written.constData());
    // Read again: the body alone shows, and the parts are still there to write.
    QTextDocument again;
    QCOMPARE(rtf::read(written, again), std::nullopt);
    QCOMPARE(again.toPlainText(), u"Body"_qs);
    const auto kept = rtf::keptGroupsOf(again);
    QVERIFY(kept.has_value());
    QCOMPARE(kept->pageParts.size(), 2);
    // The renumbered header's face and colour are Courier and blue in the new tables.
    const QString header = QString::fromLatin1(kept->pageParts.first());
    const QRegularExpressionMatch face = QRegularExpression(QStringLiteral("\\\\f(\\d+)")).match(header);
    const QRegularExpressionMatch colour = QRegularExpression(QStringLiteral("\\\\cf(\\d+)")).match(header);
    QVERIFY(face.hasMatch() && colour.hasMatch());
    QCOMPARE(kept->fonts.value(face.captured(1).toInt()), u"Courier"_qs);
    QCOMPARE(kept->colors.value(colour.captured(1).toInt()), QColor(0, 0, 255));
    // A new document forgets them.
    rtf::forgetFileSettings(again);
    QVERIFY(!rtf::write(again).contains("\\header"));
}

void TestRtfRoundTrip::pageSetupIsKept_data()
{
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<QString>("page");   // size in points, orientation, margins in points
    QTest::newRow("none") << QByteArray() << "";
    QTest::newRow("A4 landscape with margins") << QByteArray("\\paperw16838\\paperh11906\\landscape\\margl1134\\margr1134\\margt860\\margb860")
                                               << "842x595 landscape 57 43 57 43";
    QTest::newRow("sheet given upright, turned by \\landscape") << QByteArray("\\paperw11906\\paperh16838\\landscape")
                                                                 << "842x595 landscape 90 72 90 72";
    QTest::newRow("margins alone: Letter") << QByteArray("\\margl720\\margr720") << "612x792 portrait 36 72 36 72";
    QTest::newRow("first section's words") << QByteArray("\\sectd\\pgwsxn11906\\pghsxn16838\\marglsxn567\\sect\\sectd\\pgwsxn12240")
                                           << "595x842 portrait 28 72 90 72";
    QTest::newRow("document words win over a section's") << QByteArray("\\paperw11906\\paperh16838\\sectd\\pgwsxn16838\\pghsxn11906")
                                                         << "595x842 portrait 90 72 90 72";
}

void TestRtfRoundTrip::pageSetupIsKept()
{
    QFETCH(QByteArray, words);
    QFETCH(QString, page);
    const auto describe = [](const QTextDocument& document) {
        const std::optional<QPageLayout> layout = rtf::pageLayoutOf(document);
        if (!layout)
            return QString();
        const QRectF sheet = layout->fullRect(QPageLayout::Point);
        const QMarginsF m = layout->margins(QPageLayout::Point);
        return QStringLiteral("%1x%2 %3 %4 %5 %6 %7")
            .arg(qRound(sheet.width())).arg(qRound(sheet.height()))
            .arg(layout->orientation() == QPageLayout::Landscape ? u"landscape"_qs : u"portrait"_qs)
            .arg(qRound(m.left())).arg(qRound(m.top())).arg(qRound(m.right())).arg(qRound(m.bottom()));
    };
    const auto first = readRtf("{\\rtf1" + words + " text\\par}");
    QVERIFY(!first.error);
    QCOMPARE(describe(*first.document), page);
    const QByteArray written = rtf::write(*first.document);
    QCOMPARE(written.contains("\\paperw"), !page.isEmpty());
    const auto second = readRtf(written);
    QVERIFY(!second.error);
    QCOMPARE(describe(*second.document), page);
}

void TestRtfRoundTrip::readFilesComeBackAsRead_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("list label mixing faces")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1 Symbol;}}{\\pntext\\u61520 g\\f1 m}f\\par}");
    QTest::newRow("Symbol bullet label")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Times;}{\\f1\\fcharset2 Symbol;}}{\\listtext\\f1 \\'b7\\tab}item\\par}");
    QTest::newRow("bold 24 pt Bengali heading set by the associated words")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Times;}{\\f1 Lohit Bengali;}}\\rtlch\\af1\\afs48\\ab\\ltrch\\f0\\fs24 "
                      "\\u2476?\\u2494?\\u2434?\\u2482?\\u2494? text\\par}");
    QTest::newRow("black first in the colour table")
        << QByteArray("{\\rtf1{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}Hello {\\cf1 red}\\par}");
}

void TestRtfRoundTrip::readFilesComeBackAsRead()
{
    QFETCH(QByteArray, rtf);
    const auto first = readRtf(rtf);
    QVERIFY(!first.error);
    const QByteArray written = rtf::write(*first.document);
    const auto second = readRtf(written);
    QVERIFY(!second.error);
    QCOMPARE(rtf_test::rawText(*second.document), rtf_test::rawText(*first.document));
    const QString text = first.document->toPlainText();
    for (int position = 1; position <= text.size(); ++position) {
        QTextCursor a(first.document.get());
        QTextCursor b(second.document.get());
        a.setPosition(position);
        b.setPosition(position);
        QCOMPARE(rtf_test::describeChars(b.charFormat(), second.document->defaultFont()),
                 rtf_test::describeChars(a.charFormat(), first.document->defaultFont()));
    }
}

namespace {

// Where the document keeps hidden text: "before 'run': text" and "end of 'paragraph': text".
QStringList hiddenTextOf(const QTextDocument& document)
{
    QStringList places;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (const QString hidden = it.fragment().charFormat().stringProperty(rtf::kHiddenBefore); !hidden.isEmpty())
                places << QStringLiteral("before '%1': %2").arg(it.fragment().text(), hidden);
        }
        if (const QString hidden = block.blockFormat().stringProperty(rtf::kHiddenAtEnd); !hidden.isEmpty())
            places << QStringLiteral("end of '%1': %2").arg(block.text(), hidden);
    }
    return places;
}

} // namespace

void TestRtfRoundTrip::commentsAreKept_data()
{
    // A comment as Word writes it: its range's marks, its author and mark, the comment with
    // faces and colours of the file's tables (Courier, blue), which a save renumbers.
    const QByteArray tables = "{\\fonttbl{\\f0 Arial;}{\\f3 Courier;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
    const QByteArray comment = "{\\*\\atnid AB}{\\*\\atnauthor Ann}\\chatn{\\*\\annotation{\\*\\atnref 1}{\\*\\atndate 123}\\pard\\f3\\cf2 The note.\\par}";
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("comments");
    QTest::addColumn<QByteArrayList>("written");   // in this order in the saved file
    QTest::newRow("on a range, within a paragraph")
        << "{\\rtf1" + tables + "\\f0 before {\\*\\atrfstart 1}commented{\\*\\atrfend 1}" + comment + " after\\par}"
        << u"before commented after"_qs << 1
        << QByteArrayList{"{\\*\\atrfstart 1}", "commented}", "{\\*\\atrfend 1}{\\*\\atnid AB}{\\*\\atnauthor Ann}\\chatn {\\*\\annotation", " after}"};
    QTest::newRow("after the last paragraph's end") << "{\\rtf1" + tables + "\\f0 text\\par" + comment + "}" << u"text\n"_qs << 1
                                                    << QByteArrayList{"text}\\par", "{\\*\\atnid AB}", "The note.\\par}\\par"};
    QTest::newRow("at a paragraph's end") << "{\\rtf1" + tables + "\\f0 text" + comment + "\\par next\\par}" << u"text\nnext"_qs << 1
                                          << QByteArrayList{"text}", "{\\*\\atnid AB}", "The note.\\par}\\par", "next}"};
    QTest::newRow("two, in a table's cell")
        << "{\\rtf1" + tables + "\\trowd\\cellx1000\\pard\\intbl x" + comment + "y" + comment + "\\cell\\row}" << u"\nxy\n"_qs << 2
        << QByteArrayList{"x}", "{\\*\\atnid AB}", "y}", "{\\*\\atnid AB}", "\\cell"};
}

void TestRtfRoundTrip::commentsAreKept()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(int, comments);
    QFETCH(QByteArrayList, written);
    QTextDocument document;
    rtf::ReadNotes notes;
    QCOMPARE(rtf::read(rtf, document, &notes), std::nullopt);
    QCOMPARE(rtf_test::rawText(document), text);
    QCOMPARE(notes.commentsKept, comments);
    const QByteArray output = rtf::write(document);
    qsizetype at = 0;
    for (const QByteArray& piece : written) {
        at = output.indexOf(piece, at);
        QVERIFY2(at >= 0, qPrintable(QString::fromLatin1(piece) + u'\n' + QString::fromLatin1(output)));
    }
    // The comment's face and colour are still Courier and blue in the saved file's tables.
    const QRegularExpressionMatch note = QRegularExpression(QStringLiteral("\\\\f(\\d+)\\\\cf(\\d+) The note")).match(QString::fromLatin1(output));
    QVERIFY2(note.hasMatch(), output.constData());
    const QRegularExpressionMatch face = QRegularExpression(QStringLiteral("\\{\\\\f%1\\\\f\\w+\\\\fcharset\\d+ ([^;]+);").arg(note.captured(1)))
                                             .match(QString::fromLatin1(output));
    QCOMPARE(face.captured(1), u"Courier"_qs);
    QTextDocument again;
    rtf::ReadNotes againNotes;
    QCOMPARE(rtf::read(output, again, &againNotes), std::nullopt);
    QCOMPARE(rtf_test::rawText(again), text);
    QCOMPARE(againNotes.commentsKept, comments);
    // Saved again, the comments come out as they went in.
    QCOMPARE(rtf::write(again), output);
}

void TestRtfRoundTrip::unshownPartsAreNoticed_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("notice");
    QTest::newRow("headers") << QByteArray("{\\rtf1{\\header H}a}") << u"in.rtf: its headers and footers are not shown. Saving writes them back as they were."_qs;
    QTest::newRow("comments") << QByteArray("{\\rtf1 a{\\*\\annotation note}b}") << u"in.rtf: its comments are not shown. Saving writes them back as they were."_qs;
    QTest::newRow("both") << QByteArray("{\\rtf1{\\footer F}a{\\*\\annotation note}b}")
                          << u"in.rtf: its headers, footers and comments are not shown. Saving writes them back as they were."_qs;
    QTest::newRow("a comment's marks alone") << QByteArray("{\\rtf1 a{\\*\\atrfstart 1}b{\\*\\atrfend 1}}") << QString();
}

void TestRtfRoundTrip::unshownPartsAreNoticed()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, notice);
    QTextDocument document;
    rtf::ReadNotes notes;
    QCOMPARE(rtf::read(rtf, document, &notes), std::nullopt);
    QCOMPARE(rtf::noticesFor(QStringLiteral("in.rtf"), notes).join(u'\n'), notice);
}

void TestRtfRoundTrip::hiddenTextIsKept_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("between runs") << QByteArray("{\\rtf1 a{\\v hidden }b\\par}") << u"ab"_qs << QStringList{u"before 'b': hidden "_qs}
                                  << QByteArray("\\v hidden }");
    QTest::newRow("switched off by \\v0") << QByteArray("{\\rtf1\\v h1\\v0 x\\par}") << u"x"_qs << QStringList{u"before 'x': h1"_qs}
                                          << QByteArray("\\v h1}");
    QTest::newRow("at a paragraph's end") << QByteArray("{\\rtf1 a{\\v tail}\\par b\\par}") << u"a\nb"_qs
                                          << QStringList{u"end of 'a': tail"_qs} << QByteArray("\\v tail}\\par");
    QTest::newRow("after the last paragraph's end") << QByteArray("{\\rtf1 a\\par{\\v last}}") << u"a\n"_qs
                                                    << QStringList{u"end of '': last"_qs} << QByteArray("\\v last}\\par");
    QTest::newRow("in an empty paragraph") << QByteArray("{\\rtf1{\\v only}\\par b\\par}") << u"\nb"_qs
                                           << QStringList{u"end of '': only"_qs} << QByteArray("\\v only}\\par");
    QTest::newRow("NQ bytes in their face")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset0 NQ;}}\\f1 a{\\v \\'e0\\'ad}b\\par}") << u"ab"_qs
        << QStringList{u"before 'b': \u00e0\uf0ad"_qs} << QByteArray("\\v \\'e0\\'ad}");
    QTest::newRow("at a cell's end") << QByteArray("{\\rtf1\\trowd\\cellx1000\\pard\\intbl x{\\v note}\\cell\\row}") << u"\nx\n"_qs
                                     << QStringList{u"end of 'x': note"_qs} << QByteArray("\\v note}\\cell");
    QTest::newRow("before a link") << QByteArray("{\\rtf1 a{\\v h}{\\field{\\*\\fldinst HYPERLINK \"https://e.org/\"}{\\fldrslt go}}\\par}")
                                   << u"ago"_qs << QStringList{u"before 'go': h"_qs} << QByteArray("\\v h}{\\field");
}

void TestRtfRoundTrip::hiddenTextIsKept()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(QStringList, hidden);
    QFETCH(QByteArray, written);
    const auto first = readRtf(rtf);
    QVERIFY(!first.error);
    QCOMPARE(rtf_test::rawText(*first.document), text);
    QCOMPARE(hiddenTextOf(*first.document), hidden);
    const QByteArray output = rtf::write(*first.document);
    QVERIFY2(output.contains(written), output.constData());
    const auto second = readRtf(output);
    QVERIFY(!second.error);
    QCOMPARE(rtf_test::rawText(*second.document), text);
    QCOMPARE(hiddenTextOf(*second.document), hidden);
    // Edited: text typed in bold in the middle of each run and a paragraph split in two
    // copy the formats that carry hidden text; each piece is still written once.
    QTextCursor cursor(second.document.get());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int position = second.document->characterCount() - 1; position > 0; --position) {
        cursor.setPosition(position);
        cursor.insertText(QStringLiteral("!"), bold);
    }
    cursor.setPosition(1);
    cursor.insertBlock();
    const QByteArray edited = rtf::write(*second.document);
    QCOMPARE(edited.count("\\v "), output.count("\\v "));
}

namespace {

// Each table's column widths, then each cell's edge, shading, alignment and borders.
QStringList describeTableFormats(const QTextDocument& document)
{
    QStringList lines;
    QList<QTextFrame*> frames{document.rootFrame()};
    while (!frames.isEmpty()) {
        QTextFrame* frame = frames.takeFirst();
        frames = frame->childFrames() + frames;
        const auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QStringList widths;
        for (const QTextLength& width : table->format().columnWidthConstraints())
            widths << QString::number(width.rawValue(), 'f', 1);
        lines << u"table "_qs + widths.join(u' ');
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCellFormat cell = table->cellAt(row, column).format().toTableCellFormat();
                QString line = QStringLiteral("  %1,%2 edge%3").arg(row).arg(column).arg(cell.intProperty(rtf::kCellRightEdge));
                if (cell.background().style() != Qt::NoBrush)
                    line += u" bg"_qs + cell.background().color().name();
                if (cell.verticalAlignment() != QTextCharFormat::AlignNormal)
                    line += QStringLiteral(" valign%1").arg(int(cell.verticalAlignment()));
                const QList<std::tuple<const char*, double, QTextFrameFormat::BorderStyle, QBrush>> sides{
                    {"top", cell.topBorder(), cell.topBorderStyle(), cell.topBorderBrush()},
                    {"left", cell.leftBorder(), cell.leftBorderStyle(), cell.leftBorderBrush()},
                    {"bottom", cell.bottomBorder(), cell.bottomBorderStyle(), cell.bottomBorderBrush()},
                    {"right", cell.rightBorder(), cell.rightBorderStyle(), cell.rightBorderBrush()}};
                for (const auto& [name, width, style, brush] : sides) {
                    if (width > 0)
                        line += QStringLiteral(" %1 %2 style%3 %4").arg(QLatin1String(name)).arg(width).arg(int(style))
                                    .arg(brush.style() == Qt::NoBrush ? u"auto"_qs : brush.color().name());
                }
                lines << line;
            }
        }
    }
    return lines;
}

} // namespace

void TestRtfRoundTrip::tablesComeBack_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QByteArray>("written");   // a piece the saved file holds
    QTest::newRow("two rows with their own widths and formats")
        << QByteArray("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                      "\\trowd\\trgaph108\\trleft-108\\clcbpat2\\clvertalc\\clbrdrt\\brdrs\\brdrw30\\brdrcf1\\clbrdrb\\brdrdb\\brdrw15\\cellx1440"
                      "\\clvertalb\\clbrdrl\\brdrdot\\brdrw10\\cellx4320\\pard\\intbl a\\cell {\\b b}\\par second\\cell\\row"
                      "\\trowd\\trgaph108\\trleft-108\\cellx2000\\cellx4320\\pard\\intbl c\\cell\\cell\\row\\pard after\\par}")
        << QByteArray("\\trowd\\trgaph108\\trleft-108\\clvertalc\\clcbpat");
    QTest::newRow("nested, as Word writes it")
        << QByteArray("{\\rtf1\\trowd\\cellx3000\\cellx6000\\pard\\intbl\\itap1 outer1\\par"
                      "\\pard\\intbl\\itap2 n1\\nestcell n2\\nestcell{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}"
                      "\\pard\\intbl\\itap2 n3\\nestcell n4\\nestcell{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2500\\nestrow}{\\nonesttables\\par}"
                      "\\pard\\intbl\\itap1 \\cell outer2\\cell\\trowd\\cellx3000\\cellx6000\\row\\pard after\\par}")
        << QByteArray("\\pard\\intbl\\itap2");
    QTest::newRow("merged down three rows and across three cells")
        << QByteArray("{\\rtf1\\trowd\\clvmgf\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row"
                      "\\trowd\\clvmrg\\cellx1000\\cellx2000\\pard\\intbl\\cell c\\cell\\row"
                      "\\trowd\\clvmrg\\cellx1000\\cellx2000\\pard\\intbl\\cell d\\cell\\row"
                      "\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\pard\\intbl e\\cell\\cell\\row}")
        << QByteArray("\\clvmrg");
    QTest::newRow("table first and last") << QByteArray("{\\rtf1\\trowd\\cellx900\\cellx1800\\pard\\intbl x\\cell y\\cell\\row}") << QByteArray("\\cell");
    QTest::newRow("a list and a link in a cell")
        << QByteArray("{\\rtf1\\trowd\\cellx900\\cellx1800{\\listtext 1.\\tab}\\pard\\intbl item\\cell{\\field{\\*\\fldinst HYPERLINK \"https://e.org/\"}{\\fldrslt go}}\\cell\\row}")
        << QByteArray("HYPERLINK");
}

void TestRtfRoundTrip::tablesComeBack()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QByteArray, written);
    const auto first = readRtf(rtf);
    QVERIFY(!first.error);
    const QByteArray output = rtf::write(*first.document);
    QVERIFY2(output.contains(written), output.constData());
    const auto second = readRtf(output);
    QVERIFY(!second.error);
    QCOMPARE(rtf_test::tableText(*second.document), rtf_test::tableText(*first.document));
    QCOMPARE(describeTableFormats(*second.document), describeTableFormats(*first.document));
    QCOMPARE(describe(*second.document), describe(*first.document));
}

void TestRtfRoundTrip::tablesBuiltInTheEditorAreWritten()
{
    // A table pasted into the editor has no edges of its own, and may span cells: its
    // columns give the edges, a cell spanning cells continues as empty merged cells.
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("before"));
    QTextTableFormat format;
    format.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, 100), QTextLength(QTextLength::FixedLength, 50),
                                      QTextLength(QTextLength::VariableLength, 0)});
    QTextTable* table = cursor.insertTable(3, 3, format);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            table->cellAt(row, column).firstCursorPosition().insertText(QStringLiteral("r%1c%2").arg(row).arg(column));
    table->mergeCells(0, 0, 1, 2);
    table->mergeCells(1, 2, 2, 1);
    const QByteArray written = rtf::write(document);
    // 100 and 50 pixels are 1500 and 750 twips; the third column shares 8640 twips by three.
    QVERIFY2(written.contains("\\trowd\\trgaph0\\trleft0\\clmgf\\cellx1500\\clmrg\\cellx2250\\cellx5130\n"), written.constData());
    QVERIFY2(written.contains("\\trowd\\trgaph0\\trleft0\\cellx1500\\cellx2250\\clvmgf\\cellx5130\n"), written.constData());
    QVERIFY2(written.contains("\\trowd\\trgaph0\\trleft0\\cellx1500\\cellx2250\\clvmrg\\cellx5130\n"), written.constData());
    const auto read = readRtf(written);
    QVERIFY(!read.error);
    QCOMPARE(rtf_test::tableText(*read.document), rtf_test::tableText(document));
    const auto* again = qobject_cast<QTextTable*>(read.document->rootFrame()->childFrames().value(0));
    QVERIFY(again);
    QCOMPARE(again->cellAt(0, 1).column(), 0);
    QCOMPARE(again->cellAt(2, 2).row(), 1);
}

void TestRtfRoundTrip::emptyDocumentSurvives()
{
    QTextDocument document;
    const auto loaded = readRtf(rtf::write(document));
    QVERIFY(!loaded.error);
    QCOMPARE(loaded.document->blockCount(), 1);
    QVERIFY(loaded.document->isEmpty());
}

void TestRtfRoundTrip::loadFileErrorsNameTheFile_data()
{
    using rtf::FailureKind;
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<FailureKind>("kind");
    QTest::addColumn<int>("systemError");
    QTest::addColumn<int>("line");
    QTest::newRow("missing") << "missing.rtf" << QByteArray() << FailureKind::Unreadable << ENOENT << 0;
    QTest::newRow("folder") << "." << QByteArray() << FailureKind::Folder << 0 << 0;
    QTest::newRow("not rtf") << "notes.rtf" << QByteArray("just text\n") << FailureKind::NotRtf << 0 << 0;
    QTest::newRow("truncated") << "cut.rtf" << QByteArray("{\\rtf1\n\n{\\pict\\bin999 x") << FailureKind::BinaryCutShort << 0 << 3;
}

void TestRtfRoundTrip::loadFileErrorsNameTheFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(rtf::FailureKind, kind);
    QFETCH(int, systemError);
    QFETCH(int, line);
    QTemporaryDir dir;
    const QString path = name == u"." ? dir.path() : dir.filePath(name);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QTextDocument document;
    const auto error = rtf::loadFile(path, document);
    QVERIFY(error);
    QCOMPARE(error->kind, kind);
    QCOMPARE(error->path, path);
    QCOMPARE(error->systemError, systemError);
    QCOMPARE(error->line, line);
}

void TestRtfRoundTrip::saveFileErrorsNameTheFile_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("missing folder") << "missing";
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("path is a folder") << "folder";
    // Binds root too, where permissions do not.
    QTest::newRow("parent is a file") << "under-file";
}

void TestRtfRoundTrip::saveFileErrorsNameTheFile()
{
    QFETCH(QString, where);
    QTemporaryDir dir;
    QString path;
    if (where == u"missing") {
        path = dir.filePath(QStringLiteral("no/such/folder/doc.rtf"));
    } else if (where == u"folder") {
        path = dir.filePath(QStringLiteral("sub"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    } else if (where == u"under-file") {
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        path = dir.filePath(QStringLiteral("plain/doc.rtf"));
    } else {
        if (::geteuid() == 0)
            QSKIP("permissions do not bind root");
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        path = dir.filePath(QStringLiteral("doc.rtf"));
    }
    QTextDocument document(QStringLiteral("text"));
    const auto error = rtf::saveFile(path, document);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(error);
    QCOMPARE(error->kind, rtf::FailureKind::Unwritable);
    QCOMPARE(error->path, path);
    QVERIFY(error->systemError != 0 || !error->detail.isEmpty());
}

void TestRtfRoundTrip::saveFileReplacesAndReloads()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.rtf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    const auto original = richDocument();
    QCOMPARE(rtf::saveFile(path, *original), std::nullopt);
    QTextDocument loaded;
    QCOMPARE(rtf::loadFile(path, loaded), std::nullopt);
    QCOMPARE(describe(loaded), describe(*original));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("doc.rtf")});
}

void TestRtfRoundTrip::failedSaveLeavesTheOldFileWhole()
{
    // A file size limit makes the write fail half-way, even for root.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.rtf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("{\\rtf1 the old document}");
    old.close();
    QTextDocument document(QString(20000, u'x'));

    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = rtf::saveFile(path, document);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(error);
    QCOMPARE(error->kind, rtf::FailureKind::Unwritable);
    QCOMPARE(error->path, path);
    QVERIFY(error->systemError != 0 || !error->detail.isEmpty());
    QTextDocument reloaded;
    QCOMPARE(rtf::loadFile(path, reloaded), std::nullopt);
    QCOMPARE(reloaded.toPlainText(), u"the old document"_qs);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("doc.rtf")});
}

// A picture with nothing behind it cannot be encoded: the save still writes the rest and
// tells how many pictures it left out.
void TestRtfRoundTrip::pictureThatCannotBeWrittenIsTold_data()
{
    QTest::addColumn<bool>("withImage");
    QTest::addColumn<int>("leftOut");
    QTest::addColumn<QString>("reloaded");
    QTest::newRow("picture without an image") << false << 1 << u"before  after"_qs;
    QTest::newRow("picture with an image") << true << 0 << u"before \ufffc after"_qs;
}

void TestRtfRoundTrip::pictureThatCannotBeWrittenIsTold()
{
    QFETCH(bool, withImage);
    QFETCH(int, leftOut);
    QFETCH(QString, reloaded);
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("before "));
    QTextImageFormat image;
    image.setName(QStringLiteral("picture-1"));
    if (withImage) {
        QImage pixels(4, 3, QImage::Format_RGB32);
        pixels.fill(Qt::blue);
        document.addResource(QTextDocument::ImageResource, QUrl(image.name()), pixels);
    }
    cursor.insertImage(image);
    cursor.insertText(QStringLiteral(" after"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.rtf"));
    rtf::WriteNotes notes;
    QCOMPARE(rtf::saveFile(path, document, &notes), std::nullopt);
    QCOMPARE(notes.picturesLeftOut, leftOut);
    QCOMPARE(rtf::noticesFor(path, notes).size(), leftOut > 0 ? 1 : 0);
    QTextDocument loaded;
    QCOMPARE(rtf::loadFile(path, loaded), std::nullopt);
    QCOMPARE(loaded.toPlainText(), reloaded);
}

// The sentences the user reads, one per kind of failure: each names the file once.
void TestRtfRoundTrip::failureSentences_data()
{
    using rtf::FailureKind;
    QTest::addColumn<rtf::Failure>("failure");
    QTest::addColumn<QString>("sentence");
    const QString path = QStringLiteral("in/a.rtf");
    const auto make = [&](FailureKind kind) {
        rtf::Failure failure;
        failure.kind = kind;
        failure.path = path;
        return failure;
    };
    rtf::Failure missing = make(FailureKind::Unreadable);
    missing.systemError = ENOENT;
    QTest::newRow("missing") << missing << "in/a.rtf: cannot be read: No such file or directory";
    QTest::newRow("folder") << make(FailureKind::Folder) << "in/a.rtf: cannot be read: it is a folder";
    QTest::newRow("pipe") << make(FailureKind::NamedPipe) << "in/a.rtf: cannot be read: it is a named pipe (FIFO), not a regular file";
    QTest::newRow("device") << make(FailureKind::Device) << "in/a.rtf: cannot be read: it is a device, not a regular file";
    QTest::newRow("socket") << make(FailureKind::Socket) << "in/a.rtf: cannot be read: it is a socket, not a regular file";
    QTest::newRow("other") << make(FailureKind::NotRegularFile) << "in/a.rtf: cannot be read: it is not a regular file";
    rtf::Failure large = make(FailureKind::TooLarge);
    large.size = qint64(5) << 30;
    QTest::newRow("too large") << large
                               << "in/a.rtf: cannot be read: it is 5368709120 bytes long; documents larger than 1 GiB (1073741824 bytes) are not opened";
    QTest::newRow("allocation failed") << make(FailureKind::OutOfMemory) << "in/a.rtf: cannot be read: there is not enough memory to open it";
    QTest::newRow("empty") << make(FailureKind::Empty) << "in/a.rtf: the file is empty";
    QTest::newRow("not rtf") << make(FailureKind::NotRtf) << "in/a.rtf: this is not an RTF file: it does not begin with {\\rtf";
    QTest::newRow("over the allowance") << make(FailureKind::OverMemoryAllowance) << "in/a.rtf: there is not enough memory to open it";
    rtf::Failure deep = make(FailureKind::NestedTooDeep);
    deep.line = 2;
    deep.column = 10000;
    QTest::newRow("too deep") << deep << "in/a.rtf: groups are nested more than 10000 deep (line 2, column 10000)";
    rtf::Failure cut = make(FailureKind::BinaryCutShort);
    cut.announced = 100;
    cut.available = 3;
    cut.line = 3;
    cut.column = 7;
    QTest::newRow("bin cut short") << cut << "in/a.rtf: the file is truncated: \\bin100 announces 100 bytes of data but only 3 follow (line 3, column 7)";
    cut.path.clear();
    QTest::newRow("read from memory") << cut << "the file is truncated: \\bin100 announces 100 bytes of data but only 3 follow (line 3, column 7)";
    rtf::Failure unwritable = make(FailureKind::Unwritable);
    unwritable.detail = QStringLiteral("Permission denied");
    QTest::newRow("unwritable, Qt's reason") << unwritable << "in/a.rtf: cannot be written: Permission denied";
    unwritable.detail.clear();
    unwritable.systemError = ENOSPC;
    QTest::newRow("unwritable, errno") << unwritable << "in/a.rtf: cannot be written: No space left on device";
}

void TestRtfRoundTrip::failureSentences()
{
    QFETCH(rtf::Failure, failure);
    QFETCH(QString, sentence);
    QCOMPARE(rtf::failureText(failure), sentence);
}

// Typed or pasted text takes its direction from its first letter; saved, it keeps it, as a
// file is opened left to right unless it says \rtlpar.
void TestRtfRoundTrip::typedDirectionKept()
{
    QTextDocument typed;
    QTextCursor cursor(&typed);
    cursor.insertText(QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD abc"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("abc"));
    QCOMPARE(typed.firstBlock().textDirection(), Qt::RightToLeft);
    QTextDocument read;
    QVERIFY(!rtf::read(rtf::write(typed), read));
    QCOMPARE(read.firstBlock().blockFormat().layoutDirection(), Qt::RightToLeft);
    QCOMPARE(read.lastBlock().blockFormat().layoutDirection() == Qt::RightToLeft, false);
}

QTEST_MAIN(TestRtfRoundTrip)
#include "test_rtf_round_trip.moc"
