// NQ text printed to PDF reads back as Unicode Bengali (poppler's pdftotext), the pages look
// exactly as Qt printed them, and a PDF that cannot be processed is kept as printed.

#include "nq/glyph_code.h"
#include "nq/unicode_bridge.h"
#include "pdftext/content_spans.h"
#include "pdftext/pdf_text.h"
#include "platform/font_registration.h"
#include "printout/paged_document.h"
#include "printout/pdf_printout.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/Pl_Buffer.hh>

#include <numeric>

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

// A stretch of NQ codes and how it is set: "b" bold, "i" italic, "r" red, "" plain.
struct Run {
    QString style;
    QString codes;
};
using Runs = QList<Run>;

QString codesOf(const Runs& runs)
{
    QString codes;
    for (const Run& run : runs)
        codes += run.codes;
    return codes;
}

void insertRuns(QTextCursor& cursor, const Runs& runs)
{
    for (const Run& run : runs) {
        QTextCharFormat format;
        format.setFontFamilies({QStringLiteral("NQ")});
        format.setFontPointSize(12);
        format.setFontWeight(run.style.contains(u'b') ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.style.contains(u'i'));
        format.setForeground(run.style.contains(u'r') ? Qt::red : Qt::black);
        cursor.insertText(run.codes, format);
    }
}

std::optional<QString> run(const QString& tool, const QStringList& arguments, int* exitCode = nullptr)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray printedByQt(QTextDocument& document)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    if (!printout::paintPages(document, writer))
        return {};
    return pdf;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSearchablePdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void wordsReadBack_data();
    void wordsReadBack();
    void pagesUnchanged();
    void noLineOnTwoPages();
    void documentInfo();
    void unreadablePdfKeptAsPrinted();

private:
    QTemporaryDir dir_;
};

void TestSearchablePdf::initTestCase()
{
    QVERIFY(dir_.isValid());
    // As the editor starts: the user's copy for other programs, and ours registered with Qt.
    QVERIFY2(platform::registerEditingFont(QCoreApplication::applicationDirPath()) >= 0, "nq.ttf is not built");
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: scripts/test installs it");
}

void TestSearchablePdf::wordsReadBack_data()
{
    QTest::addColumn<Runs>("runs");
    QTest::addColumn<QString>("unicode");
    const QString rephII(QChar(0xCA)), pra(QChar(0xB8)), ru(QChar(0xC8));
    QTest::newRow("pre-base i") << Runs{{"", "ikt"}} << QStringLiteral("কিত");
    QTest::newRow("pre-base e and ai") << Runs{{"", "ek]k"}} << QStringLiteral("কেকৈ");
    QTest::newRow("split o") << Runs{{"", "ebaf"}} << QStringLiteral("বোট");
    QTest::newRow("split au") << Runs{{"", "em<mai" + QString(QChar(0xA2))}} << QStringLiteral("মৌমাছি");
    QTest::newRow("reph") << Runs{{"", "km^"}} << QStringLiteral("কর্ম");
    QTest::newRow("reph with ii") << Runs{{"", "km" + rephII}} << QStringLiteral("কর্মী");
    QTest::newRow("palette conjunct and joined cluster") << Runs{{"", pra + "S_n"}} << QStringLiteral("প্রশ্ন");
    QTest::newRow("joined cluster after pre-base e") << Runs{{"", "zet_n"}} << QStringLiteral("যত্নে");
    QTest::newRow("consonant + sign ligature") << Runs{{"", ru + "p"}} << QStringLiteral("রুপ");
    QTest::newRow("digits and dari") << Runs{{"", "123."}} << QStringLiteral("১২৩।");
    QTest::newRow("bold") << Runs{{"b", "km" + rephII}} << QStringLiteral("কর্মী");
    QTest::newRow("bold, two words") << Runs{{"b", "ikt ebaf"}} << QStringLiteral("কিত বোট");
    QTest::newRow("bold inside a word") << Runs{{"b", "ik"}, {"", "t"}} << QStringLiteral("কিত");
    QTest::newRow("italic") << Runs{{"i", "esal"}} << QStringLiteral("সোল");
    QTest::newRow("colour change inside a syllable") << Runs{{"", "ki"}, {"r", "t"}, {"", "a"}}
                                                     << QStringLiteral("কতিা");
}

// Each word between two plain words, printed, read back by pdftotext: the bridge's Unicode.
void TestSearchablePdf::wordsReadBack()
{
    QFETCH(Runs, runs);
    QFETCH(QString, unicode);
    QCOMPARE(nq::nqToUnicode(codesOf(runs)).text, unicode); // the row itself is right

    QTextDocument document;
    QTextCursor cursor(&document);
    insertRuns(cursor, Runs{{"", "kw "}} + runs + Runs{{"", " kw"}});
    QString notice;
    const auto pdf = printout::printPdf(document, QStringLiteral("words"), &notice);
    QVERIFY(pdf);
    QVERIFY2(notice.isEmpty(), qPrintable(notice));
    const QString path = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".pdf"));
    QVERIFY(writeFile(path, *pdf));
    const auto text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(text);
    QCOMPARE(text->trimmed(), QStringLiteral("কী ") + unicode + QStringLiteral(" কী"));
}

