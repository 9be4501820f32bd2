// Files and disks that used to end the program or lose a document: inputs with no end or
// no bounds, pictures that unpack into gigabytes, files cut short, and saves that fail
// half-way. Each goes through the converter, which shows the codec's file level as the
// editor meets it: refusals exit 1, notices are told on stderr with exit 0.

#include "rtf_test_support.h"
#include "rtf/picture_properties.h"
#include "rtf/units.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextImageFormat>

#include <csignal>
#include <cstring>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

class TestRtfHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void hostileInputs_data();
    void hostileInputs();
    void readingStaysLinear_data();
    void readingStaysLinear();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void fullDiskKeepsTheOldFile();
    void picturesPastTheBudgetOrUndecodable_data();
    void picturesPastTheBudgetOrUndecodable();
    void everyPixelFormatDecodes_data();
    void everyPixelFormatDecodes();
    void pictureSizesStayValidOnWrite_data();
    void pictureSizesStayValidOnWrite();

private:
    QTemporaryDir dir_;
};

namespace {

struct Run {
    int exitCode = -1;  // -1: crashed or did not end
    QString errors;
};

// `fileSize` > 0: the child may write files of at most that many bytes; past it a write
// fails with EFBIG instead of killing it. `addressSpace` > 0: its memory is limited so, and
// an allocation past it fails.
Run runTool(const QStringList& arguments, rlim_t fileSize = 0, rlim_t addressSpace = 0, rlim_t cpuSeconds = 0)
{
    QProcess tool;
    tool.setChildProcessModifier([fileSize, addressSpace, cpuSeconds] {
        if (cpuSeconds > 0) {
            rlimit limit{cpuSeconds, cpuSeconds};
            ::setrlimit(RLIMIT_CPU, &limit);
        }
        if (fileSize > 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{fileSize, fileSize};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (addressSpace > 0) {
            rlimit limit{addressSpace, addressSpace};
            ::setrlimit(RLIMIT_AS, &limit);
        }
    });
    tool.start(QStringLiteral(NORVELIN_RTF_TOOL), arguments);
    Run run;
    if (!tool.waitForFinished(30000)) {
        tool.kill();
        tool.waitForFinished();
        run.errors = QStringLiteral("did not end within 30 s");
        return run;
    }
    run.exitCode = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    run.errors += QString::fromUtf8(tool.readAllStandardError());
    return run;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray picture(const QByteArray& words, const QByteArray& data)
{
    return "{\\pict" + words + "\n" + data.toHex() + "}";
}

// The document's pictures in order: their shown size, and whether each is a placeholder.
struct Shown {
    QSizeF size;
    QImage image;
    QByteArray kept;  // what the writer would put back unchanged
};

QList<Shown> picturesOf(const QTextDocument& document)
{
    QList<Shown> shown;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QTextImageFormat image = format.toImageFormat();
            shown.append({QSizeF(image.width(), image.height()),
                          document.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>(),
                          image.property(rtf::kPictureData).toByteArray()});
        }
    }
    return shown;
}

} // namespace

void TestRtfHostileFiles::initTestCase()
{
    QVERIFY(dir_.isValid());
}

