// The main window as a user meets it: layout, menus, tool bar, palette clicks, typing,
// the right button, the size and font lists, the Options frame and the shortcuts.

#include "window_fixture.h"

#include "documents/common_dialog.h"
#include "documents/document.h"
#include "formatting/size_options.h"
#include "nq/glyph_code.h"
#include "platform/twips.h"
#include "scripted_dialogs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>

using window_test::clickCell;
using window_test::settle;

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startupState();
    void geometry();
    void menus_data();
    void menus();
    void menuOrder();
    void toolbarButtons();
    void toolbarStaysOnResize();
    void listsSitBetweenPasteAndBold();
    void focusAndTabOrder();

    void paletteClick_data();
    void paletteClick();
    void paletteClickReplacesSelection();
    void paletteDoubleClickInsertsTwice();
    void lineBreakCells_data();
    void lineBreakCells();
    void commandsActOnTheEditorWhateverHasTheFocus_data();
    void commandsActOnTheEditorWhateverHasTheFocus();

    void typing_data();
    void typing();
    void typedTextStartsAtSixteenPoints();
    void formatStaysAfterDeletingEverything_data();
    void formatStaysAfterDeletingEverything();
    void rightButton_data();
    void rightButton();
    void rightButtonDoublePress();
    void otherButtonsDoNotDelete();
    void selectionChangesMarkTheDocument();

    void sizeList();
    void listsFitTheirRow();
    void typingIntoAListChangesNothing_data();
    void typingIntoAListChangesNothing();
    void choosingASizeAppliesIt_data();
    void choosingASizeAppliesIt();
    void fontNameAppliesToTheSelectionOnly();

    void optionsFrame();
    void optionButtons_data();
    void optionButtons();
    void shortcutsWinInTheEditor_data();
    void shortcutsWinInTheEditor();
    void shortcutsWinInTheLists();

private:
    window::MainWindow* window() const { return window_.get(); }
    editor::RichTextBox* editor() const { return window_->editor(); }
    void showActive();
    void chooseFromList(QComboBox* combo, int index);
    // The editor holds `text` with [from, to) selected; without them the caret is at the end.
    void startWith(const QString& text, int from = -1, int to = -1);

    ScriptedDialogs dialogs_;
    std::unique_ptr<window::MainWindow> window_;
};

void TestMainWindow::init()
{
    dialogs_ = ScriptedDialogs();
    window_ = std::make_unique<window::MainWindow>(dialogs_, QCoreApplication::applicationDirPath());
}

void TestMainWindow::cleanup()
{
    settle();
    QVERIFY2(dialogs_.unexpected.isEmpty(), qPrintable(dialogs_.unexpected.join(", ")));
    window_.reset();
}

void TestMainWindow::showActive()
{
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestMainWindow::startWith(const QString& text, int from, int to)
{
    editor()->setPlainText(text);
    QTextCursor cursor = editor()->textCursor();
    if (from < 0) {
        cursor.movePosition(QTextCursor::End);
    } else {
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
    }
    editor()->setTextCursor(cursor);
}

void TestMainWindow::chooseFromList(QComboBox* combo, int index)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
}

// ---- Start-up and layout ---------------------------------------------------------------

void TestMainWindow::startupState()
{
    QCOMPARE(window()->windowTitle(), QStringLiteral(" Norvelin   This is an unsaved Document"));
    QCOMPARE(window()->document().state(), documents::Document::State::Fresh);
    QVERIFY(window()->document().path().isEmpty());
    QCOMPARE(window()->commonDialog().owner(), window());

    entry::FlexGrid* grid = window()->palette();
    QCOMPARE(grid->rowTotal(), 6);
    QCOMPARE(grid->columnTotal(), 32);
    QCOMPARE(grid->currentCellRow(), 5);
    QCOMPARE(grid->currentCellColumn(), 31);
    QCOMPARE(grid->font().family(), QStringLiteral("NQ"));
    QCOMPARE(grid->font().pointSizeF(), 13.0);
    const int cell = platform::twipsToPixels(300);
    for (int r = 0; r < 6; ++r) {
        QCOMPARE(grid->rowHeight(r), cell);
        for (int c = 0; c < 32; ++c) {
            QCOMPARE(grid->columnWidth(c), cell);
            QCOMPARE(grid->alignmentAt(r, c), Qt::AlignHCenter | Qt::AlignVCenter);
        }
    }
    // `coloring` filled the cells: spot checks, the whole table is tested apart.
    QCOMPARE(grid->textAt(5, 25), QString(nq::toChar(255)));
    QCOMPARE(grid->backColorAt(5, 25), QColor(227, 200, 255));
    QVERIFY(grid->textAt(2, 13).isEmpty());
    QCOMPARE(grid->backColorAt(2, 13), QColor(200, 227, 255));

    QCOMPARE(editor()->font().family(), QStringLiteral("NQ"));
    QCOMPARE(editor()->font().pointSizeF(), 18.0);
    QVERIFY(!window()->optionsPanel()->isVisible());
    QVERIFY(window()->optionsPanel()->isHidden());
    for (int n = 1; n <= 4; ++n)
        QVERIFY(!window()->sizeOption(n)->isChecked());
}

