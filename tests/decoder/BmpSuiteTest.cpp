#include "DecoderTestSupport.h"

#include "codec/BmpHeader.h"
#include "codec/PictureDecoder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using decodertest::imageDifference;
using decodertest::readFixture;
using decodertest::readReferencePng;

struct GoodBmp {
    const char *file;
    const char *reference; // several encodings of one picture share a reference
};

class WellFormedBmp : public ::testing::TestWithParam<GoodBmp> {};

TEST_P(WellFormedBmp, MatchesReference)
{
    const QByteArray data = readFixture(QStringLiteral("bmpsuite/g/%1.bmp").arg(QLatin1String(GetParam().file)));
    ASSERT_FALSE(data.isEmpty());
    const QImage reference =
        readReferencePng(QStringLiteral("bmpsuite/reference/%1.png").arg(QLatin1String(GetParam().reference)));
    ASSERT_FALSE(reference.isNull());

    const auto picture = codec::decodePicture(data);
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->frames.size(), 1);
    EXPECT_EQ(imageDifference(picture->frames.first(), reference, 1), "");
}

INSTANTIATE_TEST_SUITE_P(
    BmpSuite, WellFormedBmp,
    ::testing::Values(GoodBmp{"pal1", "pal1"}, GoodBmp{"pal1bg", "pal1bg"}, GoodBmp{"pal1wb", "pal1"},
                      GoodBmp{"pal4", "pal4"}, GoodBmp{"pal4gs", "pal4gs"}, GoodBmp{"pal4rle", "pal4"},
                      GoodBmp{"pal8-0", "pal8"}, GoodBmp{"pal8", "pal8"}, GoodBmp{"pal8gs", "pal8gs"},
                      GoodBmp{"pal8nonsquare", "pal8nonsquare-e"}, GoodBmp{"pal8os2", "pal8"},
                      GoodBmp{"pal8rle", "pal8"}, GoodBmp{"pal8topdown", "pal8"}, GoodBmp{"pal8v4", "pal8"},
                      GoodBmp{"pal8v5", "pal8"}, GoodBmp{"pal8w124", "pal8w124"}, GoodBmp{"pal8w125", "pal8w125"},
                      GoodBmp{"pal8w126", "pal8w126"}, GoodBmp{"rgb16-565", "rgb16-565"},
                      GoodBmp{"rgb16-565pal", "rgb16-565"}, GoodBmp{"rgb16", "rgb16"}, GoodBmp{"rgb16bfdef", "rgb16"},
                      GoodBmp{"rgb24", "rgb24"}, GoodBmp{"rgb24pal", "rgb24"}, GoodBmp{"rgb32", "rgb24"},
                      GoodBmp{"rgb32bf", "rgb24"}, GoodBmp{"rgb32bfdef", "rgb24"}),
    [](const auto &testInfo) {
        std::string name = testInfo.param.file;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

QStringList bmpFiles(const QString &folder)
{
    return QDir(QStringLiteral(ZANVO_FIXTURES "/bmpsuite/") + folder).entryList({"*.bmp"}, QDir::Files, QDir::Name);
}

TEST(BmpSuite, EveryWellFormedFileIsInTheTable)
{
    EXPECT_EQ(bmpFiles("g").size(), 27);
}

// Valid but unusual files: whatever the reader manages, the result is a sane picture.
TEST(BmpSuite, QuestionableFilesNeverCrash)
{
    const QStringList files = bmpFiles("q");
    ASSERT_FALSE(files.isEmpty());
    for (const QString &file : files) {
        const auto picture = codec::decodePicture(readFixture("bmpsuite/q/" + file));
        if (picture) {
            EXPECT_FALSE(picture->size().isEmpty()) << file.toStdString();
            EXPECT_EQ(picture->frames.size(), picture->frameDelaysMs.size());
        }
    }
}

TEST(BmpSuite, BadFilesAreRefusedOrPartial)
{
    const QStringList files = bmpFiles("b");
    ASSERT_FALSE(files.isEmpty());
    for (const QString &file : files) {
        const auto picture = codec::decodePicture(readFixture("bmpsuite/b/" + file));
        if (picture) {
            // A partial picture never exceeds what the header declares.
            EXPECT_LE(picture->size().width(), 127) << file.toStdString();
            EXPECT_LE(picture->size().height(), 64) << file.toStdString();
        }
    }
}

TEST(BmpSuite, HugeDeclaredSizeIsRefusedBeforeDecoding)
{
    const QByteArray data = readFixture("bmpsuite/b/reallybig.bmp");
    const QSize declared = codec::bmpDeclaredSize(data);
    EXPECT_EQ(declared, QSize(3000000, 2000000));
    EXPECT_GT(qint64(declared.width()) * declared.height(), codec::DecodeLimits::kMaxPixels);
    EXPECT_FALSE(codec::decodePicture(data).has_value());
}

TEST(BmpSuite, TopDownHeightIsAMagnitude)
{
    EXPECT_EQ(codec::bmpDeclaredSize(readFixture("bmpsuite/g/pal8topdown.bmp")), QSize(127, 64));
    EXPECT_EQ(codec::bmpDeclaredSize(readFixture("bmpsuite/g/pal8os2.bmp")), QSize(127, 64));
    EXPECT_FALSE(codec::bmpDeclaredSize(QByteArray("BM\0\0", 4)).isValid());
}

} // namespace
