// NQ text breaks lines only between words, and word selection and word-wise moves take a
// run of NQ letters, signs and marks as one word, as they take a run of Latin letters.
#include "../nq/nq_font_fixture.h"

#include "editor/rich_text_box.h"
#include "nq/face.h"
#include "nq/glyph_code.h"
#include "nq/glyph_table.h"
#include "nq/unicode_bridge.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QtTest>

namespace {

QString uni(const char16_t* s)
{
    return QString::fromUtf16(s);
}

QString asNq(const QString& unicode)
{
    const nq::BridgeResult r = nq::unicodeToNq(unicode);
    return r.unconverted == 0 ? r.text : QString();
}

struct Span {
    int start;
    int end;
};

bool lineMayStartAt(const QString& text, int position)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    finder.setPosition(position);
    return finder.isAtBoundary();
}

// Where each line of `document` starts, as document positions.
QList<int> lineStarts(const QTextDocument& document)
{
    QList<int> starts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            starts.append(block.position() + layout->lineAt(i).textStart());
    }
    return starts;
}

} // namespace

class TestBengaliWords : public QObject {
    Q_OBJECT
    editor::RichTextBox* box_ = nullptr;

    // Sets `text` in the NQ face and finds `words` in it, in order.
    QList<Span> load(const QString& text, const QStringList& words)
    {
        box_->clearContent();
        box_->replaceSelection(text);
        QList<Span> spans;
        int from = 0;
        for (const QString& word : words) {
            const int at = int(text.indexOf(word, from));
            if (at < 0)
                return {};
            spans.append({at, at + int(word.size())});
            from = at + int(word.size());
        }
        return spans;
    }

    void placeCaret(int position)
    {
        QTextCursor cursor = box_->textCursor();
        cursor.setPosition(position);
        box_->setTextCursor(cursor);
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(box_, k, modifiers);
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(nqtest::registerFont(nqtest::fontPath()), nq::kFace);
        box_ = new editor::RichTextBox;
        box_->setFont(QFont(nq::kFace, 16));
        box_->document()->setDefaultFont(QFont(nq::kFace, 16));
        box_->resize(900, 300);
        box_->show();
        QVERIFY(QTest::qWaitForWindowExposed(box_));
    }

    void cleanupTestCase() { delete box_; }

