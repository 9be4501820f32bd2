#include "rtf/table_format.h"

#include "rtf/tokenizer.h"
#include "rtf/units.h"

#include <QTextTableCellFormat>
#include <QTextTableFormat>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace rtf {
namespace {

template <Side side>
void borderSide(RowDefinition& row, const Token&) { row.borderSide = side; }

// Row and paragraph borders are not the cells': the words after them describe no cell.
void otherBorder(RowDefinition& row, const Token&) { row.borderSide = -1; }

template <BorderStyle style>
void borderStyle(RowDefinition& row, const Token&)
{
    if (row.borderSide >= 0)
        row.next.borders[size_t(row.borderSide)].style = style;
}

template <CellAlignment alignment>
void cellAlignment(RowDefinition& row, const Token&) { row.next.alignment = alignment; }

template <Merge CellDefinition::*direction, Merge merge>
void cellMerge(RowDefinition& row, const Token&) { row.next.*direction = merge; }

constexpr int kMostBorderTwips = 255;
constexpr int kMostGapTwips = 31680;   // 22 inches: far wider than any page

constexpr RowWord kRowWords[] = {
    {"trowd", [](RowDefinition& row, const Token&) { row = RowDefinition{}; }},
    {"trgaph", [](RowDefinition& row, const Token& t) { row.gap = std::clamp(t.param, 0, kMostGapTwips); }},
    {"trleft", [](RowDefinition& row, const Token& t) { row.left = std::clamp(t.param, -kMostGapTwips, kMostGapTwips); }},
    {"cellx", [](RowDefinition& row, const Token& t) {
         row.next.rightEdge = t.param;
         if (row.cells.size() < kMaxTableColumns)
             row.cells.append(row.next);
         row.next = CellDefinition{};
         row.borderSide = -1;
     }},
    {"clcbpat", [](RowDefinition& row, const Token& t) { row.next.shading = std::max(0, t.param); }},
    {"clvertalt", cellAlignment<CellAlignment::Top>},
    {"clvertalc", cellAlignment<CellAlignment::Center>},
    {"clvertalb", cellAlignment<CellAlignment::Bottom>},
    {"clmgf", cellMerge<&CellDefinition::horizontal, Merge::First>},
    {"clmrg", cellMerge<&CellDefinition::horizontal, Merge::Continued>},
    {"clvmgf", cellMerge<&CellDefinition::vertical, Merge::First>},
    {"clvmrg", cellMerge<&CellDefinition::vertical, Merge::Continued>},
    {"clbrdrt", borderSide<Top>},
    {"clbrdrl", borderSide<Left>},
    {"clbrdrb", borderSide<Bottom>},
    {"clbrdrr", borderSide<Right>},
    {"trbrdrt", otherBorder}, {"trbrdrl", otherBorder}, {"trbrdrb", otherBorder}, {"trbrdrr", otherBorder},
    {"trbrdrh", otherBorder}, {"trbrdrv", otherBorder},
    {"brdrt", otherBorder}, {"brdrl", otherBorder}, {"brdrb", otherBorder}, {"brdrr", otherBorder},
    {"box", otherBorder}, {"brdrbtw", otherBorder}, {"brdrbar", otherBorder},
    {"brdrs", borderStyle<BorderStyle::Single>},
    {"brdrhair", borderStyle<BorderStyle::Single>},
    {"brdrth", borderStyle<BorderStyle::Thick>},
    {"brdrdb", borderStyle<BorderStyle::Double>},
    {"brdrdot", borderStyle<BorderStyle::Dotted>},
    {"brdrdash", borderStyle<BorderStyle::Dashed>},
    {"brdrdashsm", borderStyle<BorderStyle::Dashed>},
    {"brdrnone", borderStyle<BorderStyle::None>},
    {"brdrnil", borderStyle<BorderStyle::None>},
    {"brdrtbl", borderStyle<BorderStyle::None>},
    {"brdrw", [](RowDefinition& row, const Token& t) {
         if (row.borderSide >= 0)
             row.next.borders[size_t(row.borderSide)].width = std::clamp(t.param, 0, kMostBorderTwips);
     }},
    {"brdrcf", [](RowDefinition& row, const Token& t) {
         if (row.borderSide >= 0)
             row.next.borders[size_t(row.borderSide)].color = std::max(0, t.param);
     }},
};

QTextFrameFormat::BorderStyle qtStyle(BorderStyle style)
{
    switch (style) {
    case BorderStyle::Double: return QTextFrameFormat::BorderStyle_Double;
    case BorderStyle::Dotted: return QTextFrameFormat::BorderStyle_Dotted;
    case BorderStyle::Dashed: return QTextFrameFormat::BorderStyle_Dashed;
    case BorderStyle::None: return QTextFrameFormat::BorderStyle_None;
    default: return QTextFrameFormat::BorderStyle_Solid;
    }
}

BorderStyle rtfStyle(QTextFrameFormat::BorderStyle style, int twips)
{
    switch (style) {
    case QTextFrameFormat::BorderStyle_None: return BorderStyle::None;
    case QTextFrameFormat::BorderStyle_Double: return BorderStyle::Double;
    case QTextFrameFormat::BorderStyle_Dotted: return BorderStyle::Dotted;
    case QTextFrameFormat::BorderStyle_Dashed:
    case QTextFrameFormat::BorderStyle_DotDash:
    case QTextFrameFormat::BorderStyle_DotDotDash: return BorderStyle::Dashed;
    default: return twips > 60 ? BorderStyle::Thick : BorderStyle::Single;
    }
}

struct SideProperties {
    int width;
    int style;
    int brush;
};
constexpr SideProperties kSides[] = {
    {QTextFormat::TableCellTopBorder, QTextFormat::TableCellTopBorderStyle, QTextFormat::TableCellTopBorderBrush},
    {QTextFormat::TableCellLeftBorder, QTextFormat::TableCellLeftBorderStyle, QTextFormat::TableCellLeftBorderBrush},
    {QTextFormat::TableCellBottomBorder, QTextFormat::TableCellBottomBorderStyle, QTextFormat::TableCellBottomBorderBrush},
    {QTextFormat::TableCellRightBorder, QTextFormat::TableCellRightBorderStyle, QTextFormat::TableCellRightBorderBrush},
};

} // namespace