// The post-processed pages are pixel for pixel the pages Qt printed, and qpdf finds no fault.
void TestSearchablePdf::pagesUnchanged()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    QTextDocument document;
    QTextCursor cursor(&document);
    const QString rephII(QChar(0xCA));
    for (int paragraph = 0; paragraph < 60; ++paragraph) {
        insertRuns(cursor, Runs{{paragraph % 5 == 0 ? "b" : "", "ikt ebaf em<mai" + QString(QChar(0xA2)) + " km" + rephII + " zet_n "},
                                {"i", "esal "}, {"", "ki"}, {"r", "t"}, {"", "a km^ 123."}});
        cursor.insertBlock();
    }
    const QByteArray before = printedByQt(document);
    QVERIFY(!before.isEmpty());
    QString error;
    const auto after = pdftext::addUnicodeText(before, {QStringLiteral("t"), QStringLiteral("c"), QStringLiteral("bn")},
                                               &error);
    QVERIFY2(after, qPrintable(error));
    QVERIFY(*after != before);
    QVERIFY(writeFile(dir_.filePath(QStringLiteral("before.pdf")), before));
    QVERIFY(writeFile(dir_.filePath(QStringLiteral("after.pdf")), *after));

    int status = -1;
    if (const auto check = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), dir_.filePath(QStringLiteral("after.pdf"))},
                               &status)) {
        QVERIFY2(status == 0 && check->contains(QStringLiteral("No syntax or stream encoding errors")), qPrintable(*check));
    }
    for (const QString& name : {QStringLiteral("before"), QStringLiteral("after")})
        QVERIFY(run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"),
                                                 dir_.filePath(name + QStringLiteral(".pdf")), dir_.filePath(name)}));
    int pages = 0;
    for (int page = 1;; ++page) {
        const QImage a(dir_.filePath(QStringLiteral("before-%1.png").arg(page)));
        const QImage b(dir_.filePath(QStringLiteral("after-%1.png").arg(page)));
        if (a.isNull() && b.isNull())
            break;
        QVERIFY2(!a.isNull() && a == b, qPrintable(QStringLiteral("page %1 differs").arg(page)));
        ++pages;
    }
    QVERIFY(pages >= 2);
}

namespace {

// How many text-showing operators of each page lie off that page.
QList<int> offPageText(const QByteArray& pdf)
{
    QList<int> counts;
    QPDF qpdf;
    qpdf.processMemoryFile("test", pdf.constData(), size_t(pdf.size()));
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(qpdf).getAllPages()) {
        Pl_Buffer buffer("page");
        page.pipeContents(&buffer);
        std::unique_ptr<Buffer> content(buffer.getBuffer());
        const QByteArray bytes(reinterpret_cast<const char*>(content->getBuffer()), qsizetype(content->getSize()));
        const QPDFObjectHandle::Rectangle box = page.getMediaBox().getArrayAsRectangle();
        int dropped = -1;
        pdftext::dropTextOffPage(bytes, box.lly, box.ury, &dropped);
        counts.append(dropped);
    }
    return counts;
}

} // namespace

// Qt draws a paragraph's last line before a page break again on the next page, above its
// top edge, where some readers copy and find it: the processed PDF has none of it.
void TestSearchablePdf::noLineOnTwoPages()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    for (int paragraph = 0; paragraph < 6; ++paragraph) {
        QString text;
        for (int word = 0; word < 300; ++word)
            text += QStringLiteral("ikt ebaf km ");
        insertRuns(cursor, Runs{{paragraph % 2 ? "b" : "", text}});
        cursor.insertBlock();
    }
    // At 16 pt the breaks fall where Qt shows the fault.
    cursor.select(QTextCursor::Document);
    QTextCharFormat size;
    size.setFontPointSize(16);
    cursor.mergeCharFormat(size);
    const QByteArray before = printedByQt(document);
    QVERIFY(!before.isEmpty());
    const QList<int> printed = offPageText(before);
    QVERIFY(printed.size() >= 3);
    // The fault is there to be mended: some page carries a line that is not its own.
    QVERIFY(std::accumulate(printed.begin(), printed.end(), 0) > 0);
    QString error;
    const auto after = pdftext::addUnicodeText(before, {QStringLiteral("t"), QStringLiteral("c"), QStringLiteral("bn")},
                                               &error);
    QVERIFY2(after, qPrintable(error));
    for (int count : offPageText(*after))
        QCOMPARE(count, 0);
}

void TestSearchablePdf::documentInfo()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    insertRuns(cursor, Runs{{"", "ikt"}});
    QString notice;
    const auto pdf = printout::printPdf(document, QStringLiteral("চিঠি letter"), &notice);
    QVERIFY(pdf);
    QPDF qpdf;
    qpdf.processMemoryFile("test", pdf->constData(), size_t(pdf->size()));
    QCOMPARE(QString::fromStdString(qpdf.getRoot().getKey("/Lang").getUTF8Value()), QStringLiteral("bn"));
    QPDFObjectHandle info = qpdf.getTrailer().getKey("/Info");
    QCOMPARE(QString::fromStdString(info.getKey("/Title").getUTF8Value()), QStringLiteral("চিঠি letter"));
    QCOMPARE(QString::fromStdString(info.getKey("/Creator").getUTF8Value()), QStringLiteral("Norvelin"));
}

// Something that is no PDF: no output, a reason; a file stays byte for byte as it was.
void TestSearchablePdf::unreadablePdfKeptAsPrinted()
{
    QString error;
    QVERIFY(!pdftext::addUnicodeText(QByteArray("%PDF-1.4 not really"), {}, &error));
    QVERIFY(!error.isEmpty());

    const QString path = dir_.filePath(QStringLiteral("broken.pdf"));
    const QByteArray broken("%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\ntrailer << >>\n");
    QVERIFY(writeFile(path, broken));
    const auto notice = printout::addTextToPdfFile(path, QStringLiteral("x"));
    QVERIFY(notice);
    QVERIFY2(notice->contains(QStringLiteral("could not be made searchable")), qPrintable(*notice));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), broken);
}

QTEST_MAIN(TestSearchablePdf)
#include "test_searchable_pdf.moc"