void TestRtfHostileFiles::hostileInputs_data()
{
    QTest::addColumn<QString>("kind");       // file, fifo, sparse, device, folder, link-to-device
    QTest::addColumn<QByteArray>("content"); // file: its bytes
    QTest::addColumn<qint64>("size");        // sparse: its length
    QTest::addColumn<qint64>("memory");      // > 0: the converter's address space, bytes
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");    // expected on stderr; empty: nothing at all
    QTest::addColumn<QString>("text");       // expected output text when it converts

    const QByteArray png = rtf_test::pngBytes(3, 2);
    QTest::newRow("endless device") << "device" << QByteArray() << qint64(0) << qint64(0) << 1
                                    << "/dev/zero: cannot be read: it is a device, not a regular file" << "";
    QTest::newRow("link to an endless device") << "link-to-device" << QByteArray() << qint64(0) << qint64(0) << 1
                                               << "cannot be read: it is a device, not a regular file" << "";
    QTest::newRow("named pipe, nobody writing") << "fifo" << QByteArray() << qint64(0) << qint64(0) << 1
                                                << "cannot be read: it is a named pipe (FIFO), not a regular file" << "";
    QTest::newRow("folder") << "folder" << QByteArray() << qint64(0) << qint64(0) << 1 << "cannot be read: it is a folder" << "";
    QTest::newRow("5 GB, sparse") << "sparse" << QByteArray() << (qint64(5) << 30) << qint64(0) << 1
                                  << "cannot be read: it is 5368709120 bytes long; documents larger than 1 GiB (1073741824 bytes) are not opened"
                                  << "";
    QTest::newRow("one byte over the limit") << "sparse" << QByteArray() << rtf::kMaxFileBytes + 1 << qint64(0) << 1
                                             << "it is 1073741825 bytes long" << "";
    QTest::newRow("cut short") << "file" << QByteArray("{\\rtf1 abc{\\b def") << qint64(0) << qint64(0) << 0
                               << "ends before its last group is closed, so it may have been cut short" << "abcdef\n";
    QTest::newRow("cut short inside a picture") << "file" << "{\\rtf1 a" + picture("\\pngblip", png).chopped(9) << qint64(0) << qint64(0) << 0
                                                << "ends before its last group is closed" << "a\n";
    QTest::newRow("undecodable picture") << "file" << "{\\rtf1 a" + picture("\\pngblip", "not a png") + "b}" << qint64(0) << qint64(0) << 0
                                         << "1 picture is shown as grey boxes (1 could not be decoded)" << "ab\n";
    QTest::newRow("metafile picture") << "file" << "{\\rtf1 a" + picture("\\wmetafile8\\picw2540\\pich2540", "0100") + "b}"
                                      << qint64(0) << qint64(0) << 0 << "1 picture is shown as grey boxes (1 could not be decoded)" << "ab\n";
    QByteArray paragraphs("{\\rtf1\\ansi ");
    for (int i = 0; i < 1000000; ++i)
        paragraphs += "x\\par\n";
    // Qt's document does not survive a failed allocation: reading must stop before one.
    QTest::newRow("more paragraphs than memory") << "file" << paragraphs + "}" << qint64(0) << (qint64(200) << 20) << 1
                                                 << "there is not enough memory to open it" << "";
    QTest::newRow("whole and sound") << "file" << "{\\rtf1 a" + picture("\\pngblip", png) + "b}" << qint64(0) << qint64(0) << 0 << "" << "ab\n";
}

void TestRtfHostileFiles::hostileInputs()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(qint64, memory);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QFETCH(QString, text);

    const QString input = kind == u"device" ? QStringLiteral("/dev/zero") : dir_.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
    if (kind == u"file") {
        QVERIFY(writeFile(input, content));
    } else if (kind == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(input).constData(), 0600), 0);
    } else if (kind == u"sparse") {
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));  // a hole: nothing is written
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkpath(input));
    } else if (kind == u"link-to-device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), input));
    }
    const QString output = dir_.filePath(QStringLiteral("out-%1.txt").arg(QTest::currentDataTag()));
    const Run run = runTool({input, output}, 0, rlim_t(memory));

    QCOMPARE(run.exitCode, exitCode);
    if (message.isEmpty())
        QVERIFY2(!run.errors.contains(u"norvelin-rtf:"), qPrintable(run.errors));
    else
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    if (!message.isEmpty() && kind != u"device")
        QVERIFY2(run.errors.contains(input), qPrintable(run.errors));  // the message names the file
    if (exitCode == 0)
        QCOMPARE(QString::fromUtf8(contents(output)), text);
    else
        QVERIFY(!QFile::exists(output));
}

