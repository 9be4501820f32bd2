#include "documents/document.h"

#include "editor/rich_text_box.h"
#include "product/product.h"

namespace documents {

Document::Document(editor::RichTextBox& editor, QObject* parent) : QObject(parent), editor_(editor)
{
    connect(&editor_, &editor::RichTextBox::caretOrSelectionMoved, this, &Document::markChanged);
    startUntitled();
}

QTextDocument* Document::text() const
{
    return editor_.document();
}

void Document::startUntitled()
{
    set(State::Fresh, QString(), NamedBy::NewOrSaveAs);
}

void Document::markChanged()
{
    state_ = State::Changed;
}

void Document::markAsked()
{
    state_ = State::Settled;
}

void Document::startNew()
{
    editor_.clearContent();
    set(State::Settled, QString(), NamedBy::NewOrSaveAs);
}

void Document::opened(const QString& path)
{
    set(state_, path, NamedBy::Open);
}

void Document::saved(const QString& path)
{
    set(State::Settled, path, NamedBy::Save);
}

void Document::savedAs(const QString& path)
{
    set(State::Settled, path, NamedBy::NewOrSaveAs);
}

void Document::restoredFromRecovery()
{
    set(State::Changed, QString(), NamedBy::NewOrSaveAs);
}

void Document::set(State state, const QString& path, NamedBy namedBy)
{
    state_ = state;
    path_ = path;
    setCaption(namedBy);
}

void Document::setCaption(NamedBy namedBy)
{
    int blanks = 3;
    switch (namedBy) {
    case NamedBy::NewOrSaveAs: blanks = 3; break;
    case NamedBy::Open: blanks = 2; break;
    case NamedBy::Save: blanks = 1; break;
    }
    const QString label = path_.isEmpty() ? tr("This is an unsaved Document") : path_;
    caption_ = QLatin1Char(' ') + product::kName + QString(blanks, QLatin1Char(' ')) + label;
    emit captionChanged(caption_);
}

} // namespace documents
