// The command-line converter: output by extension, NQ runs as cp1252 text, bad input
// reported on stderr with a non-zero exit, usage errors with 2, and a help that lists
// every mode.

#include "command_line.h"
#include "conversion.h"
#include "nq/glyph_code.h"
#include "rtf/rtf.h"
#include "tool_runner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QStandardPaths>
#include <QProcess>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

class TestNorvelinRtfTool : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void converts_data();
    void converts();
    void failures_data();
    void failures();
    void helpListsEveryMode_data();
    void helpListsEveryMode();
    void nqRunsBecomeCp1252Text();
    void pdfPagesAreTheDocumentsPages_data();
    void pdfPagesAreTheDocumentsPages();
    void unicodeBengaliBothWays();

private:
    QTemporaryDir dir_;
    QString input_;
};

namespace {

using rtf_test::runTool;
using Run = rtf_test::ToolRun;

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestNorvelinRtfTool::initTestCase()
{
    QVERIFY(dir_.isValid());
    input_ = dir_.filePath(QStringLiteral("in.rtf"));
    QFile file(input_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 NQ;}}\\f0 caf\\'e9 {\\b bold}\\par\\f1 \\'ad\\'e0\\u61825\\'81\\line x}");
}

void TestNorvelinRtfTool::converts_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("text") << "out.txt" << QByteArray("caf\xc3\xa9 bold\n\xc2\xad\xc3\xa0\xc2\x81\nx\n");
    QTest::newRow("html") << "out.html" << QByteArray("font-weight:700;\">bold</span>");
    QTest::newRow("rtf") << "out.rtf" << QByteArray("{\\plain\\rtlch\\af2\\afs24\\ltrch\\f2\\fs24 \\'ad\\'e0\\'81\\line x}\\par");
}

void TestNorvelinRtfTool::converts()
{
    QFETCH(QString, output);
    QFETCH(QByteArray, expected);
    const QString path = dir_.filePath(output);
    const Run run = runTool({input_, path});
    QCOMPARE(run.exitCode, 0);
    const QByteArray written = contents(path);
    QVERIFY2(written.contains(expected), written.constData());
}

void TestNorvelinRtfTool::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("not rtf") << QStringList{QStringLiteral(NORVELIN_RTF_TOOL), QStringLiteral("fail.txt")} << 1 << "not an RTF file";
    QTest::newRow("missing input") << QStringList{QStringLiteral("/nonexistent/in.rtf"), QStringLiteral("fail.txt")} << 1 << "/nonexistent/in.rtf: cannot be read";
    QTest::newRow("unknown output type") << QStringList{QStringLiteral("in.rtf"), QStringLiteral("fail.doc")} << 2 << "unknown output type";
    QTest::newRow("no arguments") << QStringList{} << 2 << "usage:";
    QTest::newRow("unicode into rtf") << QStringList{QStringLiteral("--unicode"), QStringLiteral("in.rtf"), QStringLiteral("fail.rtf")} << 2 << "--unicode writes .txt or .html";
    QTest::newRow("from unicode into text") << QStringList{QStringLiteral("--from-unicode"), QStringLiteral("in.txt"), QStringLiteral("fail.txt")} << 2 << "--from-unicode writes .rtf";
    QTest::newRow("both unicode directions") << QStringList{QStringLiteral("--unicode"), QStringLiteral("--from-unicode"), QStringLiteral("in.rtf"), QStringLiteral("fail.txt")} << 2 << "exclude each other";
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bold"), QStringLiteral("in.rtf"), QStringLiteral("fail.txt")} << 2 << "usage:";
    QTest::newRow("one file only") << QStringList{QStringLiteral("in.rtf")} << 2 << "usage:";
    QTest::newRow("three files") << QStringList{QStringLiteral("in.rtf"), QStringLiteral("fail.txt"), QStringLiteral("fail.html")} << 2 << "usage:";
    QTest::newRow("batch option without its mode's") << QStringList{QStringLiteral("-j"), QStringLiteral("2"), QStringLiteral("in.rtf"), QStringLiteral("fail.txt")} << 2 << "-j cannot be used here";
}

void TestNorvelinRtfTool::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    for (QString& argument : arguments)
        if (argument.startsWith(u"fail."))
            argument = dir_.filePath(argument);
    const Run run = runTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("fail.txt"))));
}

void TestNorvelinRtfTool::helpListsEveryMode_data()
{
    QTest::addColumn<QString>("argument");
    QTest::newRow("--help") << QStringLiteral("--help");
    QTest::newRow("-h") << QStringLiteral("-h");
}

