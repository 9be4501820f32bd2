#include "recovery/document_snapshot.h"

#include "rtf/kept_groups.h"
#include "rtf/page_setup.h"

#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

namespace recovery {

DocumentSnapshot DocumentSnapshot::of(const QTextDocument& document)
{
    DocumentSnapshot snapshot;
    snapshot.defaultFont_ = document.defaultFont();
    snapshot.page_ = rtf::pageLayoutOf(document);
    snapshot.kept_ = rtf::keptGroupsOf(document);
    snapshot.characters_ = document.characterCount();
    snapshot.blocks_.reserve(document.blockCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Block& copy = snapshot.blocks_.emplace_back();
        copy.format = block.blockFormat();
        copy.charFormat = block.charFormat();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            copy.runs.append({format, fragment.text()});
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
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

std::unique_ptr<QTextDocument> DocumentSnapshot::rebuild() const
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(defaultFont_);
    if (page_)
        rtf::setPageLayout(*document, *page_);
    if (kept_)
        rtf::setKeptGroups(*document, *kept_);
    for (auto it = images_.cbegin(); it != images_.cend(); ++it)
        document->addResource(QTextDocument::ImageResource, QUrl(it.key()), it.value());
    QTextCursor cursor(document.get());
    for (qsizetype i = 0; i < blocks_.size(); ++i) {
        const Block& block = blocks_[i];
        if (i == 0) {
            cursor.setBlockFormat(block.format);
            cursor.setBlockCharFormat(block.charFormat);
        } else {
            cursor.insertBlock(block.format, block.charFormat);
        }
        for (const Run& run : block.runs)
            cursor.insertText(run.text, run.format);
    }
    return document;
}

} // namespace recovery