// Files built to make reading slow: formats that Qt's format collection would all put in
// one bucket, and a link instruction that halving its backslashes once made quadratic.
// Each is read in about a second of CPU or less; the bound is ten times that, and the
// quadratic reading they used to meet took 15 to 30 s.
void TestRtfHostileFiles::readingStaysLinear_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("text");
    const int count = 40000;
    QByteArray fonts("{\\rtf1{\\fonttbl");
    QByteArray fontRuns;
    QByteArray pictures("{\\rtf1 ");
    QByteArray bookmarks("{\\rtf1 ");
    QByteArray tabStops("{\\rtf1 ");
    for (int i = 0; i < count; ++i) {
        const QByteArray number = QByteArray::number(i);
        fonts += "{\\f" + number + " Face" + number + ";}";
        fontRuns += "{\\f" + number + " w }";
        pictures += "{\\pict\\pngblip " + QByteArray::number(0x10000000 + i, 16) + "}";
        bookmarks += "{\\*\\bkmkstart b" + number + "}w{\\*\\bkmkend b" + number + "} ";
        tabStops += "\\pard\\tx" + QByteArray::number(i + 10) + " w\\par\n";
    }
    const QByteArray words = QByteArray("w ").repeated(count) + "\n";
    QTest::newRow("40,000 distinct faces") << fonts + "}" + fontRuns + "}" << words;
    QTest::newRow("40,000 distinct undecodable pictures") << pictures + "}" << QByteArray("\n");
    QTest::newRow("40,000 distinct bookmarks") << bookmarks + "}" << words;
    QTest::newRow("40,000 paragraphs with distinct tab stops") << tabStops + "}" << QByteArray("w\n").repeated(count);
    QTest::newRow("a link of 80 million backslashes")
        << "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"" + QByteArray(80'000'000, '\\') + "\"}{\\fldrslt x}}}"
        << QByteArray("x\n");
}

void TestRtfHostileFiles::readingStaysLinear()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, text);
    const QString input = dir_.filePath(QStringLiteral("slow-%1.rtf").arg(QTest::currentDataTag()).replace(u' ', u'-'));
    QVERIFY(writeFile(input, content));
    content.clear();
    const QString output = input + QStringLiteral(".txt");
    const Run run = runTool({input, output}, 0, qint64(2) << 30, 10);
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    QCOMPARE(contents(output), text);
}

// A save that cannot be completed (here: a file size limit, EFBIG) leaves an existing file
// byte for byte as it was, creates no new one, leaves no temporary file and exits 1. Small
// documents matter most: they used to sit whole in a buffer whose failing write at the end
// was not noticed.
void TestRtfHostileFiles::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("paragraphs");
    QTest::newRow("small RTF over an existing file") << "old.rtf" << true << 10;
    QTest::newRow("small RTF as a new file") << "new.rtf" << false << 10;
    QTest::newRow("large RTF over an existing file") << "old-large.rtf" << true << 5000;
    QTest::newRow("text over an existing file") << "old.txt" << true << 10;
    QTest::newRow("text as a new file") << "new.txt" << false << 10;
}

void TestRtfHostileFiles::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, output);
    QFETCH(bool, exists);
    QFETCH(int, paragraphs);
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.rtf"));
    QByteArray rtf("{\\rtf1\\ansi ");
    for (int i = 0; i < paragraphs; ++i)
        rtf += "a paragraph of the new document\\par\n";
    QVERIFY(writeFile(input, rtf + "}"));
    const QString target = dir.filePath(output);
    const QByteArray old("{\\rtf1 the old document, which must survive}");
    if (exists)
        QVERIFY(writeFile(target, old));
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);

    const Run run = runTool({input, target}, 128);

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.contains(target + QStringLiteral(": cannot be written: ")), qPrintable(run.errors));
    QVERIFY2(run.errors.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(run.errors));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
    if (exists)
        QCOMPARE(contents(target), old);

    // Without the limit the same conversion succeeds: the limit was the only cause.
    QCOMPARE(runTool({input, target}).exitCode, 0);
    QVERIFY(contents(target).contains("a paragraph of the new document"));
}