void TestNorvelinRtfTool::helpListsEveryMode()
{
    QFETCH(QString, argument);
    const Run run = runTool({argument});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errors.isEmpty(), qPrintable(run.errors));
    const QStringList expected{QStringLiteral("norvelin-rtf IN.rtf OUT.rtf|OUT.txt|OUT.html|OUT.pdf"),
                               QStringLiteral("norvelin-rtf --unicode IN.rtf OUT.txt|OUT.html"),
                               QStringLiteral("norvelin-rtf --from-unicode IN.txt OUT.rtf"),
                               QStringLiteral("--to txt|html|rtf|pdf -o OUTDIR [-j N] FILE|FOLDER..."),
                               QStringLiteral("--unicode "), QStringLiteral("--from-unicode "),
                               QStringLiteral("--to <format>"), QStringLiteral("-o <folder>"),
                               QStringLiteral("-j <threads>"), QStringLiteral("-h, --help")};
    for (const QString& line : expected)
        QVERIFY2(run.output.contains(line), qPrintable(line + QStringLiteral(" is missing from:\n") + run.output));
    // Modes added later are listed too.
    for (const rtf_tool::Mode& mode : rtf_tool::modes())
        for (const QString& line : mode.synopsis)
            QVERIFY2(run.output.contains(line), qPrintable(line));
}

void TestNorvelinRtfTool::nqRunsBecomeCp1252Text()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("NQ"), 16));
    QTextCursor cursor(&document);
    cursor.insertText(QString(nq::toChar(0xAD)) + nq::toChar(0x80));
    QTextCharFormat arial;
    arial.setFontFamilies({QStringLiteral("Arial")});
    cursor.insertText(QString(QChar(0xF0AD)), arial);   // outside NQ, a private-use character stays
    QCOMPARE(rtf_tool::plainText(document), QString(u"\u00ad\u20ac\uf0ad\n"_qs).toUtf8());
}

// Unicode Bengali text becomes an NQ document, whose bytes are the layout's visual order,
// and comes back as the same Unicode text.
void TestNorvelinRtfTool::unicodeBengaliBothWays()
{
    const QString words = u"আমি বোন কর্মী"_qs; // আমি বোন কর্মী
    const QString text = dir_.filePath(QStringLiteral("words.txt"));
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write((words + u'\n').toUtf8());
    file.close();

    const QString rtfPath = dir_.filePath(QStringLiteral("words.rtf"));
    QCOMPARE(runTool({QStringLiteral("--from-unicode"), text, rtfPath}).exitCode, 0);
    // Set at the editor's typing size, 16 pt, in the NQ face.
    const QByteArray rtf = contents(rtfPath);
    QVERIFY2(rtf.contains("\\fs32") && !rtf.contains("\\fs18"), rtf.constData());
    QVERIFY(rtf.contains("NQ;"));
    const QString plain = dir_.filePath(QStringLiteral("words-nq.txt"));
    QCOMPARE(runTool({rtfPath, plain}).exitCode, 0);
    QCOMPARE(QString::fromUtf8(contents(plain)), QString(u"Aim eban km\u00ca\n"_qs));

    const QString back = dir_.filePath(QStringLiteral("words-back.txt"));
    QCOMPARE(runTool({QStringLiteral("--unicode"), rtfPath, back}).exitCode, 0);
    QCOMPARE(QString::fromUtf8(contents(back)), words + u'\n');
}

void TestNorvelinRtfTool::pdfPagesAreTheDocumentsPages_data()
{
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<QString>("pageSize");
    QTest::newRow("no page named: A4") << QByteArray() << "595 x 842 pts";
    QTest::newRow("A4 landscape") << QByteArray("\\paperw16838\\paperh11906\\landscape") << "842 x 595 pts";
    QTest::newRow("US Letter") << QByteArray("\\paperw12240\\paperh15840") << "612 x 792 pts";
}

void TestNorvelinRtfTool::pdfPagesAreTheDocumentsPages()
{
    QFETCH(QByteArray, words);
    QFETCH(QString, pageSize);
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        QSKIP("pdfinfo (poppler-utils) is not installed: scripts/test installs it");
    const QString input = dir_.filePath(QStringLiteral("paged.rtf"));
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\\rtf1" + words + " Hello\\par}");
    file.close();
    const QString output = dir_.filePath(QStringLiteral("paged.pdf"));
    QFile::remove(output);
    QCOMPARE(rtf_test::runTool({input, output}).exitCode, 0);
    QProcess info;
    info.start(pdfinfo, {output});
    QVERIFY(info.waitForFinished());
    const QString printed = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(printed.contains(QStringLiteral("Page size:       ") + pageSize), qPrintable(printed));
}

QTEST_MAIN(TestNorvelinRtfTool)
#include "test_norvelin_rtf_tool.moc"
