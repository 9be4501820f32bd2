#include "formatting/toolbar.h"

#include "documents/common_dialog.h"
#include "editor/rich_text_box.h"
#include "platform/dialogs.h"

#include <utility>

namespace formatting {

QString ToolbarCommands::gotoWordText()
{
    return QCoreApplication::translate(
        "ToolbarCommands",
        "This Version doesn't have this feature.\n\rSave the file and open it under Microsoft Wrod "
        "for further edit");
}

QString ToolbarCommands::gotoWordTitle()
{
    return QString();
}

QString ToolbarCommands::helpText()
{
    return QCoreApplication::translate("ToolbarCommands", "You do not need any help. Do you??");
}

QString ToolbarCommands::helpTitle()
{
    //: The message box's title; the blank after the word is kept.
    return QCoreApplication::translate("ToolbarCommands", "Help ");
}

ToolbarCommands::ToolbarCommands(editor::RichTextBox& editor, documents::CommonDialog& dialog, QWidget* window,
                                 ToolbarHandlers handlers)
    : editor_(editor), dialog_(dialog), window_(window), handlers_(std::move(handlers))
{
}

const QList<ToolbarSlot>& ToolbarCommands::toolbarSlots()
{
    using K = ToolbarSlot::Kind;
    using Command = void (*)(ToolbarCommands&);
    auto button = [](const char* key, const char* tip, const char* icon, Command command) {
        return ToolbarSlot{K::Button, QString::fromLatin1(key), tip, QString::fromLatin1(icon), 0, command};
    };
    auto placeholder = [](K kind, double width) { return ToolbarSlot{kind, {}, nullptr, {}, width, nullptr}; };
    const ToolbarSlot separator{};
    static const QList<ToolbarSlot> all = {
        button("new", QT_TRANSLATE_NOOP("ToolbarSlot", "New"), "document-new", [](ToolbarCommands& t) { run(t.handlers_.newDocument); }),
        button("open", QT_TRANSLATE_NOOP("ToolbarSlot", "Open"), "document-open", [](ToolbarCommands& t) { run(t.handlers_.openDocument); }),
        button("save", QT_TRANSLATE_NOOP("ToolbarSlot", "Save"), "document-save", [](ToolbarCommands& t) { run(t.handlers_.saveDocument); }),
        button("print", QT_TRANSLATE_NOOP("ToolbarSlot", "Print"), "document-print", [](ToolbarCommands& t) { run(t.handlers_.printDocument); }),
        placeholder(K::Placeholder, 0),
        button("cut", QT_TRANSLATE_NOOP("ToolbarSlot", "Cut"), "edit-cut", [](ToolbarCommands& t) { t.cut(); }),
        button("copy", QT_TRANSLATE_NOOP("ToolbarSlot", "Copy"), "edit-copy", [](ToolbarCommands& t) { t.copy(); }),
        button("paste", QT_TRANSLATE_NOOP("ToolbarSlot", "Paste"), "edit-paste", [](ToolbarCommands& t) { t.paste(); }),
        placeholder(K::Lists, 2700),
        button("bold", QT_TRANSLATE_NOOP("ToolbarSlot", "Bold"), "format-text-bold", [](ToolbarCommands& t) { t.toggleBold(); }),
        button("italic", QT_TRANSLATE_NOOP("ToolbarSlot", "Italic"), "format-text-italic", [](ToolbarCommands& t) { t.toggleItalic(); }),
        button("underline", QT_TRANSLATE_NOOP("ToolbarSlot", "Underline"), "format-text-underline", [](ToolbarCommands& t) { t.toggleUnderline(); }),
        separator,
        button("left", QT_TRANSLATE_NOOP("ToolbarSlot", "Left"), "format-justify-left", [](ToolbarCommands& t) { t.alignLeft(); }),
        button("center", QT_TRANSLATE_NOOP("ToolbarSlot", "Center"), "format-justify-center", [](ToolbarCommands& t) { t.alignCenter(); }),
        button("right", QT_TRANSLATE_NOOP("ToolbarSlot", "Right"), "format-justify-right", [](ToolbarCommands& t) { t.alignRight(); }),
        separator,
        button("gotoword", QT_TRANSLATE_NOOP("ToolbarSlot", "Goto Word"), "norvelin-goto-word", [](ToolbarCommands& t) { t.gotoWord(); }),
        button("color", QT_TRANSLATE_NOOP("ToolbarSlot", "Font Color"), "norvelin-text-color", [](ToolbarCommands& t) { t.pickColor(); }),
        button("help", QT_TRANSLATE_NOOP("ToolbarSlot", "Help"), "help-contents", [](ToolbarCommands& t) { t.showHelp(); }),
        separator,
        button("about", QT_TRANSLATE_NOOP("ToolbarSlot", "About"), "help-about", [](ToolbarCommands& t) { run(t.handlers_.showAbout); }),
        button("exit", QT_TRANSLATE_NOOP("ToolbarSlot", "Exit"), "application-exit", [](ToolbarCommands& t) { run(t.handlers_.exitProgram); }),
    };
    return all;
}

void ToolbarCommands::runToolbarButton(const QString& key)
{
    // Compared in the bar's order; the first key that matches runs.
    for (const ToolbarSlot& slot : toolbarSlots()) {
        if (slot.kind == ToolbarSlot::Kind::Button && slot.key == key) {
            slot.command(*this);
            return;
        }
    }
}

void ToolbarCommands::run(const std::function<void()>& handler)
{
    if (handler)
        handler();
}

// Cut only removes: the copy buffer keeps what the last Copy stored.
void ToolbarCommands::cut()
{
    editor_.replaceSelection(QString());
}

void ToolbarCommands::copy()
{
    copybuffer_ = editor_.selectionText();
}

void ToolbarCommands::paste()
{
    editor_.replaceSelection(copybuffer_);
}

// A mixed selection reads as "not bold", so the toggle makes all of it bold.
void ToolbarCommands::toggleBold()
{
    editor_.setSelectionBold(!editor_.selectionBold());
}

void ToolbarCommands::toggleItalic()
{
    editor_.setSelectionItalic(!editor_.selectionItalic());
}

void ToolbarCommands::toggleUnderline()
{
    editor_.setSelectionUnderline(!editor_.selectionUnderline());
}

void ToolbarCommands::alignLeft()
{
    editor_.setSelectionAlignment(Qt::AlignLeft);
}

void ToolbarCommands::alignCenter()
{
    editor_.setSelectionAlignment(Qt::AlignHCenter);
}

void ToolbarCommands::alignRight()
{
    editor_.setSelectionAlignment(Qt::AlignRight);
}

void ToolbarCommands::gotoWord()
{
    dialog_.dialogs().message(window_, gotoWordText(), gotoWordTitle(), platform::Buttons::Ok,
                              platform::Icon::Information);
}

// A cancelled colour dialog leaves the selection's colour alone, whatever colour the
// shared dialog still holds from an earlier use.
void ToolbarCommands::pickColor()
{
    if (dialog_.showColor())
        editor_.setSelectionColor(dialog_.color);
}

void ToolbarCommands::undoEdit()
{
    editor_.undo();
}

void ToolbarCommands::showHelp()
{
    dialog_.dialogs().message(window_, helpText(), helpTitle(), platform::Buttons::Ok,
                              platform::Icon::Information);
}

} // namespace formatting