void TestMainWindow::geometry()
{
    showActive();
    const int screenWidth = platform::twipsToPixels(platform::screenWidthTwips());
    entry::FlexGrid* grid = window()->palette();
    QCOMPARE(window()->width(), screenWidth);
    QCOMPARE(grid->width(), window()->width());
    QCOMPARE(grid->pos(), QPoint(0, 0));
    QCOMPARE(grid->height(), platform::twipsToPixels(1880));
    // All six rows show without scrolling.
    QVERIFY(grid->viewport()->height() >= 6 * platform::twipsToPixels(300));

    QCOMPARE(editor()->geometry(), QRect(0, platform::twipsToPixels(2300), screenWidth,
                                         platform::twipsToPixels(4095)));
    QVERIFY(editor()->geometry().bottom() < window()->centralWidget()->height());

    // The tool bar lies in the band between the palette and the editor.
    QToolBar* bar = window()->toolBar();
    QCOMPARE(bar->pos(), platform::twipsRect(120, 1920, 0, 0).topLeft());
    QCOMPARE(bar->height(), platform::twipsToPixels(390));
    QVERIFY(bar->width() >= platform::twipsToPixels(9675));
    QVERIFY(bar->width() < screenWidth);
    QVERIFY(!bar->isMovable());
    // Every button shows: nothing is pushed into an overflow menu.
    for (QAction* action : bar->actions())
        QVERIFY(bar->widgetForAction(action) && bar->widgetForAction(action)->isVisible());
    // Buttons of 23 x 22 pixels side by side from the bar's left edge: the seven before the
    // lists end 2415 twips in.
    for (const char* key : {"new", "print", "paste", "bold", "exit"}) {
        QWidget* button = bar->widgetForAction(window()->toolbarButton(QLatin1String(key)));
        QCOMPARE(button->size(), platform::twipsSize(345, 330));
        QVERIFY2(button->y() >= 0 && button->geometry().bottom() < bar->height(), key);
    }
    QCOMPARE(bar->widgetForAction(window()->toolbarButton(QStringLiteral("new")))->x(), 0);
    QCOMPARE(bar->widgetForAction(window()->toolbarButton(QStringLiteral("paste")))->geometry().right() + 1,
             7 * platform::twipsToPixels(345));

    // Beyond the palette's last column and row the grid is grey, not white.
    const QImage shown = grid->viewport()->grab().toImage();
    const auto at = [&shown](int x, int y) {
        return shown.pixelColor(QPointF(QPointF(x, y) * shown.devicePixelRatio()).toPoint());
    };
    const int cellsRight = 32 * platform::twipsToPixels(300);
    QVERIFY(grid->viewport()->width() > cellsRight + 4);
    QCOMPARE(at(cellsRight + 4, 10), entry::FlexGrid::kBackgroundColor);
    QCOMPARE(at(10, 6 * platform::twipsToPixels(300) + 1), entry::FlexGrid::kBackgroundColor);
}

void TestMainWindow::menus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("new") << "new" << "file" << "&New" << QKeySequence(QStringLiteral("Ctrl+N"));
    QTest::newRow("open") << "open" << "file" << "&Open" << QKeySequence(QStringLiteral("Ctrl+O"));
    QTest::newRow("save") << "save" << "file" << "&Save" << QKeySequence(QStringLiteral("Ctrl+S"));
    QTest::newRow("saveas") << "saveas" << "file" << "&Save As" << QKeySequence();
    QTest::newRow("print") << "print" << "file" << "&Print" << QKeySequence();
    QTest::newRow("exit") << "exit" << "file" << "&Exit" << QKeySequence();
    QTest::newRow("undo") << "undo" << "edit" << "&Undo" << QKeySequence();
    QTest::newRow("option") << "option" << "tools" << "&Option" << QKeySequence(QStringLiteral("Ctrl+P"));
    QTest::newRow("spelling") << "spelling" << "tools" << "&Spelling…" << QKeySequence(QStringLiteral("F7"));
    QTest::newRow("suggestions") << "suggestions" << "tools" << "Spelling Su&ggestions" << QKeySequence(QStringLiteral("Alt+F7"));
    QTest::newRow("helps") << "helps" << "help" << "&Help" << QKeySequence(QStringLiteral("F1"));
    QTest::newRow("about") << "about" << "help" << "&About" << QKeySequence(QStringLiteral("Ctrl+A"));
}