// The same on a file system that is really full. Needs the right to mount; skipped without.
void TestRtfHostileFiles::fullDiskKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString mountPoint = dir.filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(mountPoint));
    const QByteArray native = QFile::encodeName(mountPoint);
    if (::mount("tmpfs", native.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here (%1); the full-disk case is not run")
                             .arg(QString::fromLocal8Bit(std::strerror(errno)))));
    const auto unmount = qScopeGuard([&native] { ::umount2(native.constData(), MNT_DETACH); });

    const QString old = mountPoint + QStringLiteral("/old.rtf");
    const QByteArray oldBytes("{\\rtf1 the old document}");
    QVERIFY(writeFile(old, oldBytes));
    {
        // Fill what is left; the last write fails when the disk is full.
        QFile filler(mountPoint + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    }
    const QString input = dir.filePath(QStringLiteral("in.rtf"));
    QVERIFY(writeFile(input, "{\\rtf1 a new document of a few words}"));

    for (const QString& target : {old, mountPoint + QStringLiteral("/new.rtf")}) {
        const Run run = runTool({input, target});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(target + QStringLiteral(": cannot be written: ")), qPrintable(run.errors));
    }
    QCOMPARE(contents(old), oldBytes);
    QCOMPARE(QDir(mountPoint).entryList(QDir::Files), (QStringList{QStringLiteral("filler"), QStringLiteral("old.rtf")}));
}

// Decoded pictures share a budget; beyond it, and where Qt cannot decode, a placeholder of
// the picture's size stands in, costs next to nothing, and keeps the picture's data, so
// that saving writes it back and a reader with room shows it again.
enum Picture { Decoded, OverBudget, Undecodable };

// An A4 scan at 300 dpi is 8.7 megapixels of grey: Qt decodes grey, palette and 1-bit
// pictures into more bits a pixel than their files hold, and must be allowed to.
void TestRtfHostileFiles::everyPixelFormatDecodes_data()
{
    QTest::addColumn<int>("pixelFormat");
    QTest::addColumn<QByteArray>("fileFormat");
    QTest::addColumn<QSize>("size");
    const QSize scan(2480, 3508);
    const QSize small(1000, 700);
    for (const QSize& size : {small, scan}) {
        const QByteArray at = " " + QByteArray::number(size.width()) + "x" + QByteArray::number(size.height());
        QTest::newRow("8-bit grey PNG" + at) << int(QImage::Format_Grayscale8) << QByteArray("PNG") << size;
        QTest::newRow("16-bit grey PNG" + at) << int(QImage::Format_Grayscale16) << QByteArray("PNG") << size;
        QTest::newRow("palette PNG" + at) << int(QImage::Format_Indexed8) << QByteArray("PNG") << size;
        QTest::newRow("1-bit PNG" + at) << int(QImage::Format_Mono) << QByteArray("PNG") << size;
        QTest::newRow("RGB PNG" + at) << int(QImage::Format_RGB32) << QByteArray("PNG") << size;
        QTest::newRow("grey JPEG" + at) << int(QImage::Format_Grayscale8) << QByteArray("JPEG") << size;
        QTest::newRow("RGB JPEG" + at) << int(QImage::Format_RGB32) << QByteArray("JPEG") << size;
    }
}

void TestRtfHostileFiles::everyPixelFormatDecodes()
{
    QFETCH(int, pixelFormat);
    QFETCH(QByteArray, fileFormat);
    QFETCH(QSize, size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(90, 90, 90));
    image = image.convertToFormat(QImage::Format(pixelFormat));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, fileFormat.constData()));
    const QByteArray words = fileFormat == "PNG" ? "\\pngblip" : "\\jpegblip";
    QTextDocument document;
    rtf::ReadNotes notes;
    QCOMPARE(rtf::read("{\\rtf1 a" + picture(words, bytes) + "b}", document, &notes), std::nullopt);
    QCOMPARE(notes.picturesUndecodable, 0);
    QCOMPARE(notes.picturesOverBudget, 0);
    const QList<Shown> shown = picturesOf(document);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].kept.isEmpty());
    QCOMPARE(shown[0].image.size(), size);
}

