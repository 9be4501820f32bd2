#pragma once
// List labels whose bullet is a symbol face's glyph (Symbol's 0xB7, Wingdings' 0xA7 and
// friends, also when the face is named only by \af as LibreOffice writes Word's lists):
// held as the Unicode bullet they show, for a text face to draw. In the symbol face itself
// the editor draws nothing, and as U+F0xx the NQ face would draw a conjunct instead.

#include <QString>

namespace rtf {

struct FontEntry;

// Rewrites the label's symbol-face bullets; true when the label holds a bullet that must
// be drawn in a text face rather than in `font`.
bool showBulletsAsUnicode(QString& label, const FontEntry* font, const FontEntry* scriptFont);

} // namespace rtf
