// The reader's rules, one small fixture each.

#include "rtf_test_support.h"

#include "nq/glyph_code.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

using rtf_test::readRtf;

Q_DECLARE_METATYPE(rtf::FailureKind)

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void listLabels_data();
    void listLabels();
    void characterFormatting_data();
    void characterFormatting();
    void shapePictures_data();
    void shapePictures();
    void unfontedTextFace_data();
    void unfontedTextFace();
    void bulletLabelsShow_data();
    void bulletLabelsShow();
    void complexScriptFormatting_data();
    void complexScriptFormatting();
    void backgroundOnlyWhenAsked_data();
    void backgroundOnlyWhenAsked();
    void paragraphFormatting_data();
    void paragraphFormatting();
    void fontFamilyIsExplicitOnEveryRun();
    void linksKeepTheirTarget();
    void pictures_data();
    void pictures();
    void errors_data();
    void errors();
    void deepButAllowedNestingReads();
    void documentAllowance_data();
    void documentAllowance();
};

namespace {

const QByteArray kNqFontTable = "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 NQ;}{\\f2\\fnil\\fcharset2 NQ;}}";

} // namespace

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("{\\rtf1 Hello}") << u"Hello"_qs;
    QTest::newRow("delimiter space is consumed, the next is not") << QByteArray("{\\rtf1\\b  two}") << u" two"_qs;
    QTest::newRow("escaped symbols") << QByteArray("{\\rtf1 \\{a\\}\\\\}") << u"{a}\\"_qs;
    QTest::newRow("raw newlines ignored") << QByteArray("{\\rtf1 a\r\nb\nc}") << u"abc"_qs;
    QTest::newRow("backslash-newline is a paragraph") << QByteArray("{\\rtf1 a\\\nb}") << u"a\nb"_qs;
    QTest::newRow("unknown word ignored, text kept") << QByteArray("{\\rtf1 a\\foo42 b}") << u"ab"_qs;
    QTest::newRow("32-bit parameters") << QByteArray("{\\rtf1\\rsid15206163\\leveltemplateid-1466020928 x}") << u"x"_qs;
    QTest::newRow("ignorable destination skipped") << QByteArray("{\\rtf1 a{\\*\\unknown hidden {\\b nested} text}b}") << u"ab"_qs;
    QTest::newRow("\\* inside a run ignores only its word") << QByteArray("{\\rtf1{\\b0\\*\\cs7\\cf0 text}}") << u"text"_qs;
    QTest::newRow("destination word inside a run is ignored") << QByteArray("{\\rtf1{a\\info b}}") << u"ab"_qs;
    QTest::newRow("space between brace and rtf") << QByteArray("{\n  \\rtf1 a}") << u"a"_qs;
    QTest::newRow("known skipped destinations") << QByteArray("{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s1 heading;}}{\\header H}{\\footer F}{\\*\\bkmkstart bm}a{\\annotation note}b}") << u"ab"_qs;
    QTest::newRow("bin data is not tokens") << QByteArray("{\\rtf1 a\\bin4 }{\\}b}") << u"ab"_qs;
    QTest::newRow("bin inside a skipped destination") << QByteArray("{\\rtf1 a{\\*\\shprslt\\bin24 }{\\par MUST NOT IMPORT}}}b}") << u"ab"_qs;
    QTest::newRow("bin0 and a negative bin read nothing") << QByteArray("{\\rtf1 a\\bin0 b\\bin-3 c}") << u"abc"_qs;

    QTest::newRow("u with ? fallback") << QByteArray("{\\rtf1 caf\\u233?e}") << u"caf\u00e9e"_qs;
    QTest::newRow("u with hex fallback") << QByteArray("{\\rtf1 \\u945\\'e1x}") << u"\u03b1x"_qs;
    QTest::newRow("uc is group scoped") << QByteArray("{\\rtf1 {\\uc2\\u8364 ab}c\\u8364?d}") << u"\u20acc\u20acd"_qs;
    QTest::newRow("uc0 has no fallback") << QByteArray("{\\rtf1\\uc0\\u945 b}") << u"\u03b1b"_qs;
    QTest::newRow("fallback stops at a brace") << QByteArray("{\\rtf1\\uc3\\u945{}xy}") << u"\u03b1xy"_qs;
    QTest::newRow("negative value") << QByteArray("{\\rtf1\\u-3999?}") << u"\uf061"_qs;
    QTest::newRow("surrogate pair, negative halves") << QByteArray("{\\rtf1\\u-10179?\\u-8704?}") << QString::fromUcs4(U"\U0001F600");
    QTest::newRow("surrogate pair, positive halves") << QByteArray("{\\rtf1\\uc0 \\u55357\\uc1 \\u56832\\'3f!}") << QString::fromUcs4(U"\U0001F600!");
    QTest::newRow("unpaired high half") << QByteArray("{\\rtf1\\u55357?x}") << u"\ufffdx"_qs;
    QTest::newRow("unpaired low half") << QByteArray("{\\rtf1 x\\u-8704?}") << u"x\ufffd"_qs;
    QTest::newRow("fallback count ends with the group of the \\u") << QByteArray("{\\rtf1{\\u8364}x}") << u"\u20acx"_qs;
    QTest::newRow("two high halves") << QByteArray("{\\rtf1\\u55357?\\u55357?\\u56832?}") << u"\ufffd"_qs + QString::fromUcs4(U"\U0001F600");

    QTest::newRow("hex bytes default to 1252") << QByteArray("{\\rtf1 \\'e9\\'80\\'E9}") << u"\u00e9\u20ac\u00e9"_qs;
    QTest::newRow("fcharset wins over ansicpg") << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fnil\\fcharset238 Calibri;}}\\f0 \\'c8l\\'e1nek}") << u"\u010cl\u00e1nek"_qs;
    QTest::newRow("ansicpg when the font has no charset") << QByteArray("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fnil Arial;}}\\f0 \\'cf\\'f0}") << u"\u041f\u0440"_qs;
    QTest::newRow("suffixed font name wins over fcharset") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset0 Arial CE;}}\\f0 \\'c8}") << u"\u010c"_qs;
    QTest::newRow("Cyr suffix") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset0 Times New Roman Cyr;}}\\f0 \\'cf}") << u"\u041f"_qs;
    QTest::newRow("cpg wins over fcharset") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset0\\cpg1253 G;}}\\f0 \\'e1}") << u"\u03b1"_qs;
    QTest::newRow("deff font charset") << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 A;}{\\f1\\fcharset204 Cyr;}}\\'cf}") << u"\u041f"_qs;
    QTest::newRow("raw 8-bit bytes") << QByteArray("{\\rtf1\\ansicpg1251 \xcf\xf0}") << u"\u041f\u0440"_qs;
    QTest::newRow("double-byte Shift_JIS") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0 \\'82\\'a0\\'82\\'a2}") << u"\u3042\u3044"_qs;
    QTest::newRow("double-byte GBK") << QByteArray("{\\rtf1\\ansicpg936 \\'c4\\'e3\\'ba\\'c3}") << u"\u4f60\u597d"_qs;
    QTest::newRow("mac charset") << QByteArray("{\\rtf1\\mac \\'8e}") << u"\u00e9"_qs;
    QTest::newRow("font name in its own charset") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset204 \\'c0\\'e1;}}\\f0 x}") << u"x"_qs;

    QTest::newRow("NQ bytes become glyph codes") << "{\\rtf1" + kNqFontTable + "\\f1 a\\'80\\'81\\'ad\\'a0\\'ff}" << u"a\u20ac\u0081\uf0ad\u00a0\u00ff"_qs;
    QTest::newRow("NQ under fcharset2") << "{\\rtf1" + kNqFontTable + "\\f2 \\'ad\\'b7}" << u"\uf0ad\uf0b7"_qs;
    // Quote and dash control words stand for the bytes 0x91-0x97, glyph codes in an NQ run.
    QTest::newRow("NQ quote and dash words") << "{\\rtf1" + kNqFontTable + "\\f1 \\lquote\\emdash}" << u"\uf091\u2014"_qs;
    QTest::newRow("NQ ~ and -") << "{\\rtf1" + kNqFontTable + "\\f1 \\~\\-}" << u"\u00a0\uf0ad"_qs;
    QTest::newRow("other fonts ~ - _") << "{\\rtf1" + kNqFontTable + "\\f0 \\~\\-\\_}" << u"\u00a0\u00ad\u2011"_qs;
    QTest::newRow("NQ private-use forms") << "{\\rtf1" + kNqFontTable + "\\f1\\u61825\\'81\\u61613\\'3f\\u61537\\'3f\\u61952?}" << u"\u0081\uf0ada\uf200"_qs;
    QTest::newRow("NQ cp1252 forms from unicode") << "{\\rtf1" + kNqFontTable + "\\f1\\u8364\\'80\\u173\\'ad}" << u"\u20ac\uf0ad"_qs;
    QTest::newRow("Symbol face bytes as Unicode") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset2 Symbol;}}\\f0 abg\\'b7\\'d6(1)}") << u"\u03b1\u03b2\u03b3\u2022\u221a(1)"_qs;
    QTest::newRow("Symbol face private-use forms as Unicode") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset2 Symbol;}}\\f0\\u-3999?\\u61623?}") << u"\u03b1\u2022"_qs;
    QTest::newRow("Symbol glyph without Unicode stays private use") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset2 Symbol;}}\\f0\\'60\\'ff}") << u"\uf060\uf0ff"_qs;
    QTest::newRow("Symbol face named without fcharset2") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset0 Symbol;}}\\f0 p}") << u"\u03c0"_qs;
    QTest::newRow("Wingdings bytes as private use") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fnil Wingdings;}}\\f0\\'6c\\'d8\\u-3880?}") << u"\uf06c\uf0d8\uf0d8"_qs;
    QTest::newRow("other fcharset2 face as private use") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset2 Dingbats X;}}\\f0 a\\'b7}") << u"\uf061\uf0b7"_qs;
    QTest::newRow("private use outside NQ stays") << "{\\rtf1" + kNqFontTable + "\\f0\\u61613?}" << u"\uf0ad"_qs;

    QTest::newRow("line, tab, page") << QByteArray("{\\rtf1 a\\line b\\tab c\\page d}") << u"a\u2028b\tc\nd"_qs;
    QTest::newRow("special characters") << QByteArray("{\\rtf1\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}") << u"\u2014\u2013\u2022\u2018\u2019\u201c\u201d"_qs;
    QTest::newRow("final par adds no paragraph") << QByteArray("{\\rtf1 a\\par b\\par}") << u"a\nb"_qs;
    QTest::newRow("empty paragraphs kept") << QByteArray("{\\rtf1 a\\par\\par\\par b}") << u"a\n\n\nb"_qs;
    QTest::newRow("control characters by \\u dropped, tab kept") << "{\\rtf1" + kNqFontTable + "a\\u6?b\\u9?c\\f1\\u6?d\\u61441?\\u61697?e}" << u"ab\tcde"_qs;
    QTest::newRow("control bytes dropped, raw tab kept") << QByteArray("{\\rtf1 a\x01\tb\\'00}") << u"a\tb"_qs;

    QTest::newRow("missing final brace") << QByteArray("{\\rtf1 a{\\b b") << u"ab"_qs;
    QTest::newRow("text after the last brace ignored") << QByteArray("{\\rtf1 a}tail{\\b more}") << u"a"_qs;
    QTest::newRow("leading BOM and whitespace") << QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 a}") << u"a"_qs;

    QTest::newRow("field shows its result") << QByteArray("{\\rtf1 x{\\field{\\*\\fldinst{HYPERLINK \"https://e.org/\"}}{\\fldrslt{link}}}y}") << u"xlinky"_qs;
    QTest::newRow("ungrouped field instruction") << QByteArray("{\\rtf1{\\field\\fldinst HYPERLINK \"u\" {\\fldrslt link}}}") << u"link"_qs;
    QTest::newRow("empty cells keep their place") << QByteArray("{\\rtf1\\trowd\\cellx1\\cellx2\\cellx3\\pard\\intbl A\\cell\\cell C\\cell\\row\\trowd\\cellx1\\cellx2\\pard\\intbl\\cell B\\cell\\row}") << u"A\t\tC\n\tB"_qs;
    QTest::newRow("nested-table fallback skipped") << QByteArray("{\\rtf1 A{\\*\\nesttableprops\\trowd\\nestrow}{\\nonesttables B\\par}C}") << u"AC"_qs;
    QTest::newRow("object result kept, data skipped") << QByteArray("{\\rtf1 a{\\object\\objemb{\\*\\objclass Paint}\\objw10{\\*\\objdata 01050000}{\\result{\\b shown}}}b}") << u"ashownb"_qs;
    QTest::newRow("footnotes become endnotes") << QByteArray("{\\rtf1 Text{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} One.}, more{\\super\\chftn}{\\*\\footnote{\\super\\chftn} Two\\par second}.\\par end\\par}") << u"Text1, more2.\nend\n----------\n1 One.\n2 Two\nsecond"_qs;
    QTest::newRow("endnotes numbered apart, lower roman by default")
        << QByteArray("{\\rtf1 A{\\super\\chftn}{\\footnote\\ftnalt\\pard{\\super\\chftn} E1.} B{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} F1.}"
                      " C{\\super\\chftn}{\\footnote\\ftnalt{\\super\\chftn} E2.}\\par}")
        << u"Ai B1 Cii\n----------\ni E1.\n1 F1.\nii E2."_qs;
    QTest::newRow("numbering words for each kind")
        << QByteArray("{\\rtf1\\ftnnauc\\aftnnar A{\\chftn}{\\footnote{\\chftn} f}B{\\chftn}{\\footnote\\ftnalt{\\chftn} e}\\par}")
        << u"AAB1\n----------\nA f\n1 e"_qs;
    QTest::newRow("Chicago signs")
        << QByteArray("{\\rtf1\\ftnnchi A{\\chftn}{\\footnote{\\chftn} f}B{\\chftn}{\\footnote{\\chftn} g}\\par}")
        << u"A*B\u2020\n----------\n* f\n\u2020 g"_qs;
    QTest::newRow("footnote in a file cut short") << QByteArray("{\\rtf1 a{\\footnote{\\b note") << u"a\n----------\nnote"_qs;
    QTest::newRow("table text in order") << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl A1\\cell B1\\cell\\row\\trowd\\cellx1000\\pard\\intbl A2\\cell\\row\\pard after}") << u"A1\tB1\nA2\nafter"_qs;
    QTest::newRow("list text kept") << QByteArray("{\\rtf1{\\*\\pn\\pnlvlblt{\\pntxtb\\'B7}}{\\pntext\\'b7\\tab}one\\par{\\listtext 2.\\tab}two}") << u"\u00b7\tone\n2.\ttwo"_qs;
    QTest::newRow("list definitions outside their table show nothing") << QByteArray("{\\rtf1 a{\\list{\\listlevel\\levelnfc0{\\leveltext \\'02\\'00.}{\\levelnumbers \\'01}}{\\listname L;}\\listid1}b}") << u"ab"_qs;
    QTest::newRow("list tables skipped") << QByteArray("{\\rtf1{\\*\\listtable{\\list{\\listlevel{\\leveltext\\'02\\'00.;}}}}{\\listoverridetable{\\listoverride\\ls1}}x}") << u"x"_qs;
    QTest::newRow("upr reads the unicode half") << QByteArray("{\\rtf1{\\upr{ansi}{\\*\\ud{uni\\u945?}}}}") << u"uni\u03b1"_qs;
    QTest::newRow("hidden text dropped") << QByteArray("{\\rtf1 a{\\v hidden}b\\v c\\v0 d}") << u"abd"_qs;
    QTest::newRow("shape result kept, instructions skipped") << QByteArray("{\\rtf1{\\shp{\\*\\shpinst{\\sp{\\sn name}{\\sv value}}}{\\shprslt result}}}") << u"result"_qs;
    QTest::newRow("unknown picture kind dropped") << QByteArray("{\\rtf1 a{\\pict\\wmetafile8 61626364}b}") << u"ab"_qs;
    QTest::newRow("corrupt png dropped") << QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e47}b}") << u"ab"_qs;
    QTest::newRow("destination word at document level") << QByteArray("{\\rtf1 a\\info b}") << u"ab"_qs;
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    const auto result = readRtf(rtf);
    QVERIFY2(!result.error, qPrintable(result.error ? rtf::failureText(*result.error) : QString()));
    QString text = rtf_test::rawText(*result.document);
    text.remove(QChar::ObjectReplacementCharacter);
    QCOMPARE(text, expected);
}