void TestMainWindow::menus()
{
    QFETCH(QString, name);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QAction* item = window()->action(name);
    QVERIFY(item);
    QCOMPARE(item->objectName(), name);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QVERIFY(!item->isCheckable());
    QAction* owner = window()->action(menu);
    QVERIFY(owner && owner->menu());
    QVERIFY(owner->menu()->actions().contains(item));
}

void TestMainWindow::menuOrder()
{
    QStringList seen;
    for (QAction* top : window()->menuBar()->actions()) {
        seen << top->text();
        for (QAction* item : top->menu()->actions()) {
            QVERIFY2(!item->isSeparator(), "the menus have no separators");
            seen << item->objectName();
        }
    }
    QCOMPARE(seen, QStringList({"&File", "new", "open", "save", "saveas", "print", "exit",
                                "&Edit", "undo", "Tools", "option", "spellcheck", "spelling",
                                "suggestions", "&Help", "helps", "about"}));
    QVERIFY(!window()->action(QStringLiteral("bold")));
}

void TestMainWindow::toolbarButtons()
{
    const QStringList keys = {"new", "open", "save", "print", "cut", "copy", "paste", "bold",
                              "italic", "underline", "left", "center", "right", "gotoword",
                              "color", "help", "about", "exit"};
    const QStringList tips = {"New", "Open", "Save", "Print", "Cut", "Copy", "Paste", "Bold",
                              "Italic", "Underline", "Left", "Center", "Right", "Goto Word",
                              "Font Color", "Help", "About", "Exit"};
    // Slots in order: b = button, w = the lists' placeholder, | = separator.
    QString shape;
    QStringList seenKeys, seenTips;
    for (QAction* action : window()->toolBar()->actions()) {
        if (action->isSeparator()) {
            shape += QLatin1Char('|');
        } else if (!action->data().isValid()) {
            shape += QLatin1Char('w');
        } else {
            shape += QLatin1Char('b');
            seenKeys << action->data().toString();
            seenTips << action->toolTip();
            QVERIFY2(!action->icon().isNull(), qPrintable(action->data().toString()));
            QVERIFY(!action->isCheckable());
            auto* button = qobject_cast<QToolButton*>(window()->toolBar()->widgetForAction(action));
            QVERIFY(button);
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
            QCOMPARE(window()->toolbarButton(action->data().toString()), action);
        }
    }
    QCOMPARE(seenKeys, keys);
    QCOMPARE(seenTips, tips);
    QCOMPARE(shape, QStringLiteral("bbbbbbbwbbb|bbb|bbb|bb"));
    QVERIFY(!window()->toolbarButton(QStringLiteral("Bold")));
}

void TestMainWindow::toolbarStaysOnResize()
{
    showActive();
    const QRect bar = window()->toolBar()->geometry();
    const QRect edit = editor()->geometry();
    window()->resize(window()->width() / 2, window()->height() + 200);
    settle();
    QCOMPARE(window()->toolBar()->geometry(), bar);
    QCOMPARE(editor()->geometry(), edit);
}

void TestMainWindow::listsSitBetweenPasteAndBold()
{
    showActive();
    QToolBar* bar = window()->toolBar();
    const QRect paste = bar->widgetForAction(window()->toolbarButton(QStringLiteral("paste")))->geometry();
    const QRect bold = bar->widgetForAction(window()->toolbarButton(QStringLiteral("bold")))->geometry();
    for (QComboBox* combo : {window()->fontList(), window()->sizeList()}) {
        QVERIFY(combo->isVisible());
        const QRect r(combo->mapTo(bar, QPoint(0, 0)), combo->size());
        QVERIFY2(r.left() > paste.right() && r.right() < bold.left(), qPrintable(combo->objectName()));
    }
    QVERIFY(window()->fontList()->x() < window()->sizeList()->x());
    QCOMPARE(window()->sizeList()->width(), platform::twipsToPixels(615));
    QCOMPARE(window()->fontList()->width(), platform::twipsToPixels(1935));
    // Where the design has them on the bar.
    QCOMPARE(window()->fontList()->mapTo(bar, QPoint(0, 0)).x(), platform::twipsToPixels(2520));
}

void TestMainWindow::focusAndTabOrder()
{
    showActive();
    QCOMPARE(QApplication::focusWidget(), window()->palette());
    QTest::keyClick(window()->palette(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), editor());
    // Tab indexes 3 and 4: the size list comes before the font-name list.
    QWidget* afterEditor = editor()->nextInFocusChain();
    while (afterEditor && !(afterEditor->focusPolicy() & Qt::TabFocus))
        afterEditor = afterEditor->nextInFocusChain();
    QCOMPARE(afterEditor, window()->sizeList());
}

// ---- Palette clicks --------------------------------------------------------------------

