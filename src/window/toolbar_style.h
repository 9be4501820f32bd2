#pragma once
// The tool bar's geometry: buttons of a fixed size side by side from the bar's left edge,
// as on the design, whatever margins and spacing the desktop's style gives tool bars.

#include <QProxyStyle>

namespace window {

class FlushToolbarStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace window
