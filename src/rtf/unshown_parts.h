#pragma once
// What a file holds in its text that the editor does not show: hidden text (\v), which Qt
// has no hidden characters for, and comments (\annotation with their marks), kept as the
// file wrote them. Both are kept out of the editor's text and anchored where they stood:
// on the run that follows them in their paragraph, else on the paragraph's end. The
// writer puts them back there.

#include <QTextFormat>

namespace rtf {

// QString: the hidden text before a run (on its character format) or at a paragraph's end
// (on its block format).
inline constexpr int kHiddenBefore = QTextFormat::UserProperty + 0x5230;
inline constexpr int kHiddenAtEnd = QTextFormat::UserProperty + 0x5231;
// int beside them: which piece it is. Editing copies formats (a run split in two, a
// paragraph split by Enter); the writer writes each piece once.
inline constexpr int kUnshownPiece = QTextFormat::UserProperty + 0x5232;
// QByteArray: kept groups (a comment and its marks) before a run or at a paragraph's end,
// as the file wrote them; their font and colour numbers are the file's (kept_groups.h).
inline constexpr int kGroupsBefore = QTextFormat::UserProperty + 0x5233;
inline constexpr int kGroupsAtEnd = QTextFormat::UserProperty + 0x5234;

// Hidden text beyond this, in one document, is left out.
inline constexpr qsizetype kMaxHiddenCharacters = qsizetype(16) << 20;

} // namespace rtf