void TestRtfReader::listLabels_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");
    // Lists through \\ls: 100 numbers "1." / "1.a " / "i)", 200 is a Symbol bullet, 300 counts
    // from IV, \\ls4 is a second override of 100.
    const QByteArray lists =
        "{\\*\\listtable{\\list\\listtemplateid1"
        "{\\listlevel\\levelnfc0\\levelstartat1\\levelfollow0{\\leveltext\\leveltemplateid7\\'02\\'00.;}{\\levelnumbers\\'01;}\\fi-360\\li720}"
        "{\\listlevel\\levelnfc4\\levelstartat1\\levelfollow1{\\leveltext\\'03\\'00.\\'01;}{\\levelnumbers\\'01\\'03;}}"
        "{\\listlevel\\levelnfc2\\levelstartat1\\levelfollow2{\\leveltext\\'02\\'02);}}{\\listname ;}\\listid100}"
        "{\\list\\listsimple{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}\\f1}\\listid200}"
        "{\\list{\\listlevel\\levelnfc1\\levelstartat4{\\leveltext\\'02\\'00.;}}\\listid300}}"
        "{\\*\\listoverridetable{\\listoverride\\listid100\\listoverridecount0\\ls1}{\\listoverride\\listid200\\listoverridecount0\\ls2}"
        "{\\listoverride\\listid300\\listoverridecount0\\ls3}{\\listoverride\\listid100\\listoverridecount0\\ls4}}";
    QTest::newRow("levels: decimal, letters, roman; deeper levels restart") << lists + "\\pard\\ls1 one\\par\\pard\\ls1\\ilvl1 sub\\par\\pard\\ls1\\ilvl2 deep\\par\\pard\\ls1\\ilvl1 sub\\par\\pard\\ls1 two\\par\\pard\\ls1\\ilvl1 sub" << u"1.\tone\n1.a sub\ni)deep\n1.b sub\n2.\ttwo\n2.a sub"_qs;
    QTest::newRow("bullet in the Symbol face") << lists + "\\pard\\ls2 item" << u"\u2022\titem"_qs;
    QTest::newRow("start value, upper roman") << lists + "\\pard\\ls3 a\\par\\pard\\ls3 b" << u"IV.\ta\nV.\tb"_qs;
    QTest::newRow("overrides of one list share its counters") << lists + "\\pard\\ls1 a\\par\\pard\\ls4 b" << u"1.\ta\n2.\tb"_qs;
    QTest::newRow("the file's own label wins, counting goes on") << lists + "{\\listtext\\pard\\plain 7.\\tab}\\pard\\ls1 a\\par{\\listtext\\tab}\\pard\\ls1 b" << u"7.\ta\n2.\tb"_qs;
    QTest::newRow("empty list paragraph is numbered") << lists + "\\pard\\ls1\\par\\pard\\ls1 b\\par\\pard c" << u"1.\t\n2.\tb\nc"_qs;
    QTest::newRow("undefined list: no label") << lists + "\\pard\\ls9 a" << u"a"_qs;
    QTest::newRow("label after a cell separator") << lists + "\\trowd\\cellx1\\cellx2\\pard\\intbl x\\cell\\ls1 y\\cell\\row" << u"x\t1.\ty"_qs;
    // As AbiWord writes them: a blank \\listtext, properties and \\par in nested groups, and
    // a \\pn beside the \\ls.
    QTest::newRow("blank literal label gives way") << lists + "{\\listtext\\pard\\fi-431\\li720  \t}\\pard\\plain{\\ltrpar{\\*\\pn\\pnql\\pnstart1\\pnlvlbody\\pndec{\\pntxtb }{\\pntxta .}}\\ls1\\ilvl0\\itap0{\\f0 one}{\\f0\\par}}" << u"1.\tone"_qs;

    const QByteArray pnDecimal = "{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}";
    QTest::newRow("pn: decimal over consecutive paragraphs") << "\\pard" + pnDecimal + "one\\par two\\par" << u"1.\tone\n2.\ttwo"_qs;
    QTest::newRow("pn: restarts after a plain paragraph") << "\\pard" + pnDecimal + "a\\par b\\par\\pard c\\par\\pard" + pnDecimal + "d" << u"1.\ta\n2.\tb\nc\n1.\td"_qs;
    QTest::newRow("pn: letters from a start, text before and after") << QByteArray("{\\*\\pn\\pnlvlbody\\pnlcltr\\pnstart3{\\pntxtb (}{\\pntxta )}}x") << u"(c)\tx"_qs;
    QTest::newRow("pn: upper roman") << QByteArray("{\\*\\pn\\pnlvlbody\\pnucrm\\pnstart9{\\pntxta .}}x\\par y") << u"IX.\tx\nX.\ty"_qs;
    QTest::newRow("pn: bullet in the Symbol face") << QByteArray("{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}x") << u"\u2022\tx"_qs;
    QTest::newRow("pn: outline levels") << QByteArray("\\pard{\\*\\pn\\pnlvl1\\pndec{\\pntxta .}}a\\par\\pard{\\*\\pn\\pnlvl2\\pnlcltr{\\pntxta )}}b\\par\\pard{\\*\\pn\\pnlvl1\\pndec{\\pntxta .}}c\\par\\pard{\\*\\pn\\pnlvl2\\pnlcltr{\\pntxta )}}d") << u"1.\ta\na)\tb\n2.\tc\na)\td"_qs;
    QTest::newRow("pn: continuation has no label") << QByteArray("{\\*\\pn\\pnlvlcont}x") << u"x"_qs;
}

