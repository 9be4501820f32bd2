// `norvelin FILE` on a real X server (Xvfb), driven with xdotool: the file opens as File >
// Open opens it (its caption, its text, its path for Save), in a window of the desktop id's
// class; a file that cannot be read is reported and leaves the unsaved start-up document.

#include "rtf/rtf.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

class TestOpenFromCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void opensTheFile();
    void badFileLeavesUnsavedDocument();

private:
    bool startProgram(const QString& file);
    QString xdotool(const QStringList& arguments) const;
    // The program's main window, found by its class; empty until it is mapped.
    QString findWindow() const;

    QTemporaryDir dir_;
    QProcess xvfb_;
    QProcess program_;
    QString display_;
};

void TestOpenFromCommandLine::initTestCase()
{
    QVERIFY(dir_.isValid());
    for (const char* tool : {"Xvfb", "xdotool"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 "Xvfb and xdotool are needed: scripts/test installs them");
    // The server picks a free display and names it on its standard output. It must not
    // reset when its last client goes: a program started during a reset cannot connect.
    xvfb_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                         QStringLiteral("-noreset"),
                                         QStringLiteral("-screen"), QStringLiteral("0"),
                                         QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                                         QStringLiteral("tcp")});
    QVERIFY(QTest::qWaitFor([this] { return xvfb_.canReadLine(); }, 20000));
    display_ = u':' + QString::fromLatin1(xvfb_.readLine().trimmed());
}

void TestOpenFromCommandLine::cleanupTestCase()
{
    xvfb_.terminate();
    xvfb_.waitForFinished(5000);
}

void TestOpenFromCommandLine::cleanup()
{
    if (program_.state() != QProcess::NotRunning) {
        program_.kill();
        program_.waitForFinished(5000);
    }
}

bool TestOpenFromCommandLine::startProgram(const QString& file)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("HOME"), dir_.path());
    program_.setProcessEnvironment(environment);
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A relative path, as a shell passes it: the caption names the file in full.
    program_.setWorkingDirectory(dir_.path());
    program_.start(QStringLiteral(NORVELIN_PROGRAM), {file});
    return program_.waitForStarted();
}

QString TestOpenFromCommandLine::xdotool(const QStringList& arguments) const
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    // Only the line end goes: captions start with a blank.
    QString output = QString::fromUtf8(tool.readAllStandardOutput());
    while (output.endsWith(u'\n'))
        output.chop(1);
    return output;
}

QString TestOpenFromCommandLine::findWindow() const
{
    // A message box shares the class; the main window's caption starts with a blank.
    const QStringList windows = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--class"), QStringLiteral("^" NORVELIN_DESKTOP_ID "$")})
                                    .split(u'\n', Qt::SkipEmptyParts);
    for (const QString& window : windows)
        if (xdotool({QStringLiteral("getwindowname"), window}).startsWith(u' '))
            return window;
    return {};
}

void TestOpenFromCommandLine::opensTheFile()
{
    const QString path = dir_.filePath(QStringLiteral("letter.rtf"));
    QTextDocument written;
    written.setPlainText(QStringLiteral("amar sonar\nbaMla"));
    QVERIFY(!rtf::saveFile(path, written));

    QVERIFY(startProgram(QStringLiteral("letter.rtf")));
    QString window;
    QVERIFY2(QTest::qWaitFor([&] { return !(window = findWindow()).isEmpty(); }, 30000),
             "no window of the desktop id's class");
    // The file is read on a worker after the window shows: the caption follows once it is in.
    QTRY_COMPARE_WITH_TIMEOUT(xdotool({QStringLiteral("getwindowname"), window}), QStringLiteral(" Norvelin  ") + path,
                              30000);

    // Into the text, to its start, one letter, then Save: it writes the opened file
    // without a dialog, which shows the path, the text and the letter all arrived.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("200"),
             QStringLiteral("300"), QStringLiteral("click"), QStringLiteral("1")});
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+Home"), QStringLiteral("k"), QStringLiteral("ctrl+s")});
    QVERIFY(QTest::qWaitFor([&] { return xdotool({QStringLiteral("getwindowname"), window})
                                         == QStringLiteral(" Norvelin ") + path; }, 10000));
    QTextDocument saved;
    QVERIFY(!rtf::loadFile(path, saved));
    QCOMPARE(saved.toPlainText(), QStringLiteral("kamar sonar\nbaMla"));
}

void TestOpenFromCommandLine::badFileLeavesUnsavedDocument()
{
    const QString path = dir_.filePath(QStringLiteral("broken.rtf"));
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("this is no document\n");
    broken.close();

    QVERIFY(startProgram(path));
    // The warning box carries the product's name alone and names the file.
    QString box;
    QVERIFY2(QTest::qWaitFor([&] {
        box = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                       QStringLiteral("^Norvelin$")}).section(u'\n', 0, 0);
        return !box.isEmpty(); }, 30000), "no warning box");
    const QString window = findWindow();
    QVERIFY(!window.isEmpty());
    QCOMPARE(xdotool({QStringLiteral("getwindowname"), window}),
             QStringLiteral(" Norvelin   This is an unsaved Document"));
}

QTEST_MAIN(TestOpenFromCommandLine)
#include "test_open_from_command_line.moc"
