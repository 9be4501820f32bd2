// Interoperation with LibreOffice as a real peer: what we write, LibreOffice reads with the
// same text, glyph bytes and formatting (checked in its text and flat ODT exports); what
// LibreOffice writes as RTF from it, we read back with the same text and formatting.
// Skips where soffice is absent.

#include "rtf_test_support.h"

#include "nq/glyph_code.h"
#include "nq/glyph_table.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextImageFormat>
#include <QXmlStreamReader>

class TestRtfLibreOffice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textAndGlyphBytes_data();
    void textAndGlyphBytes();
    void formattingInFlatOdt_data();
    void formattingInFlatOdt();
    void libreOfficeRtfReadsBack_data();
    void libreOfficeRtfReadsBack();
    void listLabelsAsLibreOffice();

private:
    void addDocumentRows();
    void addFormattingRows();
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    QHash<QString, QString> ourText_;   // document name → the text we wrote
};

namespace {

QTextCharFormat face(const QString& family)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(14);
    return format;
}

QString glyphs(bool paletteOnly)
{
    QString text;
    if (paletteOnly) {
        for (const nq::Glyph& glyph : nq::glyphTable())
            if (!glyph.cells.isEmpty())
                text.append(nq::toChar(static_cast<unsigned char>(glyph.code)));
    } else {
        for (int code = 0x21; code <= 0xFF; ++code)
            text.append(nq::toChar(static_cast<unsigned char>(code)));
    }
    return text;
}

// One paragraph per property the writer emits: a plain lead-in, the word that carries the
// property, and plain text after it (a peer that misreads where a property ends loses or
// moves that text).
struct Sample {
    const char* word;
    void (*applyBlock)(QTextBlockFormat&);
    void (*apply)(QTextCharFormat&);
};

const Sample kSamples[] = {
    {"Bold", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); }},
    {"Italic", [](QTextBlockFormat& b) { b.setAlignment(Qt::AlignHCenter); }, [](QTextCharFormat& f) { f.setFontItalic(true); }},
    {"Under", [](QTextBlockFormat& b) { b.setAlignment(Qt::AlignRight | Qt::AlignAbsolute); }, [](QTextCharFormat& f) { f.setFontUnderline(true); }},
    {"Red", [](QTextBlockFormat& b) { b.setAlignment(Qt::AlignJustify); }, [](QTextCharFormat& f) { f.setForeground(QColor(255, 0, 0)); }},
    {"Marked", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setBackground(QColor(255, 255, 0)); }},
    {"Big", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setFontPointSize(28); }},
    {"Struck", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setFontStrikeOut(true); }},
    {"Raised", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); }},
    {"Lowered", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); }},
    {"Dotted", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setUnderlineStyle(QTextCharFormat::DotLine); }},
    {"Dashed", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setUnderlineStyle(QTextCharFormat::DashUnderline); }},
    {"DashDot", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setUnderlineStyle(QTextCharFormat::DashDotLine); }},
    {"DashDotDot", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setUnderlineStyle(QTextCharFormat::DashDotDotLine); }},
    {"Wavy", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setUnderlineStyle(QTextCharFormat::WaveUnderline); }},
    {"Sans", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setFontFamilies({QStringLiteral("Liberation Sans")}); }},
    {"Small", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setFontCapitalization(QFont::SmallCaps); }},
    {"Capitals", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setFontCapitalization(QFont::AllUppercase); }},
    {"Backward", [](QTextBlockFormat& b) { b.setLayoutDirection(Qt::RightToLeft); }, [](QTextCharFormat&) {}},
    {"Linked", [](QTextBlockFormat&) {}, [](QTextCharFormat& f) { f.setAnchor(true); f.setAnchorHref(QStringLiteral("https://example.org/")); }},
    {"Indented", [](QTextBlockFormat& b) { b.setLeftMargin(48); b.setRightMargin(24); b.setTextIndent(-12); b.setTopMargin(8); b.setBottomMargin(16);
                                           b.setLineHeight(150, QTextBlockFormat::ProportionalHeight); },
     [](QTextCharFormat&) {}},
    {"Exact", [](QTextBlockFormat& b) { b.setLineHeight(20, QTextBlockFormat::FixedHeight); }, [](QTextCharFormat&) {}},
    {"Paged", [](QTextBlockFormat& b) { b.setLineHeight(24, QTextBlockFormat::MinimumHeight); b.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore); },
     [](QTextCharFormat&) {}},
};

