#include "codec/SnapshotImage.h"

#include "ExchangeTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>

namespace codec {
namespace {

// The exchange tests' helpers (patterns, JPEG inspection) serve these codec tests too.
namespace test = exchange::test;

using test::patternPicture;
using test::readU16;
using test::readU32;

struct LayoutCase {
    int width;
    int height;
    int rowSize;
    qsizetype fileSize;
};

class SnapshotLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SnapshotLayout, HeadersRowsAndPixelsFollowTheBmpFormat)
{
    const LayoutCase c = GetParam();
    const QImage picture = patternPicture(c.width, c.height);
    const SnapshotImage bmp = encodeSnapshot(picture);

    ASSERT_EQ(bmp.size(), c.fileSize);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    const auto imageSize = quint32(c.rowSize * c.height);
    EXPECT_EQ(readU32(bmp, 2), quint32(c.fileSize));
    EXPECT_EQ(readU32(bmp, 6), 0u); // both reserved fields
    EXPECT_EQ(readU32(bmp, 10), 54u);
    EXPECT_EQ(readU32(bmp, 14), 40u);
    EXPECT_EQ(qint32(readU32(bmp, 18)), c.width);
    EXPECT_EQ(qint32(readU32(bmp, 22)), c.height);
    EXPECT_EQ(readU16(bmp, 26), 1u);
    EXPECT_EQ(readU16(bmp, 28), 24u);
    EXPECT_EQ(readU32(bmp, 30), 0u);
    EXPECT_EQ(readU32(bmp, 34), imageSize);
    for (qsizetype offset = 38; offset < 54; offset += 4)
        EXPECT_EQ(readU32(bmp, offset), 0u) << "at offset " << offset;
    EXPECT_EQ(bmpRowSize(c.width), c.rowSize);

    // Row r of the array is picture row height-1-r, as B, G, R, then zero padding.
    int mismatches = 0;
    for (int r = 0; r < c.height; ++r) {
        const auto *row = reinterpret_cast<const unsigned char *>(bmp.constData() + 54 + qsizetype(r) * c.rowSize);
        const int y = c.height - 1 - r;
        for (int x = 0; x < c.width; ++x) {
            const QRgb p = picture.pixel(x, y);
            if (row[3 * x] != qBlue(p) || row[3 * x + 1] != qGreen(p) || row[3 * x + 2] != qRed(p))
                ++mismatches;
        }
        for (int pad = 3 * c.width; pad < c.rowSize; ++pad)
            if (row[pad] != 0)
                ++mismatches;
    }
    EXPECT_EQ(mismatches, 0);

    const auto *first = reinterpret_cast<const unsigned char *>(bmp.constData() + 54);
    const QRgb bottomLeft = picture.pixel(0, c.height - 1);
    EXPECT_EQ(first[0], qBlue(bottomLeft));
    EXPECT_EQ(first[1], qGreen(bottomLeft));
    EXPECT_EQ(first[2], qRed(bottomLeft));
}

INSTANTIATE_TEST_SUITE_P(Sizes, SnapshotLayout,
                         ::testing::Values(LayoutCase{379, 384, 1140, 437'814},
                                           LayoutCase{400, 400, 1200, 54 + 1200 * 400},
                                           LayoutCase{234, 234, 704, 54 + 704 * 234}, LayoutCase{1, 1, 4, 58}));

// Whatever format the rendered picture comes in, the file holds its 8-bit colours.
class SnapshotSourceFormat : public ::testing::TestWithParam<QImage::Format> {};

TEST_P(SnapshotSourceFormat, GivesTheSameFileAsTheOpaque32BitPicture)
{
    const QImage picture = patternPicture(37, 11, GetParam());
    EXPECT_EQ(encodeSnapshot(picture), encodeSnapshot(picture.convertToFormat(QImage::Format_RGB32)));
}

INSTANTIATE_TEST_SUITE_P(Formats, SnapshotSourceFormat,
                         ::testing::Values(QImage::Format_ARGB32_Premultiplied, QImage::Format_ARGB32,
                                           QImage::Format_RGB888, QImage::Format_BGR888, QImage::Format_RGB16,
                                           QImage::Format_Indexed8));

TEST(SnapshotImage, TranslucentPixelsAreComposedOverBlack)
{
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(200, 100, 50, 0));
    picture.setPixel(1, 0, qRgba(200, 100, 50, 255));
    const SnapshotImage bmp = encodeSnapshot(picture);
    ASSERT_EQ(bmp.size(), 54 + 8);
    EXPECT_EQ(bmp.mid(54, 8), QByteArray("\x00\x00\x00\x32\x64\xc8\x00\x00", 8));
}

struct SizeCase {
    int width;
    int height;
    bool allowed;
};

class SnapshotSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SnapshotSize, IsRefusedWhenEmptyOrTooLarge)
{
    const SizeCase c = GetParam();
    EXPECT_EQ(snapshotSizeAllowed(c.width, c.height), c.allowed) << c.width << " x " << c.height;
}

