#include "ui/TemplateTable.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>

namespace ui {
// Readable parameter names in failure messages.
void PrintTo(const TemplateRecord &entry, std::ostream *os)
{
    *os << entry.index << " " << entry.name.toString().toStdString() << " " << entry.image.width() << "x"
        << entry.image.height();
}
} // namespace ui

namespace {

using ui::kTemplates;
using ui::TemplateRecord;

struct JpegFrame {
    int marker; // 0xC0 baseline, 0xC2 progressive, ...
    int width;
    int height;
};

// Walks the marker segments up to the first frame header, refusing anything truncated.
std::optional<JpegFrame> readFrame(const QByteArray &data)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(data[i]); };
    if (data.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return std::nullopt;
    qsizetype pos = 2;
    while (pos + 4 <= data.size()) {
        if (byte(pos) != 0xFF)
            return std::nullopt;
        const int marker = byte(pos + 1);
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        const int length = (byte(pos + 2) << 8) | byte(pos + 3);
        if (length < 2 || pos + 2 + length > data.size())
            return std::nullopt;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8)
                return std::nullopt;
            return JpegFrame{marker, (byte(pos + 7) << 8) | byte(pos + 8), (byte(pos + 5) << 8) | byte(pos + 6)};
        }
        if (marker == 0xDA || marker == 0xD9)
            return std::nullopt;
        pos += 2 + length;
    }
    return std::nullopt;
}

QString assetDir()
{
    return QStringLiteral(ZANVO_SOURCE_DIR "/assets/templates");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// How far the drawn set may drift from the committed one under another Qt, font or
// libjpeg-turbo version, in levels of 0 … 255 per colour channel. Measured: drawing everything
// 1/20 px off gives at most mean 2.4 and max 38, encoding at quality 95 mean 1.8 and max 27;
// leaving out one small element (a half-hidden steering wheel) gives max 167.
constexpr double kMeanTolerance = 3.0;
constexpr int kMaxTolerance = 64;

struct PixelDifference {
    double mean;
    int max;
};

// Per colour channel, over two pictures of the same size.
PixelDifference pixelDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    const qsizetype rowBytes = qsizetype(x.width()) * 3;
    qint64 sum = 0;
    int max = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar *p = x.constScanLine(row);
        const uchar *q = y.constScanLine(row);
        for (qsizetype i = 0; i < rowBytes; ++i) {
            const int d = std::abs(int(p[i]) - int(q[i]));
            sum += d;
            max = std::max(max, d);
        }
    }
    return {double(sum) / double(rowBytes * x.height()), max};
}

class TemplateFile : public ::testing::TestWithParam<TemplateRecord> {};

TEST_P(TemplateFile, HeaderGivesCatalogueSizeAndKind)
{
    const TemplateRecord entry = GetParam();
    const QString name = entry.file.toString();
    const QByteArray bytes = readAll(assetDir() + QLatin1Char('/') + name);
    ASSERT_FALSE(bytes.isEmpty()) << qPrintable(name);
    const auto frame = readFrame(bytes);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->width, entry.image.width());
    EXPECT_EQ(frame->height, entry.image.height());
    EXPECT_EQ(frame->marker, entry.progressive ? 0xC2 : 0xC0);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, TemplateFile, ::testing::ValuesIn(kTemplates),
                         [](const ::testing::TestParamInfo<TemplateRecord> &param) {
                             return "entry" + std::to_string(param.param.index);
                         });

TEST(TemplateSet, HoldsExactlyTheCatalogueFilesWithFortyOneProgressive)
{
    QStringList expected;
    for (const TemplateRecord &entry : kTemplates)
        expected << entry.file.toString();
    const QStringList present = QDir(assetDir()).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    EXPECT_EQ(present, expected);

    int progressive = 0, baseline = 0;
    for (const QString &name : present) {
        const auto frame = readFrame(readAll(assetDir() + QLatin1Char('/') + name));
        ASSERT_TRUE(frame.has_value()) << qPrintable(name);
        progressive += frame->marker == 0xC2 ? 1 : 0;
        baseline += frame->marker == 0xC0 ? 1 : 0;
    }
    EXPECT_EQ(progressive, 41);
    EXPECT_EQ(baseline, 12);
}

TEST(TemplateSet, IsWhatTheGeneratorDraws)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess generator;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    generator.setProcessEnvironment(env);
    generator.start(QStringLiteral(ZANVO_TEMPLATE_GENERATOR), {out.path()});
    ASSERT_TRUE(generator.waitForFinished(-1));
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().constData();

    for (const TemplateRecord &entry : kTemplates) {
        const QString name = entry.file.toString();
        SCOPED_TRACE(name.toStdString());
        const QByteArray drawn = readAll(out.filePath(name));
        const QByteArray committed = readAll(assetDir() + QLatin1Char('/') + name);
        ASSERT_FALSE(drawn.isEmpty());
        ASSERT_FALSE(committed.isEmpty());

        const auto frame = readFrame(drawn);
        ASSERT_TRUE(frame.has_value());
        EXPECT_EQ(QSize(frame->width, frame->height), entry.image);
        EXPECT_EQ(frame->marker, entry.progressive ? 0xC2 : 0xC0);

        const QImage drawnImage = QImage::fromData(drawn, "JPG");
        const QImage committedImage = QImage::fromData(committed, "JPG");
        ASSERT_EQ(drawnImage.size(), entry.image);
        ASSERT_EQ(committedImage.size(), entry.image);
        const PixelDifference difference = pixelDifference(drawnImage, committedImage);
        EXPECT_LE(difference.mean, kMeanTolerance) << "regenerate the set if the drawing was meant to change";
        EXPECT_LE(difference.max, kMaxTolerance) << "regenerate the set if the drawing was meant to change";
    }
}

TEST(WindowIcon, IsFiftyByFortyEightWithTransparentCorners)
{
    const QImage icon(QStringLiteral(ZANVO_SOURCE_DIR "/assets/icon/zanvo.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(50, 48));
    ASSERT_TRUE(icon.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(49, 0), QPoint(0, 47), QPoint(49, 47)})
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
}

} // namespace