void writeFormattingDocument(QTextDocument& document)
{
    QTextCursor cursor(&document);
    bool first = true;
    for (const Sample& sample : kSamples) {
        QTextBlockFormat block;
        sample.applyBlock(block);
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        cursor.insertText(QStringLiteral("plain "), face(QStringLiteral("Liberation Serif")));
        QTextCharFormat format = face(QStringLiteral("Liberation Serif"));
        sample.apply(format);
        cursor.insertText(QString::fromLatin1(sample.word), format);
        cursor.insertText(QStringLiteral(" after"), face(QStringLiteral("Liberation Serif")));
    }
    // A picture between words.
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Pictured "), face(QStringLiteral("Liberation Serif")));
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("mem:picture")), image);
    QTextImageFormat picture;
    picture.setName(QStringLiteral("mem:picture"));
    cursor.insertImage(picture);
    cursor.insertText(QStringLiteral(" after"), face(QStringLiteral("Liberation Serif")));
    // Tabs and line breaks inside a paragraph.
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Tabbed\tcell") + QChar(QChar::LineSeparator) + QStringLiteral("next"), face(QStringLiteral("Liberation Serif")));
    // Glyph codes in bold NQ.
    cursor.insertBlock();
    QTextCharFormat nqBold = face(QStringLiteral("NQ"));
    nqBold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Glyph ") + nq::toChar(0xE0) + nq::toChar(0xAD) + nq::toChar(0x81), nqBold);
}

// Lists that give no label of their own: levels of decimal, letters and roman numbers, a
// Symbol bullet, a start value, two overrides of one list, and a blank \\listtext as AbiWord
// writes it.
const char kLists[] =
    "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}{\\*\\listtable"
    "{\\list\\listtemplateid1{\\listlevel\\levelnfc0\\levelstartat1{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}"
    "{\\listlevel\\levelnfc4\\levelstartat1\\levelfollow1{\\leveltext\\'03\\'00.\\'01;}{\\levelnumbers\\'01\\'03;}}"
    "{\\listlevel\\levelnfc2\\levelstartat1{\\leveltext\\'02\\'02);}{\\levelnumbers\\'01;}}\\listid100}"
    "{\\list\\listtemplateid2\\listsimple{\\listlevel\\levelnfc23\\levelstartat1{\\leveltext\\'01\\u-3913 ?;}{\\levelnumbers;}\\f1}\\listid200}"
    "{\\list\\listtemplateid3{\\listlevel\\levelnfc1\\levelstartat4{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}\\listid300}}"
    "{\\*\\listoverridetable{\\listoverride\\listid100\\listoverridecount0\\ls1}{\\listoverride\\listid200\\listoverridecount0\\ls2}"
    "{\\listoverride\\listid300\\listoverridecount0\\ls3}{\\listoverride\\listid100\\listoverridecount0\\ls4}}\n"
    "\\pard\\ls1 one\\par\\pard\\ls1\\ilvl1 sub\\par\\pard\\ls1\\ilvl2 deep\\par\\pard\\ls1\\ilvl1 sub\\par"
    "{\\listtext\\pard  \\tab}\\pard\\ls1 two\\par\\pard\\ls1\\ilvl1 sub\\par\\pard\\ls2 item\\par"
    "\\pard\\ls3 a\\par\\pard\\ls3 b\\par\\pard\\ls4 shared\\par\\pard plain\\par}";

bool runSoffice(const QString& profile, const QString& filter, const QString& outDir, const QStringList& files)
{
    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args{QStringLiteral("-env:UserInstallation=file://") + profile, QStringLiteral("--headless"),
                     QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), outDir};
    soffice.start(QStringLiteral("soffice"), args + files);
    return soffice.waitForFinished(240000) && soffice.exitCode() == 0;
}

