#include "keyboard_chart.h"

#include "chart_painting.h"
#include "nq/glyph_table.h"

#include <QPainter>

namespace charts {
namespace {

constexpr int kKey = 72;        // key size in pixels
constexpr int kGap = 6;
constexpr int kMargin = 16;
constexpr int kTitle = 40;
constexpr int kGlyphPixels = 28;

// Each row of a US keyboard: the plain characters, then the shifted ones, and its indent.
struct KeyRow {
    const char* plain;
    const char* shifted;
    double indent;  // in keys
};
constexpr KeyRow kRows[] = {
    {"`1234567890-=", "~!@#$%^&*()_+", 0.0},
    {"qwertyuiop[]\\", "QWERTYUIOP{}|", 0.5},
    {"asdfghjkl;'", "ASDFGHJKL:\"", 0.75},
    {"zxcvbnm,./", "ZXCVBNM<>?", 1.25},
};

// The code a key stroke types, or -1: the table's key column says which.
int codeTyped(const QString& key)
{
    for (const nq::Glyph& g : nq::glyphTable()) {
        if (g.key == key)
            return g.code;
    }
    return -1;
}

int shiftedCode(QChar plain, QChar shifted)
{
    for (const QString& key : {QString(shifted), QStringLiteral("Shift+") + shifted.toUpper(),
                               QStringLiteral("Shift+") + plain}) {
        const int code = codeTyped(key);
        if (code >= 0)
            return code;
    }
    return -1;
}

} // namespace

QImage keyboardChart(const QRawFont& glyphFont)
{
    const int width = 2 * kMargin + int(13.5 * (kKey + kGap));
    const int height = kTitle + 2 * kMargin + 4 * (kKey + kGap);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRawFont font = glyphFont;
    font.setPixelSize(kGlyphPixels);

    drawCaption(painter, QStringLiteral("NQ keyboard: lower glyph = key, upper glyph = Shift + key"),
                QRectF(kMargin, 8, width - 2 * kMargin, kTitle - 8), Qt::AlignLeft | Qt::AlignVCenter, 18,
                Qt::black);
    for (int r = 0; r < 4; ++r) {
        const QString plain = QString::fromLatin1(kRows[r].plain);
        const QString shifted = QString::fromLatin1(kRows[r].shifted);
        for (int k = 0; k < plain.size(); ++k) {
            const QRectF key(kMargin + (kRows[r].indent + k) * (kKey + kGap),
                             kTitle + kMargin + r * (kKey + kGap), kKey, kKey);
            painter.setPen(QColor(150, 150, 150));
            painter.setBrush(QColor(246, 246, 246));
            painter.drawRoundedRect(key, 6, 6);
            const QRectF upper(key.left(), key.top(), key.width(), key.height() / 2);
            const QRectF lower(key.left(), key.center().y(), key.width(), key.height() / 2);
            const int plainCode = codeTyped(QString(plain[k]));
            const int shiftCode = shiftedCode(plain[k], shifted[k]);
            painter.setPen(QColor(20, 20, 120));
            if (shiftCode >= 0)
                drawCodeCentred(painter, font, shiftCode, upper.adjusted(12, 2, 0, 0));
            painter.setPen(Qt::black);
            if (plainCode >= 0)
                drawCodeCentred(painter, font, plainCode, lower.adjusted(12, 0, 0, -2));
            drawCaption(painter, QString(shifted[k]), upper.adjusted(4, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, 11);
            drawCaption(painter, QString(plain[k]), lower.adjusted(4, 0, 0, -3), Qt::AlignLeft | Qt::AlignBottom, 11);
        }
    }
    return image;
}

} // namespace charts
