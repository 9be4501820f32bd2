#pragma once
// Hidden text (\v) is kept out of the editor's text, which has no hidden characters, and
// anchored where it stood: on the run that follows it in its paragraph, else on the
// paragraph's end. The writer puts it back there with \v.

#include <QTextFormat>

namespace rtf {

// QString on a character format: the hidden text just before the run.
inline constexpr int kHiddenBefore = QTextFormat::UserProperty + 0x5230;
// QString on a block format: the hidden text at the paragraph's end.
inline constexpr int kHiddenAtEnd = QTextFormat::UserProperty + 0x5231;
// int beside either: which piece of hidden text it is. Editing copies formats (a run split
// in two, a paragraph split by Enter); the writer writes each piece once.
inline constexpr int kHiddenPiece = QTextFormat::UserProperty + 0x5232;

// Hidden text beyond this, in one document, is left out.
inline constexpr qsizetype kMaxHiddenCharacters = qsizetype(16) << 20;

} // namespace rtf