void TestRtfReader::listLabels()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    const auto result = readRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}" + body + "}");
    QVERIFY2(!result.error, qPrintable(result.error ? rtf::failureText(*result.error) : QString()));
    QCOMPARE(rtf_test::rawText(*result.document), expected);
}

void TestRtfReader::characterFormatting_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("expected");
    // Each letter of the fixture carries one kind of formatting.
    QTest::newRow("plain") << "a" << "Arial 12";
    QTest::newRow("bold") << "b" << "Arial 12 b";
    QTest::newRow("bold off") << "B" << "Arial 12";
    QTest::newRow("italic") << "c" << "Arial 12 i";
    QTest::newRow("underline") << "d" << "Arial 12 u1";
    QTest::newRow("ulnone") << "D" << "Arial 12";
    QTest::newRow("dotted underline") << "e" << "Arial 12 u3";
    QTest::newRow("wave underline") << "E" << "Arial 12 u6";
    QTest::newRow("strike") << "f" << "Arial 12 s";
    QTest::newRow("colour") << "g" << "Arial 12 fg#ff0000";
    QTest::newRow("auto colour") << "G" << "Arial 12";
    QTest::newRow("highlight") << "h" << "Arial 12 bg#0000ff";
    QTest::newRow("cb background") << "H" << "Arial 12 bg#ff0000";
    QTest::newRow("super") << "i" << "Arial 12 super";
    QTest::newRow("sub") << "j" << "Arial 12 sub";
    QTest::newRow("up") << "J" << "Arial 12 super";
    QTest::newRow("font and size") << "k" << "NQ 20";
    QTest::newRow("group restores") << "l" << "Arial 12";
    QTest::newRow("plain resets") << "m" << "Arial 12";
    QTest::newRow("deff when no font given") << "n" << "Arial 12";
    QTest::newRow("name before an alternative name") << "q" << "Courier 12";
    QTest::newRow("later font and colour tables restyle nothing before them") << "p" << "Arial 12 fg#ff0000";
}

