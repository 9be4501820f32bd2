#include "entry/palette_insertion.h"

#include "editor/rich_text_box.h"
#include "entry/palette.h"
#include "nq/glyph_code.h"

namespace entry {
namespace {

// Only blanks are trimmed: other characters are glyphs of their own.
QString trimBlanks(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == QLatin1Char(' '))
        ++from;
    while (to > from && text[to - 1] == QLatin1Char(' '))
        --to;
    return text.mid(from, to - from);
}

} // namespace

PaletteInsertion insertionFor(const QString& cellText)
{
    const QString trimmed = trimBlanks(cellText);
    // An empty cell has no first character and falls through to the line break.
    if (!trimmed.isEmpty()) {
        const auto code = nq::toCode(trimmed[0]);
        if (!code || *code != kLineBreakCode)
            return {trimmed, false};
    }
    return {QStringLiteral("\n"), true};
}

void insertFromPalette(const QString& cellText, editor::RichTextBox& editor)
{
    editor.replaceSelection(insertionFor(cellText).text);
    editor.setFocus(Qt::OtherFocusReason);
}

} // namespace entry
