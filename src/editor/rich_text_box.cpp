#include "editor/rich_text_box.h"

#include "editor/background_load.h"
#include "editor/bengali_input.h"
#include "editor/clipboard.h"
#include "nq/glyph_code.h"
#include "nqtext/nq_runs.h"
#include "platform/window_shortcuts.h"
#include "rtf/kept_groups.h"
#include "rtf/rtf.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextList>
#include <QTimer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace editor {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setFont(QFont(QStringLiteral("Times New Roman"), 18));
    setAcceptRichText(true);
    connect(this, &QTextEdit::selectionChanged, this, &RichTextBox::emitCaretOrSelectionMoved);
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextBox::emitCaretOrSelectionMoved);
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextBox::rememberTextFormat);
    watchEmptying();
    watchDocument(document());
}

void RichTextBox::watchEmptying()
{
    connect(document(), &QTextDocument::contentsChanged, this,
            &RichTextBox::keepTextFormatWhenEmptied, Qt::UniqueConnection);
}

void RichTextBox::rememberTextFormat()
{
    if (document()->isEmpty())
        return;
    QTextCharFormat format = textCursor().charFormat();
    // Only how the text looks: a picture or a link does not carry over to typing.
    format.setObjectType(QTextFormat::NoObject);
    format.clearProperty(QTextFormat::ImageName);
    format.setAnchor(false);
    format.clearProperty(QTextFormat::AnchorHref);
    format.clearProperty(QTextFormat::AnchorName);
    textFormat_ = format;
}

// QTextDocument gives an emptied document its default character format; the text typed
// next keeps the look of the text that was deleted instead. The format goes into the empty
// paragraph, so that moving the caret there does not lose it, and into the deletion's undo
// step. After an undo it stays out, which would cost the redo steps.
void RichTextBox::keepTextFormatWhenEmptied()
{
    QTextDocument* doc = document();
    if (!doc->isEmpty()) {
        rememberTextFormat();
        return;
    }
    if (!textFormat_ || doc->isRedoAvailable())
        return;
    QTextCursor cursor(doc);
    if (cursor.blockCharFormat() == *textFormat_)
        return;
    cursor.joinPreviousEditBlock();
    cursor.setBlockCharFormat(*textFormat_);
    cursor.endEditBlock();
}

void RichTextBox::watchDocument(QTextDocument* watched)
{
    connect(watched, &QTextDocument::contentsChange, this, &RichTextBox::checkLayoutAfterEdit,
            Qt::QueuedConnection);
}

int RichTextBox::layoutFrontier() const
{
    const QTextDocument* doc = document();
    const auto laidOut = [doc](int number) {
        const QTextLayout* layout = doc->findBlockByNumber(number).layout();
        return layout && layout->lineCount() > 0;
    };
    int low = 0;
    int high = doc->blockCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (laidOut(middle))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

void RichTextBox::checkLayoutAfterEdit()
{
    if (layoutCheckPending_ || layoutFrontier() == document()->blockCount())
        return;
    // Qt's run steps every 10 ms: a frontier that has not moved meanwhile has stopped.
    constexpr int kStalledMs = 60;
    layoutCheckPending_ = true;
    QTimer::singleShot(kStalledMs, this, [this, before = layoutFrontier()] {
        layoutCheckPending_ = false;
        const int now = layoutFrontier();
        if (now == before && now < document()->blockCount())
            document()->setPageSize(document()->pageSize()); // lays out anew, in the background
    });
}

void RichTextBox::emitCaretOrSelectionMoved()
{
    if (!loading_)
        emit caretOrSelectionMoved();
}

QString RichTextBox::selectionText() const
{
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void RichTextBox::replaceSelection(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
}

int RichTextBox::selectionLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

bool RichTextBox::allSelected(const std::function<bool(const QTextCharFormat&)>& has) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return has(currentCharFormat());
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = fragment.position();
            const int to = from + fragment.length();
            if (to <= start || from >= end)
                continue;
            if (!has(fragment.charFormat()))
                return false;
        }
    }
    return true;
}

