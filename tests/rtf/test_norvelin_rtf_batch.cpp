// norvelin-rtf over many files: a folder walked recursively, outputs mirrored below -o,
// bad files reported in the summary without stopping the rest, exit status 1 when any failed;
// every document below the folders is found, and no result ever lands on an input.

#include "tool_runner.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestNorvelinRtfBatch : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void convertsFolderPastBadFiles();
    void usageErrors_data();
    void usageErrors();
    void printsToSearchablePdf();
    void findsEveryDocument_data();
    void findsEveryDocument();
    void neverWritesOverAnInput_data();
    void neverWritesOverAnInput();

private:
    // Runs `setup` with sh in the test's folder; `doc PATH` there makes a document whose
    // text is its own path, so that each result shows which input it came from.
    void prepare(const QString& setup);
    // Every file below the test's folder (links not followed) with a hash of its bytes.
    QMap<QString, QByteArray> tree() const;
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

void TestNorvelinRtfBatch::cleanup()
{
    // Folders a case locked must open again for the tree to go.
    QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+rwX"), dir_->path()});
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

void TestNorvelinRtfBatch::prepare(const QString& setup)
{
    QProcess shell;
    shell.setWorkingDirectory(dir_->path());
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-ec"),
                 QStringLiteral("doc() { mkdir -p \"$(dirname \"$1\")\"; printf '{\\134rtf1 %s\\134par}' \"$1\" > \"$1\"; }\n")
                     + setup});
    QVERIFY(shell.waitForFinished());
    QVERIFY2(shell.exitCode() == 0, shell.readAllStandardError().constData());
}

QMap<QString, QByteArray> TestNorvelinRtfBatch::tree() const
{
    QMap<QString, QByteArray> files;
    QDirIterator walk(dir_->path(), QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        QFile file(path);
        files.insert(path, file.open(QIODevice::ReadOnly)
                               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                               : QByteArray("unreadable"));
    }
    return files;
}

void TestNorvelinRtfBatch::findsEveryDocument_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("results");  // "output <- input": the output holds the input's text
    QTest::addColumn<QStringList>("failures"); // lines the summary lists
    QTest::addColumn<bool>("otherUser");       // needs a user whom permissions bind

    QTest::newRow("hidden files and folders, any case of the suffix")
        << "doc arch/a.rtf; doc arch/.hidden.rtf; doc arch/.hdir/c.rtf; doc arch/Upper.RTF"
        << QStringList{"out/a.txt <- arch/a.rtf", "out/.hidden.txt <- arch/.hidden.rtf",
                       "out/.hdir/c.txt <- arch/.hdir/c.rtf", "out/Upper.txt <- arch/Upper.RTF"}
        << QStringList{} << false;
    QTest::newRow("folder and file reached through links")
        << "doc elsewhere/d.rtf; mkdir arch; ln -s ../elsewhere arch/linked; ln -s ../elsewhere/d.rtf arch/f.rtf"
        << QStringList{"out/linked/d.txt <- elsewhere/d.rtf", "out/f.txt <- elsewhere/d.rtf"} << QStringList{} << false;
    QTest::newRow("a link back up ends the walk")
        << "doc arch/sub/e.rtf; ln -s .. arch/sub/up; ln -s ../../arch arch/sub/again"
        << QStringList{"out/sub/e.txt <- arch/sub/e.rtf"} << QStringList{} << false;
    QTest::newRow("link to nothing")
        << "doc arch/a.rtf; ln -s nowhere.rtf arch/gone.rtf"
        << QStringList{"out/a.txt <- arch/a.rtf"} << QStringList{"  arch/gone.rtf: "} << false;
    QTest::newRow("names that are not valid UTF-8")
        << "doc arch/a.rtf; doc \"$(printf 'arch/caf\\351.rtf')\"; doc \"$(printf 'arch/\\377/in.rtf')\""
        << QStringList{"out/a.txt <- arch/a.rtf"}
        << QStringList{"  arch/caf\\xE9.rtf: the name is not valid UTF-8", "  arch/\\xFF/in.rtf: the name is not valid UTF-8"}
        << false;
    QTest::newRow("folder that cannot be read")
        << "doc arch/a.rtf; doc arch/locked/b.rtf; chmod 000 arch/locked"
        << QStringList{"out/a.txt <- arch/a.rtf"}
        << QStringList{"  arch/locked: the folder cannot be read (Permission denied)"} << true;
    QTest::newRow("document that cannot be read")
        << "doc arch/a.rtf; doc arch/b.rtf; chmod 000 arch/b.rtf"
        << QStringList{"out/a.txt <- arch/a.rtf"} << QStringList{"  arch/b.rtf: "} << true;
}