    // Words as Unicode Bengali (set as NQ codes) and Latin letters in the NQ face; the
    // text between them is spaces and punctuation.
    void words_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        const auto row = [](const char* name, const QString& unicode, const QStringList& unicodeWords) {
            QStringList words;
            for (const QString& w : unicodeWords)
                words.append(asNq(w));
            QTest::newRow(name) << asNq(unicode) << words;
        };
        row("sign ai before a conjunct, reph", uni(u"ধৈর্যহানি ধৈর্যহানি"), {uni(u"ধৈর্যহানি"), uni(u"ধৈর্যহানি")});
        row("reph inside a word", uni(u"আবার কর্মতা দেখ"), {uni(u"আবার"), uni(u"কর্মতা"), uni(u"দেখ")});
        row("sentence with dari and question", uni(u"আমি বাংলায় গান গাই। তুমি?"),
            {uni(u"আমি"), uni(u"বাংলায়"), uni(u"গান"), uni(u"গাই"), uni(u"তুমি")});
        row("comma, semicolon, exclamation", uni(u"ক্ষমা, সৌভাগ্য; প্রশ্ন! স্টেশন"),
            {uni(u"ক্ষমা"), uni(u"সৌভাগ্য"), uni(u"প্রশ্ন"), uni(u"স্টেশন")});
        row("hyphen", uni(u"রাম-শ্যাম যত্নে"), {uni(u"রাম"), uni(u"শ্যাম"), uni(u"যত্নে")});
        row("ai sign before cca, visarga", uni(u"উচ্চৈঃস্বরে ধ্বনি"), {uni(u"উচ্চৈঃস্বরে"), uni(u"ধ্বনি")});
        row("ri-kar, visible hasanta, ba-phala", uni(u"ধৃতি দ্\u200Cগ ছ্ব"),
            {uni(u"ধৃতি"), uni(u"দ্\u200Cগ"), uni(u"ছ্ব")});
        row("hasanta typed between letters", uni(u"ক্ল স্ট্র"), {uni(u"ক্ল"), uni(u"স্ট্র")});
    }

    void words()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QVERIFY2(!text.isEmpty(), "a word of the table has no NQ form");
        const QList<Span> spans = load(text, words);
        QCOMPARE(spans.size(), words.size());
        const QString held = box_->document()->toPlainText();

        for (qsizetype w = 0; w < spans.size(); ++w) {
            const Span s = spans[w];
            const QString word = held.mid(s.start, s.end - s.start);
            int trailing = s.end;
            while (trailing < held.size() && held[trailing] == QLatin1Char(' '))
                ++trailing;

            // A line never starts inside a word; it may start at a word after a space or
            // after the punctuation that ends the word before.
            for (int p = s.start + 1; p < s.end; ++p)
                QVERIFY2(!lineMayStartAt(held, p), qPrintable(QStringLiteral("line break inside word %1 at %2").arg(w).arg(p)));
            if (w > 0)
                QVERIFY2(lineMayStartAt(held, s.start), qPrintable(QStringLiteral("no line break before word %1").arg(w)));

            // Double click inside the word takes the word.
            placeCaret(s.start + (s.end - s.start) / 2);
            const QRect caret = box_->cursorRect();
            QTest::mouseDClick(box_->viewport(), Qt::LeftButton, Qt::NoModifier,
                               QPoint(caret.center().x() + 1, caret.center().y()));
            QCOMPARE(box_->textCursor().selectedText(), word);

            // Ctrl+Right from its start goes past it and the spaces after it; Ctrl+Left from
            // its end comes back to its start; with Shift they select what they pass.
            placeCaret(s.start);
            key(Qt::Key_Right, Qt::ControlModifier);
            QCOMPARE(box_->textCursor().position(), trailing);
            placeCaret(s.end);
            key(Qt::Key_Left, Qt::ControlModifier);
            QCOMPARE(box_->textCursor().position(), s.start);
            placeCaret(s.start);
            key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(box_->textCursor().selectedText(), held.mid(s.start, trailing - s.start));
            placeCaret(s.end);
            key(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(box_->textCursor().selectedText(), word);

            // The caret still steps one code at a time.
            placeCaret(s.start);
            for (int p = s.start + 1; p <= s.end; ++p) {
                key(Qt::Key_Right);
                QCOMPARE(box_->textCursor().position(), p);
            }
        }

        // Ctrl+Backspace at a word's end takes the word; Ctrl+Delete at its start takes it
        // with the spaces after it; Backspace takes one code.
        for (qsizetype w = 0; w < spans.size(); ++w) {
            const Span s = spans[w];
            int trailing = s.end;
            while (trailing < held.size() && held[trailing] == QLatin1Char(' '))
                ++trailing;
            load(text, words);
            placeCaret(s.end);
            key(Qt::Key_Backspace, Qt::ControlModifier);
            QCOMPARE(box_->document()->toPlainText(), QString(held).remove(s.start, s.end - s.start));
            load(text, words);
            placeCaret(s.start);
            key(Qt::Key_Delete, Qt::ControlModifier);
            QCOMPARE(box_->document()->toPlainText(), QString(held).remove(s.start, trailing - s.start));
            load(text, words);
            placeCaret(s.end);
            key(Qt::Key_Backspace);
            QCOMPARE(box_->document()->toPlainText(), QString(held).remove(s.end - 1, 1));
        }
    }

    // No two codes that stand inside words give a line break between them, whichever
    // character the editor holds them as.
    void noBreakBetweenWordCodes()
    {
        QList<unsigned char> inWord;
        for (const nq::Glyph& g : nq::glyphTable())
            if (nq::standsInsideWords(g.kind))
                inWord.append(static_cast<unsigned char>(g.code));
        QVERIFY(inWord.size() > 100);
        QStringList breaks;
        for (unsigned char a : inWord) {
            for (unsigned char b : inWord) {
                const QString text = QString(nq::toChar('k')) + nq::toChar(a) + nq::toChar(b) + nq::toChar('k');
                for (int p = 1; p <= 3; ++p)
                    if (lineMayStartAt(text, p))
                        breaks.append(QStringLiteral("%1 %2 at %3").arg(a).arg(b).arg(p));
            }
        }
        QVERIFY2(breaks.isEmpty(), qPrintable(breaks.mid(0, 20).join(QStringLiteral(", "))));
    }

    // A paragraph of long words laid out for the screen and for a PDF printer: every line
    // starts at a word.
    void paragraphBreaksBetweenWords_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::newRow("screen") << false;
        QTest::newRow("PDF printer") << true;
    }
    void paragraphBreaksBetweenWords()
    {
        QFETCH(bool, printer);
        const QString word = asNq(uni(u"ধৈর্যহানি"));
        QString text;
        for (int i = 0; i < 40; ++i)
            text += word + QLatin1Char(' ');
        QTextDocument document;
        document.setDefaultFont(QFont(nq::kFace, 16));
        QTextCursor(&document).insertText(text);
        QTemporaryDir dir;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
        if (printer)
            document.documentLayout()->setPaintDevice(&pdf);
        const qreal wordWidth = QFontMetricsF(QFont(nq::kFace, 16), printer ? static_cast<QPaintDevice*>(&pdf) : nullptr)
                                    .horizontalAdvance(word);
        for (int words = 2; words <= 9; ++words) {
            document.setTextWidth(wordWidth * words * 1.15);
            document.documentLayout()->documentSize(); // lays the whole document out
            const QList<int> starts = lineStarts(document);
            QVERIFY2(starts.size() > 3, qPrintable(QString::number(starts.size())));
            for (int start : starts)
                QVERIFY2(start % (word.size() + 1) == 0,
                         qPrintable(QStringLiteral("a line starts inside a word, at %1 (width of %2 words)")
                                        .arg(start).arg(words)));
        }
    }
};

QTEST_MAIN(TestBengaliWords)
#include "test_bengali_words.moc"
