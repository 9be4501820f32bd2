// Key press to repaint in documents that used to freeze the editor: one paragraph of 10 MB,
// a line of 60 MB without spaces, 60 MB of ordinary paragraphs and a million short ones.
// Each is opened as the window opens it (read on a worker, long paragraphs cut), then keys
// are typed at the start while the rest is still being laid out and in the middle once it
// is. For comparison, one key in a single 1 MB paragraph left whole. Prints figures; judges
// nothing (target: no key over 100 ms).
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench_long_paragraphs [keys]

#include "editor/rich_text_box.h"
#include "rtf/failure_text.h"
#include "rtf/rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray repeated(const QByteArray& unit, qint64 bytes)
{
    QByteArray out;
    out.reserve(bytes + unit.size());
    while (out.size() < bytes)
        out += unit;
    return out;
}

struct Figures {
    double median = 0;
    double max = 0;
};

Figures summary(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

// One key: from the press to the repaint it causes done.
double keyToRepaint(editor::RichTextBox& editor)
{
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
    QApplication::sendEvent(editor.viewport(), &press);
    QApplication::sendEvent(editor.viewport(), &release);
    editor.viewport()->repaint();
    return timer.nsecsElapsed() / 1e6;
}

std::vector<double> typeKeys(editor::RichTextBox& editor, int keys)
{
    std::vector<double> ms;
    for (int key = 0; key < keys; ++key) {
        ms.push_back(keyToRepaint(editor));
        QApplication::processEvents();
    }
    return ms;
}

bool laidOut(const QTextDocument& document)
{
    return document.lastBlock().layout()->lineCount() > 0;
}

void measure(const char* name, const QString& path, int keys)
{
    editor::RichTextBox editor;
    editor.resize(900, 700);
    editor.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    rtf::ReadNotes notes;
    if (const auto error = editor.loadFile(path, &notes)) {
        std::printf("%-34s %s\n", name, qPrintable(rtf::failureText(*error)));
        return;
    }
    editor.viewport()->repaint();
    const double opened = timer.elapsed();
    const Figures early = summary(typeKeys(editor, keys));
    timer.restart();
    while (!laidOut(*editor.document()))
        QApplication::processEvents();
    const double layout = timer.elapsed();
    QTextCursor middle(editor.document()->findBlockByNumber(editor.document()->blockCount() / 2));
    editor.setTextCursor(middle);
    editor.ensureCursorVisible();
    editor.viewport()->repaint();
    const Figures late = summary(typeKeys(editor, keys));
    std::printf("%-34s opened and painted %7.0f ms, %8d paragraphs (%d cut); key->repaint while laying out "
                "median %6.1f max %6.1f ms; laid out after %6.0f ms more; in the middle median %6.1f max %6.1f ms\n",
                name, opened, editor.document()->blockCount(), notes.paragraphsSplit, early.median, early.max, layout,
                late.median, late.max);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int keys = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    QTemporaryDir dir;
    const auto write = [&](const char* file, const QByteArray& body) {
        const QString path = dir.filePath(QString::fromLatin1(file));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write("{\\rtf1 " + body + "}") < 0)
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return path;
    };
    std::printf("Key press to repaint, %d keys each (target: none over 100 ms)\n", keys);
    measure("one 10 MB paragraph of words", write("words.rtf", repeated("lorem {\\b ipsum} dolor ", 10 << 20)), keys);
    measure("one 60 MB line without spaces", write("line.rtf", repeated("x", 60 << 20)), keys);
    measure("60 MB of 600-byte paragraphs",
            write("paragraphs.rtf", repeated(repeated("lorem {\\i ipsum} dolor ", 600) + "\\par ", 60 << 20)), keys);
    measure("a million short paragraphs", write("short.rtf", repeated("x\\par ", 6 << 20)), keys);
    measure("over the editor's limit (64 MiB)", write("over.rtf", repeated("lorem ipsum ", (64 << 20) + 1)), keys);

    // Why paragraphs are cut: one left whole, laid out again at every key.
    editor::RichTextBox whole;
    whole.resize(900, 700);
    whole.show();
    whole.setPlainText(QString(1 << 20, u'x'));
    whole.viewport()->repaint();
    while (!laidOut(*whole.document()))
        QApplication::processEvents();
    const Figures uncut = summary(typeKeys(whole, std::min(keys, 5)));
    std::printf("%-34s key->repaint median %6.1f max %6.1f ms\n", "one 1 MB paragraph left whole", uncut.median, uncut.max);
    return 0;
}