void TestRtfHostileFiles::picturesPastTheBudgetOrUndecodable_data()
{
    QTest::addColumn<QByteArray>("pictures");
    QTest::addColumn<qint64>("budget");
    QTest::addColumn<QList<int>>("outcomes");   // Picture, one per picture
    QTest::addColumn<QList<QSizeF>>("sizes");   // shown size of each

    const QByteArray png = rtf_test::pngBytes(100, 50);  // 20,000 bytes decoded
    const QByteArray shown = picture("\\pngblip\\picw100\\pich50\\picwgoal1500\\pichgoal750", png);
    QTest::newRow("all within the budget") << shown + shown + shown << qint64(60000)
                                           << QList<int>{Decoded, Decoded, Decoded} << QList<QSizeF>{{100, 50}, {100, 50}, {100, 50}};
    QTest::newRow("the third is past the budget") << shown + shown + shown << qint64(50000)
                                                  << QList<int>{Decoded, Decoded, OverBudget} << QList<QSizeF>{{100, 50}, {100, 50}, {100, 50}};
    QTest::newRow("past the budget, no goal, scaled") << picture("\\pngblip\\picscalex200", png) << qint64(10000)
                                                      << QList<int>{OverBudget} << QList<QSizeF>{{200, 50}};
    QTest::newRow("a smaller one still fits after a big one") << picture("\\pngblip", rtf_test::pngBytes(200, 100)) + shown << qint64(30000)
                                                              << QList<int>{OverBudget, Decoded} << QList<QSizeF>{{200, 100}, {100, 50}};
    QTest::newRow("not a PNG after all") << picture("\\pngblip\\picwgoal600\\pichgoal300", "junk") << qint64(1 << 20)
                                         << QList<int>{Undecodable} << QList<QSizeF>{{40, 20}};
    QTest::newRow("metafile sized in 0.01 mm") << picture("\\wmetafile8\\picw2540\\pich5080", "0100ff") << qint64(1 << 20)
                                               << QList<int>{Undecodable} << QList<QSizeF>{{96, 192}};
    QTest::newRow("size nowhere") << picture("\\emfblip", "0100ff") << qint64(1 << 20) << QList<int>{Undecodable} << QList<QSizeF>{{96, 96}};
}

void TestRtfHostileFiles::picturesPastTheBudgetOrUndecodable()
{
    QFETCH(QByteArray, pictures);
    QFETCH(qint64, budget);
    QFETCH(QList<int>, outcomes);
    QFETCH(QList<QSizeF>, sizes);

    const QByteArray rtf = "{\\rtf1 a" + pictures + "b}";
    QTextDocument document;
    rtf::ReadNotes notes;
    QCOMPARE(rtf::read(rtf, document, &notes, {budget}), std::nullopt);
    QCOMPARE(notes.picturesOverBudget, int(outcomes.count(OverBudget)));
    QCOMPARE(notes.picturesUndecodable, int(outcomes.count(Undecodable)));
    QVERIFY(!notes.truncated);
    QCOMPARE(document.toPlainText(), u'a' + QString(sizes.size(), QChar::ObjectReplacementCharacter) + u'b');
    const QList<Shown> shown = picturesOf(document);
    QCOMPARE(shown.size(), sizes.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QCOMPARE(shown[i].size, sizes[i]);
        QVERIFY(!shown[i].image.isNull());
        QCOMPARE(shown[i].kept.isEmpty(), outcomes[i] == Decoded);
        if (outcomes[i] != Decoded)
            QVERIFY2(shown[i].image.width() <= 48 && shown[i].image.height() <= 48, "a placeholder costs next to nothing");
    }

    // Written and read again with room enough, every picture is back, and those that were
    // over the budget show.
    const QByteArray written = rtf::write(document);
    const QByteArray unwrapped = QByteArray(written).replace('\n', QByteArray());
    for (const Shown& picture : shown)
        if (!picture.kept.isEmpty())
            QVERIFY2(unwrapped.contains(picture.kept.toHex()), "its data goes back as it came");
    QTextDocument again;
    rtf::ReadNotes notesAgain;
    QCOMPARE(rtf::read(written, again, &notesAgain, {qint64(1) << 20}), std::nullopt);
    QCOMPARE(notesAgain.picturesOverBudget, 0);
    QCOMPARE(notesAgain.picturesUndecodable, notes.picturesUndecodable);
    const QList<Shown> shownAgain = picturesOf(again);
    QCOMPARE(shownAgain.size(), shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QCOMPARE(shownAgain[i].size, sizes[i]);
        QCOMPARE(shownAgain[i].kept.isEmpty(), outcomes[i] != Undecodable);
    }
}