void TestMainWindow::paletteClick_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("code");
    QTest::newRow("(0, 0)") << 0 << 0 << 65;
    QTest::newRow("C's own glyph (0, 2)") << 0 << 2 << 67;
    QTest::newRow("(0, 10) in block 6's rectangle") << 0 << 10 << 75;
    QTest::newRow("private-use code (4, 10)") << 4 << 10 << 173;
    QTest::newRow("code 200") << 4 << 29 << 200;
    QTest::newRow("(5, 26)") << 5 << 26 << 219;
    QTest::newRow("last cell") << 5 << 31 << 216;
}

void TestMainWindow::paletteClick()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, code);
    showActive();
    QCOMPARE(QApplication::focusWidget(), window()->palette());
    clickCell(window()->palette(), row, col);
    settle();
    QCOMPARE(editor()->toPlainText(), QString(nq::toChar(uchar(code))));
    QCOMPARE(editor()->textCursor().position(), 1);
    QCOMPARE(QApplication::focusWidget(), editor());
    // A second click inserts after the first, at the caret.
    clickCell(window()->palette(), 0, 0);
    settle();
    QCOMPARE(editor()->toPlainText(), QString(nq::toChar(uchar(code))) + QLatin1Char('A'));
}

void TestMainWindow::paletteClickReplacesSelection()
{
    showActive();
    startWith(QStringLiteral("abcd"), 1, 3);
    clickCell(window()->palette(), 4, 29); // code 200
    settle();
    QCOMPARE(editor()->toPlainText(), QStringLiteral("a") + nq::toChar(200) + QStringLiteral("d"));
    QCOMPARE(editor()->textCursor().position(), 2);
    QVERIFY(!editor()->textCursor().hasSelection());
}

void TestMainWindow::paletteDoubleClickInsertsTwice()
{
    // Two quick clicks are two clicks: Qt reports the second as a double click.
    showActive();
    startWith(QStringLiteral("ab"));
    entry::FlexGrid* grid = window()->palette();
    const QRect cell = grid->visualRect(grid->model()->index(4, 29)); // code 200
    const QPoint at = grid->viewport()->mapTo(window(), cell.center());
    QTest::mouseDClick(window()->windowHandle(), Qt::LeftButton, {}, at);
    settle();
    QCOMPARE(editor()->toPlainText(), QStringLiteral("ab") + nq::toChar(200) + nq::toChar(200));
    QCOMPARE(QApplication::focusWidget(), editor());
}

void TestMainWindow::lineBreakCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("marker (5, 25)") << 5 << 25;
    QTest::newRow("empty cell (2, 13)") << 2 << 13;
}

void TestMainWindow::lineBreakCells()
{
    QFETCH(int, row);
    QFETCH(int, col);
    showActive();
    startWith(QStringLiteral("abXYcd"), 2, 4);
    clickCell(window()->palette(), row, col);
    settle();
    // The selection became one line break; the marker's code never reaches the text.
    QCOMPARE(editor()->toPlainText(), QStringLiteral("ab\ncd"));
    QCOMPARE(editor()->document()->blockCount(), 2);
    QVERIFY(!editor()->toPlainText().contains(nq::toChar(255)));
    QCOMPARE(editor()->textCursor().block().text(), QStringLiteral("cd"));
    QCOMPARE(editor()->textCursor().positionInBlock(), 0);
    QCOMPARE(QApplication::focusWidget(), editor());
    // Typing goes on on the new line.
    QTest::keyClick(editor(), 'e');
    QCOMPARE(editor()->toPlainText(), QStringLiteral("ab\necd"));
}

void TestMainWindow::commandsActOnTheEditorWhateverHasTheFocus_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("blocks");
    QTest::newRow("palette line break") << "linebreak" << "ab\n" << 2;
    QTest::newRow("right button") << "right" << "a" << 1;
    QTest::newRow("Undo") << "undo" << "" << 1;
}

void TestMainWindow::commandsActOnTheEditorWhateverHasTheFocus()
{
    // The command has done its whole work in the editor when it returns: moving the focus
    // to the size list right after it neither changes the list nor leaves the edit undone.
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(int, blocks);
    showActive();
    editor()->setFocus();
    QTest::keyClicks(editor(), QStringLiteral("ab"));
    if (command == QLatin1String("linebreak")) {
        window()->palette()->setCurrentCellRow(5);
        window()->palette()->setCurrentCellColumn(25);
        window()->insertPaletteCell();
    } else if (command == QLatin1String("right")) {
        window()->editorMousePressed(Qt::RightButton);
    } else {
        window()->undoEdit();
    }
    QCOMPARE(editor()->toPlainText(), text);
    QCOMPARE(editor()->document()->blockCount(), blocks);
    window()->sizeList()->setFocus();
    window()->sizeList()->lineEdit()->end(false);
    settle();
    QCOMPARE(window()->sizeList()->currentText(), QStringLiteral("16"));
    QCOMPARE(editor()->toPlainText(), text);
}

