#include "palette_chart.h"

#include "chart_painting.h"
#include "nq/glyph_table.h"

#include <QPainter>

namespace charts {
namespace {

constexpr int kCell = 48;
constexpr int kMargin = 16;
constexpr int kTitle = 40;
constexpr int kGlyphPixels = 26;
constexpr int kRows = 6;
constexpr int kColumns = 32;

// The palette's block colours (blocks 1 to 8).
QColor blockColour(int block)
{
    static const QColor colours[] = {QColor(255, 255, 255), QColor(200, 227, 255), QColor(225, 200, 227),
                                     QColor(227, 200, 255), QColor(200, 255, 227), QColor(255, 227, 200),
                                     QColor(227, 255, 200), QColor(200, 227, 255), QColor(227, 255, 200)};
    return block >= 1 && block <= 8 ? colours[block] : colours[0];
}

} // namespace

QImage paletteChart(const QRawFont& glyphFont)
{
    QImage image(2 * kMargin + kColumns * kCell, kTitle + 2 * kMargin + kRows * kCell, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRawFont font = glyphFont;
    font.setPixelSize(kGlyphPixels);

    drawCaption(painter, QStringLiteral("NQ palette: glyph and code of each cell (click inserts it; ↵ inserts a line break)"),
                QRectF(kMargin, 8, image.width() - 2 * kMargin, kTitle - 8), Qt::AlignLeft | Qt::AlignVCenter,
                18, Qt::black);
    const auto cellRect = [](QPoint cell) {
        return QRectF(kMargin + cell.x() * kCell, kTitle + kMargin + cell.y() * kCell, kCell, kCell);
    };
    // The one empty cell carries block 7's colour.
    painter.fillRect(cellRect(QPoint(13, 2)), blockColour(7));
    for (const nq::Glyph& g : nq::glyphTable()) {
        for (int i = 0; i < g.cells.size(); ++i) {
            const QRectF rect = cellRect(g.cells[i]);
            painter.fillRect(rect, blockColour(g.blocks.value(i)));
            painter.setPen(Qt::black);
            drawCodeCentred(painter, font, g.code, rect.adjusted(0, 0, 0, -10));
            drawCaption(painter, QString::number(g.code), rect.adjusted(0, 0, -3, -1),
                        Qt::AlignRight | Qt::AlignBottom, 9);
        }
    }
    painter.setPen(QColor(160, 160, 160));
    for (int r = 0; r <= kRows; ++r)
        painter.drawLine(QPointF(kMargin, kTitle + kMargin + r * kCell),
                         QPointF(kMargin + kColumns * kCell, kTitle + kMargin + r * kCell));
    for (int c = 0; c <= kColumns; ++c)
        painter.drawLine(QPointF(kMargin + c * kCell, kTitle + kMargin),
                         QPointF(kMargin + c * kCell, kTitle + kMargin + kRows * kCell));
    return image;
}

} // namespace charts
