#include "ExportFixture.h"

#include "codec/PictureDecoder.h"
#include "codec/SnapshotImage.h"
#include "exchange/Handlers.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"

#include <QWidget>

namespace exchange::test {
namespace {

const QColor kMaskColour{0x33, 0x66, 0xcc};
const QColor kCaptionRed{255, 0, 0};

using SnapshotTest = EditorFixture;

QImage decodedSnapshot(const codec::SnapshotImage &snapshot)
{
    const std::optional<codec::DecodedPicture> decoded = codec::decodePicture(snapshot);
    return decoded ? decoded->frames.first() : QImage();
}

TEST_F(SnapshotTest, HoldsWhatTheScreenShowsWithTheCaptionAndTheShownMask)
{
    showPicture(quadrantPicture(QSize(60, 40)), QSize(379, 384));
    const QRect captionBox(60, 150, 220, 40); // in the window, over the picture area
    placeCaption(QStringLiteral("ZANVO 图片"), captionBox.topLeft(), captionBox.size());
    const QRect maskBox(20, 250, 104, 48); // in the picture area
    showMask(maskBox, kMaskColour);

    const QImage shown = composePictureArea(controls(), 379, 384);
    ASSERT_EQ(shown.size(), QSize(379, 384));
    EXPECT_EQ(differingPixels(shown, screenOverArea()), 0);

    const QRect captionInArea = captionBox.translated(-area().pos());
    EXPECT_GT(pixelsOfColour(shown, captionInArea, kCaptionRed), 50) << "the caption's glyphs";
    EXPECT_EQ(pixelsOfColour(shown, shown.rect(), kMaskColour), maskBox.width() * maskBox.height());
    EXPECT_EQ(pixelsOfColour(shown, maskBox, kMaskColour), maskBox.width() * maskBox.height());

    // The BMP holds the same pixels.
    EXPECT_EQ(differingPixels(decodedSnapshot(takeSnapshot(controls(), 379, 384)), shown), 0);

    window().label(u"标签6").setShown(0);
    const QImage unmasked = composePictureArea(controls(), 379, 384);
    EXPECT_EQ(differingPixels(unmasked, screenOverArea()), 0);
    EXPECT_EQ(pixelsOfColour(unmasked, unmasked.rect(), kMaskColour), 0);
    EXPECT_EQ(pixelsOfColour(unmasked, maskBox, kBottomLeft), maskBox.width() * maskBox.height());
}

TEST_F(SnapshotTest, LeavesOutACaptionThatIsHiddenOrElsewhere)
{
    showPicture(quadrantPicture(QSize(60, 40)), QSize(300, 300));
    placeCaption(QStringLiteral("ZANVO"), QPoint(60, 150), QSize(220, 40));
    ui::TransparentLabel &caption = window().transparentLabel(u"透明标签1");

    caption.setShown(0);
    EXPECT_EQ(pixelsOfColour(composePictureArea(controls(), 300, 300), QRect(0, 0, 300, 300), kCaptionRed), 0);

    caption.setShown(1);
    caption.move(450, 200); // over the list, beside the picture area
    const QImage beside = composePictureArea(controls(), 300, 300);
    EXPECT_EQ(pixelsOfColour(beside, beside.rect(), kCaptionRed), 0);
    EXPECT_EQ(differingPixels(beside, screenOverArea()), 0);

    // Centred on the area's right edge: the half over it is in the picture, as on screen.
    caption.move(5 + 300 - 110, 150);
    const QImage straddling = composePictureArea(controls(), 300, 300);
    EXPECT_GT(pixelsOfColour(straddling, straddling.rect(), kCaptionRed), 0);
    EXPECT_EQ(differingPixels(straddling, screenOverArea()), 0);
}

TEST_F(SnapshotTest, ZoomedPastTheWindowStillHoldsTheWholePicture)
{
    showPicture(quadrantPicture(QSize(80, 60)), QSize(1200, 900));
    placeCaption(QStringLiteral("ZANVO"), QPoint(60, 150), QSize(220, 40));
    showMask(QRect(900, 700, 200, 100), kMaskColour); // wholly outside the window

    const QImage shown = composePictureArea(controls(), 1200, 900);
    ASSERT_EQ(shown.size(), QSize(1200, 900));
    EXPECT_EQ(QColor(shown.pixel(10, 10)), kTopLeft);
    EXPECT_EQ(QColor(shown.pixel(1190, 10)), kTopRight);
    EXPECT_EQ(QColor(shown.pixel(10, 890)), kBottomLeft);
    EXPECT_EQ(QColor(shown.pixel(1190, 890)), kBottomRight);
    EXPECT_EQ(pixelsOfColour(shown, QRect(900, 700, 200, 100), kMaskColour), 200 * 100);

    // Where nothing else of the window lies over the area, the screen agrees pixel for pixel.
    const QRect uncovered(0, 0, 380, 380);
    const QImage screen = window().mainWidget().grab(uncovered.translated(area().pos())).toImage();
    EXPECT_EQ(differingPixels(shown.copy(uncovered), screen), 0);
    EXPECT_GT(pixelsOfColour(shown, uncovered, kCaptionRed), 0);
}

TEST_F(SnapshotTest, AnotherRequestedSizeScalesTheWholeCapture)
{
    showPicture(quadrantPicture(QSize(40, 40)), QSize(200, 200));
    const QImage scaled = composePictureArea(controls(), 100, 50);
    ASSERT_EQ(scaled.size(), QSize(100, 50));
    EXPECT_EQ(QColor(scaled.pixel(2, 2)), kTopLeft);
    EXPECT_EQ(QColor(scaled.pixel(97, 47)), kBottomRight);
}

TEST_F(SnapshotTest, BmpOfRealPictureAreas)
{
    const struct {
        QSize size;
        qsizetype bytes;
    } cases[] = {
        {{379, 384}, 437'814},
        {{400, 400}, 480'054},
        {{234, 234}, 164'790},
        {{1, 1}, 58},
    };
    for (const auto &c : cases) {
        showPicture(quadrantPicture(QSize(20, 20)), c.size);
        const codec::SnapshotImage snapshot = takeSnapshot(controls(), c.size.width(), c.size.height());
        EXPECT_EQ(snapshot.size(), c.bytes) << c.size.width() << "x" << c.size.height();
        const std::optional<codec::BmpLayout> layout = codec::readSnapshotLayout(snapshot);
        ASSERT_TRUE(layout);
        EXPECT_EQ(QSize(layout->width, layout->height), c.size);
        // Below row 387 the size labels and zoom buttons of the window lie over a tall area.
        const QRect uncovered = QRect(QPoint(0, 0), c.size).intersected(QRect(0, 0, 380, 380));
        EXPECT_EQ(differingPixels(decodedSnapshot(snapshot).copy(uncovered), screenOverArea().copy(uncovered)), 0);
    }
}

TEST_F(SnapshotTest, EmptyWhenThereIsNothingToHoldOrTooMuch)
{
    showPicture(quadrantPicture(QSize(20, 20)), QSize(200, 200));
    const struct {
        QSize area;
        QSize requested;
    } cases[] = {
        {{0, 200}, {0, 200}},
        {{200, 0}, {200, 0}},
        {{0, 0}, {0, 0}},
        {{200, 200}, {0, 200}},           // asked for nothing
        {{32627, 32627}, {32627, 32627}}, // the largest zoom: over 4 GB of pixels
        {{200, 200}, {32627, 32627}},     // scaling up to that is refused as well
        {{32627, 32627}, {200, 200}},     // and so is capturing it to scale down
    };
    for (const auto &c : cases) {
        area().resize(c.area);
        const QString which = QStringLiteral("%1x%2 as %3x%4")
                                  .arg(c.area.width())
                                  .arg(c.area.height())
                                  .arg(c.requested.width())
                                  .arg(c.requested.height());
        EXPECT_TRUE(composePictureArea(controls(), c.requested.width(), c.requested.height()).isNull())
            << which.toStdString();
        EXPECT_TRUE(takeSnapshot(controls(), c.requested.width(), c.requested.height()).isEmpty())
            << which.toStdString();
    }
}

} // namespace
} // namespace exchange::test