INSTANTIATE_TEST_SUITE_P(Sizes, SnapshotSize,
                         ::testing::Values(SizeCase{1, 1, true}, SizeCase{0, 384, false}, SizeCase{379, 0, false},
                                           SizeCase{-1, 10, false}, SizeCase{10, -1, false},
                                           SizeCase{16384, 16384, true}, SizeCase{16385, 16384, false},
                                           SizeCase{32627, 32627, false}, SizeCase{INT_MAX, 1, false},
                                           SizeCase{1, INT_MAX, false}));

TEST(SnapshotImage, NullPictureGivesAnEmptySnapshot)
{
    EXPECT_TRUE(encodeSnapshot(QImage()).isEmpty());
    EXPECT_TRUE(encodeSnapshot(QImage(0, 384, QImage::Format_RGB32)).isEmpty());
}

TEST(SnapshotLayoutReader, ReadsBackWhatWasWritten)
{
    const SnapshotImage bmp = encodeSnapshot(patternPicture(234, 3));
    const std::optional<BmpLayout> layout = readSnapshotLayout(bmp);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->width, 234);
    EXPECT_EQ(layout->height, 3);
    EXPECT_EQ(layout->rowSize, 704);
    EXPECT_EQ(layout->pixelOffset, 54);
}

struct Corruption {
    const char *what;
    qsizetype offset; // -1: cut the last byte off instead
    QByteArray bytes;
};

class SnapshotLayoutRejects : public ::testing::TestWithParam<Corruption> {};

TEST_P(SnapshotLayoutRejects, AnythingButAWhole24BitBottomUpFile)
{
    const Corruption c = GetParam();
    SnapshotImage bmp = encodeSnapshot(patternPicture(5, 4));
    ASSERT_TRUE(readSnapshotLayout(bmp));
    if (c.offset < 0)
        bmp.chop(1);
    else
        bmp.replace(c.offset, c.bytes.size(), c.bytes);
    EXPECT_FALSE(readSnapshotLayout(bmp)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Corruptions, SnapshotLayoutRejects,
    ::testing::Values(Corruption{"truncated pixel array", -1, {}}, Corruption{"wrong magic", 0, QByteArray("BA")},
                      Corruption{"pixel array past the end", 10, QByteArray("\x40\x00\x00\x00", 4)},
                      Corruption{"pixel offset inside the headers", 10, QByteArray("\x10\x00\x00\x00", 4)},
                      Corruption{"other info header", 14, QByteArray("\x7c\x00\x00\x00", 4)},
                      Corruption{"zero width", 18, QByteArray("\x00\x00\x00\x00", 4)},
                      Corruption{"width larger than the data", 18, QByteArray("\x00\x10\x00\x00", 4)},
                      Corruption{"top-down rows", 22, QByteArray("\xfc\xff\xff\xff", 4)},
                      Corruption{"absurd height", 22, QByteArray("\xff\xff\xff\x7f", 4)},
                      Corruption{"two planes", 26, QByteArray("\x02\x00", 2)},
                      Corruption{"32 bits per pixel", 28, QByteArray("\x20\x00", 2)},
                      Corruption{"compressed", 30, QByteArray("\x01\x00\x00\x00", 4)}));

TEST(SnapshotLayoutReader, RejectsShortData)
{
    EXPECT_FALSE(readSnapshotLayout(QByteArrayView()));
    EXPECT_FALSE(readSnapshotLayout(QByteArray("BM")));
    EXPECT_FALSE(readSnapshotLayout(encodeSnapshot(patternPicture(2, 2)).left(53)));
}

} // namespace
} // namespace codec
