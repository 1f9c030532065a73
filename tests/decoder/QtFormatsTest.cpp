#include "DecoderTestSupport.h"

#include "codec/PictureDecoder.h"
#include "codec/QtReaderDecoder.h"

#include <QImageReader>

#include <gtest/gtest.h>

namespace {

using decodertest::readFixture;

struct GifFrame {
    int pixelIndex; // every pixel of the 2 × 2 frame
    int delayHundredths;
    int transparentIndex = -1;
};

void append16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

// A 2 × 2 GIF with a 4-colour table (black, red, green, blue). Each pixel code follows a
// clear code, so the codes stay 3 bits wide and no LZW table is needed to write it.
QByteArray handMadeGif(const QList<GifFrame> &frames)
{
    QByteArray gif("GIF89a");
    append16(gif, 2);
    append16(gif, 2);
    gif.append(char(0x81)); // global colour table of 4 entries
    gif.append('\0');
    gif.append('\0');
    gif.append(QByteArray::fromHex("000000ff000000ff000000ff"));
    gif.append(QByteArray::fromHex("21ff0b") + "NETSCAPE2.0"
               + QByteArray::fromHex("030100"
                                     "0000"));
    for (const GifFrame &frame : frames) {
        gif.append(QByteArray::fromHex("21f904"));
        gif.append(char(0x04 | (frame.transparentIndex >= 0 ? 1 : 0)));
        append16(gif, frame.delayHundredths);
        gif.append(char(qMax(frame.transparentIndex, 0)));
        gif.append('\0');
        gif.append(char(0x2C));
        append16(gif, 0);
        append16(gif, 0);
        append16(gif, 2);
        append16(gif, 2);
        gif.append('\0');
        gif.append(char(2)); // LZW minimum code size

        QList<int> codes;
        for (int i = 0; i < 4; ++i)
            codes << 4 << frame.pixelIndex;
        codes << 5;
        QByteArray packed;
        quint32 bits = 0;
        int bitCount = 0;
        for (int code : codes) {
            bits |= quint32(code) << bitCount;
            bitCount += 3;
            while (bitCount >= 8) {
                packed.append(char(bits & 0xFF));
                bits >>= 8;
                bitCount -= 8;
            }
        }
        if (bitCount > 0)
            packed.append(char(bits & 0xFF));
        gif.append(char(packed.size()));
        gif.append(packed);
        gif.append('\0');
    }
    gif.append(char(0x3B));
    return gif;
}

TEST(GifDecoder, AnimatedGifGivesEveryFrameWithItsDelay)
{
    const auto picture = codec::decodePicture(handMadeGif({{1, 10}, {2, 20}, {3, 5}}));
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->frames.size(), 3);
    EXPECT_TRUE(picture->animated());
    EXPECT_EQ(picture->frameDelaysMs, QList<int>({100, 200, 50}));
    EXPECT_EQ(picture->size(), QSize(2, 2));
    EXPECT_EQ(picture->frames[0].pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(picture->frames[1].pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(picture->frames[2].pixel(1, 0), qRgb(0, 0, 255));
    for (const QImage &frame : picture->frames)
        EXPECT_EQ(frame.format(), QImage::Format_RGB32);
}

TEST(GifDecoder, DelaysTooShortToMeanAnythingBecome100Ms)
{
    const auto picture = codec::decodePicture(handMadeGif({{1, 0}, {2, 1}, {3, 2}}));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->frameDelaysMs, QList<int>({100, 100, 20}));
}

TEST(GifDecoder, SingleFrameIsStill)
{
    for (const QByteArray &data : {handMadeGif({{2, 50}}), readFixture("misc/python.gif")}) {
        const auto picture = codec::decodePicture(data);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->frames.size(), 1);
        EXPECT_EQ(picture->frameDelaysMs, QList<int>({0}));
        EXPECT_FALSE(picture->animated());
    }
}