void TestRtfReader::characterFormatting()
{
    QFETCH(QString, letter);
    QFETCH(QString, expected);
    const QByteArray rtf =
        "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 NQ;}{\\f2{\\*\\panose 02}Courier{\\*\\falt Courier New};}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
        "\\f0\\fs24 a{\\b b\\b0 B}{\\i c}{\\ul d\\ulnone D}{\\uld e}{\\ulwave E}{\\strike f}{\\cf1 g\\cf0 G}"
        "{\\highlight2 h}{\\cb1 H}{\\super i}{\\sub j}{\\up6 J}{\\f1\\fs40 k}l{\\b\\i\\ul\\cf1\\plain m}{\\f7 n}"
        "{\\f2 q}{\\cf1 p{\\fonttbl{\\f0 NQ;}}{\\colortbl;\\red0\\green0\\blue255;}}}";
    const auto result = readRtf(rtf);
    QVERIFY(!result.error);
    const QString text = result.document->toPlainText();
    const int position = int(text.indexOf(letter));
    QVERIFY(position >= 0);
    QTextCursor cursor(result.document.get());
    cursor.setPosition(position + 1);
    QCOMPARE(rtf_test::describeChars(cursor.charFormat(), result.document->defaultFont()), expected);
}

void TestRtfReader::shapePictures_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("undecodable");
    const QByteArray png = "{\\pict\\pngblip\\picw4\\pich2 " + rtf_test::pngBytes(4, 2).toHex() + "}";
    const QByteArray metafile = "{\\pict\\wmetafile8\\picw4\\pich2 0100ff}";
    const QString picture(QChar::ObjectReplacementCharacter);
    QTest::newRow("picture shape, metafile fallback")
        << "{\\rtf1 a{\\shp{\\*\\shpinst\\shpleft0{\\sp{\\sn shapeType}{\\sv 75}}{\\sp{\\sn pib}{\\sv " + png + "}}}"
           "{\\shprslt " + metafile + "}}b}" << u'a' + picture + u'b' << 0;
    QTest::newRow("picture shape, no fallback (LibreOffice)")
        << "{\\rtf1 a{\\shp{\\*\\shpinst{\\sp{\\sn pib}{\\sv " + png + "}}}}b}" << u'a' + picture + u'b' << 0;
    QTest::newRow("a fill picture is no content; the fallback shows")
        << "{\\rtf1 a{\\shp{\\*\\shpinst{\\sp{\\sn fillBlip}{\\sv " + png + "}}}{\\shprslt fallback}}b}"
        << u"afallbackb"_qs << 0;
    QTest::newRow("text box: its text once, from the fallback")
        << QByteArray("{\\rtf1 a{\\shp{\\*\\shpinst{\\sp{\\sn shapeType}{\\sv 202}}{\\shptxt in box}}{\\shprslt in box}}b}")
        << u"ain boxb"_qs << 0;
    QTest::newRow("Word's picture and its fallback for old readers")
        << "{\\rtf1 a{\\*\\shppict" + png + "}{\\nonshppict" + metafile + "}b}" << u'a' + picture + u'b' << 0;
}

