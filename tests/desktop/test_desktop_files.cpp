// The desktop entry and the AppStream metainfo: both validators pass without a remark, and
// both files, the icon and the program agree on one desktop id.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QHash>
#include <QTest>

class TestDesktopFiles : public QObject {
    Q_OBJECT
private slots:
    void validatorsPassClean_data();
    void validatorsPassClean();
    void desktopEntryOpensRtfFiles();
    void metainfoNamesTheEntry();
    void screenshotIsTheReadmes();
};

namespace {

QString dataFile(const QString& suffix)
{
    return QStringLiteral(NORVELIN_DATA_DIR "/" NORVELIN_DESKTOP_ID) + suffix;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestDesktopFiles::validatorsPassClean_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::newRow("desktop-file-validate")
        << QStringList{QStringLiteral("desktop-file-validate"), dataFile(QStringLiteral(".desktop"))};
    QTest::newRow("appstreamcli")
        << QStringList{QStringLiteral("appstreamcli"), QStringLiteral("validate"), QStringLiteral("--no-net"),
                       QStringLiteral("--pedantic"), dataFile(QStringLiteral(".metainfo.xml"))};
}

void TestDesktopFiles::validatorsPassClean()
{
    QFETCH(QStringList, command);
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(command.takeFirst(), command);
    QVERIFY2(validator.waitForStarted(), "the validator is missing: scripts/test installs it");
    QVERIFY(validator.waitForFinished(30000));
    const QByteArray output = validator.readAll();
    QVERIFY2(validator.exitCode() == 0, output.constData());
    // Pedantic remarks and warnings still exit 0: only a clean report passes.
    static const QRegularExpression remark(QStringLiteral("^[EWIP]: |warning|error"),
                                           QRegularExpression::MultilineOption);
    QVERIFY2(!remark.match(QString::fromUtf8(output)).hasMatch(), output.constData());
}

void TestDesktopFiles::desktopEntryOpensRtfFiles()
{
    QHash<QString, QString> entry;
    for (const QByteArray& line : contents(dataFile(QStringLiteral(".desktop"))).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            entry.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("norvelin %f"));
    QCOMPARE(entry.value(QStringLiteral("Icon")), QStringLiteral(NORVELIN_DESKTOP_ID));
    QCOMPARE(entry.value(QStringLiteral("StartupWMClass")), QStringLiteral(NORVELIN_DESKTOP_ID));
    const QStringList types = entry.value(QStringLiteral("MimeType")).split(u';');
    QVERIFY2(types.contains(QStringLiteral("application/rtf")), qPrintable(types.join(u',')));
    QVERIFY2(types.contains(QStringLiteral("text/rtf")), qPrintable(types.join(u',')));
}

void TestDesktopFiles::metainfoNamesTheEntry()
{
    const QByteArray xml = contents(dataFile(QStringLiteral(".metainfo.xml")));
    QVERIFY(xml.contains("<id>" NORVELIN_DESKTOP_ID "</id>"));
    QVERIFY(xml.contains("<launchable type=\"desktop-id\">" NORVELIN_DESKTOP_ID ".desktop</launchable>"));
    // The newest release is the one being built.
    static const QRegularExpression release(QStringLiteral("<release version=\"([^\"]+)\""));
    const auto match = release.match(QString::fromUtf8(xml));
    QVERIFY(match.hasMatch());
    QCOMPARE(match.captured(1), QStringLiteral(NORVELIN_VERSION));
}

void TestDesktopFiles::screenshotIsTheReadmes()
{
    // Software centres fetch the screenshot from the repository's main branch: the path it
    // names there must be a file the README shows, or the listing goes without a picture.
    const QString xml = QString::fromUtf8(contents(dataFile(QStringLiteral(".metainfo.xml"))));
    static const QRegularExpression image(
        QStringLiteral("<image type=\"source\">https://raw\\.githubusercontent\\.com/[^/]+/[^/]+/main/([^<]+)</image>"));
    const auto match = image.match(xml);
    QVERIFY2(match.hasMatch(), "no screenshot from the repository");
    const QString path = match.captured(1);
    const QString source = QStringLiteral(NORVELIN_DATA_DIR "/..");
    QVERIFY2(QFileInfo(source + u'/' + path).isFile(), qPrintable(path));
    QVERIFY2(QString::fromUtf8(contents(source + QStringLiteral("/README.md"))).contains(u'(' + path + u')'),
             qPrintable(path + QStringLiteral(" is not the README's picture")));
}

QTEST_GUILESS_MAIN(TestDesktopFiles)
#include "test_desktop_files.moc"
