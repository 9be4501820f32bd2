#pragma once
// How typed characters and mouse buttons in the editor become glyph codes and edits.

#include <Qt>

namespace entry {

// The code the editor inserts for a typed character code: C and D give 162 and 163,
// because the font draws other glyphs at 67 and 68 (the palette still offers those).
constexpr int mapTypedKey(int keyAscii)
{
    switch (keyAscii) {
    case 67: return 162;
    case 68: return 163;
    default: return keyAscii;
    }
}

// The right button is a Backspace key for the mouse hand, whatever modifier is held.
constexpr bool buttonDeletesBackward(Qt::MouseButton button)
{
    return button == Qt::RightButton;
}

} // namespace entry