// Whatever a picture's size in the document (a huge goal times a huge scale, nonsense set
// by code), what is written reads as a valid, non-negative size.
void TestRtfHostileFiles::pictureSizesStayValidOnWrite_data()
{
    QTest::addColumn<QByteArray>("rtf");   // read first, when given
    QTest::addColumn<double>("width");     // else a picture of this shown size is inserted
    QTest::addColumn<double>("height");

    const QByteArray png = rtf_test::pngBytes(2, 2);
    QTest::newRow("largest goal, largest scale") << "{\\rtf1 " + picture("\\pngblip\\picwgoal2147483647\\pichgoal2147483647\\picscalex10000\\picscaley10000", png) + "}" << 0.0 << 0.0;
    QTest::newRow("largest goal, largest scale, undecodable") << "{\\rtf1 " + picture("\\pngblip\\picwgoal2147483647\\picscalex10000", "junk") + "}" << 0.0 << 0.0;
    QTest::newRow("negative goal") << "{\\rtf1 " + picture("\\pngblip\\picwgoal-100\\pichgoal-2147483647", png) + "}" << 0.0 << 0.0;
    QTest::newRow("set huge by code") << QByteArray() << 1e300 << 3e12;
    QTest::newRow("set negative by code") << QByteArray() << -5.0 << -1e12;
    QTest::newRow("set to infinity by code") << QByteArray() << qInf() << qQNaN();
}

void TestRtfHostileFiles::pictureSizesStayValidOnWrite()
{
    QFETCH(QByteArray, rtf);
    QFETCH(double, width);
    QFETCH(double, height);
    QTextDocument document;
    if (!rtf.isEmpty()) {
        QCOMPARE(rtf::read(rtf, document), std::nullopt);
    } else {
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("img")), QImage::fromData(rtf_test::pngBytes(2, 2)));
        QTextImageFormat format;
        format.setName(QStringLiteral("img"));
        format.setWidth(width);
        format.setHeight(height);
        QTextCursor(&document).insertImage(format);
    }
    const QByteArray written = rtf::write(document);
    const QRegularExpression size(QStringLiteral(R"(\\pic[wh]goal(-?\d+))"));
    int found = 0;
    for (const auto& match : size.globalMatch(QString::fromLatin1(written))) {
        const qint64 twips = match.captured(1).toLongLong();
        QVERIFY2(twips >= 0 && twips <= qint64(rtf::kMaxPicturePixels * rtf::kTwipsPerPixel), qPrintable(match.captured(0)));
        ++found;
    }
    QCOMPARE(found, 2);
    QTextDocument again;
    QCOMPARE(rtf::read(written, again), std::nullopt);
    const QList<Shown> shown = picturesOf(again);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].size.width() >= 1 && shown[0].size.width() <= rtf::kMaxPicturePixels);
    QVERIFY(shown[0].size.height() >= 1 && shown[0].size.height() <= rtf::kMaxPicturePixels);
}

QTEST_MAIN(TestRtfHostileFiles)
#include "test_rtf_hostile_files.moc"
