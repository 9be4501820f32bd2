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

// The widest window, in logical pixels, that fits the screen's device pixels: at a
// fractional scale Qt rounds the screen's logical width up (1600 px at 1.5 gives 1067,
// which is 1601 device pixels).
int fittingWidth(int logicalScreenWidth, double devicePixelRatio);
int screenFittingWidth();

} // namespace platform
