#include "DecoderTestSupport.h"

#include "codec/ExifOrientation.h"
#include "codec/PictureDecoder.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <array>

namespace {

using decodertest::colourNear;
using decodertest::encodeCmykJpeg;
using decodertest::encodeJpeg;
using decodertest::readFixture;
using decodertest::withExifOrientation;

QImage decodedFrame(const QByteArray &data)
{
    const auto picture = codec::decodePicture(data);
    return picture ? picture->frames.first() : QImage();
}

TEST(JpegDecoder, BaselineAndProgressiveDecodeIdentically)
{
    const QImage baseline = decodedFrame(readFixture("jpeg/testorig.jpg"));
    const QImage progressive = decodedFrame(readFixture("jpeg/testorig-progressive.jpg"));
    ASSERT_EQ(baseline.size(), QSize(227, 149));
    EXPECT_EQ(baseline.format(), QImage::Format_RGB32);
    EXPECT_EQ(baseline, progressive);
}

// Other encoders of the same picture, arithmetic coding among them, give nearly the same pixels.
TEST(JpegDecoder, OtherEncodingsOfTheSamePicture)
{
    const QImage baseline = decodedFrame(readFixture("jpeg/testorig.jpg"));
    for (const char *file : {"jpeg/testimgari.jpg", "jpeg/testimgint.jpg"}) {
        const QImage other = decodedFrame(readFixture(file));
        ASSERT_EQ(other.size(), baseline.size()) << file;
        qint64 difference = 0;
        for (int y = 0; y < other.height(); ++y) {
            for (int x = 0; x < other.width(); ++x) {
                const QRgb a = other.pixel(x, y), b = baseline.pixel(x, y);
                difference +=
                    std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            }
        }
        EXPECT_LT(double(difference) / (3.0 * other.width() * other.height()), 4.0) << file;
    }
}

TEST(JpegDecoder, PaddingBytesAreOpaque)
{
    const QImage image = decodedFrame(readFixture("jpeg/testorig.jpg"));
    ASSERT_FALSE(image.isNull());
    const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(image.height() / 2));
    for (int x = 0; x < image.width(); ++x)
        ASSERT_EQ(qAlpha(pixels[x]), 255) << x;
}

TEST(JpegDecoder, TwelveBitPrecisionIsRefused)
{
    const QByteArray data = readFixture("jpeg/monkey12.jpg");
    ASSERT_FALSE(data.isEmpty());
    EXPECT_EQ(codec::recognisePicture(data), codec::PictureFormat::Jpeg);
    EXPECT_FALSE(codec::decodePicture(data).has_value());
}

qsizetype endOfFirstScanHeader(const QByteArray &jpeg)
{
    const qsizetype sos = jpeg.indexOf("\xFF\xDA");
    return sos < 0 ? -1 : sos + 2 + ((quint8(jpeg[sos + 2]) << 8) | quint8(jpeg[sos + 3]));
}

// A cut file shows what arrived; the rest is grey, as common viewers show it.
TEST(JpegDecoder, EveryTruncationDecodesToFullSizeOrNothing)
{
    const QByteArray full = readFixture("jpeg/testorig.jpg");
    const qsizetype scanStart = endOfFirstScanHeader(full);
    ASSERT_GT(scanStart, 0);
    for (qsizetype length = 0; length < full.size(); ++length) {
        const auto picture = codec::decodePicture(full.first(length));
        if (length >= scanStart) {
            ASSERT_TRUE(picture.has_value()) << length;
            ASSERT_EQ(picture->size(), QSize(227, 149)) << length;
        } else if (picture) {
            ASSERT_EQ(picture->size(), QSize(227, 149)) << length;
        }
    }
}

TEST(JpegDecoder, MissingRestIsGrey)
{
    const QByteArray full = readFixture("jpeg/testorig.jpg");
    const QImage whole = decodedFrame(full);
    const QImage half = decodedFrame(full.first(full.size() / 2));
    ASSERT_EQ(half.size(), whole.size());
    EXPECT_EQ(half.pixel(5, 5), whole.pixel(5, 5));
    EXPECT_TRUE(colourNear(half.pixel(220, 145), qRgb(128, 128, 128), 2));
}

// Four solid quarters, aligned to the 8 × 8 blocks so that JPEG keeps them nearly exact.
QImage quarters(QRgb topLeft, QRgb topRight, QRgb bottomLeft, QRgb bottomRight)
{
    QImage image(32, 16, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 16, 8, QColor(topLeft));
    painter.fillRect(16, 0, 16, 8, QColor(topRight));
    painter.fillRect(0, 8, 16, 8, QColor(bottomLeft));
    painter.fillRect(16, 8, 16, 8, QColor(bottomRight));
    return image;
}

