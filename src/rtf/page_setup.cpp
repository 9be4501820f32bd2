#include "rtf/page_setup.h"

#include <QByteArray>
#include <QTextDocument>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace rtf {
namespace {

// The document's own property: a copy made by clone() or a new document has none.
constexpr char kPageLayoutProperty[] = "norvelinPageLayout";

// Qt keeps sizes in points as whole points; millimetres keep the twips.
constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;
constexpr int kLargestTwips = 31680 * 4;   // 88 inches: larger sizes are taken as errors

double millimetres(int twips) { return double(std::clamp(twips, 0, kLargestTwips)) / kTwipsPerMillimetre; }
int twips(double millimetres) { return int(std::lround(millimetres * kTwipsPerMillimetre)); }

} // namespace

QPageLayout pageLayoutOf(const PageWords& words)
{
    const int width = words.paperWidth > 0 ? words.paperWidth : 12240;
    const int height = words.paperHeight > 0 ? words.paperHeight : 15840;
    // \paperw and \paperh give the sheet as it lies; \landscape says it is turned.
    QSizeF portrait(millimetres(width), millimetres(height));
    if (portrait.width() > portrait.height())
        portrait.transpose();
    const QPageLayout::Orientation orientation =
        words.landscape || width > height ? QPageLayout::Landscape : QPageLayout::Portrait;
    const QMarginsF margins(millimetres(words.marginLeft > 0 ? words.marginLeft : 1800),
                            millimetres(words.marginTop > 0 ? words.marginTop : 1440),
                            millimetres(words.marginRight > 0 ? words.marginRight : 1800),
                            millimetres(words.marginBottom > 0 ? words.marginBottom : 1440));
    QPageLayout layout(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::ExactMatch), orientation,
                       QMarginsF(), QPageLayout::Millimeter);
    layout.setMargins(margins);
    return layout;
}

std::optional<QPageLayout> pageLayoutOf(const QTextDocument& document)
{
    const QVariant value = document.property(kPageLayoutProperty);
    if (!value.canConvert<QPageLayout>())
        return std::nullopt;
    const QPageLayout layout = value.value<QPageLayout>();
    return layout.isValid() ? std::optional(layout) : std::nullopt;
}

void setPageLayout(QTextDocument& document, const QPageLayout& layout)
{
    document.setProperty(kPageLayoutProperty, QVariant::fromValue(layout));
}

void clearPageLayout(QTextDocument& document)
{
    document.setProperty(kPageLayoutProperty, QVariant());
}

QByteArray pageWords(const QPageLayout& layout)
{
    const QRectF sheet = layout.fullRect(QPageLayout::Millimeter);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    QByteArray words = "\\paperw" + QByteArray::number(twips(sheet.width())) + "\\paperh"
        + QByteArray::number(twips(sheet.height())) + "\\margl" + QByteArray::number(twips(margins.left())) + "\\margr"
        + QByteArray::number(twips(margins.right())) + "\\margt" + QByteArray::number(twips(margins.top())) + "\\margb"
        + QByteArray::number(twips(margins.bottom()));
    if (layout.orientation() == QPageLayout::Landscape)
        words += "\\landscape";
    return words;
}

} // namespace rtf
