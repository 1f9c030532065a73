#include "PictureTestSupport.h"

#include "ui/PictureBox.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace {

using pictures::faceColour;
using pictures::rendered;
using ui::DisplayMode;

struct PlacementRow {
    DisplayMode mode;
    QSize picture;
    QSize box;
    QRect expected;
};

void PrintTo(const PlacementRow &row, std::ostream *os)
{
    *os << "mode " << int(row.mode) << " " << row.picture.width() << "x" << row.picture.height() << " in "
        << row.box.width() << "x" << row.box.height();
}

class Placement : public ::testing::TestWithParam<PlacementRow> {};

TEST_P(Placement, FollowsTheDisplayMode)
{
    const PlacementRow &row = GetParam();
    EXPECT_EQ(ui::picturePlacement(row.mode, row.picture, row.box), row.expected);
}

INSTANTIATE_TEST_SUITE_P(PictureBox, Placement,
                         ::testing::Values(
                             // Mode 0: own size at the top-left corner, also when it does not fit.
                             PlacementRow{DisplayMode::Natural, {300, 200}, {150, 150}, {0, 0, 300, 200}},
                             PlacementRow{DisplayMode::Natural, {40, 30}, {150, 150}, {0, 0, 40, 30}},
                             // Mode 1: the whole box, proportions not kept.
                             PlacementRow{DisplayMode::Stretch, {300, 200}, {150, 150}, {0, 0, 150, 150}},
                             PlacementRow{DisplayMode::Stretch, {40, 30}, {379, 384}, {0, 0, 379, 384}},
                             // Mode 2: shrunk by the smaller ratio, truncated, centred; never enlarged.
                             PlacementRow{DisplayMode::Fit, {300, 200}, {150, 150}, {0, 25, 150, 100}},
                             PlacementRow{DisplayMode::Fit, {200, 300}, {150, 150}, {25, 0, 100, 150}},
                             PlacementRow{DisplayMode::Fit, {200, 100}, {150, 150}, {0, 37, 150, 75}},
                             PlacementRow{DisplayMode::Fit, {100, 200}, {150, 150}, {37, 0, 75, 150}},
                             PlacementRow{DisplayMode::Fit, {301, 200}, {150, 150}, {0, 25, 150, 99}},
                             PlacementRow{DisplayMode::Fit, {101, 51}, {150, 150}, {24, 49, 101, 51}},
                             PlacementRow{DisplayMode::Fit, {150, 150}, {150, 150}, {0, 0, 150, 150}},
                             PlacementRow{DisplayMode::Fit, {300, 200}, {0, 0}, {0, 0, 0, 0}}));

class PictureBoxTest : public ::testing::Test {
protected:
    ui::PictureBox box{nullptr};
};

QImage quadrants(QSize size, const QColor (&colours)[4])
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    painter.fillRect(0, 0, halfWidth, halfHeight, colours[0]);
    painter.fillRect(halfWidth, 0, size.width() - halfWidth, halfHeight, colours[1]);
    painter.fillRect(0, halfHeight, halfWidth, size.height() - halfHeight, colours[2]);
    painter.fillRect(halfWidth, halfHeight, size.width() - halfWidth, size.height() - halfHeight, colours[3]);
    return image;
}

TEST_F(PictureBoxTest, StretchedPictureFillsTheBoxCornerToCorner)
{
    const QColor colours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    box.setPicture(pictures::encoded(quadrants({40, 30}, colours), "BMP"));
    box.setDisplayMode(1);
    box.resize(150, 100);
    const QImage shown = rendered(box);
    EXPECT_EQ(shown.pixelColor(0, 0), colours[0]);
    EXPECT_EQ(shown.pixelColor(149, 0), colours[1]);
    EXPECT_EQ(shown.pixelColor(0, 99), colours[2]);
    EXPECT_EQ(shown.pixelColor(149, 99), colours[3]);
}

struct BackgroundRow {
    int mode;
    QSize picture;
    QSize box;
    QList<QPoint> onPicture;
    QList<QPoint> onBackground;
};

TEST_F(PictureBoxTest, FaceColourFillsWhatThePictureLeavesFree)
{
    const BackgroundRow rows[] = {
        {0, {40, 30}, {150, 150}, {{0, 0}, {39, 29}}, {{40, 0}, {0, 30}, {149, 149}}},
        {2, {300, 200}, {150, 150}, {{0, 25}, {149, 124}, {75, 75}}, {{75, 24}, {75, 125}, {0, 0}, {149, 149}}},
        {2, {40, 30}, {150, 150}, {{55, 60}, {94, 89}}, {{54, 60}, {95, 89}, {55, 59}, {94, 90}}},
    };
    for (const BackgroundRow &row : rows) {
        box.setPicture(pictures::solidBmp(row.picture, Qt::red));
        box.setDisplayMode(row.mode);
        box.resize(row.box);
        const QImage shown = rendered(box);
        for (const QPoint &at : row.onPicture)
            EXPECT_EQ(shown.pixelColor(at), QColor(Qt::red))
                << "mode " << row.mode << " at " << at.x() << "," << at.y();
        for (const QPoint &at : row.onBackground)
            EXPECT_EQ(shown.pixelColor(at), faceColour()) << "mode " << row.mode << " at " << at.x() << "," << at.y();
    }
}

