#include "codec/JpegEncoder.h"

#include "codec/SnapshotImage.h"

#include "ExchangeTestSupport.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <turbojpeg.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace codec {
namespace {

// The exchange tests' helpers (patterns, JPEG inspection) serve these codec tests too.
namespace test = exchange::test;

// A template-like picture: a smooth gradient with a red caption bar and a dark mask block
// in different corners, so a flipped or mirrored encode cannot pass.
QImage captionedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb(60 + x * 120 / width, 90 + y * 100 / height, 160);
    }
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, width / 2, height / 4), QColor(230, 20, 20));
    painter.fillRect(QRect(width / 2, height * 3 / 4, width - width / 2, height - height * 3 / 4), QColor(10, 10, 10));
    return image;
}

struct PixelDifference {
    double mean = 0;
    int max = 0;
};

PixelDifference compare(const QImage &a, const QImage &b)
{
    PixelDifference d;
    qint64 total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int delta : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                total += std::abs(delta);
                d.max = std::max(d.max, std::abs(delta));
            }
        }
    d.mean = double(total) / (3.0 * a.width() * a.height());
    return d;
}

class JpegFromSnapshot : public ::testing::TestWithParam<QSize> {};

TEST_P(JpegFromSnapshot, DecodesToTheSnapshotsPictureWithFullChroma)
{
    const QSize size = GetParam();
    const QImage picture = captionedPicture(size.width(), size.height());
    const QByteArray jpeg = encodeJpegFromSnapshot(encodeSnapshot(picture));

    ASSERT_GE(jpeg.size(), 4);
    EXPECT_EQ(jpeg.left(2), QByteArray("\xff\xd8", 2));
    EXPECT_EQ(jpeg.right(2), QByteArray("\xff\xd9", 2));
    EXPECT_EQ(test::frameSamplingFactors(jpeg), QList<int>({0x11, 0x11, 0x11}));

    const std::optional<test::DecodedJpeg> decoded = test::decodeJpeg(jpeg);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->subsampling, TJSAMP_444);
    ASSERT_EQ(decoded->image.size(), size);
    const PixelDifference d = compare(decoded->image, picture);
    EXPECT_LT(d.mean, 2.0);
    EXPECT_LE(d.max, 40);
    if (size.width() >= 8 && size.height() >= 8) {
        // Away from edges the marked corners keep their colours.
        const QColor topLeft = decoded->image.pixelColor(1, 1);
        const QColor bottomRight = decoded->image.pixelColor(size.width() - 2, size.height() - 2);
        EXPECT_GT(topLeft.red(), 200);
        EXPECT_LT(topLeft.green(), 50);
        EXPECT_LT(bottomRight.value(), 40);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegFromSnapshot,
                         ::testing::Values(QSize(379, 384), QSize(234, 234), QSize(400, 400), QSize(1, 1),
                                           QSize(17, 3)),
                         [](const ::testing::TestParamInfo<QSize> &param) {
                             return std::to_string(param.param.width()) + "x" + std::to_string(param.param.height());
                         });

TEST(JpegEncoder, SnapshotAndPictureGiveTheSameFile)
{
    const QImage picture = captionedPicture(123, 45);
    const QByteArray fromPicture = encodeJpeg(picture);
    ASSERT_FALSE(fromPicture.isEmpty());
    EXPECT_EQ(encodeJpegFromSnapshot(encodeSnapshot(picture)), fromPicture);
    EXPECT_EQ(encodeJpeg(picture.convertToFormat(QImage::Format_RGB888)), fromPicture);
}

TEST(JpegEncoder, QualityChangesTheFile)
{
    const SnapshotImage bmp = encodeSnapshot(captionedPicture(64, 64));
    const QByteArray low = encodeJpegFromSnapshot(bmp, 10);
    const QByteArray high = encodeJpegFromSnapshot(bmp, 95);
    ASSERT_FALSE(low.isEmpty());
    EXPECT_LT(low.size(), high.size());
}

TEST(JpegEncoder, InvalidInputGivesNothing)
{
    const SnapshotImage bmp = encodeSnapshot(captionedPicture(8, 8));
    EXPECT_TRUE(encodeJpegFromSnapshot(QByteArrayView()).isEmpty());
    EXPECT_TRUE(encodeJpegFromSnapshot(QByteArray("not a picture at all, just some bytes")).isEmpty());
    EXPECT_TRUE(encodeJpegFromSnapshot(bmp.left(bmp.size() - 1)).isEmpty());
    EXPECT_TRUE(encodeJpegFromSnapshot(bmp, 0).isEmpty());
    EXPECT_TRUE(encodeJpegFromSnapshot(bmp, 101).isEmpty());
    EXPECT_TRUE(encodeJpeg(QImage()).isEmpty());
    EXPECT_TRUE(encodeJpeg(captionedPicture(8, 8), -5).isEmpty());
}

} // namespace
} // namespace codec
