#include "window/toolbar_style.h"

namespace window {

int FlushToolbarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const
{
    switch (metric) {
    case PM_ToolBarFrameWidth:
    case PM_ToolBarItemMargin:
    case PM_ToolBarItemSpacing:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace window
