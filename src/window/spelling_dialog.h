#pragma once
// The Spelling dialog (F7): walks the flagged words from the caret, selects each in the editor
// and offers the suggestions, with Change, Change All, Ignore, Ignore All and Add to
// Dictionary. It does not block the window.

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
namespace editor { class RichTextBox; }
namespace spelling { class SpellService; class SpellingSession; }

namespace window {

class SpellingDialog : public QDialog {
    Q_OBJECT
public:
    SpellingDialog(editor::RichTextBox& editor, spelling::SpellService& service, QWidget* parent = nullptr);
    ~SpellingDialog() override;

    // Starts a new walk from the caret.
    void start();

    QLineEdit* changeTo() const { return changeTo_; }
    QListWidget* suggestions() const { return suggestions_; }
    QPushButton* button(const QString& name) const;   // "change", "changeall", "ignore", ...
    QLabel* status() const { return status_; }

private:
    void showFound(int position, int length, const QString& nqWord);
    void showFinished();
    void takeSuggestions(const QString& nqWord, const QStringList& nqSuggestions);
    void setBusy();

    editor::RichTextBox& editor_;
    spelling::SpellService& service_;
    std::unique_ptr<spelling::SpellingSession> session_;
    QLabel* status_ = nullptr;
    QLineEdit* word_ = nullptr;
    QLineEdit* changeTo_ = nullptr;
    QListWidget* suggestions_ = nullptr;
    QList<QPushButton*> commands_;
};

} // namespace window
