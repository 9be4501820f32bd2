#include "entry/flex_grid.h"

#include "platform/twips.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

namespace entry {

namespace {

constexpr Qt::ItemFlags kCellFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        // Qt widens sections below the style's minimum: lower it before sizing any.
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The current cell shows by its focus frame; a selection highlight would hide the
    // cell's own colour.
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setRowTotal(2);
    setColumnTotal(2);
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int col) {
        row_ = row;
        col_ = col;
        emit cellChosen();
    });
    // Qt turns a quick second press on the same cell into a double click and reports no
    // click for it.
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!leftDoubleClick_ || !index.isValid())
            return;
        row_ = index.row();
        col_ = index.column();
        emit cellChosen();
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (row >= 0 && col >= 0) {
            row_ = row;
            col_ = col;
        }
    });
}

void FlexGrid::setRowTotal(int rows)
{
    setRowCount(std::max(rows, 0));
    row_ = std::min(row_, std::max(rows - 1, 0));
}

void FlexGrid::setColumnTotal(int cols)
{
    setColumnCount(std::max(cols, 0));
    col_ = std::min(col_, std::max(cols - 1, 0));
}

int FlexGrid::currentCellRow() const
{
    return row_;
}

int FlexGrid::currentCellColumn() const
{
    return col_;
}

void FlexGrid::setCurrentCellRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    row_ = row;
    setCurrentCell(row_, col_);
}

void FlexGrid::setCurrentCellColumn(int col)
{
    if (col < 0 || col >= columnCount())
        return;
    col_ = col;
    setCurrentCell(row_, col_);
}

QTableWidgetItem* FlexGrid::currentItemOrNew()
{
    QTableWidgetItem* cell = item(row_, col_);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(kCellFlags);
        cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setItem(row_, col_, cell);
    }
    return cell;
}

QString FlexGrid::cellText() const
{
    return textAt(row_, col_);
}

void FlexGrid::setCellText(const QString& text)
{
    currentItemOrNew()->setText(text);
}

QColor FlexGrid::cellBackground() const
{
    return backColorAt(row_, col_);
}

void FlexGrid::setCellBackground(const QColor& color)
{
    currentItemOrNew()->setBackground(color);
}

Qt::Alignment FlexGrid::cellAlignment() const
{
    return alignmentAt(row_, col_);
}

void FlexGrid::setCellAlignment(Qt::Alignment alignment)
{
    currentItemOrNew()->setTextAlignment(alignment);
}

QString FlexGrid::textAt(int row, int col) const
{
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

QColor FlexGrid::backColorAt(int row, int col) const
{
    const QTableWidgetItem* cell = item(row, col);
    return cell && cell->background().style() != Qt::NoBrush ? cell->background().color()
                                                              : QColor();
}

Qt::Alignment FlexGrid::alignmentAt(int row, int col) const
{
    const QTableWidgetItem* cell = item(row, col);
    // A cell never set: text at the left, centred vertically.
    return cell ? Qt::Alignment(cell->textAlignment()) : Qt::AlignLeft | Qt::AlignVCenter;
}

double FlexGrid::columnWidthTwips(int col) const
{
    return platform::pixelsToTwips(columnWidth(col));
}

void FlexGrid::setColumnWidthTwips(int col, double twips)
{
    setColumnWidth(col, platform::twipsToPixels(twips));
}

double FlexGrid::rowHeightTwips(int row) const
{
    return platform::pixelsToTwips(rowHeight(row));
}

void FlexGrid::setRowHeightTwips(int row, double twips)
{
    QTableWidget::setRowHeight(row, platform::twipsToPixels(twips));
}

void FlexGrid::setFontName(const QString& family)
{
    QFont f = font();
    f.setFamilies({family});
    setFont(f);
}

void FlexGrid::setFontSize(double points)
{
    if (points <= 0)
        return;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    leftDoubleClick_ = event->button() == Qt::LeftButton;
    QTableWidget::mouseDoubleClickEvent(event);
    leftDoubleClick_ = false;
}

void FlexGrid::paintEvent(QPaintEvent* event)
{
    // Beyond the last column and row the grid shows its grey background, not the cells' white.
    const int cellsRight = columnCount() > 0
        ? columnViewportPosition(columnCount() - 1) + columnWidth(columnCount() - 1) : 0;
    const int cellsBottom = rowCount() > 0
        ? rowViewportPosition(rowCount() - 1) + rowHeight(rowCount() - 1) : 0;
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    painter.fillRect(QRect(QPoint(cellsRight, 0), area.bottomRight()), kBackgroundColor);
    painter.fillRect(QRect(QPoint(0, cellsBottom), area.bottomRight()), kBackgroundColor);
    painter.end();
    QTableWidget::paintEvent(event);
}

} // namespace entry
