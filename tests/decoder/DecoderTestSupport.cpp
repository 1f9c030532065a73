#include "DecoderTestSupport.h"

#include <QFile>

#include <cstdio>
#include <jpeglib.h>
#include <turbojpeg.h>

#include <cstdlib>
#include <memory>

namespace decodertest {

QByteArray readFixture(const QString &relativePath)
{
    QFile file(QStringLiteral(ZANVO_FIXTURES "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage readReferencePng(const QString &relativePath)
{
    QImage image;
    image.loadFromData(readFixture(relativePath), "png");
    return image;
}

bool colourNear(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance
           && std::abs(qGreen(actual) - qGreen(expected)) <= tolerance
           && std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

std::string imageDifference(const QImage &actualImage, const QImage &expectedImage, int tolerance)
{
    if (actualImage.size() != expectedImage.size()) {
        return "size " + std::to_string(actualImage.width()) + "x" + std::to_string(actualImage.height())
               + " instead of " + std::to_string(expectedImage.width()) + "x" + std::to_string(expectedImage.height());
    }
    const QImage actual = actualImage.convertToFormat(QImage::Format_ARGB32);
    const QImage expected = expectedImage.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            const bool alphaOk = std::abs(qAlpha(a) - qAlpha(e)) <= tolerance;
            const bool rgbOk = qAlpha(e) != 255 || colourNear(a, e, tolerance);
            if (!alphaOk || !rgbOk) {
                char text[128];
                std::snprintf(text, sizeof text, "pixel (%d,%d) is #%08x, expected #%08x", x, y, a, e);
                return text;
            }
        }
    }
    return {};
}

QByteArray encodeJpeg(const QImage &image, int subsampling, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    tjhandle handle = tjInitCompress();
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    QByteArray result;
    if (tjCompress2(handle, rgb.constBits(), rgb.width(), int(rgb.bytesPerLine()), rgb.height(), TJPF_RGB, &buffer,
                    &size, subsampling, quality, 0)
        == 0)
        result = QByteArray(reinterpret_cast<const char *>(buffer), qsizetype(size));
    tjFree(buffer);
    tjDestroy(handle);
    return result;
}

QByteArray encodeCmykJpeg(const QByteArray &invertedCmyk, int width, int height, bool ycck)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, ycck ? JCS_YCCK : JCS_CMYK); // both write the Adobe marker
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto *row = reinterpret_cast<JSAMPLE *>(const_cast<char *>(invertedCmyk.constData()))
                    + qsizetype(info.next_scanline) * width * 4;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray result(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return result;
}

namespace {

void append16(QByteArray &out, quint16 value, bool bigEndian)
{
    const char hi = char(value >> 8), lo = char(value & 0xFF);
    out.append(bigEndian ? hi : lo);
    out.append(bigEndian ? lo : hi);
}

void append32(QByteArray &out, quint32 value, bool bigEndian)
{
    append16(out, quint16(bigEndian ? value >> 16 : value & 0xFFFF), bigEndian);
    append16(out, quint16(bigEndian ? value & 0xFFFF : value >> 16), bigEndian);
}

} // namespace

QByteArray tiffWithOrientation(bool bigEndian, quint32 value, quint16 type, quint32 count)
{
    QByteArray tiff(bigEndian ? "MM" : "II");
    append16(tiff, 42, bigEndian);
    append32(tiff, 8, bigEndian); // IFD0 right after the header
    append16(tiff, 2, bigEndian);
    // An unrelated entry first, so the parser has to walk the directory.
    append16(tiff, 0x010F, bigEndian); // Make
    append16(tiff, 2, bigEndian);
    append32(tiff, 4, bigEndian);
    tiff.append("Cam", 4);
    append16(tiff, 0x0112, bigEndian);
    append16(tiff, type, bigEndian);
    append32(tiff, count, bigEndian);
    if (type == 3) {
        append16(tiff, quint16(value), bigEndian);
        append16(tiff, 0, bigEndian);
    } else {
        append32(tiff, value, bigEndian);
    }
    append32(tiff, 0, bigEndian); // no next IFD
    return tiff;
}

QByteArray withExifOrientation(const QByteArray &jpeg, int orientation, bool bigEndian)
{
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiffWithOrientation(bigEndian, quint32(orientation));
    QByteArray segment("\xFF\xE1");
    append16(segment, quint16(body.size() + 2), true);
    segment += body;
    QByteArray result = jpeg;
    result.insert(2, segment);
    return result;
}

} // namespace decodertest