TEST_F(PictureBoxTest, FaceColourShowsThroughTransparentPixels)
{
    QImage clear(20, 20, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    box.setPicture(pictures::encoded(clear, "PNG"));
    ASSERT_TRUE(box.hasPicture());
    box.setDisplayMode(1);
    box.resize(60, 60);
    const QImage shown = rendered(box);
    EXPECT_EQ(shown.pixelColor(30, 30), faceColour());
}

TEST_F(PictureBoxTest, NewPictureAndNewSizeShowAtOnceWhileStretched)
{
    box.setDisplayMode(1);
    box.resize(150, 150);
    box.setPicture(pictures::solidBmp({30, 30}, Qt::red));
    EXPECT_EQ(rendered(box).pixelColor(75, 75), QColor(Qt::red));

    box.setPicture(pictures::solidBmp({60, 20}, Qt::blue));
    QImage shown = rendered(box);
    for (const QPoint &corner : {QPoint(0, 0), QPoint(149, 0), QPoint(0, 149), QPoint(149, 149)})
        EXPECT_EQ(shown.pixelColor(corner), QColor(Qt::blue)) << corner.x() << "," << corner.y();

    box.resize(200, 120);
    shown = rendered(box);
    EXPECT_EQ(shown.size(), QSize(200, 120));
    EXPECT_EQ(shown.pixelColor(199, 119), QColor(Qt::blue));
}

TEST_F(PictureBoxTest, DataItCannotDecodeLeavesOnlyTheBackground)
{
    box.resize(50, 50);
    box.setDisplayMode(1);
    box.setPicture(pictures::solidBmp({10, 10}, Qt::red));
    ASSERT_TRUE(box.hasPicture());
    for (const QByteArray &bad : {QByteArray(), QByteArray("BM"), QByteArray("not a picture at all")}) {
        box.setPicture(bad);
        EXPECT_FALSE(box.hasPicture());
        EXPECT_EQ(rendered(box).pixelColor(25, 25), faceColour());
        EXPECT_EQ(box.size(), QSize(50, 50));
    }
}

// A photo-sized picture whose every pixel differs from its neighbours, so that a part
// drawn from the wrong place of the picture shows.
QImage patterned(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb(x & 0xFF, y & 0xFF, (((x >> 8) + (y >> 8)) * 40) & 0xFF);
    }
    return image;
}

struct ScaledPartRow {
    QSize box;
    QRect part;
};

void PrintTo(const ScaledPartRow &row, std::ostream *os)
{
    *os << row.box.width() << "x" << row.box.height() << " part at " << row.part.x() << "," << row.part.y();
}

class LargePicture : public ::testing::TestWithParam<ScaledPartRow> {
protected:
    static void SetUpTestSuite() { s_photo = pictures::encoded(patterned({6000, 4000}), "JPEG", 90); }
    static void TearDownTestSuite() { s_photo = QByteArray(); }
    static QByteArray s_photo;
};
QByteArray LargePicture::s_photo;

