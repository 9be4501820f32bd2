#include "recovery/document_snapshot.h"

#include "rtf/kept_groups.h"
#include "rtf/page_setup.h"
#include "rtf/rtf.h"

#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QUrl>

namespace recovery {

SharedParagraph ParagraphCopy::of(const QTextBlock& block)
{
    auto copy = std::make_shared<ParagraphCopy>();
    copy->format = block.blockFormat();
    copy->charFormat = block.charFormat();
    copy->length = block.length();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        copy->runs.append({format, fragment.text()});
        if (format.isImageFormat())
            copy->imageNames.append(format.toImageFormat().name());
    }
    return copy;
}

DocumentSnapshot DocumentSnapshot::of(const QTextDocument& document)
{
    std::vector<SharedParagraph> paragraphs;
    paragraphs.reserve(document.blockCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        paragraphs.push_back(ParagraphCopy::of(block));
    return of(document, std::move(paragraphs));
}

DocumentSnapshot DocumentSnapshot::of(const QTextDocument& document, std::vector<SharedParagraph> paragraphs,
                                      bool withPictures)
{
    DocumentSnapshot snapshot;
    snapshot.defaultFont_ = document.defaultFont();
    snapshot.page_ = rtf::pageLayoutOf(document);
    snapshot.kept_ = rtf::keptGroupsOf(document);
    snapshot.characters_ = document.characterCount();
    snapshot.paragraphs_ = std::move(paragraphs);
    // Tables (frames within the document) would come back as plain paragraphs: such a
    // document is written whole here instead, a cost only documents with tables pay.
    if (!document.rootFrame()->childFrames().isEmpty()) {
        snapshot.written_ = rtf::write(document);
        snapshot.paragraphs_.clear();
        return snapshot;
    }
    if (!withPictures)
        return snapshot;
    for (const SharedParagraph& paragraph : snapshot.paragraphs_) {
        for (const QString& name : paragraph->imageNames) {
            if (snapshot.images_.contains(name))
                continue;
            QVariant image = document.resource(QTextDocument::ImageResource, QUrl(name));
            // A pixmap belongs to the window's thread; the worker gets an image.
            if (image.typeId() == QMetaType::QPixmap)
                image = image.value<QPixmap>().toImage();
            snapshot.images_.insert(name, image);
        }
    }
    return snapshot;
}

QByteArray DocumentSnapshot::rtf() const
{
    return written_.isEmpty() ? rtf::write(*rebuild()) : written_;
}

std::unique_ptr<QTextDocument> DocumentSnapshot::rebuild() const
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(defaultFont_);
    if (!written_.isEmpty()) {
        rtf::read(written_, *document);
        return document;
    }
    if (page_)
        rtf::setPageLayout(*document, *page_);
    if (kept_)
        rtf::setKeptGroups(*document, *kept_);
    for (auto it = images_.cbegin(); it != images_.cend(); ++it)
        document->addResource(QTextDocument::ImageResource, QUrl(it.key()), it.value());
    QTextCursor cursor(document.get());
    for (std::size_t i = 0; i < paragraphs_.size(); ++i) {
        const ParagraphCopy& paragraph = *paragraphs_[i];
        if (i == 0) {
            cursor.setBlockFormat(paragraph.format);
            cursor.setBlockCharFormat(paragraph.charFormat);
        } else {
            cursor.insertBlock(paragraph.format, paragraph.charFormat);
        }
        for (const ParagraphCopy::Run& run : paragraph.runs)
            cursor.insertText(run.text, run.format);
    }
    return document;
}

} // namespace recovery
