#include "codec/PictureDecoder.h"
#include "editor/TemplateCatalogue.h"
#include "ui/TemplateTable.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>

namespace ui {
void PrintTo(const TemplateRecord &row, std::ostream *os)
{
    *os << row.index << " " << row.name.toString().toStdString();
}
} // namespace ui

namespace {

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

// Every row against the catalogue and against the picture's own frame header.
class CatalogueEntry : public ::testing::TestWithParam<ui::TemplateRecord> {};

TEST_P(CatalogueEntry, HoldsItsNameImageAndDisplaySize)
{
    const ui::TemplateRecord &row = GetParam();
    const std::optional<editor::TemplateEntry> entry = editor::TemplateCatalogue::entry(row.index);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, row.name);
    EXPECT_EQ(entry->displaySize, row.display);

    const std::optional<JpegFrame> frame = jpegFrame(entry->image);
    ASSERT_TRUE(frame) << "no JPEG frame header";
    EXPECT_EQ(frame->size, row.image);
    EXPECT_EQ(frame->progressive, row.progressive);

    const std::optional<codec::DecodedPicture> decoded = codec::decodePicture(entry->image);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->size(), row.image);
    EXPECT_FALSE(decoded->animated());

    // Only the two cat pictures are shown at a size other than their own.
    if (row.index == 15 || row.index == 16)
        EXPECT_NE(row.display, row.image);
    else
        EXPECT_EQ(row.display, row.image);
}

INSTANTIATE_TEST_SUITE_P(TemplateCatalogue, CatalogueEntry, ::testing::ValuesIn(ui::kTemplates));

// A few entries written out, so that a shifted or mistyped table row shows.
TEST(TemplateCatalogue, HoldsKnownEntries)
{
    const struct {
        int index;
        const char16_t *name;
        QSize image;
        QSize display;
    } known[] = {
        {0, u"短发1", {234, 234}, {234, 234}},    {9, u"懵逼狗", {264, 237}, {264, 237}},
        {15, u"蠢猫1", {266, 266}, {265, 265}},   {16, u"蠢猫2", {264, 265}, {265, 265}},
        {27, u"熊猫头1", {400, 400}, {400, 400}}, {52, u"生无可恋", {272, 238}, {272, 238}},
    };
    for (const auto &k : known) {
        const std::optional<editor::TemplateEntry> entry = editor::TemplateCatalogue::entry(k.index);
        ASSERT_TRUE(entry) << k.index;
        EXPECT_EQ(entry->name, QString::fromUtf16(k.name)) << k.index;
        EXPECT_EQ(entry->displaySize, k.display) << k.index;
        const std::optional<JpegFrame> frame = jpegFrame(entry->image);
        ASSERT_TRUE(frame) << k.index;
        EXPECT_EQ(frame->size, k.image) << k.index;
    }
}

TEST(TemplateCatalogue, MixesProgressiveAndBaselineImages)
{
    // Both kinds must reach the picture area's decoder from the shipped pictures.
    int progressive = 0;
    int baseline = 0;
    for (int index = 0; index < editor::TemplateCatalogue::kCount; ++index) {
        const std::optional<editor::TemplateEntry> entry = editor::TemplateCatalogue::entry(index);
        ASSERT_TRUE(entry) << index;
        const std::optional<JpegFrame> frame = jpegFrame(entry->image);
        ASSERT_TRUE(frame) << index;
        (frame->progressive ? progressive : baseline) += 1;
    }
    EXPECT_EQ(progressive, 41);
    EXPECT_EQ(baseline, 12);
}

TEST(TemplateCatalogue, GivesNothingOutsideTheList)
{
    for (const int index : {-1, 53, 54, INT_MIN, INT_MAX})
        EXPECT_FALSE(editor::TemplateCatalogue::entry(index)) << index;
}

} // namespace
