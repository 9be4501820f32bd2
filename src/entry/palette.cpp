#include "entry/palette.h"

#include "entry/flex_grid.h"
#include "nq/glyph_code.h"

namespace entry {
namespace {

using Row = std::array<int, kPaletteCols>;

// Glyph codes by (row, column); 0 marks the empty cell.
constexpr std::array<Row, kPaletteRows> kCodes = {{
    {65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 48, 49, 50, 35, 36,
     37, 43, 130, 131, 132, 133, 134, 135, 136, 137, 139, 166, 169, 178, 179, 180},
    {76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 51, 52, 53, 54, 45, 46,
     47, 60, 140, 145, 146, 147, 148, 150, 151, 152, 153, 181, 182, 183, 184, 185},
    {86, 87, 88, 89, 90, 97, 98, 99, 100, 101, 55, 56, 57, 0, 61, 62,
     93, 94, 154, 155, 156, 159, 220, 224, 225, 238, 239, 186, 187, 188, 189, 190},
    {102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 122, 126, 161, 162, 163, 165,
     168, 171, 240, 241, 242, 243, 244, 245, 246, 247, 248, 191, 192, 193, 195, 196},
    {112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 173, 175, 177, 201, 202, 203,
     209, 218, 249, 250, 251, 252, 253, 254, 227, 228, 229, 197, 199, 200, 210, 211},
    {33, 34, 36, 39, 40, 41, 44, 58, 59, 63, 91, 92, 123, 125, 95, 96,
     96, 96, 230, 231, 232, 233, 234, 235, 236, 255, 219, 212, 213, 214, 215, 216},
}};

// Block of each cell, one digit per column. Three cells sit in a neighbour's rectangle:
// (0, 10) belongs to block 1, (2, 13) to block 7, (5, 26) to block 4.
constexpr std::array<const char*, kPaletteRows> kBlocks = {
    "11111111111666777733333333344444",
    "11111111116666777733333333344444",
    "11111111116667777733333333344444",
    "11111111115555555533333333344444",
    "11111111115555555533333333344444",
    "22222222222222888833333333444444",
};

constexpr quint32 rgb(int red, int green, int blue)
{
    return quint32(red) | quint32(green) << 8 | quint32(blue) << 16;
}

// Blocks 1 and 7 share a colour, and so do 6 and 8.
constexpr std::array<quint32, kBlockCount> kBlockColors = {
    rgb(200, 227, 255), rgb(225, 200, 227), rgb(227, 200, 255), rgb(200, 255, 227),
    rgb(255, 227, 200), rgb(227, 255, 200), rgb(200, 227, 255), rgb(227, 255, 200),
};

bool inside(int row, int col)
{
    return row >= 0 && row < kPaletteRows && col >= 0 && col < kPaletteCols;
}

} // namespace

int paletteCode(int row, int col)
{
    return inside(row, col) ? kCodes[row][col] : 0;
}

int paletteBlock(int row, int col)
{
    return inside(row, col) ? kBlocks[row][col] - '0' : 0;
}

quint32 blockColorValue(int block)
{
    return block >= 1 && block <= kBlockCount ? kBlockColors[block - 1] : 0;
}

QColor blockColor(int block)
{
    const quint32 v = blockColorValue(block);
    return QColor(int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF));
}

void coloring(FlexGrid& grid)
{
    for (int block = 1; block <= kBlockCount; ++block) {
        for (int row = 0; row < kPaletteRows; ++row) {
            for (int col = 0; col < kPaletteCols; ++col) {
                if (paletteBlock(row, col) != block)
                    continue;
                grid.setRow(row);
                grid.setCol(col);
                grid.setCellBackColor(blockColor(block));
                const int code = paletteCode(row, col);
                grid.setText(code ? QString(nq::toChar(static_cast<unsigned char>(code)))
                                  : QString());
            }
        }
    }
}

} // namespace entry
