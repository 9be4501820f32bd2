#pragma once
// Footnotes (\footnote): skipped where they stand, and read again after the body, each as
// a paragraph of its own behind a separator: the notes become endnotes.

#include "rtf/reader_state.h"
#include "rtf/failure.h"
#include "rtf/note_numbering.h"

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace rtf {

class BodyText;

// Reads part of the input again, through the same guarded loop as the rest, as a group
// of its own that starts with `state`. `end` < 0: up to the end of the input.
class GroupReader {
public:
    virtual std::optional<Failure> readGroup(qsizetype begin, qsizetype end, const GroupState& state) = 0;

protected:
    ~GroupReader() = default;
};

class Footnotes {
public:
    // A \footnote at the start of a group in the body; its content begins at `begin`.
    // Notes inside the notes read at the end are not kept again.
    void found(qsizetype begin, const GroupState& state);
    // A skipped group ended at `offset`: the note being skipped, if any, ends there.
    void skipEnded(qsizetype offset);
    // Finds which notes are endnotes, and how each kind is numbered, before reading.
    void scan(QByteArrayView data) { numbering_.scan(data); }
    // What \chftn shows: in the body the mark of the note that follows it.
    QString markText() const { return numbering_.label(reading_ > 0 ? reading_ - 1 : int(notes_.size())); }
    bool empty() const { return notes_.empty(); }

    // Appends the notes to the body. `state` is the reader's group state.
    std::optional<Failure> append(BodyText& body, GroupState& state, GroupReader& reader);

private:
    struct Note {
        qsizetype begin = 0;
        qsizetype end = -1;  // its closing brace; -1: the file ends first
        GroupState state;
    };
    std::vector<Note> notes_;
    int reading_ = 0;  // the number of the note being read at the end; 0: the body
    NoteNumbering numbering_;
};

} // namespace rtf
