#pragma once
// The palette as a picture: its 6 x 32 cells in their block colours, each with its glyph
// and code, as the glyph table places them.

#include <QImage>
#include <QRawFont>

namespace charts {

QImage paletteChart(const QRawFont& font);

} // namespace charts
