// Reading runs on a worker: the window paints meanwhile, a slow read shows its progress and
// can be cancelled (the old document stays), and hostile inputs open within generous time
// bounds as documents the editor can type in, never blank; what the editor does not open
// is refused with a message naming the limit.

#include "editor/rich_text_box.h"
#include "rtf/failure_text.h"
#include "rtf/rtf.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

class TestBackgroundLoad : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void hostileInputs_data();
    void hostileInputs();
    void tooLargeToEdit();
    void paragraphDirections_data();
    void paragraphDirections();
    void cancelKeepsTheDocument();
    void paintsWhileReading();

private:
    QString writeFile(const QString& name, const QByteArray& bytes);
    QString slowFile();
    QTemporaryDir dir_;
};

namespace {

// Paints counted on a widget.
class PaintCounter final : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QByteArray repeated(const QByteArray& unit, qint64 bytes)
{
    QByteArray out;
    out.reserve(bytes + unit.size());
    while (out.size() < bytes)
        out += unit;
    return out;
}

} // namespace

void TestBackgroundLoad::initTestCase()
{
    QVERIFY(dir_.isValid());
}

QString TestBackgroundLoad::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

// Many short paragraphs: long enough to read for a while, cheap to lay out.
QString TestBackgroundLoad::slowFile()
{
    return writeFile(QStringLiteral("slow.rtf"),
                     "{\\rtf1 " + repeated("{\\b word} and {\\i more}\\par ", 24 << 20) + "}");
}

void TestBackgroundLoad::hostileInputs_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("minimumBlocks");
    // Before, one 10 MB paragraph took seconds per key, and one without spaces showed blank.
    QTest::newRow("10 MB paragraph of words") << repeated("lorem ipsum ", 10 << 20) << (10 << 20) / rtf::kMaxEditableParagraph;
    QTest::newRow("10 MB paragraph without spaces") << repeated("x", 10 << 20) << (10 << 20) / rtf::kMaxEditableParagraph;
    QTest::newRow("60 MB line without spaces") << repeated("y", 60 << 20) << (60 << 20) / rtf::kMaxEditableParagraph;
    QTest::newRow("a million short paragraphs") << repeated("x\\par ", 6 << 20) << 1000000;
}

void TestBackgroundLoad::hostileInputs()
{
    QFETCH(QByteArray, body);
    QFETCH(int, minimumBlocks);
    const QString path = writeFile(QStringLiteral("hostile.rtf"), "{\\rtf1 " + body + "}");
    QVERIFY(!path.isEmpty());
    body.clear();

    editor::RichTextBox editor;
    editor.resize(700, 500);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QElapsedTimer timer;
    timer.start();
    rtf::ReadNotes notes;
    const auto error = editor.loadFile(path, &notes);
    QVERIFY2(!error, error ? qPrintable(rtf::failureText(*error)) : "");
    QVERIFY2(timer.elapsed() < 120000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(editor.document()->blockCount() >= minimumBlocks);
    QVERIFY(notes.paragraphsSplit > 0 || minimumBlocks >= 1000000);
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next())
        QVERIFY(block.length() - 1 <= rtf::kMaxEditableParagraph);

    // Not blank: the first page has lines, and a key is answered. The bound only tells a
    // hang (keys used to go unanswered for minutes) from a busy machine; how fast a key is
    // answered is bench_long_paragraphs' figure.
    editor.viewport()->repaint();
    QVERIFY(editor.document()->firstBlock().layout()->lineCount() > 0);
    timer.restart();
    QTest::keyClick(&editor, 'k');
    editor.viewport()->repaint();
    QVERIFY2(timer.elapsed() < 60000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(editor.document()->firstBlock().text().startsWith(u'k'));
}

void TestBackgroundLoad::tooLargeToEdit()
{
    // Sparse: refused on its size, before a byte is read.
    const QString path = dir_.filePath(QStringLiteral("huge.rtf"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("{\\rtf1 ") == 7);
        QVERIFY(file.resize(rtf::kMaxEditableBytes + 1));
    }
    editor::RichTextBox editor;
    editor.setPlainText(QStringLiteral("kept"));
    const auto error = editor.loadFile(path);
    QVERIFY(error);
    QCOMPARE(error->kind, rtf::FailureKind::TooLargeToEdit);
    QCOMPARE(error->size, rtf::kMaxEditableBytes + 1);
    const QString text = rtf::failureText(*error);
    QVERIFY2(text.contains(QStringLiteral("64 MiB")) && text.contains(QStringLiteral("norvelin-rtf")), qPrintable(text));
    QCOMPARE(editor.toPlainText(), QStringLiteral("kept"));
}

void TestBackgroundLoad::paragraphDirections_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    // A paragraph's direction is the file's, as it is written back: Qt's guess from the
    // first letter showed a Hebrew paragraph right to left that saves left to right.
    QTest::newRow("Hebrew without \\rtlpar") << QByteArray("{\\rtf1 \\u1513?\\u1500?\\u1493?\\u1501? abc\\par}")
                                           << Qt::LeftToRight;
    QTest::newRow("Hebrew with \\rtlpar") << QByteArray("{\\rtf1\\rtlpar \\u1513?\\u1500?\\u1493?\\u1501? abc\\par}")
                                        << Qt::RightToLeft;
    QTest::newRow("Latin with \\rtlpar") << QByteArray("{\\rtf1\\rtlpar abc\\par}") << Qt::RightToLeft;
    QTest::newRow("Latin") << QByteArray("{\\rtf1 abc\\par}") << Qt::LeftToRight;
}

