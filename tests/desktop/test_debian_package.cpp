// The Debian package made by `cpack -G DEB` from the existing build: it holds exactly what
// `cmake --install` installs, depends on the libraries the binaries link, passes lintian
// without an error, and the programs unpacked from it run and find their font.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestDebianPackage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void holdsWhatInstallInstalls();
    void dependsOnTheLinkedLibraries();
    void lintianFindsNoError();
    void unpackedProgramsRun_data();
    void unpackedProgramsRun();
    void unpackedConverterConverts();

private:
    QTemporaryDir work_;
    QString package_;
    QString unpacked_;
};

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString& program, const QStringList& arguments, int timeoutMs = 120000,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForStarted() || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.err = program.toUtf8() + " did not start or finish in time";
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QByteArray describe(const Run& run)
{
    return "exit " + QByteArray::number(run.exitCode) + "\n" + run.out + run.err;
}

// Files and links below `root`, relative to it; folders are implied by them.
QStringList filesBelow(const QString& root)
{
    QStringList files;
    QDirIterator walk(root, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (walk.hasNext())
        files.append(QDir(root).relativeFilePath(walk.next()));
    files.sort();
    return files;
}

} // namespace

void TestDebianPackage::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dpkg-deb")).isEmpty())
        QSKIP("dpkg-deb is missing: this is not a Debian system");
    QVERIFY(work_.isValid());
    const Run cpack = run(QStringLiteral(NORVELIN_CPACK),
                          {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                           QStringLiteral(NORVELIN_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"),
                           work_.filePath(QStringLiteral("out"))},
                          240000);
    QVERIFY2(cpack.exitCode == 0, describe(cpack).constData());

    const Run arch = run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
    QCOMPARE(arch.exitCode, 0);
    // Debian's own naming: package_version_architecture.deb.
    package_ = work_.filePath(QStringLiteral("out/norvelin_" NORVELIN_VERSION "_%1.deb")
                                  .arg(QString::fromLatin1(arch.out.trimmed())));
    QVERIFY2(QFile::exists(package_), qPrintable(package_ + QStringLiteral(" is missing\n") + QString::fromUtf8(cpack.out)));

    unpacked_ = work_.filePath(QStringLiteral("root"));
    const Run extract = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), package_, unpacked_});
    QVERIFY2(extract.exitCode == 0, describe(extract).constData());
}

void TestDebianPackage::holdsWhatInstallInstalls()
{
    const QString prefix = work_.filePath(QStringLiteral("install/usr"));
    const Run install = run(QStringLiteral(NORVELIN_CMAKE),
                            {QStringLiteral("--install"), QStringLiteral(NORVELIN_BUILD_DIR),
                             QStringLiteral("--prefix"), prefix});
    QVERIFY2(install.exitCode == 0, describe(install).constData());
    const QStringList installed = filesBelow(work_.filePath(QStringLiteral("install")));

    const Run contents = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), package_});
    QVERIFY2(contents.exitCode == 0, describe(contents).constData());
    QStringList packaged;
    for (const QByteArray& line : contents.out.split('\n')) {
        // "-rw-r--r-- root/root 1234 2026-12-10 10:00 ./usr/bin/norvelin"; folders start with d.
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || fields.first().startsWith('d'))
            continue;
        QString path = QString::fromUtf8(fields[5]);
        QVERIFY2(path.startsWith(u"./"), line.constData());
        packaged.append(path.mid(2));
    }
    packaged.sort();
    QCOMPARE(packaged, installed);
    // What the desktop, man and Debian look for, each once.
    for (const char* expected :
         {"usr/bin/norvelin", "usr/bin/norvelin-rtf", "usr/share/norvelin/nq.ttf",
          "usr/share/man/man1/norvelin.1.gz", "usr/share/man/man1/norvelin-rtf.1.gz",
          "usr/share/icons/hicolor/scalable/apps/" NORVELIN_DESKTOP_ID ".svg",
          "usr/share/applications/" NORVELIN_DESKTOP_ID ".desktop",
          "usr/share/doc/norvelin/copyright", "usr/share/doc/norvelin/changelog.gz"})
        QVERIFY2(packaged.contains(QLatin1String(expected)), expected);
}

void TestDebianPackage::dependsOnTheLinkedLibraries()
{
    const Run depends = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), package_, QStringLiteral("Depends")});
    QVERIFY2(depends.exitCode == 0, describe(depends).constData());
    // Worked out by dpkg-shlibdeps from the binaries, not written by hand.
    for (const char* library : {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                                "libqt6printsupport6"})
        QVERIFY2(depends.out.contains(QByteArray(library) + " (>="), depends.out.constData());
}

void TestDebianPackage::lintianFindsNoError()
{
    const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
    if (lintian.isEmpty())
        QSKIP("lintian is missing: scripts/test installs it");
    const Run check = run(lintian, {QStringLiteral("--allow-root"), QStringLiteral("--fail-on"),
                                    QStringLiteral("error"), package_},
                          240000);
    // Warnings and remarks are printed for the log; only errors fail.
    if (!check.out.isEmpty())
        qInfo("%s", check.out.constData());
    QVERIFY2(check.exitCode == 0 && !check.out.contains("\nE: ") && !check.out.startsWith("E: "),
             describe(check).constData());
}

void TestDebianPackage::unpackedProgramsRun_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("version") << "norvelin" << QStringList{QStringLiteral("--version")}
                             << QByteArray("norvelin " NORVELIN_VERSION "\n");
    // The editor finds the packaged font in ../share/norvelin, with nothing of the build near.
    QTest::newRow("font") << "norvelin" << QStringList{} << QByteArray("editor font: NQ\n");
}

void TestDebianPackage::unpackedProgramsRun()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, expected);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral("state")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("NORVELIN_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    const Run started = run(QDir(unpacked_).filePath(QStringLiteral("usr/bin/") + program), arguments, 60000,
                            environment);
    QVERIFY2(started.exitCode == 0, describe(started).constData());
    QVERIFY2(started.out.contains(expected), describe(started).constData());
}

void TestDebianPackage::unpackedConverterConverts()
{
    const QString input = work_.filePath(QStringLiteral("song.rtf"));
    const QString output = work_.filePath(QStringLiteral("song.txt"));
    QFile rtf(input);
    QVERIFY(rtf.open(QIODevice::WriteOnly));
    rtf.write("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 NQ;}}\\f0 Aim baMlay gan gaI.\\par}");
    rtf.close();
    const Run converted = run(QDir(unpacked_).filePath(QStringLiteral("usr/bin/norvelin-rtf")),
                              {QStringLiteral("--unicode"), input, output});
    QVERIFY2(converted.exitCode == 0, describe(converted).constData());
    QFile text(output);
    QVERIFY(text.open(QIODevice::ReadOnly));
    // Compared in one normal form: য় may be written as one code point or two.
    QCOMPARE(QString::fromUtf8(text.readAll()).trimmed().normalized(QString::NormalizationForm_C),
             QStringLiteral("আমি বাংলায় গান গাই।").normalized(QString::NormalizationForm_C));
}

QTEST_GUILESS_MAIN(TestDebianPackage)
#include "test_debian_package.moc"
