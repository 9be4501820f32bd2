#pragma once
// What the charts share: drawing one glyph code of the NQ font centred on its ink.

#include <QColor>
#include <QPainter>
#include <QRawFont>
#include <QRectF>

namespace charts {

// Draws `code` so that its ink (not its advance box) is centred in `area`: signs of zero
// width, which normally hang over the glyph before them, then sit in their own cell too.
void drawCodeCentred(QPainter& painter, const QRawFont& font, int code, const QRectF& area);

// A small Latin caption, e.g. the key or the code number.
void drawCaption(QPainter& painter, const QString& text, const QRectF& area, Qt::Alignment align,
                 int pixelSize, const QColor& color = QColor(90, 90, 90));

} // namespace charts