std::array<QRgb, 4> quarterColours(const QImage &image)
{
    const int w = image.width(), h = image.height();
    return {image.pixel(w / 4, h / 4), image.pixel(3 * w / 4, h / 4), image.pixel(w / 4, 3 * h / 4),
            image.pixel(3 * w / 4, 3 * h / 4)};
}

constexpr QRgb R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF, W = 0xFFFFFFFF;

struct OrientationCase {
    int orientation;
    QSize size;
    std::array<QRgb, 4> quarters; // top left, top right, bottom left, bottom right as shown
};

class ExifOrientation : public ::testing::TestWithParam<std::tuple<OrientationCase, bool>> {};

TEST_P(ExifOrientation, PictureStandsUpright)
{
    const auto [expected, bigEndian] = GetParam();
    const QByteArray plain = encodeJpeg(quarters(R, G, B, W), TJSAMP_444, 100);
    const QByteArray data = withExifOrientation(plain, expected.orientation, bigEndian);
    EXPECT_EQ(codec::jpegExifOrientation(data), expected.orientation);

    const QImage image = decodedFrame(data);
    ASSERT_EQ(image.size(), expected.size);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    const auto actual = quarterColours(image);
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_TRUE(colourNear(actual[i], expected.quarters[i], 8))
            << "quarter " << i << ": " << std::hex << actual[i] << " instead of " << expected.quarters[i];
}

INSTANTIATE_TEST_SUITE_P(AllOrientations, ExifOrientation,
                         ::testing::Combine(::testing::Values(OrientationCase{1, {32, 16}, {R, G, B, W}},
                                                              OrientationCase{2, {32, 16}, {G, R, W, B}},
                                                              OrientationCase{3, {32, 16}, {W, B, G, R}},
                                                              OrientationCase{4, {32, 16}, {B, W, R, G}},
                                                              OrientationCase{5, {16, 32}, {R, B, G, W}},
                                                              OrientationCase{6, {16, 32}, {B, R, W, G}},
                                                              OrientationCase{7, {16, 32}, {W, G, B, R}},
                                                              OrientationCase{8, {16, 32}, {G, W, R, B}}),
                                            ::testing::Bool()),
                         [](const auto &testInfo) {
                             return "orientation" + std::to_string(std::get<0>(testInfo.param).orientation)
                                    + (std::get<1>(testInfo.param) ? "Motorola" : "Intel");
                         });

struct TiffCase {
    const char *name;
    QByteArray tiff;
    int orientation;
};

class TiffOrientation : public ::testing::TestWithParam<TiffCase> {};

TEST_P(TiffOrientation, ReadsOnlyWhatIsThere)
{
    EXPECT_EQ(codec::tiffOrientation(GetParam().tiff), GetParam().orientation);
}

QByteArray damaged(QByteArray tiff, qsizetype offset, char value)
{
    tiff[offset] = value;
    return tiff;
}

using decodertest::tiffWithOrientation;

INSTANTIATE_TEST_SUITE_P(
    Cases, TiffOrientation,
    ::testing::Values(TiffCase{"intelShort", tiffWithOrientation(false, 6), 6},
                      TiffCase{"motorolaShort", tiffWithOrientation(true, 8), 8},
                      TiffCase{"long", tiffWithOrientation(true, 3, 4), 3},
                      TiffCase{"valueOutOfRange", tiffWithOrientation(false, 9), 1},
                      TiffCase{"valueZero", tiffWithOrientation(false, 0), 1},
                      TiffCase{"countZero", tiffWithOrientation(false, 6, 3, 0), 1},
                      TiffCase{"wrongType", tiffWithOrientation(false, 6, 7), 1},
                      TiffCase{"badByteOrder", damaged(tiffWithOrientation(false, 6), 0, 'X'), 1},
                      TiffCase{"badMagic", damaged(tiffWithOrientation(false, 6), 2, 43), 1},
                      TiffCase{"directoryBeyondEnd", damaged(tiffWithOrientation(false, 6), 4, 100), 1},
                      TiffCase{"entryCountBeyondEnd", damaged(damaged(tiffWithOrientation(false, 6), 8, 50), 22, 0x13),
                               1},
                      TiffCase{"cutInEntry", tiffWithOrientation(false, 6).first(30), 1},
                      TiffCase{"headerOnly", tiffWithOrientation(false, 6).first(8), 1},
                      TiffCase{"empty", QByteArray(), 1}),
    [](const auto &testInfo) { return std::string(testInfo.param.name); });

