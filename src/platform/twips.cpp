#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform {

double screenDpi()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInchX();
    return 96.0;
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips * screenDpi() / kTwipsPerInch));
}

double pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerInch / screenDpi();
}

QRect twipsRect(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QSize twipsSize(double width, double height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

double screenWidthTwips()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return pixelsToTwips(screen->geometry().width());
    return 0;
}

int fittingWidth(int logicalScreenWidth, double devicePixelRatio)
{
    if (devicePixelRatio <= 0)
        return logicalScreenWidth;
    const double devicePixels = std::floor(logicalScreenWidth * devicePixelRatio + 1e-9);
    return int(std::floor(devicePixels / devicePixelRatio + 1e-9));
}

int screenFittingWidth()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return fittingWidth(screen->geometry().width(), screen->devicePixelRatio());
    return 0;
}

double screenHeightTwips()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return pixelsToTwips(screen->geometry().height());
    return 0;
}

} // namespace platform
