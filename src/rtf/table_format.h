#pragma once
// A table row's definition (\trowd … \cellxN): the gap between cells, the row's left edge,
// and for each cell its right edge, shading, vertical alignment and borders. The reader
// collects it word by word and gives it to the row's cells as Qt formats; the writer reads
// those formats back into words. Lengths in twips, colours as colour-table indices.

#include <QColor>
#include <QList>
#include <QTextFormat>

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

class QTextTableCellFormat;
class QTextTableFormat;

namespace rtf {

struct Token;

// A table merges at most this many runs of cells (Qt indexes the table anew after each
// merge); further merged cells stay cells of their own.
inline constexpr int kMaxTableMerges = 256;
// A table wider or deeper than this keeps its further cells in its last one, and its
// further nested tables' text in its deepest cell (Word allows 63 columns).
inline constexpr int kMaxTableColumns = 63;
inline constexpr int kMaxTableDepth = 16;
// A longer table goes on as a new one: the time Qt takes to add a row grows with the
// table, so that reading a table grows with the square of its rows.
inline constexpr int kMaxTableRows = 4096;

// A cell's right edge (\cellx) in twips, kept on its format so that rows of one table keep
// their own widths.
inline constexpr int kCellRightEdge = QTextFormat::UserProperty + 0x5220;
// How a cell merges with its neighbours (Merge, below), kept until the table is complete.
inline constexpr int kCellMergeAcross = QTextFormat::UserProperty + 0x5223;
inline constexpr int kCellMergeDown = QTextFormat::UserProperty + 0x5224;
// The row's \trgaph and \trleft, kept on the table's format.
inline constexpr int kRowGap = QTextFormat::UserProperty + 0x5221;
inline constexpr int kRowLeft = QTextFormat::UserProperty + 0x5222;

enum class BorderStyle : std::uint8_t { None, Single, Thick, Double, Dotted, Dashed };
enum class CellAlignment : std::uint8_t { Top, Center, Bottom };
enum class Merge : std::uint8_t { None, First, Continued };

struct Border {
    BorderStyle style = BorderStyle::None;
    int width = 0;   // twips; 0 with a style: the thinnest line
    int color = 0;   // colour-table index; 0: automatic
    bool operator==(const Border&) const = default;
};

enum Side : std::uint8_t { Top, Left, Bottom, Right };

struct CellDefinition {
    int rightEdge = 0;
    int shading = 0;   // \clcbpat; 0: none
    CellAlignment alignment = CellAlignment::Top;
    Merge horizontal = Merge::None;  // \clmgf \clmrg
    Merge vertical = Merge::None;    // \clvmgf \clvmrg
    std::array<Border, 4> borders;
    bool operator==(const CellDefinition&) const = default;
};

struct RowDefinition {
    int gap = 0;
    int left = 0;
    QList<CellDefinition> cells;
    CellDefinition next;   // what the next \cellx closes
    int borderSide = -1;   // the side the border words describe; -1: none
    bool operator==(const RowDefinition&) const = default;
};

using RowSetter = void (*)(RowDefinition&, const Token&);
struct RowWord {
    std::string_view name;
    RowSetter set;
};
// The words that describe a row, \trowd among them.
std::span<const RowWord> rowWords();

// The cell's format: its right edge, shading, alignment and borders as far as Qt draws
// them (a border's width in pixels, its style and colour). `color` gives an index's colour.
QTextTableCellFormat cellFormat(const CellDefinition& cell, const std::function<QColor(int)>& color);
// The table's format from its widest row: fixed column widths, the gap as cell padding.
QTextTableFormat tableFormat(const RowDefinition& row);

// What a cell's format says in the row's words; `colorIndex` gives a colour's index.
CellDefinition cellDefinitionOf(const QTextTableCellFormat& format, const std::function<int(const QColor&)>& colorIndex);

} // namespace rtf
