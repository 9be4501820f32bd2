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
    grid.setColumnTotal(32);
    grid.setRowTotal(6);
    for (int c = 0; c < 32; ++c)
        grid.setColumnWidthTwips(c, 300);
    for (int r = 0; r < 6; ++r)
        grid.setRowHeightTwips(r, 300);
    const int pixels = platform::twipsToPixels(300);
    QCOMPARE(grid.columnWidth(0), pixels);
    QCOMPARE(grid.columnWidth(31), pixels);
    QCOMPARE(grid.rowHeight(5), pixels);
    QCOMPARE(grid.columnWidthTwips(7), platform::pixelsToTwips(pixels));
    // Even a very narrow column keeps its width.
    grid.setColumnWidthTwips(3, 60);
    QCOMPARE(grid.columnWidth(3), platform::twipsToPixels(60));
}

void TestFlexGrid::currentCellCarriesTextColourAndAlignment()
{
    entry::FlexGrid grid;
    grid.setColumnTotal(4);
    grid.setRowTotal(3);
    grid.setCurrentCellRow(2);
    grid.setCurrentCellColumn(1);
    grid.setCellText(QStringLiteral("x"));
    grid.setCellBackground(QColor(1, 2, 3));
    grid.setCellAlignment(Qt::AlignCenter);
    // Row then Col: only (2, 1) was touched.
    QCOMPARE(grid.textAt(2, 1), QStringLiteral("x"));
    QCOMPARE(grid.backColorAt(2, 1), QColor(1, 2, 3));
    QCOMPARE(grid.alignmentAt(2, 1), Qt::AlignHCenter | Qt::AlignVCenter);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            if (r != 2 || c != 1)
                QVERIFY(grid.textAt(r, c).isEmpty() && !grid.backColorAt(r, c).isValid());
    QCOMPARE(grid.cellText(), QStringLiteral("x"));
    // Moving the row keeps the column.
    grid.setCurrentCellRow(0);
    QCOMPARE(grid.currentCellColumn(), 1);
    QVERIFY(grid.cellText().isEmpty());
    // Out-of-range positions are ignored rather than writing elsewhere.
    grid.setCurrentCellRow(9);
    QCOMPARE(grid.currentCellRow(), 0);
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
    grid.setCurrentCellRow(1);
    grid.setCurrentCellColumn(1);
    grid.setCellAlignment(Qt::Alignment(qt));
    QCOMPARE(int(grid.alignmentAt(1, 1)), qt);
    QCOMPARE(int(grid.cellAlignment()), qt);
    QCOMPARE(int(grid.alignmentAt(0, 0)), int(Qt::AlignLeft | Qt::AlignVCenter)); // untouched
}

void TestFlexGrid::clickMakesTheCellCurrent()
{
    entry::FlexGrid grid;
    grid.setColumnTotal(5);
    grid.setRowTotal(3);
    grid.setCurrentCellRow(1);
    grid.setCurrentCellColumn(3);
    grid.setCellText(QStringLiteral("k"));
    grid.setCurrentCellRow(0);
    grid.setCurrentCellColumn(0);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy clicks(&grid, &entry::FlexGrid::cellChosen);
    QString seen;
    connect(&grid, &entry::FlexGrid::cellChosen, this, [&] { seen = grid.cellText(); });
    const QRect cell = grid.visualRect(grid.model()->index(1, 3));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(grid.currentCellRow(), 1);
    QCOMPARE(grid.currentCellColumn(), 3);
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
