// Spelling in the editor: the red wave over flagged words only (never in the document, its undo
// history or the saved RTF), switching it off and remembering that, the Spelling dialog's walk
// and commands, and the suggestions at the caret.

#include "editor/rich_text_box.h"
#include "nq/unicode_bridge.h"
#include "nqtext/unicode_document.h"
#include "rtf/rtf.h"
#include "spelling/dictionary_files.h"
#include "spelling/spell_service.h"
#include "spelling/spelling_session.h"
#include "window/spell_underliner.h"
#include "window/spelling_controls.h"
#include "window/spelling_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using spelling::SpellService;
using spelling::SpellingSession;

namespace {

QString nqOf(const QString& unicode) { return nq::unicodeToNq(unicode).text; }
QString unicodeOf(const QString& nqText) { return nq::nqToUnicode(nqText).text; }

void fill(QTextDocument& document, const QString& unicode)
{
    document.clear();
    QTextCursor cursor(&document);
    nqtext::insertUnicodeAsNq(cursor, unicode);
}

// The words under a wave, in Unicode.
QStringList waved(const editor::RichTextBox& editor)
{
    QStringList words;
    for (const QTextEdit::ExtraSelection& selection : editor.extraSelections()) {
        if (selection.format.underlineStyle() != QTextCharFormat::WaveUnderline
            || selection.format.underlineColor() != QColor(Qt::red))
            continue;
        words.append(unicodeOf(selection.cursor.selectedText()));
    }
    return words;
}

} // namespace

class TestSpellingUi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void waveMarksFlaggedWordsOnly();
    void waveFollowsEditsAndSwitch();
    void waveOutlivesALoadedDocument();
    void sessionCommands();
    void sessionWrapsAroundFromTheCaret();
    void dialogChangesTheWord();
    void asYouTypeIsRemembered();
    void suggestionsAtTheCaret();

private:
    QString folder_;
    QTemporaryDir personal_;
    QString personalPath() const { return personal_.filePath(QStringLiteral("personal.txt")); }
};

void TestSpellingUi::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    folder_ = spelling::findDictionaryFolder(QCoreApplication::applicationDirPath());
    QVERIFY(!folder_.isEmpty());
}

void TestSpellingUi::waveMarksFlaggedWordsOnly()
{
    editor::RichTextBox editor;
    editor.resize(600, 300);
    editor.show();
    SpellService service(folder_, personalPath());
    window::SpellUnderliner underliner(editor, service);
    fill(*editor.document(), QStringLiteral("আমি আকাসে গান গাই। Speling 1234 পৃথিবি।"));
    // Latin text in another face: flagged by nobody.
    const QByteArray savedBefore = rtf::write(*editor.document());
    const int undoBefore = editor.document()->availableUndoSteps();
    underliner.setEnabled(true);
    QTRY_COMPARE_WITH_TIMEOUT(waved(editor), (QStringList{QStringLiteral("আকাসে"), QStringLiteral("পৃথিবি")}), 20000);
    // The wave is drawn over the text, not written into it.
    QCOMPARE(rtf::write(*editor.document()), savedBefore);
    QCOMPARE(editor.document()->availableUndoSteps(), undoBefore);
    QTextCursor inside(editor.document());
    inside.setPosition(6);
    QCOMPARE(inside.charFormat().underlineStyle(), QTextCharFormat::NoUnderline);
}

void TestSpellingUi::waveFollowsEditsAndSwitch()
{
    editor::RichTextBox editor;
    editor.resize(600, 300);
    editor.show();
    SpellService service(folder_, personalPath());
    window::SpellUnderliner underliner(editor, service);
    underliner.setEnabled(true);
    fill(*editor.document(), QStringLiteral("আকাসে মেঘ"));
    QTRY_COMPARE_WITH_TIMEOUT(waved(editor), QStringList{QStringLiteral("আকাসে")}, 20000);
    // Corrected: the wave goes.
    fill(*editor.document(), QStringLiteral("আকাশে মেঘ"));
    QTRY_VERIFY_WITH_TIMEOUT(waved(editor).isEmpty() && !service.isBusy(), 20000);
    underliner.refresh();
    QVERIFY(waved(editor).isEmpty());
    // Switched off: no wave even over a typo.
    fill(*editor.document(), QStringLiteral("আকাসে মেঘ"));
    QTRY_COMPARE_WITH_TIMEOUT(waved(editor), QStringList{QStringLiteral("আকাসে")}, 20000);
    underliner.setEnabled(false);
    QVERIFY(editor.extraSelections().isEmpty());
}

