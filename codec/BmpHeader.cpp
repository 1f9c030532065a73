#include "codec/BmpHeader.h"

#include <QtEndian>

#include <array>
#include <bit>
#include <cstdlib>
#include <limits>

namespace codec {

namespace {

constexpr qsizetype kInfoStart = 14;
constexpr qsizetype kMasksStart = 54; // after a 40-byte header, or inside a longer one
constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiBitfields = 3;
constexpr quint32 kBiAlphaBitfields = 6;

quint32 le32(QByteArrayView data, qsizetype offset)
{
    return qFromLittleEndian<quint32>(data.data() + offset);
}

quint16 le16(QByteArrayView data, qsizetype offset)
{
    return qFromLittleEndian<quint16>(data.data() + offset);
}

// Maps what Qt made of a channel of `bits` bits (the value shifted to the top) to the
// full range; a value already at full range has the same top bits and maps to itself.
std::array<uchar, 256> widening(int bits)
{
    std::array<uchar, 256> table{};
    const int max = (1 << bits) - 1;
    for (int v = 0; v < 256; ++v)
        table[size_t(v)] = uchar(((v >> (8 - bits)) * 255 + max / 2) / max);
    return table;
}

} // namespace

QSize bmpDeclaredSize(QByteArrayView data)
{
    if (data.size() < kInfoStart + 12)
        return {};
    if (le32(data, kInfoStart) == 12) // OS/2 1.x: 16-bit dimensions
        return QSize(le16(data, 18), le16(data, 20));
    const qint64 width = qint32(le32(data, 18));
    const qint64 height = std::abs(qint64(qint32(le32(data, 22))));
    constexpr qint64 kMax = std::numeric_limits<int>::max();
    if (width > kMax || height > kMax)
        return QSize(int(kMax), int(kMax));
    return QSize(int(width), int(height));
}

void widenBmpChannels(QImage &image, QByteArrayView data)
{
    if (image.format() != QImage::Format_RGB32 || data.size() < kMasksStart + 12)
        return;
    const quint32 headerSize = le32(data, kInfoStart);
    if (headerSize < 40 || le16(data, 28) != 16)
        return;
    std::array<quint32, 3> masks = {0x7C00, 0x03E0, 0x001F}; // the 16-bit default, 5-5-5
    const quint32 compression = le32(data, 30);
    if (compression == kBiBitfields || compression == kBiAlphaBitfields)
        masks = {le32(data, kMasksStart), le32(data, kMasksStart + 4), le32(data, kMasksStart + 8)};
    else if (compression != kBiRgb)
        return;

    // Red, green and blue sit at bits 16, 8 and 0 of an RGB32 pixel.
    std::array<std::array<uchar, 256>, 3> tables{};
    bool any = false;
    for (size_t c = 0; c < 3; ++c) {
        const int bits = std::popcount(masks[c]);
        if (bits >= 1 && bits <= 7) {
            tables[c] = widening(bits);
            any = true;
        } else {
            for (int v = 0; v < 256; ++v)
                tables[c][size_t(v)] = uchar(v);
        }
    }
    if (!any)
        return;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgb(tables[0][size_t(qRed(p))], tables[1][size_t(qGreen(p))], tables[2][size_t(qBlue(p))]);
        }
    }
}

} // namespace codec
