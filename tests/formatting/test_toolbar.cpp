// The tool bar's dispatch, its copy buffer, formatting toggles, alignment, colour and the
// Edit/Help menu handlers, over a real editor and scripted dialogs.

#include "documents/common_dialog.h"
#include "editor/rich_text_box.h"
#include "formatting/toolbar.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A window with the editor and another control that can take the focus.
struct Fixture {
    ScriptedDialogs dialogs;
    QWidget window;
    editor::RichTextBox* editor;
    QLineEdit* other;
    documents::CommonDialog dialog{dialogs, &window};
    QStringList called;
    formatting::ToolbarCommands toolbar;

    explicit Fixture(const QString& text = QString())
        : editor(new editor::RichTextBox(&window)), other(new QLineEdit(&window)),
          toolbar(*editor, dialog, &window, handlers())
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(other);
        layout->addWidget(editor);
        editor->setPlainText(text);
    }

    formatting::ToolbarHandlers handlers()
    {
        const auto record = [this](const char* name) {
            return [this, name] { called.append(QString::fromLatin1(name)); };
        };
        return {record("new"), record("open"), record("save"), record("print"),
                record("about"), record("exit")};
    }

    // Selects characters [from, to) of the plain text.
    void select(int from, int to)
    {
        QTextCursor cursor(editor->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    }

    void caretAt(int position) { select(position, position); }

    QTextCharFormat formatAt(int position) const
    {
        QTextCursor cursor(editor->document());
        cursor.setPosition(position + 1); // format of the character before the cursor
        return cursor.charFormat();
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
};

enum class Attribute { Bold, Italic, Underline };

bool has(const QTextCharFormat& format, Attribute attribute)
{
    switch (attribute) {
    case Attribute::Bold: return format.fontWeight() >= QFont::Bold;
    case Attribute::Italic: return format.fontItalic();
    case Attribute::Underline: return format.fontUnderline();
    }
    return false;
}

void apply(QTextCharFormat& format, Attribute attribute)
{
    switch (attribute) {
    case Attribute::Bold: format.setFontWeight(QFont::Bold); break;
    case Attribute::Italic: format.setFontItalic(true); break;
    case Attribute::Underline: format.setFontUnderline(true); break;
    }
}

} // namespace

class TestToolbar : public QObject {
    Q_OBJECT
private slots:
    void dispatch_data();
    void dispatch();
    void copyPasteUseOwnBuffer_data();
    void copyPasteUseOwnBuffer();
    void clipboardUntouched();
    void toggles_data();
    void toggles();
    void toggleAtCaretAppliesToTypedText();
    void alignment_data();
    void alignment();
    void colour_data();
    void colour();
    void actOnEditorWhileOtherControlFocused();
    void messages_data();
    void messages();
    void undo_data();
    void undo();
};

// Which handler or message each key reaches; everything else must do nothing at all.
void TestToolbar::dispatch_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("handler");   // called handler, or empty
    QTest::addColumn<QString>("message");   // title of the message shown, or "-" for none
    QTest::addColumn<QString>("text");      // the document afterwards

    const QString text = QStringLiteral("abc");
    for (const char* key : {"new", "open", "save", "print", "about", "exit"})
        QTest::newRow(key) << QString::fromLatin1(key) << QString::fromLatin1(key)
                           << QStringLiteral("-") << text;
    QTest::newRow("help") << "help" << "" << "Help " << text;
    QTest::newRow("gotoword") << "gotoword" << "" << "" << text;
    QTest::newRow("cut") << "cut" << "" << "-" << "c";
    QTest::newRow("Bold (capital)") << "Bold" << "" << "-" << text;
    QTest::newRow("NEW (capitals)") << "NEW" << "" << "-" << text;
    QTest::newRow("Cut (capital)") << "Cut" << "" << "-" << text;
    QTest::newRow("tool tip, not key") << "Font Color" << "" << "-" << text;
    QTest::newRow("trailing blank") << "bold " << "" << "-" << text;
    QTest::newRow("empty") << "" << "" << "-" << text;
    QTest::newRow("unknown") << "gotowrod" << "" << "-" << text;
}