QString readUtf8(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

// The formatting LibreOffice gave each word: paragraph style properties, overlaid by span
// style properties, from the automatic styles of a flat ODT file.
struct OdtFormatting {
    QHash<QString, QHash<QString, QString>> styles;   // style name → attribute → value
    QHash<QString, QHash<QString, QString>> words;    // word → its effective attributes
};

OdtFormatting readFlatOdt(const QString& path)
{
    OdtFormatting result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QXmlStreamReader xml(&file);
    QString style;
    QHash<QString, QString> paragraph;
    QList<QHash<QString, QString>> spans;
    QString text;
    bool inParagraph = false;
    const auto flushWords = [&] {
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
            result.words.insert(word, spans.isEmpty() ? paragraph : spans.last());
        text.clear();
    };
    while (!xml.atEnd()) {
        xml.readNext();
        const QString name = xml.qualifiedName().toString();
        if (xml.isStartElement()) {
            const QXmlStreamAttributes attributes = xml.attributes();
            if (name == u"style:style") {
                style = attributes.value(QStringLiteral("style:name")).toString();
            } else if (name == u"style:text-properties" || name == u"style:paragraph-properties") {
                for (const QXmlStreamAttribute& attribute : attributes)
                    result.styles[style].insert(attribute.qualifiedName().toString(), attribute.value().toString());
            } else if (name == u"text:p" || name == u"text:h") {
                inParagraph = true;
                paragraph = result.styles.value(attributes.value(QStringLiteral("text:style-name")).toString());
                spans.clear();
            } else if (name == u"text:span" && inParagraph) {
                flushWords();
                QHash<QString, QString> merged = spans.isEmpty() ? paragraph : spans.last();
                const auto own = result.styles.value(attributes.value(QStringLiteral("text:style-name")).toString());
                for (auto it = own.cbegin(); it != own.cend(); ++it)
                    merged.insert(it.key(), it.value());
                spans.append(merged);
            }
        } else if (xml.isEndElement()) {
            if (name == u"text:span" && inParagraph) {
                flushWords();
                spans.removeLast();
            } else if (name == u"text:p" || name == u"text:h") {
                flushWords();
                inParagraph = false;
            }
        } else if (xml.isCharacters() && inParagraph) {
            text += xml.text();
        }
    }
    return result;
}

} // namespace

void TestRtfLibreOffice::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty(),
             "soffice is not installed (package libreoffice-writer-nogui; scripts/test installs it)");
    QVERIFY(dir_.isValid());

    QTextDocument nq;
    nq.setDefaultFont(QFont(QStringLiteral("NQ"), 16));   // typed text: no face of its own
    QTextCursor cursor(&nq);
    cursor.insertText(glyphs(true));
    cursor.insertBlock();
    cursor.insertText(glyphs(false), face(QStringLiteral("NQ")));
    QTextDocument formatting;
    writeFormattingDocument(formatting);
    // Symbol-face text as Unicode, Wingdings as its private-use codes.
    QTextDocument symbols;
    QTextCursor symbolCursor(&symbols);
    symbolCursor.insertText(QStringLiteral("Symbol "), face(QStringLiteral("Liberation Serif")));
    symbolCursor.insertText(u"\u03b1\u03b2\u2211(1)\u2022"_qs, face(QStringLiteral("Symbol")));
    symbolCursor.insertText(QStringLiteral(" Wingdings "), face(QStringLiteral("Liberation Serif")));
    symbolCursor.insertText(u"\uf06c\uf0d8"_qs, face(QStringLiteral("Wingdings")));
    symbolCursor.insertText(QStringLiteral(" after"), face(QStringLiteral("Liberation Serif")));
    for (const auto& [name, document] : {std::pair<QString, QTextDocument*>{QStringLiteral("nq"), &nq},
                                          {QStringLiteral("formatting"), &formatting},
                                          {QStringLiteral("symbols"), &symbols}}) {
        QCOMPARE(rtf::saveFile(path(name + QStringLiteral(".rtf")), *document), std::nullopt);
        ourText_.insert(name, rtf_test::rawText(*document));
    }

    QFile lists(path(QStringLiteral("lists.rtf")));
    QVERIFY(lists.open(QIODevice::WriteOnly));
    lists.write(kLists);
    lists.close();

    const QString profile = path(QStringLiteral("profile"));
    const QStringList files{path(QStringLiteral("nq.rtf")), path(QStringLiteral("formatting.rtf")),
                            path(QStringLiteral("symbols.rtf")), path(QStringLiteral("lists.rtf"))};
    QDir(dir_.path()).mkpath(QStringLiteral("txt"));
    QDir(dir_.path()).mkpath(QStringLiteral("odt"));
    QDir(dir_.path()).mkpath(QStringLiteral("rtf"));
    QVERIFY(runSoffice(profile, QStringLiteral("txt:Text (encoded):UTF8"), path(QStringLiteral("txt")), files));
    QVERIFY(runSoffice(profile, QStringLiteral("fodt"), path(QStringLiteral("odt")), files));
    QVERIFY(runSoffice(profile, QStringLiteral("rtf"), path(QStringLiteral("rtf")), files));
}

void TestRtfLibreOffice::addDocumentRows()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("NQ palette and every code") << QStringLiteral("nq");
    QTest::newRow("formatting") << QStringLiteral("formatting");
    QTest::newRow("symbol faces") << QStringLiteral("symbols");
}

void TestRtfLibreOffice::textAndGlyphBytes_data() { addDocumentRows(); }

