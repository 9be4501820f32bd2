#pragma once
// Helpers shared by the RTF tests: reading into a fresh document, and a plain description
// of a document's effective formatting that two documents can be compared by.

#include "rtf/failure_text.h"
#include "rtf/rtf.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include <memory>

namespace rtf_test {

struct ReadResult {
    std::unique_ptr<QTextDocument> document = std::make_unique<QTextDocument>();
    std::optional<rtf::Failure> error;
};

inline ReadResult readRtf(const QByteArray& data, const QFont& defaultFont = QFont(QStringLiteral("Times New Roman"), 18))
{
    ReadResult result;
    result.document->setDefaultFont(defaultFont);
    result.error = rtf::read(data, *result.document);
    return result;
}

inline QString familyOf(const QTextCharFormat& format, const QFont& fallback)
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    const QString family = format.stringProperty(QTextFormat::FontFamily);
    return family.isEmpty() ? fallback.family() : family;
}

inline double sizeOf(const QTextCharFormat& format, const QFont& fallback)
{
    return format.fontPointSize() > 0 ? format.fontPointSize() : fallback.pointSizeF();
}

// The text with paragraphs joined by \n, keeping what toPlainText() would turn into spaces
// or newlines (U+00A0, U+2028).
inline QString rawText(const QTextDocument& document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks << block.text();
    return blocks.join(u'\n');
}

// One line per property set a run shows, e.g. "NQ 18 b i u1 s fg#ff0000 bg#ffff00 super".
inline QString describeChars(const QTextCharFormat& f, const QFont& fallback)
{
    if (f.isImageFormat()) {
        const QTextImageFormat image = f.toImageFormat();
        return QStringLiteral("image %1x%2").arg(image.width()).arg(image.height());
    }
    QStringList parts{familyOf(f, fallback), QString::number(sizeOf(f, fallback))};
    if (f.fontWeight() >= QFont::Bold) parts << QStringLiteral("b");
    if (f.fontItalic()) parts << QStringLiteral("i");
    if (f.underlineStyle() != QTextCharFormat::NoUnderline) parts << QStringLiteral("u%1").arg(int(f.underlineStyle()));
    if (f.fontStrikeOut()) parts << QStringLiteral("s");
    if (f.foreground().style() != Qt::NoBrush) parts << QStringLiteral("fg") + f.foreground().color().name();
    if (f.background().style() != Qt::NoBrush) parts << QStringLiteral("bg") + f.background().color().name();
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) parts << QStringLiteral("super");
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) parts << QStringLiteral("sub");
    if (f.isAnchor()) parts << QStringLiteral("href=") + f.anchorHref();
    return parts.join(u' ');
}

inline QString describeBlock(const QTextBlockFormat& f)
{
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    const char* align = (a & Qt::AlignHCenter) ? "center" : (a & Qt::AlignRight) ? "right" : (a & Qt::AlignJustify) ? "justify" : "left";
    return QStringLiteral("%1 li%2 ri%3 fi%4 sb%5 sa%6 lh%7/%8%9")
        .arg(QLatin1String(align))
        .arg(f.leftMargin()).arg(f.rightMargin()).arg(f.textIndent()).arg(f.topMargin()).arg(f.bottomMargin())
        .arg(f.lineHeight()).arg(f.lineHeightType())
        .arg((f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) ? QStringLiteral(" pagebreak") : QString());
}

// The whole document: per paragraph its format, then its runs (adjacent equal runs merged)
// with their text, characters outside printable ASCII as \x{hhhh}.
inline QStringList describe(const QTextDocument& document)
{
    const QFont fallback = document.defaultFont();
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        lines << QStringLiteral("paragraph ") + describeBlock(block.blockFormat());
        QString lastProps;
        QString text;
        const auto flush = [&] {
            if (!text.isEmpty())
                lines << QStringLiteral("  [%1] %2").arg(lastProps, text);
            text.clear();
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString props = describeChars(fragment.charFormat(), fallback);
            if (props != lastProps)
                flush();
            lastProps = props;
            for (QChar ch : fragment.text()) {
                if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F)
                    text += ch;
                else
                    text += QStringLiteral("\\x{%1}").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
            }
        }
        flush();
    }
    return lines;
}

// A one-colour picture of the size given, in `format` ("PNG", "JPEG").
inline QByteArray imageBytes(int width, int height, const char* format = "PNG")
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline QByteArray pngBytes(int width, int height) { return imageBytes(width, height, "PNG"); }
inline QByteArray jpegBytes(int width, int height) { return imageBytes(width, height, "JPEG"); }

} // namespace rtf_test