// ---- Typing and the mouse --------------------------------------------------------------

void TestMainWindow::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QByteArray>("codes");
    QTest::newRow("C") << "C" << QByteArray("\xA2");
    QTest::newRow("D") << "D" << QByteArray("\xA3");
    QTest::newRow("c d") << "cd" << QByteArray("cd");
    QTest::newRow("mixed") << "aCbDc" << QByteArray("a\xA2" "b\xA3" "c");
    QTest::newRow("other capitals") << "ABEZ" << QByteArray("ABEZ");
    QTest::newRow("digits and signs") << "0#~" << QByteArray("0#~");
}

void TestMainWindow::typing()
{
    QFETCH(QString, keys);
    QFETCH(QByteArray, codes);
    showActive();
    editor()->setFocus();
    for (QChar ch : keys)
        QTest::keyClick(editor(), ch.toLatin1());
    QCOMPARE(nq::toCodes(editor()->toPlainText()), codes);
}

void TestMainWindow::typedTextStartsAtSixteenPoints()
{
    showActive();
    editor()->setFocus();
    QTest::keyClicks(editor(), QStringLiteral("ab"));
    QTextCursor cursor(editor()->document());
    cursor.setPosition(1);
    QCOMPARE(cursor.charFormat().fontPointSize(), 16.0);
    cursor.setPosition(2);
    QCOMPARE(cursor.charFormat().fontPointSize(), 16.0);
}

void TestMainWindow::formatStaysAfterDeletingEverything_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Backspace") << "backspace";
    QTest::newRow("Delete on a selection") << "delete";
    QTest::newRow("right button") << "right";
    QTest::newRow("Cut button") << "cut";
    QTest::newRow("Paste of an empty buffer") << "paste";
    // The same look as after deleting everything: New empties the control and keeps the
    // format at the caret.
    QTest::newRow("New") << "new";
}

void TestMainWindow::formatStaysAfterDeletingEverything()
{
    QFETCH(QString, how);
    showActive();
    editor()->setFocus();
    chooseFromList(window()->sizeList(), 10); // 20 points
    editor()->setFocus();
    QTest::keyClicks(editor(), QStringLiteral("ab"));
    QToolBar* bar = window()->toolBar();
    const auto press = [bar, this](const char* key) {
        QTest::mouseClick(bar->widgetForAction(window()->toolbarButton(QLatin1String(key))),
                          Qt::LeftButton);
    };
    if (how == QLatin1String("backspace")) {
        QTest::keyClick(editor(), Qt::Key_Backspace);
        QTest::keyClick(editor(), Qt::Key_Backspace);
    } else if (how == QLatin1String("right")) {
        QTest::mouseClick(editor()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        settle();
        QTest::mouseClick(editor()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        settle();
    } else if (how == QLatin1String("new")) {
        dialogs_.answers.enqueue(platform::Answer::No);
        press("new");
    } else {
        editor()->selectAll();
        if (how == QLatin1String("delete"))
            QTest::keyClick(editor(), Qt::Key_Delete);
        else
            press(qPrintable(how));
    }
    QVERIFY(editor()->document()->isEmpty());
    // A click into the empty text does not lose it either.
    QTest::mouseClick(editor()->viewport(), Qt::LeftButton, {}, QPoint(40, 5));
    QTest::keyClick(editor(), 'c');
    QCOMPARE(editor()->toPlainText(), QStringLiteral("c"));
    QTextCursor probe(editor()->document());
    probe.setPosition(1);
    QCOMPARE(probe.charFormat().fontPointSize(), 20.0);
    // One undo step takes the typing back, the next brings the deleted text back (New
    // forgets the old text: nothing to bring back).
    if (how != QLatin1String("new")) {
        editor()->undo();
        editor()->undo();
        QCOMPARE(editor()->toPlainText(), QStringLiteral("ab"));
    }
}

void TestMainWindow::rightButton_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("plain") << Qt::KeyboardModifiers();
    QTest::newRow("Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt") << Qt::KeyboardModifiers(Qt::AltModifier);
}

void TestMainWindow::rightButton()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    showActive();
    startWith(QStringLiteral("abcd"));
    editor()->setFocus();
    QWidget* viewport = editor()->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, modifiers, QPoint(5, 5));
    settle();
    QCOMPARE(editor()->toPlainText(), QStringLiteral("abc"));
    QVERIFY2(!QApplication::activePopupWidget(), "no context menu opens");
    // With a selection, the press removes the selection.
    QTextCursor cursor = editor()->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    editor()->setTextCursor(cursor);
    QTest::mouseClick(viewport, Qt::RightButton, modifiers, QPoint(5, 5));
    settle();
    QCOMPARE(editor()->toPlainText(), QStringLiteral("c"));
}

