#include "codec/PictureDecoder.h"
#include "editor/TemplateCatalogue.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <optional>
#include <ostream>

namespace {

struct CatalogueRow {
    int index;
    const char16_t *name;
    QSize image;
    QSize display;
};

void PrintTo(const CatalogueRow &row, std::ostream *os)
{
    *os << row.index << " " << QString::fromUtf16(row.name).toStdString();
}

const CatalogueRow kCatalogue[] = {
    {0, u"短发1", {234, 234}, {234, 234}},       {1, u"短发2", {218, 218}, {218, 218}},
    {2, u"熊猫1", {160, 155}, {160, 155}},       {3, u"熊猫2", {164, 156}, {164, 156}},
    {4, u"熊猫3", {208, 207}, {208, 207}},       {5, u"熊猫4", {156, 172}, {156, 172}},
    {6, u"熊猫5", {160, 131}, {160, 131}},       {7, u"熊猫6", {133, 139}, {133, 139}},
    {8, u"斯巴达1", {154, 172}, {154, 172}},     {9, u"懵逼狗", {264, 237}, {264, 237}},
    {10, u"Dukesh", {287, 213}, {287, 213}},     {11, u"Lorvane", {347, 231}, {347, 231}},
    {12, u"黑人问号", {225, 225}, {225, 225}},   {13, u"马杀鸡", {198, 197}, {198, 197}},
    {14, u"小屁孩", {198, 198}, {198, 198}},     {15, u"蠢猫1", {266, 266}, {265, 265}},
    {16, u"蠢猫2", {264, 265}, {265, 265}},      {17, u"蘑菇头1", {290, 265}, {290, 265}},
    {18, u"蘑菇头2", {206, 206}, {206, 206}},    {19, u"蘑菇头3", {208, 210}, {208, 210}},
    {20, u"蘑菇头4", {220, 220}, {220, 220}},    {21, u"蘑菇头5", {220, 220}, {220, 220}},
    {22, u"女生1", {220, 220}, {220, 220}},      {23, u"女生2", {220, 220}, {220, 220}},
    {24, u"挑衅", {198, 198}, {198, 198}},       {25, u"蘑菇头6", {171, 163}, {171, 163}},
    {26, u"蘑菇头7", {258, 253}, {258, 253}},    {27, u"熊猫头1", {400, 400}, {400, 400}},
    {28, u"熊猫头2", {182, 198}, {182, 198}},    {29, u"女生3", {300, 300}, {300, 300}},
    {30, u"蘑菇头8", {186, 198}, {186, 198}},    {31, u"蘑菇头9", {198, 175}, {198, 175}},
    {32, u"理直气壮", {198, 193}, {198, 193}},   {33, u"蘑菇头10", {125, 174}, {125, 174}},
    {34, u"打脸", {205, 177}, {205, 177}},       {35, u"蘑菇头11", {300, 300}, {300, 300}},
    {36, u"熊猫头3", {300, 300}, {300, 300}},    {37, u"茫然", {198, 187}, {198, 187}},
    {38, u"痛苦", {150, 158}, {150, 158}},       {39, u"目瞪狗呆", {71, 76}, {71, 76}},
    {40, u"嚯", {108, 50}, {108, 50}},           {41, u"哈", {112, 50}, {112, 50}},
    {42, u"悲伤辣么大", {168, 151}, {168, 151}}, {43, u"闭嘴", {200, 211}, {200, 211}},
    {44, u"微笑", {89, 125}, {89, 125}},         {45, u"打脸2", {224, 224}, {224, 224}},
    {46, u"偷偷告诉你", {184, 130}, {184, 130}}, {47, u"蘑菇头12", {216, 226}, {216, 226}},
    {48, u"蘑菇头13", {198, 148}, {198, 148}},   {49, u"Pim和Tavo", {239, 228}, {239, 228}},
    {50, u"开车的声音", {160, 131}, {160, 131}}, {51, u"蘑菇头14", {218, 218}, {218, 218}},
    {52, u"生无可恋", {272, 238}, {272, 238}},
};
static_assert(std::size(kCatalogue) == editor::TemplateCatalogue::kCount);

struct JpegFrame {
    bool progressive;
    QSize size;
};

// The frame header (SOF) of a JPEG file, found by walking its marker segments.
std::optional<JpegFrame> jpegFrame(const QByteArray &data)
{
    const auto byte = [&](qsizetype at) { return int(static_cast<unsigned char>(data[at])); };
    if (data.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return std::nullopt;
    for (qsizetype at = 2; at + 4 <= data.size();) {
        if (byte(at) != 0xFF)
            return std::nullopt;
        const int marker = byte(at + 1);
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        const int length = (byte(at + 2) << 8) | byte(at + 3);
        if (length < 2 || at + 2 + length > data.size())
            return std::nullopt;
        const bool frameHeader = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frameHeader) {
            if (length < 8)
                return std::nullopt;
            const int height = (byte(at + 5) << 8) | byte(at + 6);
            const int width = (byte(at + 7) << 8) | byte(at + 8);
            return JpegFrame{marker == 0xC2, QSize(width, height)};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

class CatalogueEntry : public ::testing::TestWithParam<CatalogueRow> {};

TEST_P(CatalogueEntry, HoldsItsNameImageAndDisplaySize)
{
    const CatalogueRow &row = GetParam();
    const std::optional<editor::TemplateEntry> entry = editor::TemplateCatalogue::entry(row.index);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, QString::fromUtf16(row.name));
    EXPECT_EQ(entry->displaySize, row.display);

    const std::optional<JpegFrame> frame = jpegFrame(entry->image);
    ASSERT_TRUE(frame) << "no JPEG frame header";
    EXPECT_EQ(frame->size, row.image);

    const std::optional<codec::DecodedPicture> decoded = codec::decodePicture(entry->image);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->size(), row.image);
    EXPECT_FALSE(decoded->animated());
}

INSTANTIATE_TEST_SUITE_P(TemplateCatalogue, CatalogueEntry, ::testing::ValuesIn(kCatalogue));

TEST(TemplateCatalogue, MixesProgressiveAndBaselineImages)
{
    // Both kinds must reach the picture area's decoder from the shipped pictures.
    int progressive = 0;
    for (int index = 0; index < editor::TemplateCatalogue::kCount; ++index) {
        const std::optional<editor::TemplateEntry> entry = editor::TemplateCatalogue::entry(index);
        ASSERT_TRUE(entry) << index;
        const std::optional<JpegFrame> frame = jpegFrame(entry->image);
        ASSERT_TRUE(frame) << index;
        progressive += frame->progressive ? 1 : 0;
    }
    EXPECT_EQ(progressive, 41);
}

TEST(TemplateCatalogue, GivesNothingOutsideTheList)
{
    for (const int index : {-1, 53, 54, INT_MIN, INT_MAX})
        EXPECT_FALSE(editor::TemplateCatalogue::entry(index)) << index;
}

} // namespace