void TestToolbar::dispatch()
{
    QFETCH(QString, key);
    QFETCH(QString, handler);
    QFETCH(QString, message);
    QFETCH(QString, text);

    Fixture f(QStringLiteral("abc"));
    f.select(0, 2);
    const QString htmlBefore = f.editor->toHtml();
    f.toolbar.runToolbarButton(key);

    QCOMPARE(f.called, handler.isEmpty() ? QStringList() : QStringList{handler});
    if (message == QLatin1String("-")) {
        QVERIFY(f.dialogs.messages.isEmpty());
    } else {
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].title, message);
    }
    QCOMPARE(f.editor->toPlainText(), text);
    if (text == QLatin1String("abc"))
        QCOMPARE(f.editor->toHtml(), htmlBefore); // no formatting either
    QVERIFY(f.dialogs.colorRequests.isEmpty());
    QVERIFY(f.dialogs.unexpected.isEmpty());
}

// A sequence of buttons, with a selection before each, and what the document and buffer
// hold at the end. "sel a b" selects [a, b); "key" presses a button.
void TestToolbar::copyPasteUseOwnBuffer_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("buffer");

    QTest::newRow("copy then paste elsewhere duplicates")
        << "hello world" << QStringList{"sel 0 5", "copy", "sel 11 11", "paste"}
        << "hello worldhello" << "hello";
    QTest::newRow("paste replaces the selection")
        << "one two" << QStringList{"sel 0 3", "copy", "sel 4 7", "paste"} << "one one" << "one";
    QTest::newRow("cut does not fill the buffer")
        << "abcdef" << QStringList{"sel 0 3", "cut", "sel 3 3", "paste"} << "def" << "";
    QTest::newRow("paste brings back what copy stored, not what cut removed")
        << "abcdef" << QStringList{"sel 3 6", "copy", "sel 0 3", "cut", "paste"} << "defdef"
        << "def";
    QTest::newRow("paste before any copy removes the selection")
        << "abcdef" << QStringList{"sel 1 3", "paste"} << "adef" << "";
    QTest::newRow("copy with nothing selected empties the buffer")
        << "abcdef" << QStringList{"sel 0 2", "copy", "sel 4 4", "copy", "sel 6 6", "paste"}
        << "abcdef" << "";
    QTest::newRow("copy across paragraphs keeps the break")
        << "ab\ncd" << QStringList{"sel 1 4", "copy", "sel 5 5", "paste"} << "ab\ncdb\nc"
        << "b\nc";
}

void TestToolbar::copyPasteUseOwnBuffer()
{
    QFETCH(QString, initial);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    QFETCH(QString, buffer);

    Fixture f(initial);
    for (const QString& step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words[0] == QLatin1String("sel"))
            f.select(words[1].toInt(), words[2].toInt());
        else
            f.toolbar.runToolbarButton(step);
    }
    QCOMPARE(f.editor->toPlainText(), expected);
    QCOMPARE(f.toolbar.copybuffer(), buffer);
}

void TestToolbar::clipboardUntouched()
{
    const QString sentinel = QStringLiteral("sentinel on the clipboard");
    QGuiApplication::clipboard()->setText(sentinel);
    int clipboardChanges = 0;
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                     [&clipboardChanges] { ++clipboardChanges; });

    Fixture f(QStringLiteral("abcdef"));
    f.select(0, 3);
    f.toolbar.runToolbarButton(QStringLiteral("copy"));
    f.select(3, 6);
    f.toolbar.runToolbarButton(QStringLiteral("cut"));
    f.toolbar.runToolbarButton(QStringLiteral("paste"));

    QCOMPARE(f.editor->toPlainText(), QStringLiteral("abcabc"));
    QCOMPARE(QGuiApplication::clipboard()->text(), sentinel);
    QCOMPARE(clipboardChanges, 0);
}

// Text "aaaa bbbb": each row says which characters carry the attribute before, which
// range is selected, and which carry it after one press and after a second press.
void TestToolbar::toggles_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("attribute");
    QTest::addColumn<QString>("before");  // one 0/1 per character
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("afterOne");
    QTest::addColumn<QString>("afterTwo");

    const struct {
        const char* key;
        Attribute attribute;
    } kinds[] = {{"bold", Attribute::Bold},
                 {"italic", Attribute::Italic},
                 {"underline", Attribute::Underline}};
    for (const auto& kind : kinds) {
        const int a = int(kind.attribute);
        QTest::addRow("%s plain", kind.key)
            << kind.key << a << "000000000" << 0 << 4 << "111100000" << "000000000";
        QTest::addRow("%s all set", kind.key)
            << kind.key << a << "111111111" << 5 << 9 << "111110000" << "111111111";
        QTest::addRow("%s mixed applies to all", kind.key)
            << kind.key << a << "110000000" << 0 << 4 << "111100000" << "000000000";
        QTest::addRow("%s mixed across words", kind.key)
            << kind.key << a << "000001111" << 2 << 7 << "001111111" << "000000011";
    }
}

