#pragma once
// Spelling in the window: the Tools menu's items (checking as you type, remembered between
// runs; the Spelling dialog, F7; the suggestions for the word at the caret, Alt+F7, in a menu
// at the caret since the right mouse button is Backspace here). The checker starts on first use.

#include "window/spelling_dialog.h"

#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <memory>

class QAction;
namespace editor { class RichTextBox; }
namespace window { class SpellUnderliner; }
namespace spelling { class SpellService; }

namespace window {

class SpellingControls : public QObject {
    Q_OBJECT
public:
    // Adds the items to `tools`; `programDir` is where the dictionary is looked for.
    SpellingControls(editor::RichTextBox& editor, QMenu& tools, const QString& programDir, QWidget* window);
    ~SpellingControls() override;

    QList<QAction*> actions() const { return actions_; }
    spelling::SpellService& service();
    SpellUnderliner& underliner();
    SpellingDialog* dialog() const { return dialog_; }
    // The menu last shown by the suggestions item, while it is open.
    QMenu* suggestionsMenu() const { return suggestionsMenu_; }

    void setCheckAsYouType(bool on);
    void openDialog();
    void showSuggestionsAtCaret();

private:
    void ensureStarted();

    editor::RichTextBox& editor_;
    QWidget* window_;
    QString programDir_;
    std::unique_ptr<spelling::SpellService> service_;
    std::unique_ptr<SpellUnderliner> underliner_;
    QPointer<SpellingDialog> dialog_;
    QPointer<QMenu> suggestionsMenu_;
    QAction* asYouType_ = nullptr;
    QList<QAction*> actions_;
};

} // namespace window
