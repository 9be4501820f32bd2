// Printing to PDF files: what the print dialog is asked for, what lands on the page
// (checked with poppler's pdftotext and pdffonts), and the failures that must be reported.

#include "documents/common_dialog.h"
#include "documents/printing.h"
#include "editor/rich_text_box.h"
#include "platform/font_registration.h"
#include "scripted_dialogs.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinter>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QtTest>

namespace {

struct Fixture {
    ScriptedDialogs dialogs;
    QWidget window;
    editor::RichTextBox* editor;
    documents::CommonDialog dialog{dialogs, &window};

    explicit Fixture(const QString& text) : editor(new editor::RichTextBox(&window))
    {
        window.setWindowTitle(QStringLiteral(" Norvelin   This is an unsaved Document"));
        editor->setPlainText(text);
    }

    void select(int from, int to)
    {
        QTextCursor cursor(editor->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    }

    void printTo(const QString& pdfPath, bool selection = false, bool accept = true)
    {
        dialogs.printAnswers.enqueue({accept, selection, pdfPath});
        documents::printDocument(*editor, dialog, &window);
    }
};

// Output of a poppler tool, or nothing when it is not installed.
std::optional<QString> poppler(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The printed text's non-empty lines, page breaks dropped.
QStringList printedLines(const QString& pdfText)
{
    QStringList lines;
    for (QString line : pdfText.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\f'));
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    return lines;
}

struct Word {
    QString text;
    QRectF box;
};

// Words with their boxes in points, and the page size, from `pdftotext -bbox`.
QList<Word> printedWords(const QString& bboxHtml, QSizeF* page)
{
    static const QRegularExpression pageRe(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    static const QRegularExpression wordRe(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const auto pageMatch = pageRe.match(bboxHtml);
    if (pageMatch.hasMatch())
        *page = QSizeF(pageMatch.captured(1).toDouble(), pageMatch.captured(2).toDouble());
    QList<Word> words;
    for (auto it = wordRe.globalMatch(bboxHtml); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

QString paragraphs(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("Paragraph number %1 of the long document").arg(i));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void printsWhatWasChosen_data();
    void printsWhatWasChosen();
    void longDocumentFillsPagesWithNothingAdded();
    void printedWithinMargins();
    void cancelPrintsNothing();
    void failuresAreReported_data();
    void failuresAreReported();
    void printerWithoutDestinationFails();
    void documentAndStateUnchanged();
    void nqFontEmbedded();
    void joinedFormsPrinted();

private:
    QTemporaryDir dir_;
    bool nqLoaded_ = false;
};

void TestPrinting::initTestCase()
{
    QVERIFY(dir_.isValid());
    for (const char* tool : {"pdftotext", "pdftoppm", "pdffonts", "pdfinfo"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 qPrintable(QStringLiteral("%1 (poppler-utils) is not installed: scripts/test installs it")
                                .arg(QString::fromLatin1(tool))));
}

// The editor's text, the selection, whether the user keeps the dialog's choice of
// Selection, and what the dialog is asked for and the page shows.
void TestPrinting::printsWhatWasChosen_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("choosesSelection");
    QTest::addColumn<bool>("offersSelection");
    QTest::addColumn<QStringList>("printed");

    const QStringList all{QStringLiteral("First line of text"), QStringLiteral("Second line here"),
                          QStringLiteral("Third and last")};
    QTest::newRow("nothing selected: all") << 0 << 0 << false << false << all;
    QTest::newRow("caret inside: all") << 7 << 7 << false << false << all;
    QTest::newRow("selection: only it")
        << 19 << 30 << true << true << QStringList{QStringLiteral("Second line")};
    QTest::newRow("selection across lines")
        << 11 << 29 << true << true << QStringList{QStringLiteral("of text"), QStringLiteral("Second lin")};
    QTest::newRow("selection, user picks All") << 19 << 30 << false << true << all;
}

void TestPrinting::printsWhatWasChosen()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, choosesSelection);
    QFETCH(bool, offersSelection);
    QFETCH(QStringList, printed);

    Fixture f(QStringLiteral("First line of text\nSecond line here\nThird and last"));
    f.select(from, to);
    const QString pdf = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".pdf"));
    f.printTo(pdf, choosesSelection);

    QCOMPARE(f.dialogs.printRequests.size(), 1);
    QCOMPARE(f.dialogs.printRequests[0].selectionPreselected, offersSelection);
    QCOMPARE(f.dialogs.printRequests[0].selectionEnabled, offersSelection);
    QVERIFY(!f.dialogs.printRequests[0].pageRangesEnabled);
    QVERIFY(f.dialogs.messages.isEmpty());

    const auto text = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text);
    QCOMPARE(printedLines(*text), printed);
}

// No page numbers, no empty first page, and no line lost or doubled at a page break.
void TestPrinting::longDocumentFillsPagesWithNothingAdded()
{
    Fixture f(paragraphs(150));
    const QString pdf = dir_.filePath(QStringLiteral("long.pdf"));
    f.printTo(pdf);
    QVERIFY(f.dialogs.messages.isEmpty());

    const auto info = poppler(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info);
    const auto pages = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(*info);
    QVERIFY(pages.hasMatch());
    QVERIFY2(pages.captured(1).toInt() > 1, qPrintable(*info));

    const auto text = poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text);
    QCOMPARE(printedLines(*text), paragraphs(150).split(QLatin1Char('\n')));
    // Every page holds text: nothing blank in front, nothing blank behind.
    const QStringList perPage = text->split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    int nonBlank = 0;
    for (const QString& page : perPage)
        nonBlank += page.trimmed().isEmpty() ? 0 : 1;
    QCOMPARE(nonBlank, pages.captured(1).toInt());
}

void TestPrinting::printedWithinMargins()
{
    Fixture f(paragraphs(80));
    const QString pdf = dir_.filePath(QStringLiteral("margins.pdf"));
    f.printTo(pdf);
    const auto html = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QVERIFY(html);
    QSizeF page;
    const QList<Word> words = printedWords(*html, &page);
    QVERIFY(!words.isEmpty());
    QVERIFY(page.width() > 0);
    const qreal tenMillimetres = 72.0 * 10 / 25.4;
    for (const Word& word : words) {
        QVERIFY2(word.box.left() >= tenMillimetres && word.box.top() >= tenMillimetres
                     && word.box.right() <= page.width() - tenMillimetres
                     && word.box.bottom() <= page.height() - tenMillimetres,
                 qPrintable(word.text));
    }
}

void TestPrinting::cancelPrintsNothing()
{
    Fixture f(QStringLiteral("Some text"));
    f.select(0, 4);
    const QString pdf = dir_.filePath(QStringLiteral("cancelled.pdf"));
    f.printTo(pdf, true, false);
    QCOMPARE(f.dialogs.printRequests.size(), 1);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(f.dialogs.unexpected.isEmpty());
}

void TestPrinting::failuresAreReported_data()
{
    QTest::addColumn<QString>("path");
    QTest::addRow("folder does not exist") << QStringLiteral("no/such/folder/out.pdf");
    QTest::addRow("path is a folder") << QString();
}

void TestPrinting::failuresAreReported()
{
    QFETCH(QString, path);
    const QString target = path.isEmpty() ? dir_.path() : dir_.filePath(path);
    Fixture f(QStringLiteral("Some text"));
    f.printTo(target);

    QCOMPARE(f.dialogs.messages.size(), 1);
    const ScriptedDialogs::Message& shown = f.dialogs.messages[0];
    QCOMPARE(shown.title, QStringLiteral("Norvelin"));
    QCOMPARE(shown.icon, platform::Icon::Warning);
    QCOMPARE(shown.buttons, platform::Buttons::Ok);
    QVERIFY2(shown.text.contains(target), qPrintable(shown.text));
    QVERIFY(QFileInfo(target).isDir() || !QFile::exists(target));
}

// What a printer object without a printer falls back to: a PDF file with no name.
void TestPrinting::printerWithoutDestinationFails()
{
    Fixture f(QStringLiteral("Some text"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString());
    QString error;
    QVERIFY(!documents::printEditorContent(*f.editor, printer, false, &error));
    QVERIFY(!error.isEmpty());
}

void TestPrinting::documentAndStateUnchanged()
{
    Fixture f(QStringLiteral("Alpha beta gamma"));
    f.editor->document()->setModified(false);
    f.select(6, 10);
    int selChanges = 0;
    QObject::connect(f.editor, &editor::RichTextBox::caretOrSelectionMoved, [&selChanges] { ++selChanges; });
    const QString title = f.window.windowTitle();
    const QString html = f.editor->toHtml();

    f.printTo(dir_.filePath(QStringLiteral("state.pdf")), true);

    QCOMPARE(f.window.windowTitle(), title);
    QCOMPARE(f.editor->toHtml(), html);
    QCOMPARE(f.editor->textCursor().selectionStart(), 6);
    QCOMPARE(f.editor->textCursor().selectionEnd(), 10);
    QVERIFY(!f.editor->document()->isModified());
    QVERIFY(!f.editor->document()->isUndoAvailable());
    QCOMPARE(selChanges, 0);
}

void TestPrinting::nqFontEmbedded()
{
    const QString fontFile = platform::findFontFile(QCoreApplication::applicationDirPath());
    QVERIFY2(!fontFile.isEmpty(), "nq.ttf is not built beside the test executable");
    const int id = QFontDatabase::addApplicationFont(fontFile);
    QVERIFY(id >= 0);
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
    QCOMPARE(family, QStringLiteral("NQ"));

    Fixture f{QString()};
    QFont nq(family, 16);
    f.editor->setFont(nq);
    QCOMPARE(QFontInfo(f.editor->font()).family(), family);
    f.editor->replaceSelection(QStringLiteral("kmn\u00C8\u00C9"));
    const QString pdf = dir_.filePath(QStringLiteral("nq.pdf"));
    f.printTo(pdf);
    QVERIFY(f.dialogs.messages.isEmpty());

    const auto fonts = poppler(QStringLiteral("pdffonts"), {pdf});
    QVERIFY(fonts);
    bool embedded = false;
    for (const QString& line : fonts->split(QLatin1Char('\n'))) {
        // name type encoding emb sub uni object ID
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        if (columns.size() >= 7 && columns[0].contains(QStringLiteral("NQ")))
            embedded = embedded || columns[columns.size() - 5] == QLatin1String("yes");
    }
    QVERIFY2(embedded, qPrintable(*fonts));
}

// The font's joined forms reach the PDF: স্ট typed `s _ f` prints as one narrow conjunct,
// against the same letters around the hasanta that never joins (code 164).
void TestPrinting::joinedFormsPrinted()
{
    const QString fontFile = platform::findFontFile(QCoreApplication::applicationDirPath());
    QVERIFY2(!fontFile.isEmpty(), "nq.ttf is not built beside the test executable");
    const int id = QFontDatabase::addApplicationFont(fontFile);
    QVERIFY(id >= 0);

    // Width in pixels of what prints, at 144 dpi.
    auto printedInkWidth = [this](const QString& text, const QString& name) -> int {
        Fixture f{QString()};
        f.editor->setFont(QFont(QStringLiteral("NQ"), 24));
        f.editor->replaceSelection(text);
        const QString pdf = dir_.filePath(name + QStringLiteral(".pdf"));
        f.printTo(pdf);
        if (!poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"),
                                                  QStringLiteral("-singlefile"), pdf, dir_.filePath(name)}))
            return -1;
        const QImage page(dir_.filePath(name + QStringLiteral(".png")));
        int left = page.width(), right = -1;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (qGray(page.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        return right - left + 1;
    };
    const int joined = printedInkWidth(QStringLiteral("s_f"), QStringLiteral("joined"));
    const int apart = printedInkWidth(QStringLiteral("s\u00A4f"), QStringLiteral("apart"));
    QVERIFY2(joined > 10 && apart > 10, "nothing printed");
    // Noto's স্ট is 983 units wide, স + ্ + ট 1,249: the conjunct prints at most 85% as wide.
    QVERIFY2(joined * 100 <= apart * 85, qPrintable(QStringLiteral("joined %1 px, apart %2 px").arg(joined).arg(apart)));
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
