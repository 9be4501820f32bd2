#include "rtf/reader_pictures.h"

#include "rtf/document_builder.h"
#include "rtf/hex_digit.h"
#include "rtf/picture_properties.h"
#include "rtf/reader_body.h"
#include "rtf/rtf.h"
#include "rtf/tokenizer.h"
#include "rtf/units.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextImageFormat>

#include <algorithm>
#include <cmath>
#include <limits>

namespace rtf {
namespace {

// What decoding the picture would allocate, from its header alone. Qt unpacks grey,
// palette and 1-bit pictures into 32 bits a pixel (the header's depth is their file's),
// and 16-bit ones into up to 64.
qint64 decodedBytes(const QImageReader& reader)
{
    const QSize size = reader.size();
    int depth = 32;
    if (reader.imageFormat() != QImage::Format_Invalid)
        depth = std::max(32, int(QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel()));
    return qint64(size.width()) * (depth / 8) * size.height();
}

// The most Qt may allocate for it in any format it decodes into (64 bits a pixel).
qint64 mostDecodedBytes(const QImageReader& reader)
{
    const QSize size = reader.size();
    return qint64(size.width()) * 8 * size.height();
}

double clampedPixels(double pixels) { return std::clamp(pixels, 1.0, kMaxPicturePixels); }

} // namespace

bool Pictures::word(Cmd cmd, const Token& token)
{
    const int p = token.param;
    switch (cmd) {
    case Cmd::PicWidthGoal: picture_.widthGoal = std::max(0, p); return true;
    case Cmd::PicHeightGoal: picture_.heightGoal = std::max(0, p); return true;
    case Cmd::PicScaleX: picture_.scaleX = std::clamp(p, 1, 10000); return true;
    case Cmd::PicScaleY: picture_.scaleY = std::clamp(p, 1, 10000); return true;
    case Cmd::PngBlip:
    case Cmd::JpegBlip: picture_.usable = true; break;
    case Cmd::OtherBlip:
        picture_.usable = false;
        picture_.metafile = token.text.ends_with("metafile") || token.text == "emfblip";
        break;
    case Cmd::PicWidth: picture_.width = std::max(0, p); break;
    case Cmd::PicHeight: picture_.height = std::max(0, p); break;
    default: break;
    }
    // The rest of the group's words describe the data; a picture kept as read needs them.
    if (picture_.header.size() < 4096) {
        picture_.header.append('\\');
        picture_.header.append(token.text.data(), qsizetype(token.text.size()));
        if (token.hasParam)
            picture_.header.append(QByteArray::number(p));
    }
    return true;
}

void Pictures::text(std::string_view bytes)
{
    for (char c : bytes) {
        const int nibble = hexDigitValue(c);
        if (nibble < 0)
            continue;
        if (picture_.pendingNibble < 0) {
            picture_.pendingNibble = nibble;
        } else {
            picture_.bytes.append(char(picture_.pendingNibble * 16 + nibble));
            picture_.pendingNibble = -1;
        }
    }
}

void Pictures::binary(std::string_view bytes)
{
    picture_.bytes.append(bytes.data(), qsizetype(bytes.size()));
}

void Pictures::groupClosed(GroupState& parent)
{
    // Inside a shape's instructions only the shape's own picture gets this far.
    if (parent.destination == Destination::Body || parent.destination == Destination::Shape)
        finish();
}

void Pictures::finish()
{
    Picture picture = std::move(picture_);
    picture_ = Picture{};
    if (picture.bytes.isEmpty())
        return;
    QImage image;
    QSize pixels;  // the picture's own size, when its header tells it
    if (picture.usable) {
        QBuffer buffer(&picture.bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        pixels = reader.size();
        // Known before decoding: a small file may unpack into gigabytes.
        const qint64 cost = pixels.isValid() ? decodedBytes(reader) : 0;
        if (pixels.isValid() && cost <= budgetLeft_) {
            // Qt's own limit, in whole megabytes, must not refuse what the budget allows;
            // what it took is counted against the budget below.
            const qint64 most = std::max(cost, mostDecodedBytes(reader));
            reader.setAllocationLimit(int(std::min<qint64>(most / (1 << 20) + 2, std::numeric_limits<int>::max())));
            image = reader.read();
        }
        if (!image.isNull())
            budgetLeft_ -= std::max(cost, qint64(image.sizeInBytes()));
        else if (pixels.isValid() && cost > budgetLeft_)
            ++notes_->picturesOverBudget;
        else
            ++notes_->picturesUndecodable;
    } else {
        ++notes_->picturesUndecodable;
    }

    // Shown size: the goal, else the picture's own size; then the scale.
    QSizeF own(image.isNull() ? pixels : image.size());
    if (own.isEmpty() && picture.width > 0 && picture.height > 0) {
        own = QSizeF(picture.width, picture.height);
        if (picture.metafile)
            own *= 96.0 / 2540.0;  // 0.01 mm
    }
    if (own.isEmpty())
        own = QSizeF(96, 96);
    const double width = (picture.widthGoal > 0 ? picture.widthGoal / kTwipsPerPixel : own.width()) * picture.scaleX / 100.0;
    const double height = (picture.heightGoal > 0 ? picture.heightGoal / kTwipsPerPixel : own.height()) * picture.scaleY / 100.0;

    QTextImageFormat format;
    format.setWidth(clampedPixels(width));
    format.setHeight(clampedPixels(height));
    if (image.isNull()) {
        format.setName(placeholderImage(QSizeF(format.width(), format.height())));
        format.setProperty(kPictureData, picture.bytes);
        format.setProperty(kPictureHeader, picture.header);
    } else {
        format.setName(builder_.addImage(image));
    }
    body_.insertImage(format);
}

QString Pictures::placeholderImage(QSizeF size)
{
    // Small and scaled up when drawn, so that placeholders cost next to nothing; shared
    // between pictures of the same proportions.
    const double scale = 48.0 / std::max(size.width(), size.height());
    const QSize pixels(std::max(8, int(std::lround(size.width() * scale))),
                       std::max(8, int(std::lround(size.height() * scale))));
    const quint32 key = quint32(pixels.width()) << 16 | quint32(pixels.height());
    if (const auto found = placeholders_.constFind(key); found != placeholders_.cend())
        return *found;
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(QColor(0xe4, 0xe4, 0xe4));
    QPainter painter(&image);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, 0, pixels.width() - 1, pixels.height() - 1);
    painter.drawLine(0, 0, pixels.width() - 1, pixels.height() - 1);
    painter.drawLine(0, pixels.height() - 1, pixels.width() - 1, 0);
    painter.end();
    const QString name = builder_.addImage(image);
    placeholders_.insert(key, name);
    return name;
}

} // namespace rtf
