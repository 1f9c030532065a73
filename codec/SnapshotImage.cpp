#include "codec/SnapshotImage.h"

#include <QImage>
#include <QRgb>
#include <QtEndian>

#include <cstring>
#include <limits>
#include <new>

namespace codec {
namespace {

qint64 fileSizeFor(int width, int height)
{
    return kBmpHeaderSize + bmpRowSize(width) * height;
}

void writeHeaders(char *out, int width, int height)
{
    const auto imageSize = quint32(bmpRowSize(width) * height);
    std::memset(out, 0, kBmpHeaderSize);
    out[0] = 'B';
    out[1] = 'M';
    qToLittleEndian<quint32>(quint32(kBmpHeaderSize) + imageSize, out + 2);
    qToLittleEndian<quint32>(quint32(kBmpHeaderSize), out + 10);
    qToLittleEndian<quint32>(40, out + 14);
    qToLittleEndian<quint32>(quint32(width), out + 18);
    qToLittleEndian<quint32>(quint32(height), out + 22);
    qToLittleEndian<quint16>(1, out + 26);
    qToLittleEndian<quint16>(24, out + 28);
    qToLittleEndian<quint32>(imageSize, out + 34);
}

} // namespace

bool snapshotSizeAllowed(int width, int height)
{
    if (width <= 0 || height <= 0)
        return false;
    if (qint64(width) * height > kMaxSnapshotPixels)
        return false;
    return fileSizeFor(width, height) <= qint64(std::numeric_limits<quint32>::max());
}

QImage toSnapshotPixels(const QImage &picture)
{
    if (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32_Premultiplied)
        return picture;
    // Premultiplied colour is the colour over black; plain ARGB32 to RGB32 would keep the
    // colour of fully transparent pixels instead.
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

SnapshotImage encodeSnapshot(const QImage &picture)
{
    if (picture.isNull() || !snapshotSizeAllowed(picture.width(), picture.height()))
        return {};

    const QImage source = toSnapshotPixels(picture);
    if (source.isNull())
        return {};

    const int width = source.width();
    const int height = source.height();
    const auto rowSize = qsizetype(bmpRowSize(width));
    const qsizetype padding = rowSize - qsizetype(3) * width;

    SnapshotImage bmp;
    try {
        bmp = SnapshotImage(qsizetype(fileSizeFor(width, height)), Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        return {};
    }
    char *out = bmp.data();
    writeHeaders(out, width, height);

    char *row = out + kBmpHeaderSize;
    for (int y = height - 1; y >= 0; --y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        char *px = row;
        int x = 0;
        // Four pixels at a time as three words: B0G0R0B1 G1R1B2G2 R2B3G3R3 in memory.
        static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
        for (; x + 4 <= width; x += 4) {
            const quint32 p0 = in[x], p1 = in[x + 1], p2 = in[x + 2], p3 = in[x + 3];
            const quint64 low =
                quint64((p0 & 0xffffffu) | (p1 << 24)) | (quint64(((p1 >> 8) & 0xffffu) | (p2 << 16)) << 32);
            const quint32 high = ((p2 >> 16) & 0xffu) | (p3 << 8);
            std::memcpy(px, &low, sizeof low);
            std::memcpy(px + sizeof low, &high, sizeof high);
            px += 12;
        }
        for (; x < width; ++x) {
            const QRgb p = in[x];
            px[0] = char(qBlue(p));
            px[1] = char(qGreen(p));
            px[2] = char(qRed(p));
            px += 3;
        }
        if (padding > 0)
            std::memset(px, 0, size_t(padding));
        row += rowSize;
    }
    return bmp;
}

std::optional<BmpLayout> readSnapshotLayout(QByteArrayView bmp)
{
    if (bmp.size() < kBmpHeaderSize)
        return std::nullopt;
    const char *d = bmp.data();
    if (d[0] != 'B' || d[1] != 'M')
        return std::nullopt;
    const auto u16 = [d](int offset) { return qFromLittleEndian<quint16>(d + offset); };
    const auto u32 = [d](int offset) { return qFromLittleEndian<quint32>(d + offset); };
    if (u32(14) != 40 || u16(26) != 1 || u16(28) != 24 || u32(30) != 0)
        return std::nullopt;

    const auto width = qint32(u32(18));
    const auto height = qint32(u32(22));
    if (!snapshotSizeAllowed(width, height))
        return std::nullopt;

    const quint32 offset = u32(10);
    const qint64 pixelBytes = bmpRowSize(width) * height;
    if (offset < quint32(kBmpHeaderSize) || qint64(offset) + pixelBytes > qint64(bmp.size()))
        return std::nullopt;

    return BmpLayout{width, height, int(bmpRowSize(width)), qsizetype(offset)};
}

} // namespace codec
