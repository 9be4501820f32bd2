#include "documents/document_state.h"

DocumentState::DocumentState(QObject* parent) : QObject(parent) {}

void DocumentState::setCaption(const QString& caption)
{
    caption_ = caption;
    emit captionChanged(caption_);
}
