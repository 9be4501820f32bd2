#pragma once
// The editing face. Text set in it is held as glyph codes (glyph_code.h); every part that
// asks whether a run is NQ text asks here, so that reading, writing, copying and converting
// agree.

#include <QString>

namespace nq {

inline const QString kFace = QStringLiteral("NQ");
// The size typing starts at in the editor (the size list's first choice), in points: text
// made from Unicode elsewhere is set at it too, so that it matches text typed beside it.
inline constexpr double kTypingPointSize = 16;

// Family names are compared exactly: a face called "nq" is another font, and a file that
// names it holds ordinary text.
inline bool isNqFace(const QString& family) { return family == kFace; }

} // namespace nq
