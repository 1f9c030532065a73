#include "RecordingWindow.h"

#include "ui/Buttons.h"
#include "ui/ColourPicker.h"
#include "ui/EditBox.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/TabControl.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using ui::Event;

class PropertiesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(recording.window, nullptr) << recording.error.toStdString();
        recording.window->mainWidget().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&recording.window->mainWidget()));
        recording.raised.clear();
    }

    RecordingWindow recording;
    ui::Window &w = *recording.window;
};

TEST(PropertiesBuilding, EventsRaisedWhileBuildingAreDropped)
{
    RecordingWindow recording;
    ASSERT_NE(recording.window, nullptr);
    // The edit boxes received their initial texts during the build.
    EXPECT_TRUE(recording.raised.empty());
}

TEST_F(PropertiesTest, GeometryWritesClamp)
{
    ui::Label &label = w.label(u"标签1");
    const struct {
        int written;
        int left, top, width, height;
    } cases[] = {
        {-5, -5, -5, 0, 0},
        {32627, 32627, 32627, 32627, 32627},
        {32628, 32627, 32627, 32627, 32627},
        {-40000, -32627, -32627, 0, 0},
        {120, 120, 120, 120, 120},
    };
    for (const auto &c : cases) {
        label.setLeft(c.written);
        label.setTop(c.written);
        label.setWidth(c.written);
        label.setHeight(c.written);
        EXPECT_EQ(label.left(), c.left) << c.written;
        EXPECT_EQ(label.top(), c.top) << c.written;
        EXPECT_EQ(label.width(), c.width) << c.written;
        EXPECT_EQ(label.height(), c.height) << c.written;
    }
}

TEST_F(PropertiesTest, SliderStoresItsPositionApartFromTheThumbAndRaisesNothingOnWrite)
{
    ui::Slider &slider = w.slider(u"滑块条1");
    const struct {
        int written, stored, thumb;
    } cases[] = {{1000, 1000, 500}, {-3, 0, 1}, {250, 250, 250}, {40000, 32767, 500}, {1, 1, 1}};
    for (const auto &c : cases) {
        slider.setPosition(c.written);
        EXPECT_EQ(slider.position(), c.stored) << c.written;
        EXPECT_EQ(slider.value(), c.thumb) << c.written;
    }
    EXPECT_TRUE(recording.raised.empty());
}

TEST_F(PropertiesTest, CheckBoxChecksOnlyForOneAndRaisesNothingOnWrite)
{
    ui::CheckBox &box = w.checkBox(u"选择框1");
    for (const auto &[written, flag] : {std::pair{1, 1}, {2, 0}, {1, 1}, {0, 0}, {-1, 0}}) {
        box.setCheckedFlag(written);
        EXPECT_EQ(box.checkedFlag(), flag) << written;
    }
    EXPECT_TRUE(recording.raised.empty());
}

TEST_F(PropertiesTest, EditBoxWriteRaisesTextChangeExactlyOnceAfterTheTextIsInPlace)
{
    for (const char16_t *name : {u"编辑框1", u"编辑框2"}) {
        ui::EditBox &box = w.editBox(QString::fromUtf16(name));
        QString seen;
        recording.raised.clear();
        box.setText(QStringLiteral("77"));
        EXPECT_EQ(recording.count(QString::fromUtf16(name), Event::TextChange), 1);
        box.setText(QStringLiteral("77"));
        EXPECT_EQ(recording.count(QString::fromUtf16(name), Event::TextChange), 2);
        box.setText(QString());
        EXPECT_EQ(recording.count(QString::fromUtf16(name), Event::TextChange), 3);
        EXPECT_EQ(box.text(), QString());
    }
}

TEST_F(PropertiesTest, EditBoxUserTypingRaisesTextChangePerChange)
{
    ui::EditBox &box = w.editBox(u"编辑框2");
    box.editor()->setFocus();
    QTest::keyClick(box.editor(), Qt::Key_End);
    QTest::keyClicks(box.editor(), QStringLiteral("12"));
    EXPECT_EQ(box.text(), QStringLiteral("19212"));
    EXPECT_EQ(recording.count(QStringLiteral("编辑框2"), Event::TextChange), 2);
    QTest::keyClick(box.editor(), Qt::Key_Return);
    EXPECT_EQ(recording.count(QStringLiteral("编辑框2"), Event::TextChange), 2);
}

