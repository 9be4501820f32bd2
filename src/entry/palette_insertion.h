#pragma once
// What a click on a palette cell puts into the document.

#include <QString>

namespace editor { class RichTextBox; }

namespace entry {

struct PaletteInsertion {
    QString text;           // what replaces the editor's selection
    bool lineBreak = false; // the text is one paragraph break
};

// The marker cell (code 255) and the empty cell both give one paragraph break: the line
// feed + carriage return they have always inserted, less the Backspace that followed.
PaletteInsertion insertionFor(const QString& cellText);

// Replaces the editor's selection by the cell's glyph (or the line break), the caret after
// it, and gives the editor the focus.
void insertFromPalette(const QString& cellText, editor::RichTextBox& editor);

} // namespace entry
