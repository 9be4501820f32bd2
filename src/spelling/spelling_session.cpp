#include "spelling_session.h"

#include "document_words.h"
#include "spell_service.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace spelling {

// Paragraphs looked at before the walk yields to the event loop.
constexpr int kBlocksPerSlice = 300;

SpellingSession::SpellingSession(QTextDocument& document, SpellService& service, int from, QObject* parent)
    : QObject(parent), document_(&document), service_(service), origin_(from), next_(from)
{
    connect(&service_, &SpellService::verdictsChanged, this, &SpellingSession::resume);
}

void SpellingSession::findNext()
{
    position_ = -1;
    word_.clear();
    waiting_ = false;
    if (!stepPending_) {
        stepPending_ = true;
        QTimer::singleShot(0, this, &SpellingSession::step);
    }
}

void SpellingSession::resume()
{
    if (waiting_)
        findNext();
}

void SpellingSession::step()
{
    stepPending_ = false;
    if (!document_)
        return;
    const int end = wrapped_ ? origin_ : document_->characterCount();
    QTextBlock block = document_->findBlock(next_);
    for (int slice = 0; block.isValid() && slice < kBlocksPerSlice; ++slice, block = block.next()) {
        if (block.position() >= end)
            break;
        const BlockWords words = nqWordsOf(block, *document_);
        int firstUnknown = -1;
        for (const WordSpan& span : words.words) {
            const int at = block.position() + span.start;
            if (at < next_)
                continue;
            if (at >= end)
                break;
            const QString word = words.text.mid(span.start, span.length);
            const std::optional<bool> verdict = service_.verdict(word);
            if (!verdict) {
                // Queue the rest of the paragraph too, then wait for the answers.
                if (firstUnknown < 0)
                    firstUnknown = at;
                continue;
            }
            if (firstUnknown >= 0 || *verdict)
                continue;
            next_ = at;
            position_ = at;
            word_ = word;
            emit found(at, span.length, word);
            return;
        }
        if (firstUnknown >= 0) {
            next_ = firstUnknown;
            waiting_ = true;
            return;
        }
        next_ = block.position() + block.length();
    }
    if (block.isValid() && block.position() < end) {
        findNext();   // the next slice, after the window has had its turn
        return;
    }
    if (!wrapped_ && origin_ > 0) {
        wrapped_ = true;
        next_ = 0;
        findNext();
        return;
    }
    emit finished();
}

void SpellingSession::shift(int at, int delta)
{
    if (origin_ > at)
        origin_ += delta;
    if (next_ > at)
        next_ += delta;
}

int SpellingSession::replace(QTextCursor& cursor, int position, int length, const QString& replacement)
{
    cursor.setPosition(position + 1);
    const QTextCharFormat format = cursor.charFormat();   // the word's own look
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    cursor.insertText(replacement, format);
    return int(replacement.size()) - length;
}

void SpellingSession::change(const QString& replacement)
{
    if (!document_ || position_ < 0)
        return;
    QTextCursor cursor(document_);
    const int delta = replace(cursor, position_, int(word_.size()), replacement);
    shift(position_, delta);
    next_ = position_ + int(replacement.size());
    findNext();
}

void SpellingSession::changeAll(const QString& replacement)
{
    if (!document_ || position_ < 0)
        return;
    const QString word = word_;
    QList<int> places;
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
        const BlockWords words = nqWordsOf(block, *document_);
        for (const WordSpan& span : words.words)
            if (span.length == word.size() && words.text.mid(span.start, span.length) == word)
                places.append(block.position() + span.start);
    }
    QTextCursor edit(document_);
    edit.beginEditBlock();
    for (auto it = places.crbegin(); it != places.crend(); ++it) {
        const int delta = replace(edit, *it, int(word.size()), replacement);
        if (*it != position_)
            shift(*it, delta);
    }
    edit.endEditBlock();
    // Occurrences before this one have moved it.
    int before = 0;
    for (int at : places)
        before += at < position_ ? int(replacement.size() - word.size()) : 0;
    if (origin_ > position_)
        origin_ += int(replacement.size() - word.size());
    next_ = position_ + before + int(replacement.size());
    findNext();
}

void SpellingSession::ignore()
{
    if (position_ < 0)
        return;
    next_ = position_ + int(word_.size());
    findNext();
}

void SpellingSession::ignoreAll()
{
    if (position_ < 0)
        return;
    service_.ignoreAll(word_);
    ignore();
}

void SpellingSession::addToDictionary()
{
    if (position_ < 0)
        return;
    service_.addToDictionary(word_);
    ignore();
}

} // namespace spelling