// Opening a file (or restoring a recovery copy) replaces the editor's document: waves over
// the old one must not outlive it (they used to crash the next refresh).
void TestSpellingUi::waveOutlivesALoadedDocument()
{
    editor::RichTextBox editor;
    editor.resize(600, 300);
    editor.show();
    SpellService service(folder_, personalPath());
    window::SpellUnderliner underliner(editor, service);
    underliner.setEnabled(true);
    fill(*editor.document(), QStringLiteral("আকাসে মেঘ"));
    QTRY_COMPARE_WITH_TIMEOUT(waved(editor), QStringList{QStringLiteral("আকাসে")}, 20000);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("next.rtf"));
    QTextDocument next;
    fill(next, QStringLiteral("পৃথিবি গোল"));
    QVERIFY(!rtf::saveFile(file, next));
    for (int load = 0; load < 2; ++load) { // the control's own document, then one it was given
        QVERIFY(!editor.loadFile(file));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        underliner.refresh();
        QTRY_COMPARE_WITH_TIMEOUT(waved(editor), QStringList{QStringLiteral("পৃথিবি")}, 20000);
    }
}

void TestSpellingUi::sessionCommands()
{
    QTemporaryDir dir;
    SpellService service(folder_, dir.filePath(QStringLiteral("personal.txt")));
    QTextDocument document;
    fill(document, QStringLiteral("আকাসে পৃথিবি। আকাসে মানূষ ঝমরুপক পৃথিবি, আকাসে।"));
    SpellingSession session(document, service, 0);
    QSignalSpy found(&session, &SpellingSession::found);
    QSignalSpy finished(&session, &SpellingSession::finished);
    const auto next = [&](const QString& expected) {
        const int before = int(found.size());
        if (!QTest::qWaitFor([&] { return found.size() > before || !finished.isEmpty(); }, 20000))
            return QStringLiteral("(nothing)");
        if (found.size() == before)
            return QStringLiteral("(finished)");
        const QString word = unicodeOf(found.last()[2].toString());
        return word == expected ? word : word + QStringLiteral(" (expected ") + expected + u')';
    };

    session.findNext();
    QCOMPARE(next(QStringLiteral("আকাসে")), QStringLiteral("আকাসে"));
    QCOMPARE(found.last()[0].toInt(), 0);
    session.ignore();                                   // this one only
    QCOMPARE(next(QStringLiteral("পৃথিবি")), QStringLiteral("পৃথিবি"));
    session.change(nqOf(QStringLiteral("পৃথিবী")));     // this one only
    QCOMPARE(next(QStringLiteral("আকাসে")), QStringLiteral("আকাসে"));
    session.ignoreAll();                                // the third আকাসে is skipped too
    QCOMPARE(next(QStringLiteral("মানূষ")), QStringLiteral("মানূষ"));
    session.change(nqOf(QStringLiteral("মানুষ")));
    QCOMPARE(next(QStringLiteral("ঝমরুপক")), QStringLiteral("ঝমরুপক"));
    session.addToDictionary();
    QCOMPARE(next(QStringLiteral("পৃথিবি")), QStringLiteral("পৃথিবি"));
    const QString beforeChangeAll = document.toPlainText();
    session.changeAll(nqOf(QStringLiteral("পৃথিবী")));
    QCOMPARE(next(QString()), QStringLiteral("(finished)"));
    QCOMPARE(unicodeOf(document.toPlainText()),
             QStringLiteral("আকাসে পৃথিবী। আকাসে মানুষ ঝমরুপক পৃথিবী, আকাসে।"));
    document.undo();   // Change All is one undo step
    QCOMPARE(document.toPlainText(), beforeChangeAll);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("personal.txt"))), 20000);
}