void TestRtfReader::shapePictures()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(int, undecodable);
    QTextDocument document;
    rtf::ReadNotes notes;
    QCOMPARE(rtf::read(rtf, document, &notes), std::nullopt);
    QCOMPARE(document.toPlainText(), text);
    QCOMPARE(notes.picturesUndecodable, undecodable);
    // Kept on saving, as a picture of its own.
    QCOMPARE(int(rtf::write(document).count("\\pngblip")), int(text.count(QChar::ObjectReplacementCharacter)));
}

void TestRtfReader::unfontedTextFace_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("face");
    // The editor shows a run without a face in NQ: every run must name one.
    QTest::newRow("no font table") << QByteArray("{\\rtf1\\ansi Dear reader\\par}") << "Sans Serif";
    QTest::newRow("\\deff names a font the table lacks") << QByteArray("{\\rtf1\\deff3{\\fonttbl{\\f0 Arial;}}Dear\\par}") << "Sans Serif";
    QTest::newRow("\\deff font") << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1\\froman Times New Roman;}}Dear\\par}") << "Times New Roman";
    QTest::newRow("\\deff font after \\plain") << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Times;}}{\\f0\\plain Dear}\\par}") << "Times";
    QTest::newRow("NQ named") << QByteArray("{\\rtf1\\deff0{\\fonttbl{\\f0 NQ;}}abc\\par}") << "NQ";
}