void TestToolbar::toggles()
{
    QFETCH(QString, key);
    QFETCH(int, attribute);
    QFETCH(QString, before);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, afterOne);
    QFETCH(QString, afterTwo);

    Fixture f(QStringLiteral("aaaa bbbb"));
    for (int i = 0; i < before.size(); ++i) {
        if (before[i] == QLatin1Char('1')) {
            f.select(i, i + 1);
            QTextCharFormat format;
            apply(format, Attribute(attribute));
            f.editor->textCursor().mergeCharFormat(format);
        }
    }
    const auto pattern = [&f, attribute] {
        QString bits;
        for (int i = 0; i < f.editor->toPlainText().size(); ++i)
            bits += has(f.formatAt(i), Attribute(attribute)) ? QLatin1Char('1') : QLatin1Char('0');
        return bits;
    };
    QCOMPARE(pattern(), before);

    f.select(from, to);
    f.toolbar.runToolbarButton(key);
    QCOMPARE(pattern(), afterOne);
    f.toolbar.runToolbarButton(key);
    QCOMPARE(pattern(), afterTwo);
    QCOMPARE(f.editor->toPlainText(), QStringLiteral("aaaa bbbb"));
}

void TestToolbar::toggleAtCaretAppliesToTypedText()
{
    Fixture f(QStringLiteral("ab"));
    QVERIFY(f.show());
    f.editor->setFocus();
    f.caretAt(2);
    f.toolbar.runToolbarButton(QStringLiteral("bold"));
    f.toolbar.runToolbarButton(QStringLiteral("underline"));
    QTest::keyClicks(f.editor, QStringLiteral("cd"));
    QCOMPARE(f.editor->toPlainText(), QStringLiteral("abcd"));
    QVERIFY(!has(f.formatAt(1), Attribute::Bold));
    QVERIFY(has(f.formatAt(2), Attribute::Bold));
    QVERIFY(has(f.formatAt(3), Attribute::Underline));
    QVERIFY(!has(f.formatAt(3), Attribute::Italic));
}

// Paragraphs "one", "two", "three", "four"; the selection [from, to) and the alignment
// each paragraph reads afterwards.
void TestToolbar::alignment_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("values");
    const int L = Qt::AlignLeft;
    const int R = Qt::AlignRight;
    const int C = Qt::AlignHCenter;

    QTest::newRow("center at caret") << "center" << 5 << 5 << QList<int>{L, C, L, L};
    QTest::newRow("right at caret") << "right" << 0 << 0 << QList<int>{R, L, L, L};
    QTest::newRow("center across paragraphs") << "center" << 2 << 9 << QList<int>{C, C, C, L};
    QTest::newRow("right across paragraphs") << "right" << 5 << 15 << QList<int>{L, R, R, R};
    QTest::newRow("left after right") << "left" << 0 << 18 << QList<int>{L, L, L, L};
}

void TestToolbar::alignment()
{
    QFETCH(QString, key);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, values);

    Fixture f(QStringLiteral("one\ntwo\nthree\nfour"));
    if (key == QLatin1String("left")) {
        f.select(0, 18);
        f.toolbar.runToolbarButton(QStringLiteral("right"));
    }
    f.select(from, to);
    f.toolbar.runToolbarButton(key);

    QList<int> actual;
    for (QTextBlock block = f.editor->document()->begin(); block.isValid(); block = block.next()) {
        f.caretAt(block.position());
        actual.append(int(f.editor->selectionAlignment()));
    }
    QCOMPARE(actual, values);
}

// The colour dialog's answer, and which colour the selected text ends with. The shared
// dialog still holds blue from an earlier use.
void TestToolbar::colour_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QColor>("expected");
    QTest::addRow("chosen red") << true << QColor(Qt::red);
    QTest::addRow("cancelled") << false << QColor(Qt::green);
}

