#pragma once
// The keyboard layout as a picture: each key with its Shift glyph above its plain glyph.

#include <QImage>
#include <QRawFont>

namespace charts {

QImage keyboardChart(const QRawFont& font);

} // namespace charts
