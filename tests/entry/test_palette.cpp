// The palette table against the glyph table, `coloring`, the key map and what a palette
// cell inserts.

#include "entry/flex_grid.h"
#include "entry/keyboard_input.h"
#include "entry/palette.h"
#include "entry/palette_insertion.h"
#include "nq/glyph_code.h"
#include "nq/glyph_table.h"

#include <QMap>
#include <QSet>
#include <QtTest>

using entry::kPaletteCols;
using entry::kPaletteRows;

class TestPalette : public QObject {
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void matchesGlyphTable();
    void codeAndColourCounts();
    void codesNotOffered();
    void coloringFillsEveryCell();
    void typedKeys_data();
    void typedKeys();
    void insertion_data();
    void insertion();
};

static QColor rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}

void TestPalette::cells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("code");
    QTest::addColumn<QColor>("colour");

    const QColor blue = rgb(200, 227, 255), mauve = rgb(225, 200, 227), violet = rgb(227, 200, 255),
                 mint = rgb(200, 255, 227), peach = rgb(255, 227, 200), lime = rgb(227, 255, 200);
    QTest::newRow("first cell") << 0 << 0 << 65 << blue;
    QTest::newRow("typed C's code still offered") << 0 << 2 << 67 << blue;
    QTest::newRow("typed D's code still offered") << 0 << 3 << 68 << blue;
    QTest::newRow("moved into block 6's rectangle") << 0 << 10 << 75 << blue;
    QTest::newRow("block 6 starts after it") << 0 << 11 << 48 << lime;
    QTest::newRow("block 1 last") << 4 << 9 << 121 << blue;
    QTest::newRow("block 2 first") << 5 << 0 << 33 << mauve;
    QTest::newRow("block 2 last") << 5 << 13 << 125 << mauve;
    QTest::newRow("empty cell") << 2 << 13 << 0 << blue;
    QTest::newRow("block 7 row 0") << 0 << 14 << 35 << blue;
    QTest::newRow("digit 9") << 2 << 12 << 57 << lime;
    QTest::newRow("C's glyph") << 3 << 13 << 162 << peach;
    QTest::newRow("D's glyph") << 3 << 14 << 163 << peach;
    QTest::newRow("private-use code") << 4 << 10 << 173 << peach;
    QTest::newRow("block 8") << 5 << 14 << 95 << lime;
    QTest::newRow("96 once") << 5 << 15 << 96 << lime;
    QTest::newRow("96 twice") << 5 << 16 << 96 << lime;
    QTest::newRow("96 thrice") << 5 << 17 << 96 << lime;
    QTest::newRow("block 3 first") << 0 << 18 << 130 << violet;
    QTest::newRow("line-break marker") << 5 << 25 << 255 << violet;
    QTest::newRow("moved into block 3's rectangle") << 5 << 26 << 219 << mint;
    QTest::newRow("block 3 row 0 end") << 0 << 26 << 139 << violet;
    QTest::newRow("block 4 first") << 0 << 27 << 166 << mint;
    QTest::newRow("last cell") << 5 << 31 << 216 << mint;
}

void TestPalette::cells()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, code);
    QFETCH(QColor, colour);
    QCOMPARE(entry::paletteCode(row, col), code);
    QCOMPARE(entry::blockColor(entry::paletteBlock(row, col)), colour);
    // Red in the lowest byte.
    const quint32 value = entry::blockColorValue(entry::paletteBlock(row, col));
    QCOMPARE(int(value & 0xFF), colour.red());
    QCOMPARE(int(value >> 16), colour.blue());
}

void TestPalette::matchesGlyphTable()
{
    // Every cell the glyph table places must hold that code in that block, and every
    // cell of the palette must be placed by exactly one row of the glyph table.
    QMap<QPair<int, int>, QPair<int, int>> placed; // (row, col) -> (code, block)
    for (const nq::Glyph& glyph : nq::glyphTable()) {
        for (const QPoint& cell : glyph.cells) {
            const auto at = qMakePair(cell.y(), cell.x());
            QVERIFY2(!placed.contains(at), qPrintable(QStringLiteral("cell %1,%2 placed twice")
                                                          .arg(cell.y()).arg(cell.x())));
            placed.insert(at, qMakePair(glyph.code, glyph.block));
        }
    }
    QCOMPARE(placed.size(), 191);
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int col = 0; col < kPaletteCols; ++col) {
            const auto at = qMakePair(row, col);
            const int code = entry::paletteCode(row, col);
            if (code == 0) {
                QVERIFY2(!placed.contains(at), "the empty cell is placed by the glyph table");
                continue;
            }
            QVERIFY2(placed.contains(at),
                     qPrintable(QStringLiteral("cell %1,%2 missing from the glyph table").arg(row).arg(col)));
            QCOMPARE(placed[at].first, code);
            // The table gives one block per glyph; a glyph in two blocks lists both.
            const nq::Glyph* glyph = nq::glyphFor(code);
            QVERIFY(glyph);
            if (glyph->cells.size() == 1)
                QCOMPARE(glyph->block, entry::paletteBlock(row, col));
        }
    }
}

