// The first start after an upgrade: an older NQ, without the joined forms, sits in the
// user's font folder, where fontconfig lists it under the same family as the font the
// program ships. After registration the editor must draw the shipped font.
#include "platform/font_registration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

namespace {

const QString kShipped = QStringLiteral(NQ_FONT_PATH);
const QString kOlder = QStringLiteral(NQ_UNJOINED_FONT_PATH);

// Glyphs of স্ট (sa, hasanta, tta: one joined glyph in the shipped font) in the NQ face.
int glyphsOfJoinedSequence(const QFont& font)
{
    QTextLayout layout(QStringLiteral("s_f"), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int count = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.rawFont().familyName() != QLatin1String("NQ"))
            return -1;
        count += int(run.glyphIndexes().size());
    }
    return count;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestFontRegistration : public QObject {
    Q_OBJECT
public:
    explicit TestFontRegistration(const QString& userFonts) : userFonts_(userFonts) {}

private slots:
    void shippedFontWinsOverAnOlderUserCopy()
    {
        QVERIFY2(QFileInfo::exists(userFonts_ + QStringLiteral("/nq.ttf")), "the older copy was not set up");
        // The situation is real: fontconfig found the older copy and Qt draws it unjoined.
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("NQ")));
        QFont font(QStringLiteral("NQ"));
        font.setPixelSize(40);
        QCOMPARE(glyphsOfJoinedSequence(font), 3);

        const QString programDir = QFileInfo(kShipped).absolutePath();
        QVERIFY(platform::registerEditingFont(programDir) >= 0);
        // A face resolved before (the editor's) as well as one asked for afresh.
        QCOMPARE(glyphsOfJoinedSequence(font), 1);
        QFont fresh(QStringLiteral("NQ"));
        fresh.setPixelSize(40);
        QCOMPARE(glyphsOfJoinedSequence(fresh), 1);
        QCOMPARE(contents(userFonts_ + QStringLiteral("/nq.ttf")), contents(kShipped));
    }

    void otherProgramsDoNotTakeNqForPrivateUse()
    {
        // Runs after the shipped font was registered above.
        QRawFont shipped(kShipped, 12);
        QVERIFY2(shipped.supportsCharacter(QChar(0xE000)), "the shipped font has no private-use code points");
        const auto families = [](const QString& pattern) {
            QProcess list;
            list.start(QStringLiteral("fc-list"), {pattern, QStringLiteral("family")});
            if (!list.waitForFinished(60000) || list.exitCode() != 0)
                return QStringList{QStringLiteral("fc-list failed")};
            return QString::fromUtf8(list.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        };
        // Fontconfig lists the user's copy, but not for private-use characters.
        QVERIFY(families(QStringLiteral(":charset=41")).contains(QStringLiteral("NQ")));
        QVERIFY(!families(QStringLiteral(":charset=e000")).contains(QStringLiteral("NQ")));
        QVERIFY(!families(QStringLiteral(":charset=f8ff")).contains(QStringLiteral("NQ")));
    }

    void unreadableFontRegistersNothing()
    {
        QTemporaryDir dir;
        QFile bogus(dir.filePath(QStringLiteral("nq.ttf")));
        QVERIFY(bogus.open(QIODevice::WriteOnly));
        bogus.write("not a font");
        bogus.close();
        QCOMPARE(platform::registerEditingFont(dir.path()), -1);
        // The user's copy is left as it was.
        QCOMPARE(contents(userFonts_ + QStringLiteral("/nq.ttf")), contents(kShipped));
    }

private:
    QString userFonts_;
};

int main(int argc, char** argv)
{
    // Fontconfig reads the user's font folder from the environment when it starts: the older
    // copy is put in place before the application touches any font.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QString userFonts = home.filePath(QStringLiteral("data/fonts"));
    if (!QDir().mkpath(userFonts) || !QFile::copy(kOlder, userFonts + QStringLiteral("/nq.ttf"))) {
        qCritical("cannot set up the older NQ from %s", qPrintable(kOlder));
        return 1;
    }
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    QGuiApplication app(argc, argv);
    TestFontRegistration test(userFonts);
    return QTest::qExec(&test, argc, argv);
}
#include "test_font_registration.moc"