void TestRtfReader::unfontedTextFace()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, face);
    const auto result = readRtf(rtf);
    QVERIFY(!result.error);
    QTextCursor cursor(result.document.get());
    cursor.setPosition(1);
    QCOMPARE(cursor.charFormat().fontFamilies().toStringList().value(0), face);
}

void TestRtfReader::bulletLabelsShow_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("face");
    const QByteArray symbolList = "{\\*\\listtable{\\list\\listsimple{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}\\f1}\\listid1}}"
                                  "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}";
    QTest::newRow("Symbol face, literal") << QByteArray("{\\listtext\\f1 \\'b7\\tab}item") << u"\u2022"_qs << "Sans Serif";
    QTest::newRow("Symbol face, from the list table") << symbolList + "\\pard\\ls1 item" << u"\u2022"_qs << "Sans Serif";
    QTest::newRow("Symbol named only by \\af, as LibreOffice writes Word's lists")
        << QByteArray("{\\listtext\\pard\\plain\\rtlch\\af1\\ltrch\\dbch\\af1\\loch\\f0 \\u61623?\\tab}item") << u"\u2022"_qs << "Sans Serif";
    QTest::newRow("Wingdings square") << QByteArray("{\\listtext\\f2 \\'a7\\tab}item") << u"\u25aa"_qs << "Sans Serif";
    QTest::newRow("Wingdings as private use") << QByteArray("{\\listtext\\f2 \\u61607?\\tab}item") << u"\u25aa"_qs << "Sans Serif";
    QTest::newRow("Symbol's bullet code in a text face") << QByteArray("{\\listtext\\f0 \\u61623?\\tab}item") << u"\u2022"_qs << "Times";
    QTest::newRow("NQ's own code stays") << QByteArray("{\\listtext\\f3 \\'b7\\tab}item") << QString(nq::toChar(0xB7)) << "NQ";
    QTest::newRow("a number stays") << QByteArray("{\\listtext\\f0 1.\\tab}item") << u"1"_qs << "Times";
}

void TestRtfReader::bulletLabelsShow()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, label);
    QFETCH(QString, face);
    const auto result = readRtf("{\\rtf1\\deff0{\\fonttbl{\\f0 Times;}{\\f1\\fnil\\fcharset2 Symbol;}{\\f2 Wingdings;}{\\f3 NQ;}}"
                                + body + "\\par}");
    QVERIFY(!result.error);
    QCOMPARE(result.document->toPlainText().left(1), label);
    QTextCursor cursor(result.document.get());
    cursor.setPosition(1);
    QCOMPARE(cursor.charFormat().fontFamilies().toStringList().value(0), face);
}

void TestRtfReader::complexScriptFormatting_data()
{
    QTest::addColumn<QByteArray>("run");
    QTest::addColumn<QString>("bengali");
    QTest::addColumn<QString>("latin");
    // \\u2476 \\u2494 \\u2434 \\u2482 \\u2494: "বাংলা"; the Latin word "ab" beside it.
    const QByteArray bangla = "\\u2476?\\u2494?\\u2434?\\u2482?\\u2494?";
    QTest::newRow("associated words alone") << QByteArray("\\rtlch\\ab\\afs40\\ltrch " + bangla + " ab")
                                            << "Arial 20 b" << "Arial 12";
    QTest::newRow("both sets, as LibreOffice writes")
        << QByteArray("\\rtlch\\af1\\afs48\\ab\\ai\\ltrch\\f0\\fs20\\b0 " + bangla + " ab")
        << "Lohit 24 b i" << "Arial 10";
    QTest::newRow("Latin words only, complex text follows them")
        << QByteArray("\\b\\fs32 " + bangla + " ab") << "Arial 16 b" << "Arial 16 b";
    QTest::newRow("associated off") << QByteArray("\\b\\ab0 " + bangla + " ab") << "Arial 12" << "Arial 12 b";
    QTest::newRow("plain resets them") << QByteArray("\\ab\\afs40\\plain " + bangla + " ab") << "Arial 12" << "Arial 12";
    QTest::newRow("weak characters go with the letter before")
        << QByteArray("\\ab 12 " + bangla + ", ab") << "Arial 12 b" << "Arial 12";
}

void TestRtfReader::complexScriptFormatting()
{
    QFETCH(QByteArray, run);
    QFETCH(QString, bengali);
    QFETCH(QString, latin);
    const auto result = readRtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Lohit;}}" + run + "\\par}");
    QVERIFY(!result.error);
    const QString text = result.document->toPlainText();
    const auto describeAt = [&](qsizetype position) {
        QTextCursor cursor(result.document.get());
        cursor.setPosition(int(position) + 1);
        return rtf_test::describeChars(cursor.charFormat(), result.document->defaultFont());
    };
    const qsizetype letter = text.indexOf(QChar(0x09AC));
    QVERIFY(letter >= 0);
    QCOMPARE(describeAt(letter), bengali);
    QCOMPARE(describeAt(text.indexOf(u"ab")), latin);
    if (text.startsWith(u"12"))
        QCOMPARE(describeAt(0), bengali);   // before any letter: with the first letter after it
    if (const qsizetype comma = text.indexOf(u','); comma >= 0)
        QCOMPARE(describeAt(comma), bengali);
}

