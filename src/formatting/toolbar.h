#pragma once
// The tool bar's commands: one dispatch on the button's key, the copy buffer that the
// cut/copy/paste buttons use instead of the system clipboard, character and paragraph
// formatting of the editor's selection, and the small Edit/Help menu handlers.

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>

namespace documents { class CommonDialog; }
class QWidget;
namespace editor { class RichTextBox; }
namespace formatting { class ToolbarCommands; }

namespace formatting {

// One slot of the tool bar: a button with its key, tool tip, image and command, an empty
// placeholder of a width, the place of the font-name and size lists, or a separator. The window builds the bar from these slots and
// the dispatch runs their commands, so a button is named in one place.
struct ToolbarSlot {
    enum class Kind { Button, Placeholder, Lists, Separator };
    Kind kind = Kind::Separator;
    QString key;        // what runToolbarButton receives
    const char* toolTipSource = nullptr; // English, translated in the context "ToolbarSlot"
    QString iconName;   // freedesktop icon name; the bundled theme has each one too
    double widthTwips = 0; // placeholders and the lists only
    void (*command)(ToolbarCommands&) = nullptr;

    // The tool tip in the interface's language.
    QString toolTip() const
    {
        return toolTipSource ? QCoreApplication::translate("ToolbarSlot", toolTipSource) : QString();
    }
};

// The commands that belong to other parts of the window; the tool bar only passes on.
struct ToolbarHandlers {
    std::function<void()> newDocument, openDocument, saveDocument, printDocument, showAbout, exitProgram;
};

class ToolbarCommands {
public:
    ToolbarCommands(editor::RichTextBox& editor, documents::CommonDialog& dialog, QWidget* window,
                    ToolbarHandlers handlers);

    // The 23 slots from left to right.
    static const QList<ToolbarSlot>& toolbarSlots();

    // Runs the command of the button whose key is `key`. Keys are compared exactly
    // (case-sensitive); a key that is not one of the tool bar's does nothing.
    void runToolbarButton(const QString& key);

    // Edit > Undo: the editor undoes its last edit by its own history, whatever control
    // has the focus.
    void undoEdit();

    // Help > Help, and the "help" button.
    void showHelp();

    QString copybuffer() const { return copybuffer_; }

    // Message texts shown by the "gotoword" and "help" buttons.
    static QString gotoWordText();
    static QString gotoWordTitle();
    static QString helpText();
    static QString helpTitle();

private:
    void cut();
    void copy();
    void paste();
    void toggleBold();
    void toggleItalic();
    void toggleUnderline();
    void alignLeft();
    void alignCenter();
    void alignRight();
    void gotoWord();
    void pickColor();
    static void run(const std::function<void()>& handler);

    editor::RichTextBox& editor_;
    documents::CommonDialog& dialog_;
    QWidget* window_;
    ToolbarHandlers handlers_;
    QString copybuffer_;
};

} // namespace formatting