void TestBackgroundLoad::paragraphDirections()
{
    QFETCH(QByteArray, rtf);
    QFETCH(Qt::LayoutDirection, direction);
    const QString path = writeFile(QStringLiteral("direction.rtf"), rtf);
    editor::RichTextBox editor;
    editor.resize(400, 300);
    editor.show();
    QVERIFY(!editor.loadFile(path));
    QCOMPARE(editor.document()->firstBlock().textDirection(), direction);
    const QByteArray written = rtf::write(*editor.document());
    QCOMPARE(written.contains("\\rtlpar"), direction == Qt::RightToLeft);
}

void TestBackgroundLoad::cancelKeepsTheDocument()
{
    const QString path = slowFile();
    QVERIFY(!path.isEmpty());
    QWidget window;
    auto* editor = new editor::RichTextBox(&window);
    window.resize(600, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor->setPlainText(QStringLiteral("the old document"));
    QPointer<QTextDocument> old = editor->document();
    editor->setProgressDelay(0);

    bool sawDialog = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* dialog = window.findChild<QProgressDialog*>(QStringLiteral("openingProgress"));
        if (dialog && dialog->isVisible() && !sawDialog) {
            sawDialog = true;
            auto* cancel = dialog->findChild<QPushButton*>();
            QVERIFY(cancel);
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
    });
    poll.start(20);
    const auto error = editor->loadFile(path);
    poll.stop();
    QVERIFY(sawDialog);
    QVERIFY(error);
    QCOMPARE(error->kind, rtf::FailureKind::Cancelled);
    QCOMPARE(editor->document(), old.data());
    QCOMPARE(editor->toPlainText(), QStringLiteral("the old document"));
    QVERIFY(!window.findChild<QProgressDialog*>());
    // The editor still types into its document.
    QTest::keyClick(editor, 'k');
    QVERIFY(editor->toPlainText().contains(u'k'));
}

void TestBackgroundLoad::paintsWhileReading()
{
    const QString path = slowFile();
    QVERIFY(!path.isEmpty());
    editor::RichTextBox editor;
    editor.resize(600, 400);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    PaintCounter counter;
    editor.viewport()->installEventFilter(&counter);
    // Something on screen changes while the file is read: a blinking caret, a window
    // uncovered. A timer stands for it.
    QTimer damage;
    connect(&damage, &QTimer::timeout, &editor, [&] { editor.viewport()->update(); });
    damage.start(30);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!editor.loadFile(path));
    const qint64 took = timer.elapsed();
    damage.stop();
    // Read on the window's thread, there would be no paint until the end.
    QVERIFY2(took < 300 || counter.paints >= 3,
             qPrintable(QStringLiteral("%1 paints in %2 ms").arg(counter.paints).arg(took)));
    QVERIFY2(took >= 300, "the file read too fast to show anything");
}

QTEST_MAIN(TestBackgroundLoad)
#include "test_background_load.moc"
