#pragma once
// What a click on a palette cell puts into the document.

#include <QString>

class RichTextBox;

namespace entry {

struct PaletteInsertion {
    QString text;        // what replaces the editor's selection
    bool lineBreak = false; // a Backspace follows once the click is handled
};

// The marker cell (code 255) and the empty cell both give line feed + carriage return,
// which the editor holds as two paragraph breaks; the queued Backspace takes one back.
PaletteInsertion insertionFor(const QString& cellText);

// Replaces the editor's selection by the cell's glyph (or the line break), queues the
// Backspace for the line break and gives the editor the focus.
void insertFromPalette(const QString& cellText, RichTextBox& editor);

} // namespace entry