bool RichTextBox::selectionBold() const
{
    return allSelected([](const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; });
}

bool RichTextBox::selectionItalic() const
{
    return allSelected([](const QTextCharFormat& f) { return f.fontItalic(); });
}

bool RichTextBox::selectionUnderline() const
{
    return allSelected([](const QTextCharFormat& f) { return f.fontUnderline(); });
}

void RichTextBox::setSelectionBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelectionItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelectionUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeCurrentCharFormat(format);
}

Qt::Alignment RichTextBox::selectionAlignment() const
{
    const Qt::Alignment a = alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignRight)
        return Qt::AlignRight;
    if (a & Qt::AlignHCenter)
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

void RichTextBox::setSelectionAlignment(Qt::Alignment alignment)
{
    // Left and right stay on their side whatever the text's direction.
    if (alignment & Qt::AlignRight)
        setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    else if (alignment & Qt::AlignHCenter)
        setAlignment(Qt::AlignHCenter);
    else
        setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
}

QColor RichTextBox::selectionColor() const
{
    return textColor();
}

void RichTextBox::setSelectionColor(const QColor& color)
{
    setTextColor(color);
}

void RichTextBox::setSelectionFamily(const QString& family)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelectionPointSize(double points)
{
    if (points <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeCurrentCharFormat(format);
}

std::optional<rtf::Failure> RichTextBox::loadFile(const QString& path, rtf::ReadNotes* notes)
{
    editing::LoadResult read = editing::loadInBackground(path, font(), window(), progressDelayMs_);
    if (read.failure)
        return read.failure;
    if (notes)
        *notes = read.notes;
    QTextDocument* loaded = read.document.release();
    loaded->setParent(this);
    // setDocument() deletes the document the control made for itself, so the old one is
    // watched rather than kept as a plain pointer; one that an earlier load gave it is ours.
    QPointer<QTextDocument> old = document();
    const bool ours = old && old->parent() == this;
    loading_ = true;
    watchDocument(loaded);
    // Extra selections hold cursors into the old document, which goes now; Qt would read
    // them on the next change of selections.
    setExtraSelections({});
    setDocument(loaded);
    moveCursor(QTextCursor::Start);
    loading_ = false;
    watchEmptying();
    textFormat_.reset();
    rememberTextFormat();
    if (old && ours)
        old->deleteLater();
    return std::nullopt;
}

std::optional<rtf::Failure> RichTextBox::saveFile(const QString& path, rtf::WriteNotes* notes) const
{
    return rtf::saveFile(path, *document(), notes);
}

void RichTextBox::clearContent()
{
    // Like deleting everything: the text typed next keeps the format at the caret.
    const QTextCharFormat typing = currentCharFormat();
    clear();
    rtf::forgetFileSettings(*document());
    QTextCursor(document()).setBlockCharFormat(typing);
    document()->clearUndoRedoStacks();
    setCurrentCharFormat(typing);
}

void RichTextBox::deleteBackward()
{
    if (isReadOnly())
        return;
    QTextCursor cursor = textCursor();
    QTextBlockFormat blockFormat = cursor.blockFormat();
    if (QTextList* list = cursor.currentList(); list && cursor.atBlockStart() && !cursor.hasSelection()) {
        list->remove(cursor.block());
    } else if (cursor.atBlockStart() && blockFormat.indent() > 0) {
        blockFormat.setIndent(blockFormat.indent() - 1);
        cursor.setBlockFormat(blockFormat);
    } else {
        cursor.deletePreviousChar();
    }
    setTextCursor(cursor);
    ensureCursorVisible();
}

std::unique_ptr<QTextDocument> RichTextBox::printableCopy() const
{
    if (!textCursor().hasSelection())
        return std::unique_ptr<QTextDocument>(document()->clone());
    auto copy = std::make_unique<QTextDocument>();
    copy->setDefaultFont(document()->defaultFont());
    QTextCursor(copy.get()).insertFragment(textCursor().selection());
    return copy;
}

void RichTextBox::setWindowShortcuts(const QList<QKeySequence>& shortcuts)
{
    windowShortcuts_ = shortcuts;
}

bool RichTextBox::event(QEvent* e)
{
    // Not taken by the editor: the window's shortcut runs.
    if (platform::yieldToWindowShortcut(e, windowShortcuts_))
        return false;
    return QTextEdit::event(e);
}

void RichTextBox::keyPressEvent(QKeyEvent* e)
{
    if (!isReadOnly() && bengali_input::typesBengali(*e)) {
        QTextCursor cursor = textCursor();
        bengali_input::typeKey(cursor, *e);
        setTextCursor(cursor);
        ensureCursorVisible();
        e->accept();
        return;
    }
    const QString text = e->text();
    const bool typed = text.size() == 1 && text[0].isPrint()
        && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (typed && !isReadOnly()) {
        if (const auto code = nq::toCode(text[0])) {
            int keyAscii = *code;
            emit characterTyped(keyAscii);
            if (keyAscii > 0 && keyAscii <= 0xFF) {
                QTextCursor cursor = textCursor();
                cursor.insertText(QString(nqtext::typedCharacter(static_cast<unsigned char>(keyAscii),
                                                                 cursor.charFormat(), *document())));
                setTextCursor(cursor);
                ensureCursorVisible();
            }
            e->accept();
            return;
        }
    }
    QTextEdit::keyPressEvent(e);
}

void RichTextBox::inputMethodEvent(QInputMethodEvent* e)
{
    if (isReadOnly() || !bengali_input::commitsBengali(*e)) {
        QTextEdit::inputMethodEvent(e);
        return;
    }
    // The preedit is put back after the commit, at the caret where the commit left it.
    if (QTextLayout* layout = textCursor().block().layout())
        layout->setPreeditArea(-1, QString());
    QTextCursor cursor = textCursor();
    bengali_input::commit(cursor, *e);
    setTextCursor(cursor);
    QInputMethodEvent composing(e->preeditString(), e->attributes());
    QTextEdit::inputMethodEvent(&composing);
    ensureCursorVisible();
    e->accept();
}

void RichTextBox::emitMouseButtonPressed(QMouseEvent* e)
{
    emit mouseButtonPressed(e->button(), e->modifiers(), e->position());
}

void RichTextBox::mousePressEvent(QMouseEvent* e)
{
    emitMouseButtonPressed(e);
    // The right button is Backspace here: it neither moves the caret nor opens a menu.
    if (e->button() == Qt::RightButton) {
        e->accept();
        return;
    }
    QTextEdit::mousePressEvent(e);
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    // Qt delivers the second press of a double click as this event alone: it is a press
    // all the same, so that two quick right presses are two Backspaces.
    emitMouseButtonPressed(e);
    if (e->button() == Qt::RightButton) {
        e->accept();
        return;
    }
    QTextEdit::mouseDoubleClickEvent(e);
}

void RichTextBox::contextMenuEvent(QContextMenuEvent* e)
{
    e->accept();
}

QMimeData* RichTextBox::createMimeDataFromSelection() const
{
    return clipboard::mimeDataForSelection(textCursor());
}

bool RichTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    return clipboard::canInsert(source) || QTextEdit::canInsertFromMimeData(source);
}

void RichTextBox::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly())
        return;
    QTextCursor cursor = textCursor();
    if (!clipboard::insertMimeData(cursor, source, acceptRichText())) {
        // Nothing to insert: an empty X11 clipboard or selection, which Qt's own insertion
        // reads after it is gone (a crash on a middle click into the text). Only Qt's
        // internal rich-text format goes there.
        if (source && source->hasFormat(QStringLiteral("application/x-qrichtext")))
            QTextEdit::insertFromMimeData(source);
        return;
    }
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace editor