void TestMainWindow::rightButtonDoublePress()
{
    // A quick second press is a press too: one Backspace each.
    showActive();
    startWith(QStringLiteral("abcd"));
    editor()->setFocus();
    // Through the window, so that Qt itself recognises the double click.
    const QPoint at = editor()->viewport()->mapTo(window(), QPoint(5, 5));
    QTest::mouseDClick(window()->windowHandle(), Qt::RightButton, {}, at);
    settle();
    QCOMPARE(editor()->toPlainText(), QStringLiteral("ab"));
}

void TestMainWindow::otherButtonsDoNotDelete()
{
    showActive();
    startWith(QStringLiteral("abcd"));
    editor()->setFocus();
    QTest::mouseClick(editor()->viewport(), Qt::LeftButton, {}, QPoint(300, 5));
    QTest::mouseClick(editor()->viewport(), Qt::MiddleButton, {}, QPoint(300, 5));
    settle();
    QCOMPARE(editor()->toPlainText(), QStringLiteral("abcd"));
}

void TestMainWindow::selectionChangesMarkTheDocument()
{
    showActive();
    QCOMPARE(window()->document().state(), documents::Document::State::Fresh);
    // Giving the editor the focus moves nothing.
    editor()->setFocus();
    settle();
    QVERIFY(!window()->document().isChanged());
    QTest::keyClick(editor(), 'a');
    QVERIFY(window()->document().isChanged());

    window()->document().markAsked();
    QTest::keyClick(editor(), Qt::Key_Left);
    QVERIFY2(window()->document().isChanged(), "a caret move alone marks the document");

    window()->document().markAsked();
    QTest::mouseClick(editor()->viewport(), Qt::LeftButton, {}, QPoint(200, 5));
    QVERIFY2(window()->document().isChanged(), "a click into the text marks the document");

    window()->document().markAsked();
    QTest::mouseClick(editor()->viewport(), Qt::RightButton, {}, QPoint(200, 5));
    QCOMPARE(editor()->toPlainText(), QString());
    QVERIFY2(window()->document().isChanged(), "a right-button deletion marks the document");
}

// ---- The size and font-name lists --------------------------------------------------------

void TestMainWindow::sizeList()
{
    QComboBox* sizes = window()->sizeList();
    QStringList entries;
    for (int i = 0; i < sizes->count(); ++i)
        entries << sizes->itemText(i);
    QCOMPARE(entries, formatting::sizeListEntries());
    QCOMPARE(entries.size(), 37);
    QCOMPARE(sizes->currentIndex(), 8);
    QCOMPARE(sizes->currentText(), QStringLiteral("16"));

    QComboBox* names = window()->fontList();
    QStringList fonts;
    for (int i = 0; i < names->count(); ++i)
        fonts << names->itemText(i);
    QCOMPARE(fonts, formatting::fontNameEntries(fonts));
    QCOMPARE(fonts.size(), int(QSet<QString>(fonts.begin(), fonts.end()).size()));
    QVERIFY(!fonts.isEmpty());
}

void TestMainWindow::listsFitTheirRow()
{
    showActive();
    QComboBox* names = window()->fontList();
    // The entry shown is the current one, so that the open list starts at it.
    QCOMPARE(names->currentText(), QStringLiteral("NQ"));
    QCOMPARE(names->currentIndex(), names->findText(QStringLiteral("NQ")));
    for (QComboBox* combo : {names, window()->sizeList()}) {
        // Nothing of the box is cut off by the bar.
        QCOMPARE(combo->visibleRegion().boundingRect(), combo->rect());
        QCOMPARE(combo->height(), platform::twipsToPixels(315));
    }
    // The open list shows every name whole; the box keeps its width.
    int widest = 0;
    const QFontMetrics metrics(names->view()->font());
    for (int i = 0; i < names->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(names->itemText(i)));
    names->showPopup();
    QVERIFY(QTest::qWaitForWindowExposed(names->view()->window()));
    QVERIFY2(names->view()->viewport()->width() >= widest,
             qPrintable(QStringLiteral("%1 < %2").arg(names->view()->viewport()->width()).arg(widest)));
    names->hidePopup();
    QCOMPARE(names->width(), platform::twipsToPixels(1935));
}

void TestMainWindow::typingIntoAListChangesNothing_data()
{
    QTest::addColumn<bool>("sizes");   // the size list, else the font-name list
    QTest::addColumn<QString>("leave"); // how the box is left, if at all
    QTest::newRow("size, Return") << true << "return";
    QTest::newRow("size, Tab") << true << "tab";
    QTest::newRow("size, click into the text") << true << "click";
    QTest::newRow("font, Tab") << false << "tab";
    QTest::newRow("font, click into the text") << false << "click";
}