void TestRtfLibreOffice::textAndGlyphBytes()
{
    QFETCH(QString, name);
    const QString theirs = readUtf8(path(QStringLiteral("txt/%1.txt").arg(name)));
    const QString ours = ourText_.value(name);
    // Its text export ends a line break's line as it ends a paragraph, and leaves pictures out.
    QString expected = ours;
    expected.replace(QChar::LineSeparator, u'\n');
    expected.remove(QChar::ObjectReplacementCharacter);
    if (name == u"symbols") {
        QCOMPARE(theirs.split(u'\n'), expected.split(u'\n'));
    } else {
        // LibreOffice keeps NQ's bytes as cp1252 characters, or as U+F1xx where cp1252 has none.
        QCOMPARE(nq::toCodes(theirs, '\x01'), nq::toCodes(expected, '\x02'));
        QCOMPARE(theirs.size(), expected.size());
    }

    // And LibreOffice's own RTF of it (\uN with private-use values, \~, \-) reads back as
    // the very characters we hold.
    QTextDocument document;
    QCOMPARE(rtf::loadFile(path(QStringLiteral("rtf/%1.rtf").arg(name)), document), std::nullopt);
    QCOMPARE(rtf_test::rawText(document), ours);
}

void TestRtfLibreOffice::addFormattingRows()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("value");
    QTest::newRow("bold") << "Bold" << "fo:font-weight" << "bold";
    QTest::newRow("plain is not bold") << "plain" << "fo:font-weight" << "";
    QTest::newRow("italic") << "Italic" << "fo:font-style" << "italic";
    QTest::newRow("underline") << "Under" << "style:text-underline-style" << "solid";
    QTest::newRow("colour") << "Red" << "fo:color" << "#ff0000";
    QTest::newRow("highlight") << "Marked" << "fo:background-color" << "#ffff00";
    QTest::newRow("size") << "Big" << "fo:font-size" << "28pt";
    QTest::newRow("centre") << "Italic" << "fo:text-align" << "center";
    QTest::newRow("right") << "Under" << "fo:text-align" << "end";
    QTest::newRow("justify") << "Red" << "fo:text-align" << "justify";
    QTest::newRow("strike") << "Struck" << "style:text-line-through-style" << "solid";
    QTest::newRow("super") << "Raised" << "style:text-position" << "super 58%";
    QTest::newRow("sub") << "Lowered" << "style:text-position" << "sub 58%";
    QTest::newRow("dotted underline") << "Dotted" << "style:text-underline-style" << "dotted";
    QTest::newRow("dashed underline") << "Dashed" << "style:text-underline-style" << "dash";
    QTest::newRow("dash-dot underline") << "DashDot" << "style:text-underline-style" << "dot-dash";
    QTest::newRow("dash-dot-dot underline") << "DashDotDot" << "style:text-underline-style" << "dot-dot-dash";
    QTest::newRow("wave underline") << "Wavy" << "style:text-underline-style" << "wave";
    QTest::newRow("face") << "Sans" << "style:font-name" << "Liberation Sans";
    QTest::newRow("NQ face") << "Glyph" << "style:font-name" << "NQ";
    QTest::newRow("small capitals") << "Small" << "fo:font-variant" << "small-caps";
    QTest::newRow("capitals") << "Capitals" << "fo:text-transform" << "uppercase";
    QTest::newRow("right to left") << "Backward" << "style:writing-mode" << "rl-tb";
    QTest::newRow("left to right") << "Bold" << "style:writing-mode" << "";
    QTest::newRow("NQ bold") << "Glyph" << "fo:font-weight" << "bold";
    // The same formatting for complex-script text (Unicode Bengali, Arabic, Hebrew).
    QTest::newRow("complex bold") << "Bold" << "style:font-weight-complex" << "bold";
    QTest::newRow("complex plain") << "plain" << "style:font-weight-complex" << "";
    QTest::newRow("complex italic") << "Italic" << "style:font-style-complex" << "italic";
    QTest::newRow("complex size") << "Big" << "style:font-size-complex" << "28pt";
}

void TestRtfLibreOffice::formattingInFlatOdt_data() { addFormattingRows(); }

void TestRtfLibreOffice::formattingInFlatOdt()
{
    QFETCH(QString, word);
    QFETCH(QString, attribute);
    QFETCH(QString, value);
    const OdtFormatting odt = readFlatOdt(path(QStringLiteral("odt/formatting.fodt")));
    QVERIFY2(odt.words.contains(word), qPrintable(QStringList(odt.words.keys()).join(u' ')));
    QCOMPARE(odt.words.value(word).value(attribute).toLower(), value.toLower());
}

void TestRtfLibreOffice::libreOfficeRtfReadsBack_data() { addFormattingRows(); }