TEST(GifDecoder, FramesBeyondTheMemoryBudgetAreDropped)
{
    const QByteArray gif = handMadeGif({{1, 10}, {2, 10}, {3, 10}});
    codec::DecodeLimits limits;
    limits.maxAnimationBytes = 2 * 2 * 4 * 2; // two frames
    const auto picture = codec::decodePicture(gif, limits);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->frames.size(), 2);
    EXPECT_EQ(picture->frameDelaysMs.size(), 2);

    limits.maxAnimationBytes = 1; // the first frame is always kept
    const auto first = codec::decodePicture(gif, limits);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->frames.size(), 1);
    EXPECT_EQ(first->frameDelaysMs, QList<int>({0}));
}

TEST(GifDecoder, TransparencyGivesPremultipliedFrames)
{
    const auto picture = codec::decodePicture(handMadeGif({{1, 10, 1}, {2, 10}}));
    ASSERT_TRUE(picture.has_value());
    ASSERT_FALSE(picture->frames.isEmpty());
    EXPECT_EQ(picture->frames.first().format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(picture->frames.first().pixel(0, 0)), 0);
}

TEST(GifDecoder, EveryTruncationIsSafe)
{
    const QByteArray gif = handMadeGif({{1, 10}, {2, 20}});
    for (qsizetype length = 0; length < gif.size(); ++length) {
        const auto picture = codec::decodePicture(gif.first(length));
        if (picture) {
            EXPECT_EQ(picture->size(), QSize(2, 2)) << length;
            EXPECT_EQ(picture->frames.size(), picture->frameDelaysMs.size()) << length;
        }
    }
}

struct MiscCase {
    const char *file;
    bool decodes;
};

class MiscFormats : public ::testing::TestWithParam<MiscCase> {};

TEST_P(MiscFormats, SamePictureInEveryFormat)
{
    const auto picture = codec::decodePicture(readFixture(QStringLiteral("misc/") + QLatin1String(GetParam().file)));
    ASSERT_EQ(picture.has_value(), GetParam().decodes);
    if (!picture)
        return;
    ASSERT_EQ(picture->frames.size(), 1);
    EXPECT_EQ(picture->size(), QSize(16, 16));
    const QImage::Format format = picture->frames.first().format();
    EXPECT_TRUE(format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied) << format;
}

INSTANTIATE_TEST_SUITE_P(Python, MiscFormats,
                         ::testing::Values(MiscCase{"python.bmp", true}, MiscCase{"python.gif", true},
                                           MiscCase{"python.jpg", true}, MiscCase{"python.png", true},
                                           MiscCase{"python.webp", true}, MiscCase{"python.tiff", false}),
                         [](const auto &testInfo) {
                             std::string name = testInfo.param.file;
                             return name.substr(name.find('.') + 1);
                         });

TEST(IconDecoder, MultiSizeIconGivesTheLargest)
{
    QByteArray icon = readFixture("misc/idle.ico");
    const auto picture = codec::decodePicture(icon);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(256, 256));
    EXPECT_EQ(picture->frames.first().format(), QImage::Format_ARGB32_Premultiplied);

    icon[2] = 2; // the same images as a cursor
    ASSERT_EQ(codec::recognisePicture(icon), codec::PictureFormat::Cursor);
    const auto cursor = codec::decodePicture(icon);
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->size(), QSize(256, 256));
}

TEST(IconDecoder, ImagesBeyondTheLimitsAreSkipped)
{
    codec::DecodeLimits limits;
    limits.maxPixels = 48 * 48;
    const auto picture = codec::decodePicture(readFixture("misc/idle.ico"), limits);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(48, 48));
}

TEST(QtReaders, DeclaredSizeBeyondTheLimitsIsRefused)
{
    codec::DecodeLimits limits;
    limits.maxPixels = 16 * 16 - 1;
    for (const char *file : {"misc/python.png", "misc/python.bmp", "misc/python.gif", "misc/python.webp"})
        EXPECT_FALSE(codec::decodePicture(readFixture(file), limits).has_value()) << file;
}

TEST(QtReaders, AllocationLimitIsRaisedForLargePhotos)
{
    ASSERT_TRUE(codec::decodePicture(readFixture("misc/python.png")).has_value());
    const int limit = QImageReader::allocationLimit();
    EXPECT_TRUE(limit == 0 || limit >= codec::kQtAllocationLimitMb) << limit;
}

} // namespace