void TestRtfReader::backgroundOnlyWhenAsked_data()
{
    QTest::addColumn<QByteArray>("colorTable");
    QTest::addColumn<QByteArray>("run");
    QTest::addColumn<QString>("background");
    const QByteArray blackFirst = "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue0;}";
    const QByteArray redFirst = "{\\colortbl\\red255\\green0\\blue0;}";
    QTest::newRow("black first, nothing asked") << blackFirst << QByteArray("Hello") << "";
    QTest::newRow("red first, nothing asked") << redFirst << QByteArray("Hello") << "";
    QTest::newRow("highlight 0 is none") << blackFirst << QByteArray("\\highlight0 Hello") << "";
    QTest::newRow("cb 0 is none") << redFirst << QByteArray("\\cb0 Hello") << "";
    QTest::newRow("chcbpat 0 is none") << redFirst << QByteArray("\\chcbpat0 Hello") << "";
    QTest::newRow("highlight asked") << blackFirst << QByteArray("\\highlight1 Hello") << "#ffff00";
    QTest::newRow("chcbpat asked") << blackFirst << QByteArray("\\chcbpat1 Hello") << "#ffff00";
    QTest::newRow("asked then reset") << blackFirst << QByteArray("\\highlight1\\highlight0 Hello") << "";
}

void TestRtfReader::backgroundOnlyWhenAsked()
{
    QFETCH(QByteArray, colorTable);
    QFETCH(QByteArray, run);
    QFETCH(QString, background);
    const auto result = readRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}" + colorTable + run + "\\par}");
    QVERIFY(!result.error);
    QTextCursor cursor(result.document.get());
    cursor.setPosition(2);
    const QTextCharFormat format = cursor.charFormat();
    const QString found = format.background().style() == Qt::NoBrush ? QString() : format.background().color().name();
    QCOMPARE(found, background);
    // A save must not invent one either (LibreOffice would show it).
    QCOMPARE(rtf::write(*result.document).contains("\\highlight"), !background.isEmpty());
}

void TestRtfReader::paragraphFormatting_data()
{
    QTest::addColumn<QByteArray>("properties");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default") << QByteArray("") << "left li0 ri0 fi0 sb0 sa0 lh0/0";
    QTest::newRow("centre") << QByteArray("\\qc") << "center li0 ri0 fi0 sb0 sa0 lh0/0";
    QTest::newRow("right") << QByteArray("\\qr") << "right li0 ri0 fi0 sb0 sa0 lh0/0";
    QTest::newRow("justify") << QByteArray("\\qj") << "justify li0 ri0 fi0 sb0 sa0 lh0/0";
    QTest::newRow("indents in twips") << QByteArray("\\li720\\ri360\\fi-300") << "left li48 ri24 fi-20 sb0 sa0 lh0/0";
    QTest::newRow("bidi indents") << QByteArray("\\lin150\\rin300") << "left li10 ri20 fi0 sb0 sa0 lh0/0";
    QTest::newRow("spacing") << QByteArray("\\sb120\\sa240") << "left li0 ri0 fi0 sb8 sa16 lh0/0";
    QTest::newRow("line multiple") << QByteArray("\\sl360\\slmult1") << "left li0 ri0 fi0 sb0 sa0 lh150/1";
    QTest::newRow("line exact") << QByteArray("\\sl-300\\slmult0") << "left li0 ri0 fi0 sb0 sa0 lh20/2";
    QTest::newRow("line at least") << QByteArray("\\sl300") << "left li0 ri0 fi0 sb0 sa0 lh20/3";
    QTest::newRow("page break before") << QByteArray("\\pagebb") << "left li0 ri0 fi0 sb0 sa0 lh0/0 pagebreak";
    QTest::newRow("pard resets") << QByteArray("\\qc\\li720\\pard") << "left li0 ri0 fi0 sb0 sa0 lh0/0";
}

void TestRtfReader::paragraphFormatting()
{
    QFETCH(QByteArray, properties);
    QFETCH(QString, expected);
    // The same properties on a paragraph ended by \par and on the last one, which has none.
    const auto result = readRtf("{\\rtf1\\pard" + properties + " one\\par\\pard" + properties + " two}");
    QVERIFY(!result.error);
    QCOMPARE(result.document->blockCount(), 2);
    QCOMPARE(rtf_test::describeBlock(result.document->firstBlock().blockFormat()), expected);
    QCOMPARE(rtf_test::describeBlock(result.document->lastBlock().blockFormat()), expected);
}

void TestRtfReader::fontFamilyIsExplicitOnEveryRun()
{
    // The editor's default face is not NQ: loaded NQ text must still show in NQ.
    const auto result = readRtf("{\\rtf1\\deff0{\\fonttbl{\\f0\\fnil NQ;}{\\f1 Arial;}}a{\\b b}\\par c{\\f1 d}\\f0 e}");
    QVERIFY(!result.error);
    QStringList families;
    for (QTextBlock block = result.document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            families << it.fragment().charFormat().fontFamilies().toStringList().value(0) + u':' + it.fragment().text();
    QCOMPARE(families, (QStringList{"NQ:a", "NQ:b", "NQ:c", "Arial:d", "NQ:e"}));
}

void TestRtfReader::linksKeepTheirTarget()
{
    const auto result = readRtf("{\\rtf1 x{\\field{\\*\\fldinst{HYPERLINK \"C:\\\\\\\\dir\\\\\\\\f.rtf\"}}{\\fldrslt{\\ul link}}}y"
                                "{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}}");
    QVERIFY(!result.error);
    QTextCursor cursor(result.document.get());
    cursor.setPosition(2);
    QCOMPARE(cursor.charFormat().anchorHref(), u"C:\\dir\\f.rtf"_qs);
    cursor.setPosition(6);
    QVERIFY(!cursor.charFormat().isAnchor());
    cursor.setPosition(7);
    QVERIFY(!cursor.charFormat().isAnchor());
    QCOMPARE(result.document->toPlainText(), u"xlinky3"_qs);
}

void TestRtfReader::pictures_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QSize>("size");
    QTest::newRow("png as hex, size from goal") << "{\\rtf1 a{\\pict\\pngblip\\picw4\\pich3\\picwgoal600\\pichgoal300\n" + rtf_test::pngBytes(4, 3).toHex() + "}b}" << QSize(40, 20);
    QTest::newRow("jpeg as bin, scaled") << "{\\rtf1 a{\\pict\\jpegblip\\picscalex50\\picscaley200\\bin" + QByteArray::number(rtf_test::jpegBytes(8, 6).size()) + " " + rtf_test::jpegBytes(8, 6) + "}b}" << QSize(4, 12);
    QTest::newRow("object's result picture") << "{\\rtf1 a{\\object\\objemb{\\*\\objdata 0105}{\\result{\\pict\\pngblip " + rtf_test::pngBytes(7, 2).toHex() + "}}}b}" << QSize(7, 2);
    QTest::newRow("shppict read, nonshppict skipped") << "{\\rtf1 a{\\*\\shppict{\\pict\\pngblip " + rtf_test::pngBytes(5, 5).toHex() + "}}{\\nonshppict{\\pict\\pngblip " + rtf_test::pngBytes(9, 9).toHex() + "}}b}" << QSize(5, 5);
}

