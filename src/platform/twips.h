#pragma once
// Lengths in twips (1/1440 inch) <-> pixels at the screen's logical DPI.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace platform {

constexpr double kTwipsPerInch = 1440.0;

// The logical DPI of the primary screen (96 when there is none).
double screenDpi();

int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

// x/y/width/height given in twips.
QRect twipsRect(double left, double top, double width, double height);
QSize twipsSize(double width, double height);

// The primary screen's size in twips.
double screenWidthTwips();
double screenHeightTwips();

} // namespace platform
