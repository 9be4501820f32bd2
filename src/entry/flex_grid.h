#pragma once
// The palette's grid control: a table of cells, each with a text and a background colour,
// with a current cell that the Text/CellBackColor/CellAlignment operations act on.
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

    int Rows() const { return rowCount(); }
    void setRows(int rows);
    int Cols() const { return columnCount(); }
    void setCols(int cols);

    // Making a cell current: set Row, then Col (counted from 0).
    int Row() const;
    void setRow(int row);
    int Col() const;
    void setCol(int col);

    // The current cell's text, background colour and alignment.
    QString Text() const;
    void setText(const QString& text);
    QColor CellBackColor() const;
    void setCellBackColor(const QColor& color);
    Qt::Alignment CellAlignment() const;
    void setCellAlignment(Qt::Alignment alignment);

    // Any cell, without making it current.
    QString textAt(int row, int col) const;
    QColor backColorAt(int row, int col) const;
    Qt::Alignment alignmentAt(int row, int col) const;

    // Column widths and row heights in twips.
    double ColWidth(int col) const;
    void setColWidth(int col, double twips);
    double RowHeight(int row) const;
    void setRowHeight(int row, double twips);

    // The face and size every cell's text is drawn in.
    void setFontName(const QString& family);
    void setFontSize(double points);

signals:
    // A cell was clicked; it is the current cell by now. Each click of a double click
    // counts.
    void Click();

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
