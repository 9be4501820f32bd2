// norvelin-rtf over many files: a folder walked recursively, outputs mirrored below -o,
// bad files reported in the summary without stopping the rest, exit status 1 when any failed.

#include "tool_runner.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestNorvelinRtfBatch : public QObject {
    Q_OBJECT
private slots:
    void init();
    void convertsFolderPastBadFiles();
    void usageErrors_data();
    void usageErrors();
    void printsToSearchablePdf();

private:
    void write(const QString& name, const QByteArray& bytes);
    QString path(const QString& name) const { return dir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir_;
};

namespace {

using rtf_test::runTool;
using Run = rtf_test::ToolRun;

QString contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

// কিতাব in NQ's visual order (i k t a b), then code 128: no Unicode counterpart, so it stays
// as the editor holds it (€).
const QByteArray kNqDocument = "{\\rtf1\\ansi{\\fonttbl{\\f0 NQ;}}\\f0 iktab\\'80\\par}";

} // namespace

void TestNorvelinRtfBatch::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("archive/2019/letters")));
    write(QStringLiteral("archive/first.rtf"), kNqDocument);
    write(QStringLiteral("archive/2019/letters/second.RTF"), "{\\rtf1 plain {\\b words}\\par}");
    write(QStringLiteral("archive/2019/broken.rtf"), "not a document at all");
    write(QStringLiteral("archive/2019/notes.txt"), "not taken: only RTF files are walked");
}

void TestNorvelinRtfBatch::write(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestNorvelinRtfBatch::convertsFolderPastBadFiles()
{
    // The folder, plus one of its files again by name: its output is taken already, and
    // writing it twice must not pass for two conversions.
    const QString out = path(QStringLiteral("out"));
    const Run run = runTool({QStringLiteral("--unicode"), QStringLiteral("--to"), QStringLiteral("txt"),
                             QStringLiteral("-o"), out, QStringLiteral("-j"), QStringLiteral("2"),
                             path(QStringLiteral("archive")), path(QStringLiteral("archive/first.rtf"))});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.output.contains(QStringLiteral("converted: 2\n")), qPrintable(run.output));
    QVERIFY2(run.output.contains(QStringLiteral("failed: 2\n")), qPrintable(run.output));
    QVERIFY2(run.output.contains(path(QStringLiteral("archive/2019/broken.rtf")) + QStringLiteral(": ")),
             qPrintable(run.output));
    // Named once: the cause's sentence names the file, the summary adds no second name.
    QCOMPARE(run.output.count(path(QStringLiteral("archive/2019/broken.rtf"))), 1);
    QVERIFY2(run.output.contains(QStringLiteral("first.txt is already written from")), qPrintable(run.output));
    QVERIFY2(run.output.contains(QStringLiteral("characters left unconverted: 1 (in 1 files)")),
             qPrintable(run.output));

    QCOMPARE(contents(out + QStringLiteral("/first.txt")), QStringLiteral(u"কিতাব€\n"));
    QCOMPARE(contents(out + QStringLiteral("/2019/letters/second.txt")), QStringLiteral("plain words\n"));
    QVERIFY(!QFile::exists(out + QStringLiteral("/2019/broken.txt")));
    QVERIFY(!QFile::exists(out + QStringLiteral("/2019/notes.txt")));
}

void TestNorvelinRtfBatch::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no output folder") << QStringList{"--to", "txt", "archive"} << "needs --to, -o";
    QTest::newRow("no inputs") << QStringList{"--to", "txt", "-o", "out"} << "needs --to, -o";
    QTest::newRow("unknown format") << QStringList{"--to", "doc", "-o", "out", "archive"} << "--to takes txt, html, rtf or pdf";
    QTest::newRow("bad job count") << QStringList{"--to", "txt", "-o", "out", "-j", "0", "archive"} << "-j takes";
    QTest::newRow("unicode into rtf") << QStringList{"--unicode", "--to", "rtf", "-o", "out", "archive"} << "--unicode writes txt or html";
    QTest::newRow("from unicode in a batch") << QStringList{"--from-unicode", "--to", "rtf", "-o", "out", "archive"} << "--from-unicode cannot be used here";
    QTest::newRow("option without its value") << QStringList{"--to", "txt", "archive", "-o"} << "usage:";
    QTest::newRow("unicode into pdf") << QStringList{"--unicode", "--to", "pdf", "-o", "out", "archive"} << "--unicode writes txt or html";
}

void TestNorvelinRtfBatch::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    for (QString& argument : arguments)
        if (argument == u"archive" || argument == u"out")
            argument = path(argument);
    const Run run = runTool(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    QVERIFY(!QFile::exists(path(QStringLiteral("out"))));
}

// --to pdf prints each document as the editor prints it, with Unicode Bengali behind NQ.
void TestNorvelinRtfBatch::printsToSearchablePdf()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: scripts/test installs it");
    const QString out = path(QStringLiteral("out"));
    const Run run = runTool({QStringLiteral("--to"), QStringLiteral("pdf"), QStringLiteral("-o"), out,
                             path(QStringLiteral("archive/first.rtf"))});
    QCOMPARE(run.exitCode, 0);
    QProcess process;
    process.start(pdftotext, {out + QStringLiteral("/first.pdf"), QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("কিতাব")), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestNorvelinRtfBatch)
#include "test_norvelin_rtf_batch.moc"