void TestSpellingUi::sessionWrapsAroundFromTheCaret()
{
    SpellService service(folder_, personalPath());
    QTextDocument document;
    fill(document, QStringLiteral("পৃথিবি এক।\nআকাসে দুই।\nমানূষ তিন।"));
    // From the start of the second paragraph: its word, the third's, then the first's.
    SpellingSession session(document, service, document.findBlockByNumber(1).position());
    QStringList seen;
    bool done = false;
    connect(&session, &SpellingSession::found, this, [&](int, int, const QString& word) {
        seen.append(unicodeOf(word));
        session.ignore();
    });
    connect(&session, &SpellingSession::finished, this, [&] { done = true; });
    session.findNext();
    QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
    QCOMPARE(seen, (QStringList{QStringLiteral("আকাসে"), QStringLiteral("মানূষ"), QStringLiteral("পৃথিবি")}));
}

void TestSpellingUi::dialogChangesTheWord()
{
    editor::RichTextBox editor;
    SpellService service(folder_, personalPath());
    fill(*editor.document(), QStringLiteral("আমি আকাসে দেখি।"));
    window::SpellingDialog dialog(editor, service);
    dialog.show();
    dialog.start();
    QTRY_VERIFY_WITH_TIMEOUT(dialog.button(QStringLiteral("change"))->isEnabled(), 20000);
    QCOMPARE(unicodeOf(editor.textCursor().selectedText()), QStringLiteral("আকাসে"));
    QTRY_VERIFY_WITH_TIMEOUT(dialog.suggestions()->count() > 0, 20000);
    QCOMPARE(unicodeOf(dialog.suggestions()->item(0)->text()), QStringLiteral("আকাশে"));
    QCOMPARE(unicodeOf(dialog.changeTo()->text()), QStringLiteral("আকাশে"));
    dialog.button(QStringLiteral("change"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(dialog.status()->text(), QStringLiteral("The spelling check is complete."), 20000);
    QCOMPARE(unicodeOf(editor.document()->toPlainText()), QStringLiteral("আমি আকাশে দেখি।"));
    QVERIFY(!dialog.button(QStringLiteral("change"))->isEnabled());
}

void TestSpellingUi::asYouTypeIsRemembered()
{
    QSettings(QStringLiteral("norvelin"), QStringLiteral("norvelin")).remove(QStringLiteral("spelling"));
    QWidget window;
    editor::RichTextBox editor(&window);
    QMenu tools;
    auto* controls = new window::SpellingControls(editor, tools, QCoreApplication::applicationDirPath(), &window);
    QAction* item = controls->actions().value(0);
    QVERIFY(item && item->isCheckable());
    QVERIFY(item->isChecked());   // on unless switched off
    QVERIFY(controls->underliner().isEnabled());
    item->trigger();
    QVERIFY(!controls->underliner().isEnabled());
    QWidget another;
    editor::RichTextBox secondEditor(&another);
    QMenu secondTools;
    auto* next = new window::SpellingControls(secondEditor, secondTools, QCoreApplication::applicationDirPath(), &another);
    QVERIFY(!next->actions().value(0)->isChecked());
    next->actions().value(0)->trigger();
    QVERIFY(next->underliner().isEnabled());
}

void TestSpellingUi::suggestionsAtTheCaret()
{
    QWidget window;
    editor::RichTextBox editor(&window);
    editor.resize(600, 300);
    window.show();
    QMenu tools;
    auto* controls = new window::SpellingControls(editor, tools, QCoreApplication::applicationDirPath(), &window);
    fill(*editor.document(), QStringLiteral("আমি আকাসে"));
    QTextCursor caret(editor.document());
    caret.movePosition(QTextCursor::End);   // at the end of the word
    editor.setTextCursor(caret);
    controls->actions().value(2)->trigger();
    QMenu* menu = controls->suggestionsMenu();
    QVERIFY(menu);
    QAction* choice = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((choice = [&]() -> QAction* {
        for (QAction* action : menu->actions())
            if (unicodeOf(action->text()) == QStringLiteral("আকাশে"))
                return action;
        return nullptr;
    }()) != nullptr, 20000);
    choice->trigger();
    QCOMPARE(unicodeOf(editor.document()->toPlainText()), QStringLiteral("আমি আকাশে"));
    menu->close();
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestSpellingUi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_spelling_ui.moc"