// Every shown pixel must lie within the colours of the picture's pixels around the place
// that it maps to, whichever way the scaling filters.
void expectPartMapsOntoPicture(const QImage &shown, const QImage &picture, QRect part, QSize box)
{
    const double scaleX = double(picture.width()) / box.width();
    const double scaleY = double(picture.height()) / box.height();
    int wrong = 0;
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            const int sx = int(std::lround((part.x() + x + 0.5) * scaleX - 0.5));
            const int sy = int(std::lround((part.y() + y + 0.5) * scaleY - 0.5));
            int low[3] = {255, 255, 255};
            int high[3] = {0, 0, 0};
            for (int ny = std::max(sy - 1, 0); ny <= std::min(sy + 1, picture.height() - 1); ++ny) {
                for (int nx = std::max(sx - 1, 0); nx <= std::min(sx + 1, picture.width() - 1); ++nx) {
                    const QRgb near = picture.pixel(nx, ny);
                    const int channels[3] = {qRed(near), qGreen(near), qBlue(near)};
                    for (int c = 0; c < 3; ++c) {
                        low[c] = std::min(low[c], channels[c]);
                        high[c] = std::max(high[c], channels[c]);
                    }
                }
            }
            const QRgb got = shown.pixel(x, y);
            const int channels[3] = {qRed(got), qGreen(got), qBlue(got)};
            for (int c = 0; c < 3; ++c) {
                if (channels[c] < low[c] - 2 || channels[c] > high[c] + 2) {
                    if (++wrong <= 5)
                        ADD_FAILURE() << "pixel " << part.x() + x << "," << part.y() + y << " channel " << c << " is "
                                      << channels[c] << ", the picture has " << low[c] << " to " << high[c];
                    break;
                }
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_P(LargePicture, ExposedPartIsThePictureScaled)
{
    const ScaledPartRow &row = GetParam();
    ui::PictureBox box(nullptr);
    box.setPicture(s_photo);
    ASSERT_TRUE(box.hasPicture());
    box.setDisplayMode(1);
    box.setWidth(row.box.width());
    box.setHeight(row.box.height());
    ASSERT_EQ(box.size(), row.box);

    const QImage part = rendered(box, row.part);
    expectPartMapsOntoPicture(part, box.currentFrame(), row.part, row.box);

    // A larger exposure around it draws the same pixels: repaints of parts leave no seams.
    const QRect around = row.part.adjusted(-37, -23, 41, 19) & box.rect();
    const QImage larger = rendered(box, around);
    EXPECT_EQ(larger.copy(QRect(row.part.topLeft() - around.topLeft(), row.part.size())), part);
}

INSTANTIATE_TEST_SUITE_P(PictureBox, LargePicture,
                         ::testing::Values(
                             // Scaled once and kept.
                             ScaledPartRow{{3000, 2000}, {1400, 900, 160, 90}},
                             // Zoomed out once from the photo's own size: beyond what is kept, scaled per repaint.
                             ScaledPartRow{{5400, 3600}, {2000, 1500, 200, 120}},
                             ScaledPartRow{{5400, 3600}, {5300, 3550, 100, 50}},
                             // Zoomed up to the clamp.
                             ScaledPartRow{{32627, 32627}, {0, 0, 120, 80}},
                             ScaledPartRow{{32627, 32627}, {20000, 31000, 150, 100}},
                             ScaledPartRow{{32627, 32627}, {32527, 32547, 100, 80}}));

QColor shownColour(ui::PictureBox &box)
{
    return rendered(box).pixelColor(box.width() / 2, box.height() / 2);
}

TEST_F(PictureBoxTest, AnimatedPicturePlaysItsFrames)
{
    box.setDisplayMode(1);
    box.resize(40, 40);
    box.setPicture(pictures::animatedGif({8, 8}, {Qt::red, Qt::blue, Qt::green}, 1000));
    ASSERT_TRUE(box.hasPicture());
    EXPECT_TRUE(box.isAnimating());
    EXPECT_EQ(box.frameIndex(), 0);
    EXPECT_EQ(shownColour(box), QColor(Qt::red));

    box.advanceFrame();
    EXPECT_EQ(box.frameIndex(), 1);
    EXPECT_EQ(shownColour(box), QColor(Qt::blue));
    box.advanceFrame();
    EXPECT_EQ(shownColour(box), QColor(Qt::green));
    box.advanceFrame();
    EXPECT_EQ(box.frameIndex(), 0);
    EXPECT_EQ(shownColour(box), QColor(Qt::red));

    // A new picture starts again at its first frame.
    box.advanceFrame();
    box.setPicture(pictures::animatedGif({8, 8}, {Qt::yellow, Qt::blue}, 1000));
    EXPECT_EQ(box.frameIndex(), 0);
    EXPECT_EQ(shownColour(box), QColor(Qt::yellow));
}

TEST_F(PictureBoxTest, AnimationTimerMovesOnByItself)
{
    box.resize(8, 8);
    box.setPicture(pictures::animatedGif({8, 8}, {Qt::red, Qt::blue}, 2));
    ASSERT_TRUE(box.isAnimating());
    // Waiting for the event, not measuring it: the limit only keeps a broken timer from hanging.
    EXPECT_TRUE(QTest::qWaitFor([&] { return box.frameIndex() == 1; }, 30000));
}

TEST_F(PictureBoxTest, StillPictureShowsOneFrame)
{
    box.setPicture(pictures::solidBmp({8, 8}, Qt::red));
    EXPECT_FALSE(box.isAnimating());
    box.advanceFrame();
    EXPECT_EQ(box.frameIndex(), 0);

    box.setPicture(pictures::animatedGif({8, 8}, {Qt::red, Qt::blue}, 2));
    box.setPicture(pictures::solidBmp({8, 8}, Qt::red));
    EXPECT_FALSE(box.isAnimating());
}

} // namespace
