#pragma once
// The palette's grid control: a table of cells, each with a text and a background colour,
// with a current cell that the cellText/cellBackground/cellAlignment operations act on.
// Lengths are twips; the grid has no headings, every cell is clickable.

#include <QColor>
#include <QTableWidget>

namespace entry {

class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    // What shows beyond the last column and the last row.
    static inline const QColor kBackgroundColor{128, 128, 128};

    int rowTotal() const { return rowCount(); }
    void setRowTotal(int rows);
    int columnTotal() const { return columnCount(); }
    void setColumnTotal(int cols);

    // Making a cell current: set its row, then its column (counted from 0).
    int currentCellRow() const;
    void setCurrentCellRow(int row);
    int currentCellColumn() const;
    void setCurrentCellColumn(int col);

    // The current cell's text, background colour and alignment.
    QString cellText() const;
    void setCellText(const QString& text);
    QColor cellBackground() const;
    void setCellBackground(const QColor& color);
    Qt::Alignment cellAlignment() const;
    void setCellAlignment(Qt::Alignment alignment);

    // Any cell, without making it current.
    QString textAt(int row, int col) const;
    QColor backColorAt(int row, int col) const;
    Qt::Alignment alignmentAt(int row, int col) const;

    // Column widths and row heights in twips.
    double columnWidthTwips(int col) const;
    void setColumnWidthTwips(int col, double twips);
    double rowHeightTwips(int row) const;
    void setRowHeightTwips(int row, double twips);

    // The face and size every cell's text is drawn in.
    void setFontName(const QString& family);
    void setFontSize(double points);

signals:
    // A cell was clicked; it is the current cell by now. Each click of a double click
    // counts.
    void cellChosen();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTableWidgetItem* currentItemOrNew();
    int row_ = 0;
    int col_ = 0;
    bool leftDoubleClick_ = false;
};

} // namespace entry