std::span<const RowWord> rowWords() { return kRowWords; }

QTextTableCellFormat cellFormat(const CellDefinition& cell, const std::function<QColor(int)>& color)
{
    QTextTableCellFormat format;
    format.setProperty(kCellRightEdge, cell.rightEdge);
    if (cell.horizontal != Merge::None)
        format.setProperty(kCellMergeAcross, int(cell.horizontal));
    if (cell.vertical != Merge::None)
        format.setProperty(kCellMergeDown, int(cell.vertical));
    if (cell.shading > 0) {
        if (const QColor shade = color(cell.shading); shade.isValid())
            format.setBackground(shade);
    }
    if (cell.alignment == CellAlignment::Center)
        format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    else if (cell.alignment == CellAlignment::Bottom)
        format.setVerticalAlignment(QTextCharFormat::AlignBottom);
    for (size_t side = 0; side < std::size(kSides); ++side) {
        const Border& border = cell.borders[side];
        if (border.style == BorderStyle::None)
            continue;
        // A line of no width is the thinnest one drawn.
        format.setProperty(kSides[side].width, border.width > 0 ? border.width / kTwipsPerPixel : 1.0);
        format.setProperty(kSides[side].style, int(qtStyle(border.style)));
        if (border.color > 0) {
            if (const QColor line = color(border.color); line.isValid())
                format.setProperty(kSides[side].brush, QBrush(line));
        }
    }
    return format;
}

QTextTableFormat tableFormat(const RowDefinition& row)
{
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(row.gap / kTwipsPerPixel);
    format.setProperty(kRowGap, row.gap);
    format.setProperty(kRowLeft, row.left);
    QList<QTextLength> widths;
    int edge = row.left;
    for (const CellDefinition& cell : row.cells) {
        // Edges that do not grow give the narrowest column Qt draws.
        const int width = std::max(cell.rightEdge - edge, int(kTwipsPerPixel));
        widths.append(QTextLength(QTextLength::FixedLength, width / kTwipsPerPixel));
        edge = std::max(edge, cell.rightEdge);
    }
    if (!widths.isEmpty())
        format.setColumnWidthConstraints(widths);
    return format;
}

CellDefinition cellDefinitionOf(const QTextTableCellFormat& format, const std::function<int(const QColor&)>& colorIndex)
{
    CellDefinition cell;
    cell.rightEdge = format.intProperty(kCellRightEdge);
    if (format.background().style() != Qt::NoBrush)
        cell.shading = colorIndex(format.background().color());
    if (format.verticalAlignment() == QTextCharFormat::AlignMiddle)
        cell.alignment = CellAlignment::Center;
    else if (format.verticalAlignment() == QTextCharFormat::AlignBottom)
        cell.alignment = CellAlignment::Bottom;
    for (size_t side = 0; side < std::size(kSides); ++side) {
        const double pixels = format.doubleProperty(kSides[side].width);
        if (!(pixels > 0))
            continue;
        Border& border = cell.borders[side];
        border.width = std::clamp(int(std::lround(pixels * kTwipsPerPixel)), 1, kMostBorderTwips);
        const auto style = format.hasProperty(kSides[side].style)
            ? QTextFrameFormat::BorderStyle(format.intProperty(kSides[side].style))
            : QTextFrameFormat::BorderStyle_Solid;
        border.style = rtfStyle(style, border.width);
        const QBrush brush = format.brushProperty(kSides[side].brush);
        if (brush.style() != Qt::NoBrush)
            border.color = colorIndex(brush.color());
    }
    return cell;
}

} // namespace rtf
