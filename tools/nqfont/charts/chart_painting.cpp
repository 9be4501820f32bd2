#include "chart_painting.h"

#include "nq/glyph_code.h"

#include <QGlyphRun>
#include <QPainterPath>

namespace charts {

void drawCodeCentred(QPainter& painter, const QRawFont& font, int code, const QRectF& area)
{
    const auto glyphs = font.glyphIndexesForString(QString(nq::toChar(static_cast<unsigned char>(code))));
    if (glyphs.size() != 1 || glyphs.first() == 0)
        return;
    const QRectF ink = font.pathForGlyph(glyphs.first()).boundingRect();
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(glyphs);
    run.setPositions({QPointF(0, 0)});
    painter.drawGlyphRun(area.center() - ink.center(), run);
}

void drawCaption(QPainter& painter, const QString& text, const QRectF& area, Qt::Alignment align,
                 int pixelSize, const QColor& color)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(area, int(align), text);
    painter.restore();
}

} // namespace charts
