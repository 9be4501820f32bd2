#include "rtf/document_builder.h"

#include "rtf/format_keys.h"

#include <QImage>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace rtf {
namespace {

// What the document takes in memory, measured on Qt 6.4: a paragraph of its own, each
// character (UTF-16, in a buffer that grows by doubling), each run of one format.
constexpr qint64 kParagraphBytes = 160;
constexpr qint64 kCharacterBytes = 4;
constexpr qint64 kRunBytes = 64;

} // namespace

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
    flushText();
    // Paragraphs mostly share their format: the new one starts with the last one's, and
    // is given its own only if it differs.
    cursor_.insertBlock(keyedBlockFormat_, keyedByValue(characters));
    estimatedBytes_ += kParagraphBytes;
    blockEmpty_ = true;
    breakPending_ = false;
}

void DocumentBuilder::applyBlockFormat(const QTextBlockFormat& format, const QTextCharFormat& characters)
{
    if (format == blockFormat_ && !blockEmpty_)
        return;
    flushText();
    if (!(format == blockFormat_)) {
        blockFormat_ = format;
        keyedBlockFormat_ = keyedByValue(format);
        cursor_.setBlockFormat(keyedBlockFormat_);
    }
    if (blockEmpty_)
        cursor_.setBlockCharFormat(keyedByValue(characters));
}

void DocumentBuilder::flushText()
{
    if (text_.isEmpty())
        return;
    cursor_.insertText(text_, keyedByValue(textFormat_));
    estimatedBytes_ += kRunBytes;
    text_.clear();
}

void DocumentBuilder::insertText(const QString& text, const QTextCharFormat& format)
{
    if (text.isEmpty())
        return;
    if (!text_.isEmpty() && !(format == textFormat_))
        flushText();
    if (breakPending_) {
        // Inserted with the text, a paragraph separator makes the same paragraph that
        // insertBlock(blockFormat_, format) would: the format of the one before, `format`
        // for its characters. Qt inserts a run of such paragraphs far faster in one call.
        text_.append(QChar::ParagraphSeparator);
        estimatedBytes_ += kParagraphBytes;
        breakPending_ = false;
    }
    text_.append(text);
    estimatedBytes_ += text.size() * kCharacterBytes;
    textFormat_ = format;
    blockEmpty_ = false;
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
    flushText();
    cursor_.insertImage(keyedByValue(format));
    blockEmpty_ = false;
}

void DocumentBuilder::endParagraph(const QTextBlockFormat& format, const QTextCharFormat& characters)
{
    openPendingParagraph(characters);
    applyBlockFormat(format, characters);
    breakPending_ = true;
}

void DocumentBuilder::finish(const QTextBlockFormat& format, const QTextCharFormat& characters)
{
    if (!breakPending_)
        applyBlockFormat(format, characters);
    flushText();
}

} // namespace rtf
