#include "formatting/toolbar.h"

#include "documents/common_dialog.h"
#include "platform/dialogs.h"
#include "platform/key_queue.h"
#include "window/rich_text_box.h"

#include <array>
#include <utility>

const QString ToolbarCommands::kGotoWordText = QStringLiteral(
    "This Version doesn't have this feature.\n\rSave the file and open it under Microsoft Wrod "
    "for further edit");
const QString ToolbarCommands::kGotoWordTitle = QString();
const QString ToolbarCommands::kHelpText = QStringLiteral("You do not need any help. Do you??");
const QString ToolbarCommands::kHelpTitle = QStringLiteral("Help ");

namespace {
// Paragraph alignment values of the editing control.
constexpr int kAlignLeft = 0;
constexpr int kAlignRight = 1;
constexpr int kAlignCenter = 2;
} // namespace

ToolbarCommands::ToolbarCommands(RichTextBox& editor, CommonDialog& dialog, QWidget* window,
                                 ToolbarHandlers handlers)
    : editor_(editor), dialog_(dialog), window_(window), handlers_(std::move(handlers))
{
}

void ToolbarCommands::Toolbar1_ButtonClick(const QString& key)
{
    using Action = void (*)(ToolbarCommands&);
    // Compared in this order; the first key that matches runs.
    static const std::array<std::pair<const char*, Action>, 18> kButtons{{
        {"new", [](ToolbarCommands& t) { run(t.handlers_.new_Click); }},
        {"open", [](ToolbarCommands& t) { run(t.handlers_.open_Click); }},
        {"save", [](ToolbarCommands& t) { run(t.handlers_.save_Click); }},
        {"print", [](ToolbarCommands& t) { run(t.handlers_.print_Click); }},
        {"cut", [](ToolbarCommands& t) { t.cut(); }},
        {"copy", [](ToolbarCommands& t) { t.copy(); }},
        {"paste", [](ToolbarCommands& t) { t.paste(); }},
        {"bold", [](ToolbarCommands& t) { t.toggleBold(); }},
        {"italic", [](ToolbarCommands& t) { t.toggleItalic(); }},
        {"underline", [](ToolbarCommands& t) { t.toggleUnderline(); }},
        {"left", [](ToolbarCommands& t) { t.alignLeft(); }},
        {"center", [](ToolbarCommands& t) { t.alignCenter(); }},
        {"right", [](ToolbarCommands& t) { t.alignRight(); }},
        {"gotoword", [](ToolbarCommands& t) { t.gotoWord(); }},
        {"color", [](ToolbarCommands& t) { t.pickColor(); }},
        {"help", [](ToolbarCommands& t) { t.helps_Click(); }},
        {"about", [](ToolbarCommands& t) { run(t.handlers_.about_Click); }},
        {"exit", [](ToolbarCommands& t) { run(t.handlers_.exit_Click); }},
    }};
    for (const auto& [name, action] : kButtons) {
        if (key == QLatin1String(name)) {
            action(*this);
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
    editor_.setSelText(QString());
}

void ToolbarCommands::copy()
{
    copybuffer_ = editor_.SelText();
}

void ToolbarCommands::paste()
{
    editor_.setSelText(copybuffer_);
}

// A mixed selection reads as "not bold", so the toggle makes all of it bold.
void ToolbarCommands::toggleBold()
{
    editor_.setSelBold(!editor_.SelBold());
}

void ToolbarCommands::toggleItalic()
{
    editor_.setSelItalic(!editor_.SelItalic());
}

void ToolbarCommands::toggleUnderline()
{
    editor_.setSelUnderline(!editor_.SelUnderline());
}

void ToolbarCommands::alignLeft()
{
    editor_.setSelAlignment(kAlignLeft);
}

void ToolbarCommands::alignCenter()
{
    editor_.setSelAlignment(kAlignCenter);
}

void ToolbarCommands::alignRight()
{
    editor_.setSelAlignment(kAlignRight);
}

void ToolbarCommands::gotoWord()
{
    dialog_.dialogs().message(window_, kGotoWordText, kGotoWordTitle, platform::Buttons::Ok,
                              platform::Icon::Information);
}

// A cancelled colour dialog leaves the selection's colour alone, whatever colour the
// shared dialog still holds from an earlier use.
void ToolbarCommands::pickColor()
{
    if (dialog_.ShowColor())
        editor_.setSelColor(dialog_.Color);
}

void ToolbarCommands::undo_Click()
{
    platform::queueUndo();
}

void ToolbarCommands::helps_Click()
{
    dialog_.dialogs().message(window_, kHelpText, kHelpTitle, platform::Buttons::Ok,
                              platform::Icon::Information);
}