TEST_F(PropertiesTest, SliderRaisesPositionChangeForEveryUserStepWithThePositionUpToDate)
{
    ui::Slider &slider = w.slider(u"滑块条1");
    slider.setPosition(100);
    slider.setFocus();
    std::vector<int> positions;
    recording.raised.clear();
    const struct {
        Qt::Key key;
        int position;
    } steps[] = {{Qt::Key_Right, 101},    {Qt::Key_Left, 100}, {Qt::Key_PageUp, 105},
                 {Qt::Key_PageDown, 100}, {Qt::Key_End, 500},  {Qt::Key_Home, 1}};
    for (const auto &s : steps) {
        QTest::keyClick(&slider, s.key);
        EXPECT_EQ(slider.position(), s.position) << s.key;
    }
    EXPECT_EQ(recording.count(QStringLiteral("滑块条1"), Event::PositionChange), int(std::size(steps)));
}

TEST_F(PropertiesTest, SliderDragRaisesOnEveryMovementAndOnceMoreOnRelease)
{
    ui::Slider &slider = w.slider(u"滑块条1");
    slider.setPosition(1);
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    const QRect handle = slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
    const QPoint grab = handle.center();
    QTest::mousePress(&slider, Qt::LeftButton, {}, grab);
    for (int dx : {20, 40, 60})
        QTest::mouseMove(&slider, grab + QPoint(dx, 0));
    const int moves = recording.count(QStringLiteral("滑块条1"), Event::PositionChange);
    EXPECT_GE(moves, 3);
    const int last = slider.position();
    EXPECT_GT(last, 1);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, grab + QPoint(60, 0));
    EXPECT_EQ(recording.count(QStringLiteral("滑块条1"), Event::PositionChange), moves + 1);
    EXPECT_EQ(slider.position(), last);
}

TEST_F(PropertiesTest, RadioClickRaisesAlsoWhenSelectedButArrowNavigationDoesNot)
{
    w.widget(u"单选框1")->show();
    w.widget(u"单选框2")->show();
    ui::RadioButton &show = w.radioButton(u"单选框1");
    ui::RadioButton &hide = w.radioButton(u"单选框2");
    QTest::mouseClick(&hide, Qt::LeftButton);
    EXPECT_EQ(recording.count(QStringLiteral("单选框2"), Event::Click), 1);
    hide.setFocus();
    QTest::keyClick(&hide, Qt::Key_Space);
    EXPECT_EQ(recording.count(QStringLiteral("单选框2"), Event::Click), 2);
    QTest::keyClick(&hide, Qt::Key_Left);
    QTest::keyClick(&hide, Qt::Key_Right);
    EXPECT_EQ(recording.count(QStringLiteral("单选框1"), Event::Click), 0);
    EXPECT_EQ(recording.count(QStringLiteral("单选框2"), Event::Click), 2);
    QTest::mouseClick(&show, Qt::LeftButton);
    EXPECT_EQ(recording.count(QStringLiteral("单选框1"), Event::Click), 1);
    EXPECT_TRUE(show.isChecked());
    EXPECT_FALSE(hide.isChecked());
}

TEST_F(PropertiesTest, UserSelectionAndPageAndColourChoicesRaiseTheirEvents)
{
    ui::ListBox &list = w.listBox(u"列表框1");
    list.setFocus();
    QTest::keyClick(list.viewport(), Qt::Key_Down);
    const QRect row = list.visualItemRect(list.item(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_GE(recording.count(QStringLiteral("列表框1"), Event::ItemSelected), 1);

    ui::TabControl &tabs = w.tabControl(u"选择夹1");
    tabs.setCurrentIndex(1);
    EXPECT_EQ(recording.count(QStringLiteral("选择夹1"), Event::PageChange), 1);
    EXPECT_EQ(tabs.currentTab(), 1);

    ui::ColourPicker &picker = w.colourPicker(u"颜色选择器1");
    picker.confirmChoice(0x0000FF);
    picker.confirmChoice(0x0000FF);
    EXPECT_EQ(recording.count(QStringLiteral("颜色选择器1"), Event::ColourChange), 2);
    EXPECT_EQ(picker.colour(), 0x0000FFu);
}

TEST_F(PropertiesTest, NothingIsDeliveredOnceEndingBegan)
{
    w.beginEnding();
    w.editBox(u"编辑框2").setText(QStringLiteral("5"));
    QTest::mouseClick(&w.button(u"按钮4"), Qt::LeftButton);
    EXPECT_TRUE(recording.raised.empty());
}

TEST_F(PropertiesTest, PictureDisplayModeClamps)
{
    ui::PictureBox &picture = w.pictureBox(u"图片框1");
    for (const auto &[written, mode] : {std::pair{-1, ui::DisplayMode::Natural},
                                        {1, ui::DisplayMode::Stretch},
                                        {2, ui::DisplayMode::Fit},
                                        {9, ui::DisplayMode::Fit}}) {
        picture.setDisplayMode(written);
        EXPECT_EQ(picture.displayMode(), mode) << written;
    }
}

} // namespace
