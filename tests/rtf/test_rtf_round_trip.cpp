// What the editor can hold survives write → read, and the writer's output is what peers expect.

#include "rtf_test_support.h"

#include "nq/glyph_code.h"
#include "nq/glyph_table.h"
#include "rtf/kept_groups.h"
#include "rtf/page_setup.h"
#include "rtf/tab_stops.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>
#include <QTextImageFormat>

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

QTEST_MAIN(TestRtfRoundTrip)
#include "test_rtf_round_trip.moc"