void TestToolbar::colour()
{
    QFETCH(bool, accept);
    QFETCH(QColor, expected);

    Fixture f(QStringLiteral("abcdef"));
    f.select(0, 6);
    f.editor->setSelectionColor(Qt::green);
    f.dialog.color = Qt::blue;
    f.dialogs.colorAnswers.enqueue(accept ? std::optional<QColor>(QColor(Qt::red)) : std::nullopt);
    f.select(1, 3);
    f.toolbar.runToolbarButton(QStringLiteral("color"));

    QCOMPARE(f.dialogs.colorRequests, QList<QColor>{QColor(Qt::blue)});
    QCOMPARE(f.formatAt(1).foreground().color(), expected);
    QCOMPARE(f.formatAt(2).foreground().color(), expected);
    QCOMPARE(f.formatAt(0).foreground().color(), QColor(Qt::green)); // outside the selection
    QCOMPARE(f.formatAt(3).foreground().color(), QColor(Qt::green));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestToolbar::actOnEditorWhileOtherControlFocused()
{
    Fixture f(QStringLiteral("abcdef"));
    QVERIFY(f.show());
    f.select(0, 3);
    f.other->setFocus();
    QTRY_VERIFY(f.other->hasFocus());

    f.toolbar.runToolbarButton(QStringLiteral("bold"));
    f.toolbar.runToolbarButton(QStringLiteral("center"));
    f.toolbar.runToolbarButton(QStringLiteral("copy"));
    f.caretAt(6);
    f.toolbar.runToolbarButton(QStringLiteral("paste"));
    f.select(1, 2);
    f.toolbar.runToolbarButton(QStringLiteral("cut"));

    QCOMPARE(f.editor->toPlainText(), QStringLiteral("acdefabc"));
    QVERIFY(has(f.formatAt(0), Attribute::Bold));
    QVERIFY(has(f.formatAt(1), Attribute::Bold));
    QVERIFY(!has(f.formatAt(2), Attribute::Bold));
    QCOMPARE(f.editor->selectionAlignment(), Qt::AlignHCenter);
    QVERIFY(f.other->text().isEmpty());
    QVERIFY(f.other->hasFocus());
}

void TestToolbar::messages_data()
{
    QTest::addColumn<QString>("key"); // empty: the Help menu item
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");

    const QString help = QStringLiteral("You do not need any help. Do you??");
    QTest::newRow("help button") << "help" << help << "Help ";
    QTest::newRow("Help menu") << "" << help << "Help ";
    QTest::newRow("gotoword")
        << "gotoword"
        << QStringLiteral("This Version doesn't have this feature.") + QChar(10) + QChar(13)
               + QStringLiteral("Save the file and open it under Microsoft Wrod for further edit")
        << QString();
}

void TestToolbar::messages()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, title);

    Fixture f(QStringLiteral("abc"));
    if (key.isEmpty())
        f.toolbar.showHelp();
    else
        f.toolbar.runToolbarButton(key);
    QCOMPARE(f.dialogs.messages.size(), 1);
    const ScriptedDialogs::Message& shown = f.dialogs.messages[0];
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.buttons, platform::Buttons::Ok);
    QCOMPARE(shown.icon, platform::Icon::Information);
    QCOMPARE(f.editor->toPlainText(), QStringLiteral("abc"));
}

// What a change is made of, whether the editor or the other control has the focus when
// Undo runs, and the document afterwards.
void TestToolbar::undo_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("editorFocused");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("boldAfter");

    QTest::newRow("typing, editor focused") << "type" << true << "abc" << false;
    QTest::newRow("typing, other focused") << "type" << false << "abc" << false;
    QTest::newRow("inserted glyph, editor focused") << "insert" << true << "abc" << false;
    QTest::newRow("bold, editor focused") << "bold" << true << "abc" << false;
    QTest::newRow("bold, other focused") << "bold" << false << "abc" << false;
}

void TestToolbar::undo()
{
    QFETCH(QString, change);
    QFETCH(bool, editorFocused);
    QFETCH(QString, expected);
    QFETCH(bool, boldAfter);

    Fixture f(QStringLiteral("abc"));
    QVERIFY(f.show());
    f.editor->setFocus();
    QTRY_VERIFY(f.editor->hasFocus());
    if (change == QLatin1String("type")) {
        f.caretAt(3);
        QTest::keyClicks(f.editor, QStringLiteral("xy"));
    } else if (change == QLatin1String("insert")) {
        f.caretAt(3);
        f.editor->replaceSelection(QString(QChar(0xC8)));
    } else {
        f.select(0, 3);
        f.toolbar.runToolbarButton(QStringLiteral("bold"));
        QVERIFY(has(f.formatAt(0), Attribute::Bold));
    }
    if (!editorFocused) {
        f.other->setFocus();
        QTRY_VERIFY(f.other->hasFocus());
    }

    f.toolbar.undoEdit();
    // Done by the time the command returns, in the editor alone.
    QCOMPARE(f.editor->toPlainText(), expected);
    QCOMPARE(has(f.formatAt(0), Attribute::Bold), boldAfter);
    QVERIFY(f.other->text().isEmpty());
    QCOMPARE(f.other->hasFocus(), !editorFocused);
}

QTEST_MAIN(TestToolbar)
#include "test_toolbar.moc"
