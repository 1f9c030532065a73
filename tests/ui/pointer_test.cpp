#include "RecordingWindow.h"

#include "ui/Label.h"
#include "ui/TransparentLabel.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using ui::Event;

class PointerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(recording.window, nullptr) << recording.error.toStdString();
        // A press captures the pointer, as the drag handlers do.
        recording.onPointer = [this](const QString &control, Event event, const ui::PointerArgs &) {
            if (event == Event::LeftButtonPressed && !control.isEmpty())
                w.capturePointer();
            if (event == Event::LeftButtonReleased && control.isEmpty())
                w.releasePointer();
        };
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        recording.raised.clear();
    }

    std::vector<Raised> of(Event event) const
    {
        std::vector<Raised> found;
        for (const Raised &r : recording.raised)
            if (r.event == event)
                found.push_back(r);
        return found;
    }

    RecordingWindow recording;
    ui::Window &w = *recording.window;
    QWidget &main = w.mainWidget();
};

TEST_F(PointerTest, CapturedMovesAndReleaseOutsideTheWindowReachTheMainWindow)
{
    QWidget &caption = w.transparentLabel(u"透明标签1");
    QTest::mousePress(&caption, Qt::LeftButton, {}, QPoint(10, 5));
    auto presses = of(Event::LeftButtonPressed);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].control, QStringLiteral("透明标签1"));
    EXPECT_EQ(presses[0].pointer.x, 10);
    EXPECT_EQ(presses[0].pointer.y, 5);
    EXPECT_TRUE(w.holdsCapture());

    QTest::mouseMove(&main, QPoint(-30, 40));
    auto moves = of(Event::MouseMoved);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().control, QString());
    EXPECT_EQ(moves.back().pointer.x, -30);
    EXPECT_EQ(moves.back().pointer.y, 40);

    QTest::mouseRelease(&main, Qt::LeftButton, {}, QPoint(-30, 700));
    auto releases = of(Event::LeftButtonReleased);
    ASSERT_EQ(releases.size(), 1u);
    EXPECT_EQ(releases[0].control, QString());
    EXPECT_EQ(releases[0].pointer.y, 700);
    EXPECT_FALSE(w.holdsCapture());
}

TEST_F(PointerTest, SecondPressOfADoubleClickRaisesNoPress)
{
    QWidget &caption = w.transparentLabel(u"透明标签1");
    // What a double click delivers: press, release, double click, release.
    QTest::mousePress(&caption, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(&main, Qt::LeftButton, {}, caption.mapTo(&main, QPoint(20, 10)));
    QTest::mouseDClick(&caption, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(recording.count(QStringLiteral("透明标签1"), Event::LeftButtonPressed), 1);
    w.releasePointer();
}

TEST_F(PointerTest, TheMaskIsItsOwnTargetInsideThePictureArea)
{
    QWidget &mask = w.label(u"标签6");
    mask.show();
    QTest::mousePress(&mask, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(recording.count(QStringLiteral("标签6"), Event::LeftButtonPressed), 1);
    EXPECT_EQ(recording.count(QString(), Event::LeftButtonPressed), 0);
    QTest::mouseRelease(&main, Qt::LeftButton, {}, QPoint(50, 50));
}

TEST_F(PointerTest, BareClientAreaRaisesMovesWithoutADragAndControlsDoNotReachIt)
{
    // Below the picture panel and left of the read-outs nothing covers the client area.
    QTest::mouseMove(&main, QPoint(2, 440));
    auto moves = of(Event::MouseMoved);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().pointer.x, 2);
    EXPECT_FALSE(moves.back().pointer.leftButtonHeld);

    recording.raised.clear();
    QWidget &label = w.label(u"标签1");
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(recording.count(QString(), Event::LeftButtonReleased), 0);
}

TEST_F(PointerTest, KeyStateBitsAreSampledWithTheEvent)
{
    QWidget &caption = w.transparentLabel(u"透明标签1");
    QTest::mousePress(&caption, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, QPoint(3, 3));
    auto presses = of(Event::LeftButtonPressed);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].pointer.keys, ui::KeyCtrl | ui::KeyAlt);
    QTest::mouseRelease(&main, Qt::LeftButton, {}, QPoint(3, 3));
}

} // namespace