void TestPalette::codeAndColourCounts()
{
    int filled = 0;
    QSet<int> distinct;
    QMap<quint32, int> perColour;
    QMap<int, int> perCode;
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int col = 0; col < kPaletteCols; ++col) {
            const int code = entry::paletteCode(row, col);
            if (code) {
                ++filled;
                distinct.insert(code);
                ++perCode[code];
                QVERIFY(code >= 33 && code <= 255);
            }
            const int block = entry::paletteBlock(row, col);
            QVERIFY2(block >= 1 && block <= 8, "every cell belongs to a block");
            ++perColour[entry::blockColorValue(block)];
        }
    }
    QCOMPARE(filled, 191);
    QCOMPARE(distinct.size(), 188);
    QCOMPARE(perCode[36], 2);
    QCOMPARE(perCode[96], 3);
    auto count = [&](int r, int g, int b) { return perColour.value(quint32(r | g << 8 | b << 16)); };
    QCOMPARE(count(200, 227, 255), 64);
    QCOMPARE(count(227, 200, 255), 53);
    QCOMPARE(count(200, 255, 227), 31);
    QCOMPARE(count(255, 227, 200), 16);
    QCOMPARE(count(225, 200, 227), 14);
    QCOMPARE(count(227, 255, 200), 14);
    QCOMPARE(perColour.size(), 6);
}

void TestPalette::codesNotOffered()
{
    const QSet<int> missing = {38, 42, 64, 124, 127, 128, 129, 138, 141, 142, 143, 144,
                               149, 157, 158, 160, 164, 167, 170, 172, 174, 176, 194, 198,
                               204, 205, 206, 207, 208, 217, 221, 222, 223, 226, 237};
    QSet<int> offered;
    for (int row = 0; row < kPaletteRows; ++row)
        for (int col = 0; col < kPaletteCols; ++col)
            if (const int code = entry::paletteCode(row, col))
                offered.insert(code);
    for (int code = 33; code <= 255; ++code)
        QCOMPARE(offered.contains(code), !missing.contains(code));
}

void TestPalette::coloringFillsEveryCell()
{
    entry::FlexGrid grid;
    grid.setColumnTotal(kPaletteCols);
    grid.setRowTotal(kPaletteRows);
    entry::coloring(grid);
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int col = 0; col < kPaletteCols; ++col) {
            const int code = entry::paletteCode(row, col);
            const QString expected = code ? QString(nq::toChar(uchar(code))) : QString();
            QCOMPARE(grid.textAt(row, col), expected);
            QCOMPARE(grid.backColorAt(row, col), entry::blockColor(entry::paletteBlock(row, col)));
        }
    }
    // The cell last visited is block 8's last one.
    QCOMPARE(grid.currentCellRow(), 5);
    QCOMPARE(grid.currentCellColumn(), 17);
}

void TestPalette::typedKeys_data()
{
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("inserted");
    QTest::newRow("C") << 67 << 162;
    QTest::newRow("D") << 68 << 163;
    QTest::newRow("c") << 99 << 99;
    QTest::newRow("d") << 100 << 100;
    QTest::newRow("B") << 66 << 66;
    QTest::newRow("E") << 69 << 69;
    QTest::newRow("162 itself") << 162 << 162;
    QTest::newRow("255") << 255 << 255;
}

void TestPalette::typedKeys()
{
    QFETCH(int, typed);
    QFETCH(int, inserted);
    QCOMPARE(entry::mapTypedKey(typed), inserted);
}

void TestPalette::insertion_data()
{
    QTest::addColumn<QString>("cellText");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<bool>("lineBreak");
    const QString lf = QStringLiteral("\n");
    QTest::newRow("glyph") << QString(nq::toChar(65)) << QStringLiteral("A") << false;
    QTest::newRow("high glyph") << QString(nq::toChar(200)) << QString(nq::toChar(200)) << false;
    QTest::newRow("private-use glyph") << QString(nq::toChar(173)) << QString(nq::toChar(173)) << false;
    QTest::newRow("blanks trimmed") << QStringLiteral("  A ") << QStringLiteral("A") << false;
    QTest::newRow("marker") << QString(nq::toChar(255)) << lf << true;
    QTest::newRow("marker with blanks") << QStringLiteral(" \u00FF ") << lf << true;
    QTest::newRow("empty cell") << QString() << lf << true;
    QTest::newRow("blank cell") << QStringLiteral("   ") << lf << true;
    QTest::newRow("marker not first") << QStringLiteral("A\u00FF") << QStringLiteral("A\u00FF") << false;
}

void TestPalette::insertion()
{
    QFETCH(QString, cellText);
    QFETCH(QString, inserted);
    QFETCH(bool, lineBreak);
    const entry::PaletteInsertion result = entry::insertionFor(cellText);
    QCOMPARE(result.text, inserted);
    QCOMPARE(result.lineBreak, lineBreak);
}

QTEST_MAIN(TestPalette)
#include "test_palette.moc"
