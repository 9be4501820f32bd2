#include "rtf/reader_footnotes.h"

#include "rtf/reader_body.h"

namespace rtf {

void Footnotes::found(qsizetype begin, const GroupState& state)
{
    if (state.destination == Destination::Body && reading_ == 0)
        notes_.push_back(Note{begin, -1, state});
}

void Footnotes::skipEnded(qsizetype offset)
{
    if (!notes_.empty() && notes_.back().end < 0)
        notes_.back().end = offset;
}

std::optional<Failure> Footnotes::append(BodyText& body, GroupState& state, GroupReader& reader)
{
    const std::vector<Note> notes = std::move(notes_);
    notes_.clear();
    state.destination = Destination::Body;
    state.literalLabel = false;
    if (body.paragraphOpen())
        body.endParagraph();
    // A separator, then each note as a paragraph of its own, in the note's own formatting.
    state = GroupState{};
    body.appendText(QStringLiteral("----------"));
    body.endParagraph();
    for (size_t i = 0; i < notes.size(); ++i) {
        reading_ = int(i) + 1;
        GroupState start = notes[i].state;
        start.literalLabel = false;
        if (auto error = reader.readGroup(notes[i].begin, notes[i].end, start))
            return error;
        if (body.paragraphOpen())
            body.endParagraph();
    }
    reading_ = 0;
    return std::nullopt;
}

} // namespace rtf
