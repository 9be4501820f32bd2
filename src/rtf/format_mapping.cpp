#include "rtf/format_mapping.h"

#include "rtf/units.h"

#include <QColor>

namespace rtf {

QTextCharFormat toCharFormat(const CharProps& chars, const QString& family, const QColor& foreground,
                             const QColor& background, const QString& link)
{
    QTextCharFormat format;
    if (!family.isEmpty())
        format.setFontFamilies({family});
    format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.strike)
        format.setFontStrikeOut(true);
    if (chars.allCaps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (chars.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    switch (chars.underline) {
    case Underline::None: break;
    case Underline::Single: format.setUnderlineStyle(QTextCharFormat::SingleUnderline); break;
    case Underline::Dotted: format.setUnderlineStyle(QTextCharFormat::DotLine); break;
    case Underline::Dash: format.setUnderlineStyle(QTextCharFormat::DashUnderline); break;
    case Underline::DashDot: format.setUnderlineStyle(QTextCharFormat::DashDotLine); break;
    case Underline::DashDotDot: format.setUnderlineStyle(QTextCharFormat::DashDotDotLine); break;
    case Underline::Wave: format.setUnderlineStyle(QTextCharFormat::WaveUnderline); break;
    }
    if (chars.position == VerticalPosition::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.position == VerticalPosition::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (foreground.isValid())
        format.setForeground(foreground);
    if (background.isValid())
        format.setBackground(background);
    if (!link.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(link);
    }
    return format;
}

QTextBlockFormat toBlockFormat(const ParaProps& para)
{
    QTextBlockFormat format;
    switch (para.alignment) {
    case Alignment::Left: break;
    case Alignment::Center: format.setAlignment(Qt::AlignHCenter); break;
    case Alignment::Right: format.setAlignment(Qt::AlignRight | Qt::AlignAbsolute); break;
    case Alignment::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    if (para.leftIndent)
        format.setLeftMargin(para.leftIndent / kTwipsPerPixel);
    if (para.rightIndent)
        format.setRightMargin(para.rightIndent / kTwipsPerPixel);
    if (para.firstIndent)
        format.setTextIndent(para.firstIndent / kTwipsPerPixel);
    if (para.spaceBefore)
        format.setTopMargin(para.spaceBefore / kTwipsPerPixel);
    if (para.spaceAfter)
        format.setBottomMargin(para.spaceAfter / kTwipsPerPixel);
    if (para.lineSpacing < 0)
        format.setLineHeight(-double(para.lineSpacing) / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    else if (para.lineSpacing > 0 && para.lineMultiple)
        format.setLineHeight(para.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (para.lineSpacing > 0)
        format.setLineHeight(para.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    if (para.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (para.rightToLeft)
        format.setLayoutDirection(Qt::RightToLeft);
    applyTabStops(para.tabs, format);
    return format;
}

} // namespace rtf
