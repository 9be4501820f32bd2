#include "rtf/document_builder.h"

#include <QImage>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace rtf {

DocumentBuilder::DocumentBuilder(QTextDocument& document) : document_(document), cursor_(&document)
{
    // The document is empty, so the new cursor is at its end. Moving it would make Qt lay
    // the document out, and then again after every insertion.
    Q_ASSERT(document.isEmpty());
}

void DocumentBuilder::openPendingParagraph(const QTextCharFormat& characters)
{
    if (!breakPending_)
        return;
    cursor_.insertBlock(QTextBlockFormat(), characters);
    breakPending_ = false;
}

void DocumentBuilder::insertText(const QString& text, const QTextCharFormat& format)
{
    if (text.isEmpty())
        return;
    openPendingParagraph(format);
    cursor_.insertText(text, format);
}

QString DocumentBuilder::addImage(const QImage& image)
{
    const QString name = QStringLiteral("rtfimage:%1").arg(++imageCount_);
    document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    return name;
}

void DocumentBuilder::insertImage(const QTextImageFormat& format)
{
    openPendingParagraph(QTextCharFormat());
    cursor_.insertImage(format);
}

void DocumentBuilder::endParagraph(const QTextBlockFormat& format, const QTextCharFormat& characters)
{
    openPendingParagraph(characters);
    cursor_.setBlockFormat(format);
    if (cursor_.block().length() <= 1)
        cursor_.setBlockCharFormat(characters);
    breakPending_ = true;
}

void DocumentBuilder::finish(const QTextBlockFormat& format, const QTextCharFormat& characters)
{
    if (breakPending_)
        return;
    cursor_.setBlockFormat(format);
    if (cursor_.block().length() <= 1)
        cursor_.setBlockCharFormat(characters);
}

} // namespace rtf
