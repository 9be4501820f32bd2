#pragma once
// The one open document: its text (the editor's), the file it was last opened from or saved
// to, whether it may hold unsaved changes, and the window caption that names it. Each
// transition below sets all of them together; nothing else writes them.

#include <QObject>
#include <QString>

class QTextDocument;
namespace editor { class RichTextBox; }

namespace documents {

class Document : public QObject {
    Q_OBJECT
public:
    enum class State {
        Fresh,   // nothing has touched the editor since start-up
        Changed, // the selection or the caret moved since the state was last settled
        Settled, // just created, saved, or the user was just asked about it
    };

    // Starts untitled. Every selection change the editor reports, a caret move alone
    // included, marks the document Changed: New and Open ask only after one.
    explicit Document(editor::RichTextBox& editor, QObject* parent = nullptr);

    QTextDocument* text() const;
    QString path() const { return path_; }
    State state() const { return state_; }
    // Only Changed asks before the document is replaced; Fresh and Settled behave alike.
    bool isChanged() const { return state_ == State::Changed; }
    QString caption() const { return caption_; }

    // Start-up: no file, Fresh.
    void startUntitled();
    void markChanged();
    // Open asked whether to save: settled on either answer, even if no file is opened then.
    void markAsked();
    // New: empties the text, forgets the file, settled once the text is empty (emptying
    // reports a selection change).
    void startNew();
    // The text was just read from `path` (Open). The state stays as it was.
    void opened(const QString& path);
    // The text was just written to `path`, by Save or by Save As.
    void saved(const QString& path);
    void savedAs(const QString& path);
    // The text is a recovery copy: unsaved, as it may differ from any file, and Changed.
    void restoredFromRecovery();

signals:
    void captionChanged(const QString& caption);

private:
    // The product label's trailing blanks have always told the commands apart: three
    // after start-up, New and Save As, two after Open, one after Save.
    enum class NamedBy { NewOrSaveAs, Open, Save };
    void set(State state, const QString& path, NamedBy namedBy);
    void setCaption(NamedBy namedBy);

    editor::RichTextBox& editor_;
    QString path_;
    State state_ = State::Fresh;
    QString caption_;
};

} // namespace documents
