#include "entry/palette.h"

#include "entry/flex_grid.h"
#include "nq/glyph_code.h"
#include "nq/glyph_table.h"

namespace entry {
namespace {

// The one cell that holds no glyph: a click on it inserts a line break, like code 255.
constexpr int kEmptyRow = 2;
constexpr int kEmptyCol = 13;
constexpr int kEmptyBlock = 7;

struct Layout {
    std::array<std::array<int, kPaletteCols>, kPaletteRows> codes{};  // 0: the empty cell
    std::array<std::array<int, kPaletteCols>, kPaletteRows> blocks{};
};

// The palette is laid out in the glyph table (its palette_cells and block columns), the
// one file that the font generator reads too.
const Layout& layout()
{
    static const Layout built = [] {
        Layout l;
        for (const nq::Glyph& glyph : nq::glyphTable()) {
            for (qsizetype i = 0; i < glyph.cells.size(); ++i) {
                const QPoint cell = glyph.cells[i];
                if (cell.y() < 0 || cell.y() >= kPaletteRows || cell.x() < 0 || cell.x() >= kPaletteCols)
                    continue;
                l.codes[cell.y()][cell.x()] = glyph.code;
                l.blocks[cell.y()][cell.x()] = i < glyph.blocks.size() ? glyph.blocks[i] : glyph.block;
            }
        }
        l.blocks[kEmptyRow][kEmptyCol] = kEmptyBlock;
        return l;
    }();
    return built;
}

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
    return inside(row, col) ? layout().codes[row][col] : 0;
}

int paletteBlock(int row, int col)
{
    return inside(row, col) ? layout().blocks[row][col] : 0;
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

void coloring(entry::FlexGrid& grid)
{
    for (int block = 1; block <= kBlockCount; ++block) {
        for (int row = 0; row < kPaletteRows; ++row) {
            for (int col = 0; col < kPaletteCols; ++col) {
                if (paletteBlock(row, col) != block)
                    continue;
                grid.setCurrentCellRow(row);
                grid.setCurrentCellColumn(col);
                grid.setCellBackground(blockColor(block));
                const int code = paletteCode(row, col);
                grid.setCellText(code ? QString(nq::toChar(static_cast<unsigned char>(code)))
                                  : QString());
            }
        }
    }
}

} // namespace entry
