// The palette's grid control: cell sizes in twips, the current cell, clicks.

#include "entry/flex_grid.h"
#include "platform/twips.h"

#include <QSignalSpy>
#include <QtTest>

class TestFlexGrid : public QObject {
    Q_OBJECT
private slots:
    void smallCellsAreNotWidened();
    void currentCellCarriesTextColourAndAlignment();
    void alignment_data();
    void alignment();
    void clickMakesTheCellCurrent();
    void fontAppliesToEveryCell();
};

void TestFlexGrid::smallCellsAreNotWidened()
{
    entry::FlexGrid grid;
    grid.setCols(32);
    grid.setRows(6);
    for (int c = 0; c < 32; ++c)
        grid.setColWidth(c, 300);
    for (int r = 0; r < 6; ++r)
        grid.setRowHeight(r, 300);
    const int pixels = platform::twipsToPixels(300);
    QCOMPARE(grid.columnWidth(0), pixels);
    QCOMPARE(grid.columnWidth(31), pixels);
    QCOMPARE(grid.rowHeight(5), pixels);
    QCOMPARE(grid.ColWidth(7), platform::pixelsToTwips(pixels));
    // Even a very narrow column keeps its width.
    grid.setColWidth(3, 60);
    QCOMPARE(grid.columnWidth(3), platform::twipsToPixels(60));
}

void TestFlexGrid::currentCellCarriesTextColourAndAlignment()
{
    entry::FlexGrid grid;
    grid.setCols(4);
    grid.setRows(3);
    grid.setRow(2);
    grid.setCol(1);
    grid.setText(QStringLiteral("x"));
    grid.setCellBackColor(QColor(1, 2, 3));
    grid.setCellAlignment(Qt::AlignCenter);
    // Row then Col: only (2, 1) was touched.
    QCOMPARE(grid.textAt(2, 1), QStringLiteral("x"));
    QCOMPARE(grid.backColorAt(2, 1), QColor(1, 2, 3));
    QCOMPARE(grid.alignmentAt(2, 1), Qt::AlignHCenter | Qt::AlignVCenter);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            if (r != 2 || c != 1)
                QVERIFY(grid.textAt(r, c).isEmpty() && !grid.backColorAt(r, c).isValid());
    QCOMPARE(grid.Text(), QStringLiteral("x"));
    // Moving the row keeps the column.
    grid.setRow(0);
    QCOMPARE(grid.Col(), 1);
    QVERIFY(grid.Text().isEmpty());
    // Out-of-range positions are ignored rather than writing elsewhere.
    grid.setRow(9);
    QCOMPARE(grid.Row(), 0);
}

void TestFlexGrid::alignment_data()
{
    QTest::addColumn<int>("qt");
    QTest::newRow("left top") << int(Qt::AlignLeft | Qt::AlignTop);
    QTest::newRow("centre centre") << int(Qt::AlignHCenter | Qt::AlignVCenter);
    QTest::newRow("right bottom") << int(Qt::AlignRight | Qt::AlignBottom);
    QTest::newRow("centre bottom") << int(Qt::AlignHCenter | Qt::AlignBottom);
}

void TestFlexGrid::alignment()
{
    QFETCH(int, qt);
    entry::FlexGrid grid;
    grid.setRow(1);
    grid.setCol(1);
    grid.setCellAlignment(Qt::Alignment(qt));
    QCOMPARE(int(grid.alignmentAt(1, 1)), qt);
    QCOMPARE(int(grid.CellAlignment()), qt);
    QCOMPARE(int(grid.alignmentAt(0, 0)), int(Qt::AlignLeft | Qt::AlignVCenter)); // untouched
}

void TestFlexGrid::clickMakesTheCellCurrent()
{
    entry::FlexGrid grid;
    grid.setCols(5);
    grid.setRows(3);
    grid.setRow(1);
    grid.setCol(3);
    grid.setText(QStringLiteral("k"));
    grid.setRow(0);
    grid.setCol(0);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy clicks(&grid, &entry::FlexGrid::Click);
    QString seen;
    connect(&grid, &entry::FlexGrid::Click, this, [&] { seen = grid.Text(); });
    const QRect cell = grid.visualRect(grid.model()->index(1, 3));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.Col(), 3);
    QCOMPARE(seen, QStringLiteral("k"));
    // Clicking never opens an editor on the cell.
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(grid.viewport()->findChildren<QWidget*>().isEmpty());
    QCOMPARE(grid.textAt(1, 3), QStringLiteral("k"));
}

void TestFlexGrid::fontAppliesToEveryCell()
{
    entry::FlexGrid grid;
    grid.setFontName(QStringLiteral("Serif"));
    grid.setFontSize(17);
    QCOMPARE(grid.font().family(), QStringLiteral("Serif"));
    QCOMPARE(grid.font().pointSizeF(), 17.0);
    grid.setFontSize(13);
    QCOMPARE(grid.font().family(), QStringLiteral("Serif"));
    QCOMPARE(grid.font().pointSizeF(), 13.0);
}

QTEST_MAIN(TestFlexGrid)
#include "test_flex_grid.moc"