void TestNorvelinRtfBatch::findsEveryDocument()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, results);
    QFETCH(QStringList, failures);
    QFETCH(bool, otherUser);
    prepare(setup);
    QStringList prefix;
    if (otherUser && ::geteuid() == 0) {
        // Root reads every folder: run the tool as nobody, over a tree that nobody owns.
        QProcess chown;
        chown.start(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), dir_->path()});
        QVERIFY(chown.waitForFinished() && chown.exitCode() == 0);
        prefix = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                             QStringLiteral("--clear-groups"), QStringLiteral("--")};
    }
    const Run run = runTool({QStringLiteral("--to"), QStringLiteral("txt"), QStringLiteral("-o"), QStringLiteral("out"),
                             QStringLiteral("arch")},
                            60000, dir_->path(), prefix);
    if (!prefix.isEmpty() && run.errors.contains(QStringLiteral("setpriv")))
        QSKIP(qPrintable(QStringLiteral("cannot run as another user here: ") + run.errors));
    QVERIFY2(run.exitCode == (failures.isEmpty() ? 0 : 1), qPrintable(run.output + run.errors));
    QVERIFY2(run.output.contains(QStringLiteral("converted: %1\n").arg(results.size())), qPrintable(run.output));
    QVERIFY2(run.output.contains(QStringLiteral("failed: %1\n").arg(failures.size())), qPrintable(run.output));
    for (const QString& failure : failures)
        QVERIFY2(run.output.contains(failure), qPrintable(failure + QStringLiteral(" not in:\n") + run.output));
    for (const QString& result : results) {
        const QStringList parts = result.split(QStringLiteral(" <- "));
        QCOMPARE(contents(path(parts[0])), parts[1] + u'\n');
    }
}

void TestNorvelinRtfBatch::neverWritesOverAnInput_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("refusal"); // empty: the batch runs
    QTest::addColumn<QStringList>("made"); // files the batch makes when it runs

    QTest::newRow("output named as another input")
        << "doc in/a.rtf; doc out/a.rtf" << QStringList{"-o", "out", "in/a.rtf", "out/a.rtf"}
        << "would replace out/a.rtf, an input of this batch" << QStringList{};
    QTest::newRow("output folder inside the input folder")
        << "doc docs/x.rtf; doc docs/sub/x.rtf" << QStringList{"-o", "docs/sub", "docs"}
        << "would replace docs/sub/x.rtf, an input of this batch" << QStringList{};
    QTest::newRow("output folder a link to the input folder")
        << "doc docs/x.rtf; ln -s docs outlink" << QStringList{"-o", "outlink", "docs"}
        << "docs/x.rtf: the output would replace the input" << QStringList{};
    QTest::newRow("output folder a link into the input folder")
        << "doc docs/x.rtf; doc docs/sub/x.rtf; ln -s docs/sub outlink" << QStringList{"-o", "outlink", "docs"}
        << "would replace docs/sub/x.rtf, an input of this batch" << QStringList{};
    QTest::newRow("existing output a hard link of the input")
        << "doc docs/x.rtf; mkdir out; ln docs/x.rtf out/x.rtf" << QStringList{"-o", "out", "docs"}
        << "docs/x.rtf: the output would replace the input" << QStringList{};
    QTest::newRow("new output folder inside the input folder")
        << "doc docs/x.rtf" << QStringList{"-o", "docs/out", "docs"} << QString()
        << QStringList{"docs/out/x.rtf"};
    QTest::newRow("results beside the inputs in another format")
        << "doc docs/x.rtf" << QStringList{"--to", "txt", "-o", "docs", "docs"} << QString()
        << QStringList{"docs/x.txt"};
}

void TestNorvelinRtfBatch::neverWritesOverAnInput()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, arguments);
    QFETCH(QString, refusal);
    QFETCH(QStringList, made);
    prepare(setup);
    const QMap<QString, QByteArray> before = tree();
    if (!arguments.contains(QStringLiteral("--to")))
        arguments = QStringList{QStringLiteral("--to"), QStringLiteral("rtf")} + arguments;
    const Run run = runTool(arguments, 60000, dir_->path());

    QMap<QString, QByteArray> after = tree();
    for (const QString& name : made)
        QVERIFY2(after.remove(path(name)) == 1, qPrintable(name + QStringLiteral(" was not made\n") + run.output));
    QCOMPARE(after, before); // nothing else made, nothing changed
    if (refusal.isEmpty()) {
        QVERIFY2(run.exitCode == 0, qPrintable(run.output + run.errors));
    } else {
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.output.contains(refusal), qPrintable(run.output));
        QVERIFY2(run.output.contains(QStringLiteral("converted: 0\n")), qPrintable(run.output));
        QVERIFY2(run.errors.contains(QStringLiteral("nothing was written")), qPrintable(run.errors));
    }
}

QTEST_GUILESS_MAIN(TestNorvelinRtfBatch)
#include "test_norvelin_rtf_batch.moc"
