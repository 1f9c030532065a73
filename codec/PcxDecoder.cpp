#include "codec/PcxDecoder.h"

#include "codec/DecoderSupport.h"

#include <QImage>
#include <QList>
#include <QtEndian>

#include <array>
#include <cstring>
#include <utility>

namespace codec {

namespace {

constexpr qsizetype kHeaderSize = 128;
constexpr qsizetype kPaletteSize = 768;
constexpr quint8 kPaletteMarker = 0x0C;

struct PcxHeader {
    int bitsPerPixel = 0;
    int planes = 0;
    int bytesPerLine = 0;
    int width = 0;
    int height = 0;
};

quint16 le16(QByteArrayView data, qsizetype offset)
{
    return qFromLittleEndian<quint16>(data.data() + offset);
}

std::optional<PcxHeader> readHeader(QByteArrayView data)
{
    if (data.size() < kHeaderSize || quint8(data[0]) != 0x0A || quint8(data[2]) != 1)
        return std::nullopt;
    PcxHeader header;
    header.bitsPerPixel = quint8(data[3]);
    header.planes = quint8(data[65]);
    header.bytesPerLine = le16(data, 66);
    const int xMin = le16(data, 4), yMin = le16(data, 6), xMax = le16(data, 8), yMax = le16(data, 10);
    if (xMax < xMin || yMax < yMin)
        return std::nullopt;
    header.width = xMax - xMin + 1;
    header.height = yMax - yMin + 1;

    int minBytesPerLine = 0;
    if (header.bitsPerPixel == 8 && (header.planes == 1 || header.planes == 3 || header.planes == 4))
        minBytesPerLine = header.width;
    else if (header.bitsPerPixel == 1 && header.planes >= 1 && header.planes <= 4)
        minBytesPerLine = (header.width + 7) / 8;
    else
        return std::nullopt;
    if (header.bytesPerLine < minBytesPerLine)
        return std::nullopt;
    return header;
}

// PCX run-length coding: a byte with both top bits set repeats the next byte (its low
// six bits) times; any other byte stands for itself. Runs may cross scanlines.
class RleReader {
public:
    explicit RleReader(QByteArrayView data) : m_data(data) {}

    // Fills the whole buffer; past the end of the data it fills zeros.
    void read(uchar *out, qsizetype count)
    {
        qsizetype written = 0;
        while (written < count) {
            if (m_runLeft == 0 && !nextRun()) {
                std::memset(out + written, 0, size_t(count - written));
                return;
            }
            const qsizetype n = qMin(count - written, qsizetype(m_runLeft));
            std::memset(out + written, m_runValue, size_t(n));
            written += n;
            m_runLeft -= int(n);
        }
    }

private:
    bool nextRun()
    {
        while (m_pos < m_data.size()) {
            const quint8 code = quint8(m_data[m_pos++]);
            if ((code & 0xC0) != 0xC0) {
                m_runValue = code;
                m_runLeft = 1;
                return true;
            }
            if (m_pos >= m_data.size())
                return false;
            m_runValue = quint8(m_data[m_pos++]);
            m_runLeft = code & 0x3F;
            if (m_runLeft > 0)
                return true;
        }
        return false;
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    int m_runLeft = 0;
    quint8 m_runValue = 0;
};

// Version 3 files carry no palette; multi-plane ones use the standard 16 EGA colours.
constexpr std::array<QRgb, 16> kEgaPalette = {
    0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA, 0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
    0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF, 0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF,
};

void decodeOneBit(const PcxHeader &header, RleReader &rle, QImage &image)
{
    const qsizetype bpl = header.bytesPerLine;
    QList<uchar> line(bpl * header.planes);
    for (int y = 0; y < header.height; ++y) {
        rle.read(line.data(), line.size());
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < header.width; ++x) {
            const int shift = 7 - (x & 7);
            int index = 0;
            for (int p = 0; p < header.planes; ++p)
                index |= ((line[p * bpl + x / 8] >> shift) & 1) << p;
            if (header.planes == 1)
                out[x] = index ? 0xFFFFFFFF : 0xFF000000;
            else
                out[x] = kEgaPalette[size_t(index)];
        }
    }
}

std::array<QRgb, 256> palette256(QByteArrayView data, bool present)
{
    std::array<QRgb, 256> palette{};
    const qsizetype start = data.size() - kPaletteSize;
    for (int i = 0; i < 256; ++i) {
        // Without the trailing palette the indices are taken as grey levels.
        palette[size_t(i)] = present ? qRgb(quint8(data[start + 3 * i]), quint8(data[start + 3 * i + 1]),
                                            quint8(data[start + 3 * i + 2]))
                                     : qRgb(i, i, i);
    }
    return palette;
}

// Returns whether any pixel is less than opaque.
bool decodeEightBit(const PcxHeader &header, RleReader &rle, const std::array<QRgb, 256> &palette, QImage &image)
{
    const qsizetype bpl = header.bytesPerLine;
    QList<uchar> line(bpl * header.planes);
    const uchar *r = line.data();
    const uchar *g = r + bpl;
    const uchar *b = g + bpl;
    const uchar *a = b + bpl;
    bool translucent = false;
    for (int y = 0; y < header.height; ++y) {
        rle.read(line.data(), line.size());
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        switch (header.planes) {
        case 1:
            for (int x = 0; x < header.width; ++x)
                out[x] = palette[r[x]];
            break;
        case 3:
            for (int x = 0; x < header.width; ++x)
                out[x] = qRgb(r[x], g[x], b[x]);
            break;
        default:
            for (int x = 0; x < header.width; ++x) {
                out[x] = qRgba(r[x], g[x], b[x], a[x]);
                translucent = translucent || a[x] != 0xFF;
            }
            break;
        }
    }
    return translucent;
}

} // namespace

std::optional<DecodedPicture> decodePcx(QByteArrayView data, const DecodeLimits &limits)
{
    const std::optional<PcxHeader> header = readHeader(data);
    if (!header)
        return std::nullopt;
    const bool withAlpha = header->bitsPerPixel == 8 && header->planes == 4;
    QImage image = allocateFrame(QSize(header->width, header->height),
                                 withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32, limits);
    if (image.isNull())
        return std::nullopt;

    QByteArrayView pixelData = data.sliced(kHeaderSize);
    if (header->bitsPerPixel == 1) {
        RleReader rle(pixelData);
        decodeOneBit(*header, rle, image);
        return stillPicture(std::move(image));
    }

    const bool hasPalette = header->planes == 1 && data.size() >= kHeaderSize + 1 + kPaletteSize
                            && quint8(data[data.size() - kPaletteSize - 1]) == kPaletteMarker;
    if (hasPalette)
        pixelData.chop(kPaletteSize + 1);
    RleReader rle(pixelData);
    const bool translucent = decodeEightBit(*header, rle, palette256(data, hasPalette), image);
    if (withAlpha) {
        if (translucent)
            image.convertTo(QImage::Format_ARGB32_Premultiplied);
        else
            image.reinterpretAsFormat(QImage::Format_RGB32);
        if (image.isNull())
            return std::nullopt;
    }
    return stillPicture(std::move(image));
}

} // namespace codec
