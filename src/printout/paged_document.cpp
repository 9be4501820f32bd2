#include "printout/paged_document.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>

namespace printout {
namespace {

// The resolution at which text formats give lengths in pixels: the primary screen's logical
// resolution, 96 when the application asks for it, and 100 without a screen, as Qt's text
// layout assumes.
int textFormatDpiY()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 100;
}

constexpr qreal kMinimumMarginMm = 10.0;
constexpr qreal kDefaultMarginMm = 20.0;

void ensureMargins(QPagedPaintDevice& device)
{
    const QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    const bool tooNarrow = margins.left() < kMinimumMarginMm || margins.top() < kMinimumMarginMm
        || margins.right() < kMinimumMarginMm || margins.bottom() < kMinimumMarginMm;
    if (tooNarrow) {
        const qreal m = kDefaultMarginMm;
        device.setPageMargins(QMarginsF(std::max(margins.left(), m), std::max(margins.top(), m),
                                        std::max(margins.right(), m), std::max(margins.bottom(), m)),
                              QPageLayout::Millimeter);
    }
}

} // namespace

bool paintPages(QTextDocument& document, QPagedPaintDevice& device)
{
    ensureMargins(device);
    QPageLayout pageLayout = device.pageLayout();
    const int resolution = device.logicalDpiY();
    const QRect paper = pageLayout.fullRectPixels(resolution);
    const QRect body = pageLayout.paintRectPixels(resolution);
    pageLayout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(pageLayout);

    QPainter painter;
    if (!painter.begin(&device))
        return false;

    document.documentLayout()->setPaintDevice(&device);
    // Frame margins are given at the default resolution; the layout scales them to the device.
    const qreal toLayout = qreal(textFormatDpiY()) / resolution;
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setLeftMargin((body.left() - paper.left()) * toLayout);
    frame.setTopMargin((body.top() - paper.top()) * toLayout);
    frame.setRightMargin((paper.right() - body.right()) * toLayout);
    frame.setBottomMargin((paper.bottom() - body.bottom()) * toLayout);
    document.rootFrame()->setFrameFormat(frame);
    const QRectF sheet(QPointF(0, 0), QSizeF(paper.size()));
    document.setPageSize(sheet.size());

    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            break;
        painter.save();
        const QRectF area = sheet.translated(0, page * sheet.height());
        painter.translate(0, -area.top());
        document.drawContents(&painter, area);
        painter.restore();
    }
    return painter.end();
}

} // namespace printout
