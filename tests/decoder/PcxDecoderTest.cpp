#include "DecoderTestSupport.h"

#include "codec/PictureDecoder.h"

#include <QHash>

#include <gtest/gtest.h>

#include <cctype>

namespace {

using decodertest::imageDifference;
using decodertest::readFixture;
using decodertest::readReferencePng;

struct PcxCase {
    const char *name;
    codec::PictureFormat format; // None: not a recognised kind
};

class PcxFixture : public ::testing::TestWithParam<PcxCase> {};

TEST_P(PcxFixture, RecognisedKindsMatchTheirPngOthersGiveNothing)
{
    const QByteArray data = readFixture(QStringLiteral("pcx/%1.pcx").arg(QLatin1String(GetParam().name)));
    ASSERT_FALSE(data.isEmpty());
    EXPECT_EQ(codec::recognisePicture(data), GetParam().format);
    const auto picture = codec::decodePicture(data);
    if (GetParam().format == codec::PictureFormat::None) {
        EXPECT_FALSE(picture.has_value());
        return;
    }
    ASSERT_TRUE(picture.has_value());
    const QImage reference = readReferencePng(QStringLiteral("pcx/%1.png").arg(QLatin1String(GetParam().name)));
    EXPECT_EQ(imageDifference(picture->frames.first(), reference, 1), "");
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, PcxFixture,
    ::testing::Values(PcxCase{"indexed8", codec::PictureFormat::Pcx8},
                      PcxCase{"ccbug_463951", codec::PictureFormat::Pcx8}, PcxCase{"rgb", codec::PictureFormat::Pcx8},
                      PcxCase{"bw", codec::PictureFormat::Pcx8}, PcxCase{"rgb-gimp-2.8.10", codec::PictureFormat::Pcx8},
                      PcxCase{"dice_rgba", codec::PictureFormat::Pcx8}, PcxCase{"16color", codec::PictureFormat::None},
                      PcxCase{"mono", codec::PictureFormat::None}, PcxCase{"CGA_FSD", codec::PictureFormat::None},
                      PcxCase{"indexed4", codec::PictureFormat::None}, PcxCase{"ICONDOC", codec::PictureFormat::None}),
    [](const auto &testInfo) {
        std::string name = testInfo.param.name;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

QByteArray asVersion3(QByteArray data)
{
    data[1] = 3;
    return data;
}

TEST(PcxDecoder, OneBitVersion3IsBlackAndWhite)
{
    const QByteArray data = asVersion3(readFixture("pcx/mono.pcx"));
    ASSERT_EQ(codec::recognisePicture(data), codec::PictureFormat::Pcx1);
    const auto picture = codec::decodePicture(data);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->frames.first().format(), QImage::Format_RGB32);
    EXPECT_EQ(imageDifference(picture->frames.first(), readReferencePng("pcx/mono.png"), 0), "");
}

// The four-plane file names its own palette in its header; version 3 has none and takes
// the EGA colours, so the colours differ but every pixel keeps its index.
TEST(PcxDecoder, FourPlaneVersion3UsesTheEgaPalette)
{
    const QByteArray original = readFixture("pcx/16color.pcx");
    const auto picture = codec::decodePicture(asVersion3(original));
    ASSERT_TRUE(picture.has_value());
    const QImage decoded = picture->frames.first();
    const QImage reference = readReferencePng("pcx/16color.png").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(decoded.size(), reference.size());

    const QList<QRgb> ega = {0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
                             0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};
    QHash<QRgb, int> headerIndex;
    for (int i = 15; i >= 0; --i) {
        const int at = 16 + 3 * i;
        headerIndex[qRgb(quint8(original[at]), quint8(original[at + 1]), quint8(original[at + 2]))] = i;
    }
    for (int y = 0; y < decoded.height(); ++y) {
        for (int x = 0; x < decoded.width(); ++x) {
            const int expected = headerIndex.value(reference.pixel(x, y), -1);
            const int actual = int(ega.indexOf(decoded.pixel(x, y) & 0xFFFFFF));
            ASSERT_EQ(actual, expected) << x << "," << y;
        }
    }
}

TEST(PcxDecoder, EveryTruncationGivesFullSizeOrNothing)
{
    for (const char *file : {"pcx/indexed8.pcx", "pcx/rgb.pcx", "pcx/dice_rgba.pcx"}) {
        const QByteArray full = readFixture(file);
        const auto whole = codec::decodePicture(full);
        ASSERT_TRUE(whole.has_value()) << file;
        for (qsizetype length = 0; length < full.size(); ++length) {
            const auto picture = codec::decodePicture(full.first(length));
            if (length < 128) {
                EXPECT_FALSE(picture.has_value()) << file << " " << length;
            } else {
                ASSERT_TRUE(picture.has_value()) << file << " " << length;
                ASSERT_EQ(picture->size(), whole->size()) << file << " " << length;
            }
        }
    }
}

struct HeaderDamage {
    const char *name;
    qsizetype offset;
    QList<quint8> bytes;
};

class PcxHeaderDamage : public ::testing::TestWithParam<HeaderDamage> {};

TEST_P(PcxHeaderDamage, IsRefused)
{
    QByteArray data = readFixture("pcx/indexed8.pcx");
    for (qsizetype i = 0; i < GetParam().bytes.size(); ++i)
        data[GetParam().offset + i] = char(GetParam().bytes[i]);
    EXPECT_FALSE(codec::decodePicture(data).has_value());
}

INSTANTIATE_TEST_SUITE_P(Header, PcxHeaderDamage,
                         ::testing::Values(HeaderDamage{"xMaxBelowXMin", 4, {40, 0}},
                                           HeaderDamage{"yMaxBelowYMin", 6, {40, 0}},
                                           HeaderDamage{"bytesPerLineShort", 66, {31, 0}},
                                           HeaderDamage{"bytesPerLineZero", 66, {0, 0}},
                                           HeaderDamage{"twoPlanes", 65, {2}}, HeaderDamage{"noPlanes", 65, {0}},
                                           HeaderDamage{"fivePlanes", 65, {5}}),
                         [](const auto &testInfo) { return std::string(testInfo.param.name); });

TEST(PcxDecoder, HugeDeclaredSizeIsRefused)
{
    QByteArray data = readFixture("pcx/indexed8.pcx");
    data[8] = char(0xFF); // 65536 × 65536
    data[9] = char(0xFF);
    data[10] = char(0xFF);
    data[11] = char(0xFF);
    data[66] = char(0xFF);
    data[67] = char(0xFF);
    EXPECT_FALSE(codec::decodePicture(data).has_value());
}

TEST(PcxDecoder, RunsMayCrossScanlines)
{
    // 4 × 2 pixels, 8 bits, one plane: one run of 8 covers both lines.
    QByteArray data(128, '\0');
    data[0] = 0x0A;
    data[1] = 5;
    data[2] = 1;
    data[3] = 8;
    data[8] = 3;  // xMax
    data[10] = 1; // yMax
    data[65] = 1;
    data[66] = 4;
    data.append(char(0xC8));
    data.append(char(7));
    data.append(char(0x0C));
    QByteArray palette(768, '\0');
    palette[7 * 3] = char(0x12);
    palette[7 * 3 + 1] = char(0x34);
    palette[7 * 3 + 2] = char(0x56);
    data += palette;
    const auto picture = codec::decodePicture(data);
    ASSERT_TRUE(picture.has_value());
    const QImage image = picture->frames.first();
    ASSERT_EQ(image.size(), QSize(4, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(image.pixel(x, y), qRgb(0x12, 0x34, 0x56)) << x << "," << y;
}

} // namespace
