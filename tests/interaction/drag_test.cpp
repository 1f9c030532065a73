#include "EditorFixture.h"

#include "ui/Buttons.h"
#include "ui/Label.h"
#include "ui/TransparentLabel.h"

#include <QGuiApplication>
#include <QPoint>
#include <QStyleHints>
#include <QWindow>

#include <ostream>
#include <vector>

namespace {

enum class Act {
    Press,            // left button down on the overlay, at overlay coordinates
    DoubleClickPress, // the second press of a double click on the overlay, held
    RightPress,       // right button down on the overlay, at overlay coordinates
    RightRelease,     // at main-window coordinates, like all the steps below
    Move,
    Release,
    LoseButton, // the system took the capture away and the button went up where no release reached us
};

struct Step {
    Act act;
    QPoint at;
};

struct DragCase {
    const char *name;
    bool mask; // otherwise the caption
    std::vector<Step> steps;
    QPoint expectedTopLeft;
    bool stillDragging;
};

void PrintTo(const DragCase &c, std::ostream *os)
{
    *os << c.name;
}

constexpr QPoint kCaptionHome(96, 160);
constexpr QPoint kMaskHome(11, 8);

class DragTest : public EditorFixture, public ::testing::WithParamInterface<DragCase> {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        if (HasFatalFailure())
            return;
        QTest::mouseClick(&w().radioButton(u"单选框1"), Qt::LeftButton);
        ASSERT_TRUE(w().label(u"标签6").isVisible());
    }

    QWidget &overlay() const
    {
        if (GetParam().mask)
            return w().label(u"标签6");
        return w().transparentLabel(u"透明标签1");
    }

    // Input goes through the main window's platform window, so the toolkit routes it
    // (pointer capture included) as it routes the user's.
    void run(const Step &step)
    {
        QWindow *window = main().windowHandle();
        const QPoint onOverlay = overlay().mapTo(&main(), step.at);
        switch (step.act) {
        case Act::Press: QTest::mousePress(window, Qt::LeftButton, {}, onOverlay); break;
        case Act::DoubleClickPress:
            // A press soon after the last release, at the same place, is a double click.
            QTest::lastMouseTimestamp -= QGuiApplication::styleHints()->mouseDoubleClickInterval();
            QTest::mousePress(window, Qt::LeftButton, {}, onOverlay);
            break;
        case Act::RightPress: QTest::mousePress(window, Qt::RightButton, {}, onOverlay); break;
        case Act::RightRelease: QTest::mouseRelease(window, Qt::RightButton, {}, step.at); break;
        case Act::Move: QTest::mouseMove(window, step.at); break;
        case Act::Release: QTest::mouseRelease(window, Qt::LeftButton, {}, step.at); break;
        case Act::LoseButton: QTestPrivate::qtestMouseButtons = Qt::NoButton; break;
        }
    }
};

TEST_P(DragTest, OverlayEndsWhereThePointerTookIt)
{
    const DragCase &c = GetParam();
    for (const Step &step : c.steps)
        run(step);
    EXPECT_EQ(overlay().pos(), c.expectedTopLeft);
    const int flag = c.mask ? drag.maskDragging : drag.captionDragging;
    EXPECT_EQ(flag, c.stillDragging ? 1 : 0);
    EXPECT_EQ(w().holdsCapture(), c.stillDragging);
    // Dragging one overlay never moves the other.
    if (c.mask)
        EXPECT_EQ(w().transparentLabel(u"透明标签1").pos(), kCaptionHome);
    else
        EXPECT_EQ(w().label(u"标签6").pos(), kMaskHome);
}

