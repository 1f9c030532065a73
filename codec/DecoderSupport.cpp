#include "codec/DecoderSupport.h"

#include <utility>

namespace codec {

bool fitsLimits(QSize size, int bytesPerPixel, const DecodeLimits &limits)
{
    if (size.width() <= 0 || size.height() <= 0 || bytesPerPixel <= 0)
        return false;
    const qint64 pixels = qint64(size.width()) * size.height();
    return pixels <= limits.maxPixels && pixels * bytesPerPixel <= limits.maxFrameBytes;
}

QImage allocateFrame(QSize size, QImage::Format format, const DecodeLimits &limits)
{
    if (!fitsLimits(size, 4, limits))
        return {};
    return QImage(size, format); // null when the allocation failed
}

QImage toDisplayFormat(QImage image)
{
    const QImage::Format wanted = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() == wanted)
        return image;
    return std::move(image).convertToFormat(wanted);
}

DecodedPicture stillPicture(QImage frame)
{
    DecodedPicture picture;
    picture.frames.append(std::move(frame));
    picture.frameDelaysMs.append(0);
    return picture;
}

} // namespace codec