void TestMainWindow::typingIntoAListChangesNothing()
{
    QFETCH(bool, sizes);
    QFETCH(QString, leave);
    showActive();
    startWith(QStringLiteral("abcd"), 1, 3);
    const QTextCharFormat before = editor()->textCursor().charFormat();

    QComboBox* box = sizes ? window()->sizeList() : window()->fontList();
    // An entry's text, not the current one: Qt would pick it as chosen.
    const QString typed = sizes ? QStringLiteral("20") : box->itemText(box->currentIndex() == 0 ? 1 : 0);
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), box);
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, typed);
    if (leave == QLatin1String("return")) {
        QTest::keyClick(box, Qt::Key_Return);
    } else if (leave == QLatin1String("tab")) {
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
    } else {
        QTest::mouseClick(editor()->viewport(), Qt::LeftButton, {}, QPoint(300, 5));
        QCOMPARE(QApplication::focusWidget(), editor());
    }
    settle();
    QCOMPARE(box->currentText(), typed);
    QCOMPARE(box->count(), sizes ? 37 : window()->fontList()->count());
    QTextCursor probe(editor()->document());
    probe.setPosition(2);
    QCOMPARE(probe.charFormat().fontPointSize(), before.fontPointSize());
    QCOMPARE(probe.charFormat().fontFamilies(), before.fontFamilies());
}

void TestMainWindow::choosingASizeAppliesIt_data()
{
    QTest::addColumn<bool>("byKeys"); // else by a click on the entry
    QTest::newRow("mouse") << false;
    QTest::newRow("arrow keys in the open list, Return") << true;
}

void TestMainWindow::choosingASizeAppliesIt()
{
    QFETCH(bool, byKeys);
    showActive();
    startWith(QStringLiteral("abcd"), 1, 3);
    QComboBox* sizes = window()->sizeList();
    if (byKeys) {
        sizes->setFocus();
        QTest::keyClick(sizes, Qt::Key_F4); // opens the list at "16"
        QAbstractItemView* view = sizes->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(sizes->currentText(), QStringLiteral("16")); // moving in the list applies nothing
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
    } else {
        chooseFromList(sizes, 10);
    }
    QCOMPARE(window()->sizeList()->currentText(), QStringLiteral("20"));
    QTextCursor probe(editor()->document());
    probe.setPosition(2);
    QCOMPARE(probe.charFormat().fontPointSize(), 20.0);
    probe.setPosition(4);
    QVERIFY(probe.charFormat().fontPointSize() != 20.0);
}

void TestMainWindow::fontNameAppliesToTheSelectionOnly()
{
    showActive();
    QComboBox* names = window()->fontList();
    const int index = names->findText(QStringLiteral("NQ")) == 0 ? 1 : 0;
    QVERIFY(names->count() > index);
    const QString chosen = names->itemText(index);
    startWith(QStringLiteral("abcd"), 1, 3);
    chooseFromList(names, index);
    QTextCursor probe(editor()->document());
    probe.setPosition(2);
    QCOMPARE(probe.charFormat().fontFamilies().toStringList(), QStringList{chosen});
    probe.setPosition(1);
    QVERIFY(probe.charFormat().fontFamilies().toStringList() != QStringList{chosen});
    probe.setPosition(4);
    QVERIFY(probe.charFormat().fontFamilies().toStringList() != QStringList{chosen});
}

// ---- Options frame and shortcuts --------------------------------------------------------

