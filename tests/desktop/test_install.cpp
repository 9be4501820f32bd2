// `cmake --install` into a fresh prefix: every file lands where the freedesktop
// specifications (and the font lookup) expect it, and the installed program finds its font.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filesLandInPlace_data();
    void filesLandInPlace();
    void installedProgramFindsItsFont();

private:
    QTemporaryDir prefix_;
};

void TestInstall::initTestCase()
{
    QVERIFY(prefix_.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(NORVELIN_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(NORVELIN_BUILD_DIR),
                   QStringLiteral("--prefix"), prefix_.path()});
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
}

void TestInstall::filesLandInPlace_data()
{
    QTest::addColumn<QString>("path");
    const QString id = QStringLiteral(NORVELIN_DESKTOP_ID);
    QTest::newRow("program") << "bin/norvelin";
    QTest::newRow("converter") << "bin/norvelin-rtf";
    QTest::newRow("font") << "share/norvelin/nq.ttf";
    QTest::newRow("font licence") << "share/norvelin/nq-OFL.txt";
    QTest::newRow("spelling affixes") << "share/norvelin/spelling/bn.aff";
    QTest::newRow("spelling words") << "share/norvelin/spelling/bn.dic";
    QTest::newRow("spelling licence") << "share/norvelin/spelling/COPYING";
    QTest::newRow("desktop entry") << "share/applications/" + id + ".desktop";
    QTest::newRow("metainfo") << "share/metainfo/" + id + ".metainfo.xml";
    for (int size : {16, 32, 48})
        QTest::addRow("icon %d", size) << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + id + ".svg";
    QTest::newRow("manual page") << "share/man/man1/norvelin.1.gz";
    QTest::newRow("converter's manual page") << "share/man/man1/norvelin-rtf.1.gz";
    QTest::newRow("copyright") << "share/doc/norvelin/copyright";
    QTest::newRow("changelog") << "share/doc/norvelin/changelog.gz";
}

void TestInstall::filesLandInPlace()
{
    QFETCH(QString, path);
    const QFileInfo file(QDir(prefix_.path()).filePath(path));
    QVERIFY2(file.isFile() && file.size() > 0, qPrintable(file.filePath()));
}

void TestInstall::installedProgramFindsItsFont()
{
    // Nothing of the build, nor a copy of the font from an earlier run, may lend it the face.
    QVERIFY(!QFile::exists(QDir(prefix_.path()).filePath(QStringLiteral("bin/nq.ttf"))));
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("NORVELIN_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(home.path());
    program.start(QDir(prefix_.path()).filePath(QStringLiteral("bin/norvelin")), {});
    QVERIFY(program.waitForFinished(60000));
    const QByteArray output = program.readAllStandardOutput();
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(output.contains("editor font: NQ\n"), output.constData());
}

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
