#pragma once
// The editing control: a QTextEdit with the operations the window's handlers use.
// The selection* operations act on the selection or, when nothing is selected, on the text typed next.

#include "rtf/rtf.h"

#include <QKeySequence>
#include <QList>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextEdit>
#include <functional>
#include <memory>
#include <optional>

class QTextDocument;

namespace editor {

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Selected text with paragraph breaks as "\n"; setting it replaces the selection
    // (or inserts at the caret) and leaves the caret after the inserted text.
    QString selectionText() const;
    void replaceSelection(const QString& text);
    int selectionLength() const;

    // True when every selected character has the attribute (at the caret: the format
    // of the text typed next). A mixed selection reads false, so toggling applies it to all.
    bool selectionBold() const;
    bool selectionItalic() const;
    bool selectionUnderline() const;
    void setSelectionBold(bool on);
    void setSelectionItalic(bool on);
    void setSelectionUnderline(bool on);

    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter, for every paragraph the selection
    // touches.
    Qt::Alignment selectionAlignment() const;
    void setSelectionAlignment(Qt::Alignment alignment);

    QColor selectionColor() const;
    void setSelectionColor(const QColor& color);
    void setSelectionFamily(const QString& family);
    void setSelectionPointSize(double points);

    // The whole content as RTF. Loading replaces the content only on success and does not
    // report a selection change; both return the failure on failure. A load that succeeds
    // may leave `notes` for the user (a file cut short, pictures shown as boxes), and so
    // may a save (pictures that could not be written).
    // The file is read on a worker while the window keeps painting; a read that lasts longer
    // than progressDelay() shows its progress and can be cancelled (FailureKind::Cancelled,
    // the content stays). Files over rtf::kMaxEditableBytes are refused, and paragraphs over
    // rtf::kMaxEditableParagraph characters are cut into pieces (the notes say so).
    std::optional<rtf::Failure> loadFile(const QString& path, rtf::ReadNotes* notes = nullptr);
    int progressDelay() const { return progressDelayMs_; }
    void setProgressDelay(int ms) { progressDelayMs_ = ms; }
    std::optional<rtf::Failure> saveFile(const QString& path, rtf::WriteNotes* notes = nullptr) const;

    // Empties the document (New).
    void clearContent();

    // What the Backspace key does here, whatever has the focus: removes the selection, or
    // the character before the caret (at the start of a list item or an indented paragraph
    // it takes the item out of its list or the indent back instead).
    void deleteBackward();

    // What printing takes: the selection when there is one, else the whole document.
    std::unique_ptr<QTextDocument> printableCopy() const;

    // Key combinations that belong to the window's menus and must win over the editor's
    // own keys while it has the focus (Ctrl+A is About here, not Select All).
    void setWindowShortcuts(const QList<QKeySequence>& shortcuts);

signals:
    // Before a typed character is inserted; the handler may change the code it will insert.
    void characterTyped(int& keyAscii);
    // A mouse button went down over the text, with the keyboard modifiers held then.
    void mouseButtonPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPointF& position);
    // After the selection or the caret changed.
    void caretOrSelectionMoved();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Unicode Bengali from a keyboard layout or an input method is typed as NQ codes.
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The system clipboard: NQ text leaves as rich text plus Unicode Bengali, and Unicode
    // Bengali arrives as NQ glyph codes.
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Qt lays a long document out a few screens at a time, in the background. An edit near
    // the end of what is laid out ends that run early and leaves the rest without lines:
    // blank and of no height. After an edit, a run that has stopped short is started anew.
    void watchDocument(QTextDocument* document);
    void checkLayoutAfterEdit();
    // The number of the first block not laid out yet (laid-out blocks come first), or
    // blockCount() when all are.
    int layoutFrontier() const;
    bool layoutCheckPending_ = false;
    bool allSelected(const std::function<bool(const QTextCharFormat&)>& has) const;
    void emitCaretOrSelectionMoved();
    void emitMouseButtonPressed(QMouseEvent* event);
    void watchEmptying();
    void rememberTextFormat();
    void keepTextFormatWhenEmptied();

    QList<QKeySequence> windowShortcuts_;
    bool loading_ = false;
    int progressDelayMs_ = 400;
    // The format of the text at the caret while the document held text: what is typed
    // after everything was deleted comes out in it.
    std::optional<QTextCharFormat> textFormat_;
};

} // namespace editor
