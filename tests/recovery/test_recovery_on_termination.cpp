// The program ended from outside, as a desktop ends it: a signal (shutdown, closed terminal,
// Ctrl+C) or the X server gone. What was typed is in a recovery copy, and the next start,
// with a file named too, offers it. The real program on its own Xvfb, driven by xdotool.

#include "recovery/recovery_store.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <csignal>

class TestRecoveryOnTermination : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void endedFromOutsideKeepsTheWork_data();
    void endedFromOutsideKeepsTheWork();

private:
    bool startServer();
    bool startProgram(const QStringList& arguments);
    QString xdotool(const QStringList& arguments) const;
    QString findWindow(const QString& namePattern) const;

    std::unique_ptr<QTemporaryDir> dir_;
    QProcess xvfb_;
    QProcess program_;
    QString display_;
};

void TestRecoveryOnTermination::initTestCase()
{
    for (const char* tool : {"Xvfb", "xdotool"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 "Xvfb and xdotool are needed: scripts/test installs them");
}

void TestRecoveryOnTermination::cleanup()
{
    for (QProcess* process : {&program_, &xvfb_}) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
}

bool TestRecoveryOnTermination::startServer()
{
    xvfb_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                                         QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x800x24"),
                                         QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!QTest::qWaitFor([this] { return xvfb_.canReadLine(); }, 20000))
        return false;
    display_ = u':' + QString::fromLatin1(xvfb_.readLine().trimmed());
    return true;
}

bool TestRecoveryOnTermination::startProgram(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("HOME"), dir_->path());
    environment.insert(QStringLiteral("XDG_STATE_HOME"), dir_->filePath(QStringLiteral("state")));
    program_.setProcessEnvironment(environment);
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.setWorkingDirectory(dir_->path());
    program_.start(QStringLiteral(NORVELIN_PROGRAM), arguments);
    return program_.waitForStarted();
}

QString TestRecoveryOnTermination::xdotool(const QStringList& arguments) const
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

QString TestRecoveryOnTermination::findWindow(const QString& namePattern) const
{
    return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), namePattern})
        .section(u'\n', 0, 0);
}

void TestRecoveryOnTermination::endedFromOutsideKeepsTheWork_data()
{
    QTest::addColumn<int>("signal"); // 0: the X server goes away instead
    QTest::addColumn<QString>("typed");
    QTest::newRow("SIGTERM") << int(SIGTERM) << "amar";
    QTest::newRow("SIGHUP") << int(SIGHUP) << "sonar";
    QTest::newRow("SIGINT") << int(SIGINT) << "baMla";
    QTest::newRow("X server gone") << 0 << "gan";
    QTest::newRow("SIGTERM, nothing typed") << int(SIGTERM) << "";
}

void TestRecoveryOnTermination::endedFromOutsideKeepsTheWork()
{
    QFETCH(int, signal);
    QFETCH(QString, typed);
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(startServer());
    QVERIFY(startProgram({}));
    QString window;
    QVERIFY2(QTest::qWaitFor([&] { return !(window = findWindow(QStringLiteral("^ Norvelin"))).isEmpty(); }, 30000),
             "no window");
    if (!typed.isEmpty()) {
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("200"),
                 QStringLiteral("300"), QStringLiteral("click"), QStringLiteral("1")});
        xdotool({QStringLiteral("type"), typed});
        // The keys reach the program through its event loop; the autosave's own moments
        // are half a minute away.
        QTest::qWait(1000);
    }

    if (signal != 0) {
        ::kill(pid_t(program_.processId()), signal);
        QVERIFY(program_.waitForFinished(20000));
        // Ended as the signal ends a program, so that whoever sent it sees that.
        QCOMPARE(program_.exitStatus(), QProcess::CrashExit);
    } else {
        xvfb_.kill();
        QVERIFY(xvfb_.waitForFinished(10000));
        QVERIFY(program_.waitForFinished(20000));
        QVERIFY(startServer());
    }

    const QString folder = dir_->filePath(QStringLiteral("state/norvelin"));
    const QList<recovery::LeftCopy> left = recovery::RecoveryStore(folder).leftCopies();
    if (typed.isEmpty()) {
        QVERIFY2(left.isEmpty(), "an unchanged document left a copy");
        return;
    }
    QCOMPARE(left.size(), 1);
    QTextDocument copy;
    QVERIFY(!rtf::loadFile(left[0].rtfPath, copy));
    QCOMPARE(copy.toPlainText(), typed);

    // The next start, with a file to open, offers the copy too.
    QTextDocument letter(QStringLiteral("a letter"));
    QVERIFY(!rtf::saveFile(dir_->filePath(QStringLiteral("letter.rtf")), letter));
    QVERIFY(startProgram({QStringLiteral("letter.rtf")}));
    QString question;
    QVERIFY2(QTest::qWaitFor([&] { return !(question = findWindow(QStringLiteral("^Norvelin$"))).isEmpty(); }, 30000),
             "the left copy was not offered");
    program_.terminate();
    QVERIFY(program_.waitForFinished(20000));
    // Not answered: the copy stays for a later start.
    QCOMPARE(recovery::RecoveryStore(folder).leftCopies().size(), 1);
}

QTEST_MAIN(TestRecoveryOnTermination)
#include "test_recovery_on_termination.moc"
