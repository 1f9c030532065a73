#include "ExchangeTestSupport.h"

#include <QDir>
#include <QFile>

#include <turbojpeg.h>

#include <memory>

namespace exchange::test {

QImage patternPicture(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb((x * 7 + y) & 0xff, (y * 13 + 5) & 0xff, (x + 3 * y) & 0xff);
    }
    return format == QImage::Format_RGB32 ? image : image.convertToFormat(format);
}

quint32 readU32(const QByteArray &data, qsizetype offset)
{
    const auto *u = reinterpret_cast<const unsigned char *>(data.constData() + offset);
    return quint32(u[0]) | (quint32(u[1]) << 8) | (quint32(u[2]) << 16) | (quint32(u[3]) << 24);
}

quint16 readU16(const QByteArray &data, qsizetype offset)
{
    const auto *u = reinterpret_cast<const unsigned char *>(data.constData() + offset);
    return quint16(u[0] | (u[1] << 8));
}

std::optional<DecodedJpeg> decodeJpeg(QByteArrayView jpeg)
{
    struct Deleter {
        void operator()(void *h) const { tjDestroy(h); }
    };
    std::unique_ptr<void, Deleter> handle(tjInitDecompress());
    if (!handle || jpeg.isEmpty())
        return std::nullopt;
    auto *data = const_cast<unsigned char *>(reinterpret_cast<const unsigned char *>(jpeg.data()));
    const auto size = static_cast<unsigned long>(jpeg.size());
    int width = 0, height = 0, subsampling = -1, colourspace = -1;
    if (tjDecompressHeader3(handle.get(), data, size, &width, &height, &subsampling, &colourspace) != 0)
        return std::nullopt;
    DecodedJpeg decoded;
    decoded.subsampling = subsampling;
    decoded.image = QImage(width, height, QImage::Format_RGB32);
    if (tjDecompress2(handle.get(), data, size, decoded.image.bits(), width, int(decoded.image.bytesPerLine()), height,
                      TJPF_BGRX, 0)
        != 0)
        return std::nullopt;
    return decoded;
}

QList<int> frameSamplingFactors(QByteArrayView jpeg)
{
    const auto byte = [&](qsizetype i) { return int(static_cast<unsigned char>(jpeg[i])); };
    qsizetype i = 2;
    while (i + 4 <= jpeg.size() && byte(i) == 0xff) {
        const int marker = byte(i + 1);
        const qsizetype length = (byte(i + 2) << 8) | byte(i + 3);
        if (marker >= 0xc0 && marker <= 0xc2) {
            QList<int> factors;
            const int components = byte(i + 9);
            for (int c = 0; c < components && i + 12 + 3 * c <= jpeg.size(); ++c)
                factors.append(byte(i + 11 + 3 * c));
            return factors;
        }
        i += 2 + length;
    }
    return {};
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace exchange::test
