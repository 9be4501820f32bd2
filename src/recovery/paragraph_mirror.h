#pragma once
// A copy of a document, paragraph by paragraph, kept current while it is edited: a change
// drops the copies of the paragraphs it touched, and only those are copied again. A snapshot
// of a long document then costs the paragraphs typed since the last one, and copying the
// rest can be spread over slices of bounded time between key presses; a change between two
// slices only drops what it touched.

#include "recovery/document_snapshot.h"

#include <QDeadlineTimer>
#include <QObject>

#include <vector>

class QTextDocument;

namespace recovery {

class ParagraphMirror : public QObject {
    Q_OBJECT
public:
    explicit ParagraphMirror(QObject* parent = nullptr);

    // Follows `document` (nothing of it copied yet); the document followed already keeps
    // its copies.
    void follow(const QTextDocument* document);
    // The document followed; null when none, or when it was destroyed.
    const QTextDocument* document() const { return document_; }

    // Copies the paragraphs whose copies are missing until none is or `deadline` passes,
    // at least one each call; returns whether the copy is complete.
    bool fill(const QDeadlineTimer& deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    // Paragraphs not copied yet.
    qsizetype missing() const;

    // The document as it stands; only when fill() has just said the copy is complete.
    DocumentSnapshot snapshot() const;

private:
    void contentsChange(int position, int removed, int added);
    // The copies in [from, to) are about to go.
    void drop(std::size_t from, std::size_t to);
    bool copyAnew();

    const QTextDocument* document_ = nullptr;
    QMetaObject::Connection changes_;
    QMetaObject::Connection destroyed_;
    // One entry per paragraph of the document, null where the copy is missing.
    std::vector<SharedParagraph> paragraphs_;
    std::size_t firstMissing_ = 0; // no entry before it is null
    // Of the copies made: their length, which the document's must equal once all are made
    // (so that a change Qt did not report is noticed), and how many show pictures.
    qsizetype copiedLength_ = 0;
    qsizetype withPictures_ = 0;
};

} // namespace recovery
