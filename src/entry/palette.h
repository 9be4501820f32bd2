#pragma once
// The character palette: a constant 6 × 32 table of glyph codes in eight coloured blocks,
// and `coloring`, which copies it into the grid.

#include <QColor>
#include <array>

namespace entry { class FlexGrid; }

namespace entry {

constexpr int kPaletteRows = 6;
constexpr int kPaletteCols = 32;
constexpr int kBlockCount = 8;

// The glyph code that inserts a line break instead of a glyph.
constexpr int kLineBreakCode = 255;

// The glyph code of a cell, or 0 for the one empty cell (2, 13).
int paletteCode(int row, int col);

// The block (1..8) a cell belongs to.
int paletteBlock(int row, int col);

// A block's background colour as an RGB value, red in the lowest byte.
quint32 blockColorValue(int block);
QColor blockColor(int block);

// Fills every cell of `grid` (which must have at least 6 rows and 32 columns) with its
// glyph and colour, block by block in reading order, each cell written once.
void coloring(entry::FlexGrid& grid);

} // namespace entry