void TestRtfLibreOffice::libreOfficeRtfReadsBack()
{
    QFETCH(QString, word);
    QFETCH(QString, attribute);
    QFETCH(QString, value);
    QTextDocument document;
    QCOMPARE(rtf::loadFile(path(QStringLiteral("rtf/formatting.rtf")), document), std::nullopt);
    QCOMPARE(rtf_test::rawText(document), ourText_.value(QStringLiteral("formatting")));
    const int position = int(document.toPlainText().indexOf(word));
    QVERIFY(position >= 0);
    QTextCursor cursor(&document);
    cursor.setPosition(position + 1);
    const QTextCharFormat chars = cursor.charFormat();
    const QTextBlockFormat block = cursor.blockFormat();
    const Qt::Alignment alignment = block.alignment() & Qt::AlignHorizontal_Mask;
    QString actual;
    // One format holds both: a complex-script attribute reads back as its Latin twin.
    if (attribute == u"fo:font-weight" || attribute == u"style:font-weight-complex")
        actual = chars.fontWeight() >= QFont::Bold ? QStringLiteral("bold") : QString();
    else if (attribute == u"fo:font-style" || attribute == u"style:font-style-complex")
        actual = chars.fontItalic() ? QStringLiteral("italic") : QString();
    else if (attribute == u"style:text-underline-style")
        actual = QHash<int, QString>{{QTextCharFormat::SingleUnderline, QStringLiteral("solid")},
                                     {QTextCharFormat::DotLine, QStringLiteral("dotted")},
                                     {QTextCharFormat::DashUnderline, QStringLiteral("dash")},
                                     {QTextCharFormat::DashDotLine, QStringLiteral("dot-dash")},
                                     {QTextCharFormat::DashDotDotLine, QStringLiteral("dot-dot-dash")},
                                     {QTextCharFormat::WaveUnderline, QStringLiteral("wave")}}
                     .value(chars.underlineStyle());
    else if (attribute == u"style:text-line-through-style")
        actual = chars.fontStrikeOut() ? QStringLiteral("solid") : QString();
    else if (attribute == u"style:text-position")
        actual = chars.verticalAlignment() == QTextCharFormat::AlignSuperScript ? QStringLiteral("super 58%")
               : chars.verticalAlignment() == QTextCharFormat::AlignSubScript  ? QStringLiteral("sub 58%")
                                                                              : QString();
    else if (attribute == u"fo:color")
        actual = chars.foreground().color().name();
    else if (attribute == u"fo:background-color")
        actual = chars.background().style() == Qt::NoBrush ? QString() : chars.background().color().name();
    else if (attribute == u"fo:font-size" || attribute == u"style:font-size-complex")
        actual = QStringLiteral("%1pt").arg(chars.fontPointSize());
    else if (attribute == u"fo:text-align")
        actual = (alignment & Qt::AlignHCenter) ? QStringLiteral("center") : (alignment & Qt::AlignRight) ? QStringLiteral("end")
               : (alignment & Qt::AlignJustify) ? QStringLiteral("justify") : QStringLiteral("start");
    else if (attribute == u"fo:font-variant")
        actual = chars.fontCapitalization() == QFont::SmallCaps ? QStringLiteral("small-caps") : QString();
    else if (attribute == u"fo:text-transform")
        actual = chars.fontCapitalization() == QFont::AllUppercase ? QStringLiteral("uppercase") : QString();
    else if (attribute == u"style:writing-mode")
        actual = block.layoutDirection() == Qt::RightToLeft ? QStringLiteral("rl-tb") : QString();
    else if (attribute == u"style:font-name")
        actual = chars.fontFamilies().toStringList().value(0);
    QCOMPARE(actual, value);
}

void TestRtfLibreOffice::listLabelsAsLibreOffice()
{
    // The labels we number must be LibreOffice's. Its text export indents them and follows
    // each with a space whatever the list says: blanks are left out of the comparison.
    QTextDocument document;
    QCOMPARE(rtf::loadFile(path(QStringLiteral("lists.rtf")), document), std::nullopt);
    const auto withoutBlanks = [](const QString& text) {
        QStringList lines = text.split(u'\n');
        for (QString& line : lines)
            line.removeIf([](QChar ch) { return ch == u' ' || ch == u'\t'; });
        return lines;
    };
    const QStringList ours = withoutBlanks(rtf_test::rawText(document));
    QCOMPARE(ours.value(1), u"1.asub"_qs);
    QCOMPARE(withoutBlanks(readUtf8(path(QStringLiteral("txt/lists.txt")))), ours);
}

QTEST_MAIN(TestRtfLibreOffice)
#include "test_rtf_libreoffice.moc"