TEST(JpegExifOrientation, SegmentsAreWalkedSafely)
{
    const QByteArray plain = encodeJpeg(quarters(R, G, B, W), TJSAMP_444, 90);
    const QByteArray rotated = withExifOrientation(plain, 6, false);

    // An XMP segment, also APP1, ahead of the Exif one.
    QByteArray withXmp = rotated;
    const QByteArray xmp = QByteArray("http://ns.adobe.com/xap/1.0/\0<x/>", 34);
    withXmp.insert(2, QByteArray("\xFF\xE1") + char(0) + char(xmp.size() + 2) + xmp);
    EXPECT_EQ(codec::jpegExifOrientation(withXmp), 6);

    // A segment length running past the end, or below its own size.
    QByteArray overlong = rotated;
    overlong[4] = char(0xFF);
    overlong[5] = char(0xFF);
    EXPECT_EQ(codec::jpegExifOrientation(overlong.first(40)), 1);
    QByteArray tooShort = rotated;
    tooShort[4] = 0;
    tooShort[5] = 1;
    EXPECT_EQ(codec::jpegExifOrientation(tooShort), 1);

    // Exif after the image data is not looked at.
    EXPECT_EQ(codec::jpegExifOrientation(plain + rotated.mid(2, 64)), 1);
    EXPECT_EQ(codec::jpegExifOrientation(rotated.first(2 + rotated.size() - plain.size())), 6);
    const qsizetype segmentEnd = 2 + rotated.size() - plain.size();
    for (qsizetype length = 0; length < segmentEnd; ++length)
        EXPECT_EQ(codec::jpegExifOrientation(rotated.first(length)), 1) << length;
}

QByteArray invertedCmykQuarters(const std::array<std::array<int, 4>, 4> &inks)
{
    // Inks in percent per quarter (TL, TR, BL, BR), stored inverted as Adobe writes them.
    QByteArray data(32 * 16 * 4, '\0');
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) {
            const auto &ink = inks[size_t((y >= 8) * 2 + (x >= 16))];
            for (int c = 0; c < 4; ++c)
                data[(y * 32 + x) * 4 + c] = char(255 - ink[size_t(c)] * 255 / 100);
        }
    }
    return data;
}

TEST(JpegDecoder, CmykAndYcckBecomeRgb)
{
    const QByteArray cmyk = invertedCmykQuarters({{{0, 100, 100, 0}, {100, 0, 100, 0}, {0, 0, 0, 0}, {0, 0, 0, 50}}});
    const std::array<QRgb, 4> expected = {R, G, W, qRgb(128, 128, 128)};
    for (const bool ycck : {false, true}) {
        const QImage image = decodedFrame(encodeCmykJpeg(cmyk, 32, 16, ycck));
        ASSERT_EQ(image.size(), QSize(32, 16)) << ycck;
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        const auto actual = quarterColours(image);
        for (size_t i = 0; i < actual.size(); ++i)
            EXPECT_TRUE(colourNear(actual[i], expected[i], 6))
                << (ycck ? "YCCK" : "CMYK") << " quarter " << i << ": " << std::hex << actual[i];
    }
}

TEST(JpegDecoder, GreyscaleAndSubsampledColour)
{
    const QImage source = quarters(qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(100, 100, 100), qRgb(200, 200, 200));
    for (const int subsampling : {int(TJSAMP_GRAY), int(TJSAMP_420), int(TJSAMP_422), int(TJSAMP_440)}) {
        const QImage image = decodedFrame(encodeJpeg(source, subsampling, 95));
        ASSERT_EQ(image.size(), source.size()) << subsampling;
        const auto actual = quarterColours(image);
        const auto wanted = quarterColours(source);
        for (size_t i = 0; i < actual.size(); ++i)
            EXPECT_TRUE(colourNear(actual[i], wanted[i], 4)) << subsampling << " quarter " << i;
    }
}

TEST(JpegDecoder, SizeLimitsAreCheckedFromTheHeader)
{
    const QByteArray data = readFixture("jpeg/testorig.jpg");
    codec::DecodeLimits limits;
    limits.maxPixels = 227 * 149 - 1;
    EXPECT_FALSE(codec::decodePicture(data, limits).has_value());
    limits.maxPixels = 227 * 149;
    EXPECT_TRUE(codec::decodePicture(data, limits).has_value());
    limits.maxFrameBytes = 227 * 149 * 4 - 1;
    EXPECT_FALSE(codec::decodePicture(data, limits).has_value());
}

TEST(JpegDecoder, HugeDeclaredSizeIsRefused)
{
    // The frame header of a tiny file claims 60000 × 60000 pixels.
    QByteArray data = encodeJpeg(quarters(R, G, B, W), TJSAMP_444, 90);
    const qsizetype sof = data.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    for (const qsizetype offset : {sof + 5, sof + 7}) {
        data[offset] = char(0xEA);
        data[offset + 1] = char(0x60);
    }
    EXPECT_FALSE(codec::decodePicture(data).has_value());
}

} // namespace
