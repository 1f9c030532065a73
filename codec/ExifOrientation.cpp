#include "codec/ExifOrientation.h"

#include <QTransform>
#include <QtEndian>

#include <utility>

namespace codec {

namespace {

class ByteReader {
public:
    ByteReader(QByteArrayView data, bool bigEndian) : m_data(data), m_bigEndian(bigEndian) {}

    bool has(qint64 offset, qint64 count) const
    {
        return offset >= 0 && count >= 0 && offset <= m_data.size() && count <= m_data.size() - offset;
    }
    // The callers check with has() first.
    template <typename T>
    T read(qint64 offset) const
    {
        const char *at = m_data.data() + offset;
        return m_bigEndian ? qFromBigEndian<T>(at) : qFromLittleEndian<T>(at);
    }
    quint16 u16(qint64 offset) const { return read<quint16>(offset); }
    quint32 u32(qint64 offset) const { return read<quint32>(offset); }

private:
    QByteArrayView m_data;
    bool m_bigEndian;
};

constexpr quint16 kOrientationTag = 0x0112;
constexpr quint16 kTypeShort = 3;
constexpr quint16 kTypeLong = 4;

} // namespace

int tiffOrientation(QByteArrayView tiff)
{
    if (tiff.size() < 8)
        return 1;
    bool bigEndian = false;
    if (tiff.first(2) == QByteArrayView("MM"))
        bigEndian = true;
    else if (tiff.first(2) != QByteArrayView("II"))
        return 1;
    const ByteReader in(tiff, bigEndian);
    if (in.u16(2) != 42)
        return 1;
    const qint64 ifd = in.u32(4);
    if (!in.has(ifd, 2))
        return 1;
    const int entries = in.u16(ifd);
    for (int i = 0; i < entries; ++i) {
        const qint64 entry = ifd + 2 + qint64(i) * 12;
        if (!in.has(entry, 12))
            return 1;
        if (in.u16(entry) != kOrientationTag)
            continue;
        const quint16 type = in.u16(entry + 2);
        if (in.u32(entry + 4) < 1)
            return 1;
        // The value sits at the start of the 4-byte value field in the file's byte order.
        quint32 value = 0;
        if (type == kTypeShort)
            value = in.u16(entry + 8);
        else if (type == kTypeLong)
            value = in.u32(entry + 8);
        return value >= 1 && value <= 8 ? int(value) : 1;
    }
    return 1;
}

int jpegExifOrientation(QByteArrayView jpeg)
{
    const ByteReader in(jpeg, true);
    const auto byte = [&](qint64 i) { return quint8(jpeg[i]); };
    qint64 pos = 2; // after SOI
    while (in.has(pos, 2)) {
        if (byte(pos) != 0xFF)
            return 1;
        const quint8 marker = byte(pos + 1);
        if (marker == 0xFF) { // fill byte before a marker
            ++pos;
            continue;
        }
        pos += 2;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue; // markers without a length
        if (marker == 0xDA || marker == 0xD9)
            return 1; // image data starts: the metadata is over
        if (!in.has(pos, 2))
            return 1;
        const qint64 length = in.u16(pos);
        if (length < 2 || !in.has(pos, length))
            return 1;
        const QByteArrayView body = jpeg.sliced(pos + 2, length - 2);
        if (marker == 0xE1 && body.size() >= 6 && body.first(6) == QByteArrayView("Exif\0\0", 6))
            return tiffOrientation(body.sliced(6));
        pos += length;
    }
    return 1;
}

QImage applyExifOrientation(QImage image, int orientation)
{
    // Rotations by quarter turns take Qt's tiled rotation path, mirrors are in place.
    const auto rotated = [](const QImage &source, int degrees) {
        return source.transformed(QTransform().rotate(degrees));
    };
    switch (orientation) {
    case 2: return std::move(image).mirrored(true, false);
    case 3: return std::move(image).mirrored(true, true);
    case 4: return std::move(image).mirrored(false, true);
    case 5: // transpose
        return rotated(image, 90).mirrored(true, false);
    case 6: return rotated(image, 90);
    case 7: // transverse
        return rotated(image, 90).mirrored(false, true);
    case 8: return rotated(image, 270);
    default: return image;
    }
}

} // namespace codec