const DragCase kDragCases[] = {
    {"CaptionFollowsThePointer", false, {{Act::Press, {10, 5}}, {Act::Move, {200, 120}}}, {190, 115}, true},
    {"CaptionFollowsEachMove",
     false,
     {{Act::Press, {10, 5}}, {Act::Move, {200, 120}}, {Act::Move, {201, 120}}},
     {191, 115},
     true},
    // The toolkit moves the pointer to the release's place first, so the caption goes there too.
    {"ReleaseOutsideTheWindowEndsTheDrag",
     false,
     {{Act::Press, {10, 5}}, {Act::Move, {200, 120}}, {Act::Release, {-30, 700}}, {Act::Move, {250, 150}}},
     {-40, 695},
     false},
    // The picture area lies at 5, 16: the grabbed point stays under the pointer.
    {"MaskKeepsTheGrabbedPointUnderThePointer", true, {{Act::Press, {4, 4}}, {Act::Move, {100, 100}}}, {91, 80}, true},
    {"PressWithoutMoveLeavesTheCaption", false, {{Act::Press, {10, 5}}}, kCaptionHome, true},
    {"PressWithoutMoveThenReleaseEndsTheDrag",
     false,
     {{Act::Press, {10, 5}}, {Act::Release, {106, 165}}},
     kCaptionHome,
     false},
    {"PressWithoutMoveLeavesTheMask", true, {{Act::Press, {4, 4}}, {Act::Release, {20, 28}}}, kMaskHome, false},
    {"CaptionGoesPastTheWindowsTopLeft", false, {{Act::Press, {10, 5}}, {Act::Move, {-30, -20}}}, {-40, -25}, true},
    {"CaptionComesBackWithThePointer",
     false,
     {{Act::Press, {10, 5}}, {Act::Move, {-30, -20}}, {Act::Move, {50, 60}}},
     {40, 55},
     true},
    {"CaptionClampsAtTheCoordinateLimit",
     false,
     {{Act::Press, {10, 5}}, {Act::Move, {40000, -40000}}},
     {32627, -32627},
     true},
    {"MaskClampsAtTheCoordinateLimit",
     true,
     {{Act::Press, {4, 4}}, {Act::Move, {-40000, 40000}}},
     {-32627, 32627},
     true},
    {"MaskLeavesThePictureArea", true, {{Act::Press, {4, 4}}, {Act::Move, {600, 440}}}, {591, 420}, true},
    {"MoveWithoutTheButtonEndsTheDrag",
     false,
     {{Act::Press, {10, 5}}, {Act::Move, {200, 120}}, {Act::LoseButton, {}}, {Act::Move, {250, 150}}},
     {190, 115},
     false},
    {"MoveWithoutTheButtonEndsTheMaskDrag",
     true,
     {{Act::Press, {4, 4}}, {Act::Move, {100, 100}}, {Act::LoseButton, {}}, {Act::Move, {250, 150}}},
     {91, 80},
     false},
    {"NoDragNoMove", false, {{Act::Move, {200, 120}}, {Act::Move, {300, 420}}}, kCaptionHome, false},
    {"RightButtonStartsNothing",
     false,
     {{Act::RightPress, {10, 5}}, {Act::Move, {200, 120}}, {Act::RightRelease, {200, 120}}},
     kCaptionHome,
     false},
    {"RightButtonDoesNotEndADrag",
     false,
     {{Act::Press, {10, 5}},
      {Act::Move, {200, 120}},
      {Act::RightPress, {10, 5}},
      {Act::RightRelease, {200, 120}},
      {Act::Move, {210, 130}}},
     {200, 125},
     true},
    {"SecondPressOfADoubleClickStartsNothing",
     false,
     {{Act::Press, {10, 5}}, {Act::Release, {106, 165}}, {Act::DoubleClickPress, {10, 5}}, {Act::Move, {200, 120}}},
     kCaptionHome,
     false},
};

INSTANTIATE_TEST_SUITE_P(Overlays, DragTest, ::testing::ValuesIn(kDragCases),
                         [](const ::testing::TestParamInfo<DragCase> &row) { return std::string(row.param.name); });

// The double-click row above is only worth something if the toolkit really saw a double click.
class DoubleClickCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            ++count;
        return false;
    }
};

TEST_F(EditorFixture, TheDoubleClickStepMakesARealDoubleClick)
{
    QWidget &caption = w().transparentLabel(u"透明标签1");
    DoubleClickCounter counter;
    caption.installEventFilter(&counter);
    QWindow *window = main().windowHandle();
    const QPoint at = caption.mapTo(&main(), QPoint(10, 5));
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    QTest::lastMouseTimestamp -= QGuiApplication::styleHints()->mouseDoubleClickInterval();
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    EXPECT_EQ(counter.count, 1);
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    caption.removeEventFilter(&counter);
}

} // namespace
