#include "codec/JpegEncoder.h"

#include "codec/SnapshotImage.h"

#include <QImage>

#include <turbojpeg.h>

#include <limits>
#include <memory>
#include <new>

namespace codec {
namespace {

struct HandleDeleter {
    void operator()(void *handle) const { tjDestroy(handle); }
};
using CompressorHandle = std::unique_ptr<void, HandleDeleter>;

struct BufferDeleter {
    void operator()(unsigned char *buffer) const { tjFree(buffer); }
};
using JpegBuffer = std::unique_ptr<unsigned char, BufferDeleter>;

QByteArray compress(const unsigned char *pixels, int width, int pitch, int height, int pixelFormat, int flags,
                    int quality)
{
    if (quality < 1 || quality > 100)
        return {};
    CompressorHandle handle(tjInitCompress());
    if (!handle)
        return {};

    unsigned char *raw = nullptr;
    unsigned long size = 0;
    const int rc =
        tjCompress2(handle.get(), pixels, width, pitch, height, pixelFormat, &raw, &size, TJSAMP_444, quality, flags);
    JpegBuffer buffer(raw);
    if (rc != 0 || !buffer || size == 0 || size > static_cast<unsigned long>(std::numeric_limits<qsizetype>::max()))
        return {};
    try {
        return QByteArray(reinterpret_cast<const char *>(buffer.get()), qsizetype(size));
    } catch (const std::bad_alloc &) {
        return {};
    }
}

} // namespace

QByteArray encodeJpegFromSnapshot(QByteArrayView bmp, int quality)
{
    const std::optional<BmpLayout> layout = readSnapshotLayout(bmp);
    if (!layout)
        return {};
    const auto *pixels = reinterpret_cast<const unsigned char *>(bmp.data() + layout->pixelOffset);
    return compress(pixels, layout->width, layout->rowSize, layout->height, TJPF_BGR, TJFLAG_BOTTOMUP, quality);
}

QByteArray encodeJpeg(const QImage &picture, int quality)
{
    if (picture.isNull() || !snapshotSizeAllowed(picture.width(), picture.height()))
        return {};
    const QImage source = toSnapshotPixels(picture);
    if (source.isNull())
        return {};
    // A 32-bit QRgb lies in memory as B, G, R, A on the little-endian machines this runs on.
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    const auto pitch = source.bytesPerLine();
    if (pitch > qsizetype(std::numeric_limits<int>::max()))
        return {};
    return compress(source.constBits(), source.width(), int(pitch), source.height(), TJPF_BGRX, 0, quality);
}

} // namespace codec