void TestRtfReader::pictures()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QSize, size);
    const auto result = readRtf(rtf);
    QVERIFY(!result.error);
    QCOMPARE(result.document->toPlainText(), u"a\ufffcb"_qs);
    QTextCursor cursor(result.document.get());
    cursor.setPosition(2);
    QVERIFY(cursor.charFormat().isImageFormat());
    const QTextImageFormat format = cursor.charFormat().toImageFormat();
    QCOMPARE(QSize(qRound(format.width()), qRound(format.height())), size);
    const QVariant image = result.document->resource(QTextDocument::ImageResource, QUrl(format.name()));
    QVERIFY(!image.value<QImage>().isNull());
}

void TestRtfReader::errors_data()
{
    using rtf::FailureKind;
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<FailureKind>("kind");
    QTest::addColumn<int>("line");
    QTest::addColumn<qint64>("announced");  // \binN: the bytes it announces, then those that follow
    QTest::addColumn<qint64>("available");
    QTest::newRow("empty") << QByteArray("") << FailureKind::Empty << 0 << qint64(0) << qint64(0);
    QTest::newRow("only whitespace") << QByteArray(" \n ") << FailureKind::Empty << 0 << qint64(0) << qint64(0);
    QTest::newRow("plain text") << QByteArray("Hello world") << FailureKind::NotRtf << 0 << qint64(0) << qint64(0);
    QTest::newRow("html") << QByteArray("<html>{\\rtf1}</html>") << FailureKind::NotRtf << 0 << qint64(0) << qint64(0);
    QTest::newRow("truncated bin") << QByteArray("{\\rtf1\nabc\n{\\pict\\bin100 abc") << FailureKind::BinaryCutShort << 3
                                   << qint64(100) << qint64(3);
    QTest::newRow("too deep") << "{\\rtf1\n" + QByteArray(10000, '{') + "deep" << FailureKind::NestedTooDeep << 2
                              << qint64(0) << qint64(0);
    QTest::newRow("too deep inside a skipped destination") << "{\\rtf1\n{\\*\\x " + QByteArray(10000, '{')
                                                           << FailureKind::NestedTooDeep << 2 << qint64(0) << qint64(0);
}

void TestRtfReader::errors()
{
    QFETCH(QByteArray, rtf);
    QFETCH(rtf::FailureKind, kind);
    QFETCH(int, line);
    QFETCH(qint64, announced);
    QFETCH(qint64, available);
    const auto result = readRtf(rtf);
    QVERIFY(result.error);
    QCOMPARE(result.error->kind, kind);
    QCOMPARE(result.error->line, line);
    QCOMPARE(result.error->column > 0, line > 0);
    QCOMPARE(result.error->announced, announced);
    QCOMPARE(result.error->available, available);
    QVERIFY(result.error->path.isEmpty());
}

void TestRtfReader::deepButAllowedNestingReads()
{
    const auto result = readRtf("{\\rtf1 " + QByteArray(9998, '{') + "deep" + QByteArray(9998, '}') + " after}");
    QVERIFY2(!result.error, qPrintable(result.error ? rtf::failureText(*result.error) : QString()));
    QCOMPARE(result.document->toPlainText(), u"deep after"_qs);
}

// What the document may take in memory holds wherever its text comes from, notes read
// again after the body included.
void TestRtfReader::documentAllowance_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<bool>("fits");
    QByteArray paragraphs;
    for (int i = 0; i < 20000; ++i)
        paragraphs += "x\\par ";
    QTest::newRow("small body") << QByteArray("{\\rtf1 a\\par b{\\footnote note}}") << true;
    QTest::newRow("large body") << "{\\rtf1 " + paragraphs + "}" << false;
    QTest::newRow("large footnote") << "{\\rtf1 a{\\footnote " + paragraphs + "}b}" << false;
    QTest::newRow("large footnote in a file cut short") << "{\\rtf1 a{\\footnote " + paragraphs << false;
}

void TestRtfReader::documentAllowance()
{
    QFETCH(QByteArray, rtf);
    QFETCH(bool, fits);
    QTextDocument document;
    rtf::ReadLimits limits;
    limits.documentBytes = 256 * 1024;
    const auto error = rtf::read(rtf, document, nullptr, limits);
    if (fits) {
        QVERIFY2(!error, qPrintable(error ? rtf::failureText(*error) : QString()));
        return;
    }
    QVERIFY(error);
    QCOMPARE(error->kind, rtf::FailureKind::OverMemoryAllowance);
}

QTEST_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
