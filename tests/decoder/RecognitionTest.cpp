#include "codec/PictureDecoder.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

using codec::PictureFormat;

struct SignatureCase {
    const char *name;
    QByteArray bytes;
    PictureFormat format;
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

class Recognition : public ::testing::TestWithParam<SignatureCase> {};

TEST_P(Recognition, FormatFromFirstBytes)
{
    EXPECT_EQ(codec::recognisePicture(GetParam().bytes), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Signatures, Recognition,
    ::testing::Values(SignatureCase{"jpeg", bytes({0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10}), PictureFormat::Jpeg},
                      SignatureCase{"bmp", QByteArray("BM\0\0\0\0", 6), PictureFormat::Bmp},
                      SignatureCase{"icon", bytes({0, 0, 1, 0, 1, 0}), PictureFormat::Icon},
                      SignatureCase{"cursor", bytes({0, 0, 2, 0, 1, 0}), PictureFormat::Cursor},
                      SignatureCase{"gif87a", QByteArray("GIF87a"), PictureFormat::Gif},
                      SignatureCase{"gif89a", QByteArray("GIF89a"), PictureFormat::Gif},
                      SignatureCase{"pcx8Version0", bytes({0x0A, 0, 1, 8, 0, 0}), PictureFormat::Pcx8},
                      SignatureCase{"pcx8Version5", bytes({0x0A, 5, 1, 8, 0, 0}), PictureFormat::Pcx8},
                      SignatureCase{"pcx1Version3", bytes({0x0A, 3, 1, 1, 0, 0}), PictureFormat::Pcx1},
                      SignatureCase{"png", bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}), PictureFormat::Png},
                      SignatureCase{"webp", QByteArray("RIFF\x10\0\0\0WEBPVP8 ", 16), PictureFormat::WebP},
                      // Near misses and everything else give no format.
                      SignatureCase{"empty", QByteArray(), PictureFormat::None},
                      SignatureCase{"jpegTooShort", bytes({0xFF, 0xD8, 0xFF, 0xE0, 0}), PictureFormat::None},
                      SignatureCase{"gifTooShort", QByteArray("GIF89"), PictureFormat::None},
                      SignatureCase{"gifOtherVersion", QByteArray("GIF90a"), PictureFormat::None},
                      SignatureCase{"iconType3", bytes({0, 0, 3, 0, 1, 0}), PictureFormat::None},
                      SignatureCase{"iconReservedSet", bytes({0, 1, 1, 0, 1, 0}), PictureFormat::None},
                      SignatureCase{"pcx8Version6", bytes({0x0A, 6, 1, 8, 0, 0}), PictureFormat::None},
                      SignatureCase{"pcx8Uncompressed", bytes({0x0A, 5, 0, 8, 0, 0}), PictureFormat::None},
                      SignatureCase{"pcx1Version5", bytes({0x0A, 5, 1, 1, 0, 0}), PictureFormat::None},
                      SignatureCase{"pcx2Bits", bytes({0x0A, 3, 1, 2, 0, 0}), PictureFormat::None},
                      SignatureCase{"pcx4Bits", bytes({0x0A, 5, 1, 4, 0, 0}), PictureFormat::None},
                      SignatureCase{"pngDamaged", bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x00}),
                                    PictureFormat::None},
                      SignatureCase{"riffNotWebp", QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16), PictureFormat::None},
                      SignatureCase{"tiff", QByteArray("II*\0\x08\0\0\0", 8), PictureFormat::None},
                      SignatureCase{"text", QByteArray("hello world"), PictureFormat::None}),
    [](const auto &testInfo) { return std::string(testInfo.param.name); });

TEST(DecodePicture, UnrecognisedDataGivesNothing)
{
    EXPECT_FALSE(codec::decodePicture(QByteArray()).has_value());
    EXPECT_FALSE(codec::decodePicture(QByteArray("II*\0\x08\0\0\0", 8)).has_value());
    EXPECT_FALSE(codec::decodePicture(QByteArray(64, '\0')).has_value());
}

TEST(DecodePicture, SignatureAloneGivesNothing)
{
    // Every format's signature followed by nothing decodable.
    for (const QByteArray &head :
         {bytes({0xFF, 0xD8, 0xFF, 0xD9, 0, 0}), QByteArray("BM\0\0\0\0", 6), bytes({0, 0, 1, 0, 0, 0}),
          bytes({0, 0, 2, 0, 0, 0}), QByteArray("GIF89a"), bytes({0x0A, 5, 1, 8, 0, 0}), bytes({0x0A, 3, 1, 1, 0, 0}),
          bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}), QByteArray("RIFF\x04\0\0\0WEBP", 12)}) {
        EXPECT_FALSE(codec::decodePicture(head).has_value()) << head.toHex().constData();
    }
}

} // namespace
