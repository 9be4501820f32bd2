#include "recovery/paragraph_mirror.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace recovery {

ParagraphMirror::ParagraphMirror(QObject* parent) : QObject(parent) {}

void ParagraphMirror::follow(const QTextDocument* document)
{
    if (document == document_ && document)
        return;
    disconnect(changes_);
    disconnect(destroyed_);
    document_ = document;
    paragraphs_.clear();
    firstMissing_ = 0;
    copiedLength_ = 0;
    withPictures_ = 0;
    if (!document)
        return;
    paragraphs_.resize(std::size_t(document->blockCount()));
    // Qt reports changes only to a document that has a layout; an editor's always has one.
    (void)document->documentLayout();
    changes_ = connect(document, &QTextDocument::contentsChange, this, &ParagraphMirror::contentsChange);
    destroyed_ = connect(document, &QObject::destroyed, this, [this] { follow(nullptr); });
}

void ParagraphMirror::contentsChange(int position, int /*removed*/, int added)
{
    // Qt reports the changed range in the new text only (the removed count is too large when
    // the whole text is replaced); the paragraphs it spans replace as many old ones as the
    // paragraph count says, and those after it are the old ones moved.
    const QTextDocument& document = *document_;
    const auto paragraphAt = [&document](int at) {
        const QTextBlock block = document.findBlock(at);
        return std::size_t(block.isValid() ? block.blockNumber() : document.blockCount() - 1);
    };
    const std::size_t count = std::size_t(document.blockCount());
    const std::size_t first = std::min(paragraphAt(position), count - 1);
    const std::size_t end = std::max(first + 1, paragraphAt(position + added) + 1);
    const std::ptrdiff_t grown = std::ptrdiff_t(count) - std::ptrdiff_t(paragraphs_.size());
    const std::ptrdiff_t oldEnd = std::ptrdiff_t(end) - grown;
    if (first > paragraphs_.size() || oldEnd < std::ptrdiff_t(first) || oldEnd > std::ptrdiff_t(paragraphs_.size())) {
        // Not a change this reading explains: everything from the first paragraph it names
        // is copied again.
        drop(std::min(first, paragraphs_.size()), paragraphs_.size());
        paragraphs_.resize(std::min(first, paragraphs_.size()));
        paragraphs_.resize(count);
    } else {
        drop(first, std::size_t(oldEnd));
        const auto at = paragraphs_.begin() + std::ptrdiff_t(first);
        paragraphs_.erase(at, paragraphs_.begin() + oldEnd);
        paragraphs_.insert(paragraphs_.begin() + std::ptrdiff_t(first), end - first, nullptr);
    }
    firstMissing_ = std::min(firstMissing_, first);
}

void ParagraphMirror::drop(std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i) {
        if (const SharedParagraph& paragraph = paragraphs_[i]) {
            copiedLength_ -= paragraph->length;
            withPictures_ -= !paragraph->imageNames.isEmpty();
        }
    }
}

bool ParagraphMirror::fill(const QDeadlineTimer& deadline)
{
    const QTextDocument* document = document_;
    if (!document)
        return false;
    if (paragraphs_.size() != std::size_t(document->blockCount()))
        return copyAnew();
    QTextBlock block;
    std::size_t blockNumber = 0;
    while (firstMissing_ < paragraphs_.size()) {
        if (paragraphs_[firstMissing_]) {
            ++firstMissing_;
            continue;
        }
        // Missing copies mostly come in runs: walk on from the last one copied.
        if (block.isValid() && blockNumber + 1 == firstMissing_)
            block = block.next();
        else
            block = document->findBlockByNumber(int(firstMissing_));
        blockNumber = firstMissing_;
        const SharedParagraph& copy = paragraphs_[firstMissing_] = ParagraphCopy::of(block);
        copiedLength_ += copy->length;
        withPictures_ += !copy->imageNames.isEmpty();
        ++firstMissing_;
        if (deadline.hasExpired())
            break;
    }
    while (firstMissing_ < paragraphs_.size() && paragraphs_[firstMissing_])
        ++firstMissing_;
    if (firstMissing_ < paragraphs_.size())
        return false;
    return copiedLength_ == document->characterCount() || copyAnew();
}

bool ParagraphMirror::copyAnew()
{
    // A change went by unreported (Qt says nothing of one made while it reports another):
    // copied whole again, at once, so that no change comes in between.
    qWarning("recovery: the copy of the document went astray; copying it anew");
    paragraphs_.clear();
    paragraphs_.resize(std::size_t(document_->blockCount()));
    firstMissing_ = 0;
    copiedLength_ = 0;
    withPictures_ = 0;
    return fill();
}

qsizetype ParagraphMirror::missing() const
{
    return std::count(paragraphs_.begin() + std::ptrdiff_t(firstMissing_), paragraphs_.end(), nullptr);
}

DocumentSnapshot ParagraphMirror::snapshot() const
{
    Q_ASSERT(document_ && firstMissing_ == paragraphs_.size());
    return DocumentSnapshot::of(*document_, paragraphs_, withPictures_ > 0);
}

} // namespace recovery