void TestMainWindow::optionsFrame()
{
    showActive();
    QGroupBox* frame = window()->optionsPanel();
    QCOMPARE(frame->title(), QStringLiteral(" Options "));
    QCOMPARE(window()->fontSizeLabel()->text(), QStringLiteral("Font size:"));
    QCOMPARE(window()->optionsOkButton()->text(), QStringLiteral("OK"));
    QCOMPARE(window()->sizeOption(4)->text(), QStringLiteral("Extra large"));
    QVERIFY(!frame->isVisible());

    QTest::keyClick(window()->palette(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(frame->isVisible());
    const QPointF at = formatting::optionsPanelPosition(
        {platform::screenWidthTwips(), platform::screenHeightTwips()},
        {platform::pixelsToTwips(frame->width()), platform::pixelsToTwips(frame->height())});
    const QPoint expected(platform::twipsToPixels(at.x()), platform::twipsToPixels(at.y()));
    QCOMPARE(frame->pos(), expected);
    QCOMPARE(frame->size(), platform::twipsSize(3975, 1455));
    // The window is tall enough for the panel to show whole, above the other controls.
    QVERIFY(window()->centralWidget()->rect().contains(frame->geometry()));
    QVERIFY(frame == window()->centralWidget()->childAt(frame->geometry().center())
            || frame->isAncestorOf(window()->centralWidget()->childAt(frame->geometry().center())));

    // Every caption shows whole, inside the panel, and none runs into another.
    for (int n = 1; n <= 4; ++n) {
        QRadioButton* option = window()->sizeOption(n);
        QVERIFY(option->width() >= option->sizeHint().width());
        QVERIFY(frame->contentsRect().contains(option->geometry()));
        QVERIFY(!option->geometry().intersects(window()->fontSizeLabel()->geometry()));
        QVERIFY(!option->geometry().intersects(window()->optionsOkButton()->geometry()));
        for (int other = n + 1; other <= 4; ++other)
            QVERIFY2(!option->geometry().intersects(window()->sizeOption(other)->geometry()),
                     qPrintable(option->text() + QStringLiteral(" meets ") + window()->sizeOption(other)->text()));
    }

    // Chosen twice: one panel, same place.
    window()->action(QStringLiteral("option"))->trigger();
    QCOMPARE(frame->pos(), expected);
    QCOMPARE(window()->findChildren<QGroupBox*>().size(), 1);

    QTest::mouseClick(window()->sizeOption(2), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(window()->optionsOkButton(), Qt::LeftButton);
    QVERIFY(!frame->isVisible());
    QCOMPARE(window()->palette()->font().pointSizeF(), 15.0);
    QVERIFY(window()->sizeOption(2)->isChecked());
}

void TestMainWindow::optionButtons_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<double>("points");
    QTest::newRow("Small") << 1 << 13.0;
    QTest::newRow("Medium") << 2 << 15.0;
    QTest::newRow("Large") << 3 << 16.0;
    QTest::newRow("Extra large") << 4 << 17.0;
}

void TestMainWindow::optionButtons()
{
    QFETCH(int, option);
    QFETCH(double, points);
    showActive();
    window()->showOptions();
    // Start from another option so that each one is a change.
    QRadioButton* other = window()->sizeOption(option == 4 ? 1 : 4);
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(window()->sizeOption(option), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(window()->sizeOption(option)->isChecked());
    QVERIFY(!other->isChecked());
    QCOMPARE(window()->palette()->font().pointSizeF(), points);
    QCOMPARE(window()->palette()->font().family(), QStringLiteral("NQ"));
    // Cells keep their size; the editor's text keeps its size.
    QCOMPARE(window()->palette()->columnWidth(0), platform::twipsToPixels(300));
    QCOMPARE(editor()->currentCharFormat().fontPointSize(), 16.0);
}

void TestMainWindow::shortcutsWinInTheEditor_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Ctrl+A About") << "about" << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("F1 Help") << "helps" << int(Qt::Key_F1) << Qt::KeyboardModifiers();
    QTest::newRow("Ctrl+P Option") << "option" << int(Qt::Key_P) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Ctrl+N New") << "new" << int(Qt::Key_N) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Ctrl+O Open") << "open" << int(Qt::Key_O) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Ctrl+S Save") << "save" << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void TestMainWindow::shortcutsWinInTheEditor()
{
    QFETCH(QString, item);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    showActive();
    startWith(QStringLiteral("abcd"));
    editor()->setFocus();
    // The commands run for real: answer their questions and cancel their dialogs.
    if (item == QLatin1String("new") || item == QLatin1String("open"))
        dialogs_.answers.enqueue(platform::Answer::No);
    if (item == QLatin1String("open"))
        dialogs_.openAnswers.enqueue(std::nullopt);
    if (item == QLatin1String("save"))
        dialogs_.saveAnswers.enqueue(std::nullopt);
    QSignalSpy triggered(window()->action(item), &QAction::triggered);
    QTest::keyClick(editor(), Qt::Key(key), modifiers);
    QCOMPARE(triggered.size(), 1);
    // The editor did not take the key: nothing selected, nothing typed (New empties it).
    QVERIFY(!editor()->textCursor().hasSelection());
    QCOMPARE(editor()->toPlainText(),
             item == QLatin1String("new") ? QString() : QStringLiteral("abcd"));
}

void TestMainWindow::shortcutsWinInTheLists()
{
    showActive();
    for (QWidget* target : {static_cast<QWidget*>(window()->sizeList()),
                            static_cast<QWidget*>(window()->fontList()),
                            static_cast<QWidget*>(window()->palette())}) {
        target->setFocus();
        QSignalSpy about(window()->action(QStringLiteral("about")), &QAction::triggered);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QVERIFY2(about.size() == 1, qPrintable(target->objectName()));
    }
    // The lists' own editing keys still work.
    window()->sizeList()->setFocus();
    window()->sizeList()->lineEdit()->end(false);
    QTest::keyClick(window()->sizeList(), Qt::Key_Backspace);
    QCOMPARE(window()->sizeList()->currentText(), QStringLiteral("1"));
}

int main(int argc, char** argv)
{
    window_test::isolateUserFonts();
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_main_window.moc"
