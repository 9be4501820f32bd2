#pragma once
// Words of NQ text: runs of Bengali letters, signs and marks, with an apostrophe inside a word
// (কাল'কে). Spaces, punctuation and digits separate them; a word that holds a digit is a
// number and is left out. Splitting on the glyph codes keeps each word's reordering (ি before
// its consonant, reph after it) inside the word.

#include <QList>
#include <QStringView>

namespace spelling {

struct WordSpan {
    int start = 0;
    int length = 0;
    bool operator==(const WordSpan&) const = default;
};

// The words of `nqText` (glyph codes in nq::toChar form), in order.
QList<WordSpan> splitNqWords(QStringView nqText);

} // namespace spelling
