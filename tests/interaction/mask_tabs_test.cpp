#include "EditorFixture.h"

#include "ui/Buttons.h"
#include "ui/ColourPicker.h"
#include "ui/Label.h"
#include "ui/Slider.h"
#include "ui/TabControl.h"

#include <QColor>
#include <QImage>
#include <QTabBar>

#include <ostream>
#include <string>
#include <vector>

namespace {

const std::vector<QString> kCaptionGroup = {
    QStringLiteral("分组框1"), QStringLiteral("分组框2"),     QStringLiteral("编辑框1"), QStringLiteral("编辑框2"),
    QStringLiteral("编辑框3"), QStringLiteral("滑块条1"),     QStringLiteral("滑块条2"), QStringLiteral("滑块条3"),
    QStringLiteral("标签2"),   QStringLiteral("标签3"),       QStringLiteral("标签5"),   QStringLiteral("列表框1"),
    QStringLiteral("按钮2"),   QStringLiteral("颜色选择器1"),
};

const std::vector<QString> kMaskGroup = {
    QStringLiteral("分组框4"), QStringLiteral("单选框1"), QStringLiteral("单选框2"), QStringLiteral("滑块条4"),
    QStringLiteral("滑块条5"), QStringLiteral("标签7"),   QStringLiteral("标签8"),   QStringLiteral("颜色选择器2"),
};

// Shown on both pages.
const std::vector<QString> kAlwaysShown = {
    QStringLiteral("图片框1"), QStringLiteral("透明标签1"), QStringLiteral("标签1"),
    QStringLiteral("标签4"),   QStringLiteral("按钮1"),     QStringLiteral("按钮3"),
    QStringLiteral("按钮4"),   QStringLiteral("按钮5"),     QStringLiteral("选择夹1"),
};

class MaskAndTabsTest : public EditorFixture {
protected:
    void clickPage(int page)
    {
        QTabBar *bar = w().tabControl(u"选择夹1").tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        ASSERT_EQ(w().tabControl(u"选择夹1").currentTab(), page);
    }

    void expectShown(const std::vector<QString> &names, bool shown) const
    {
        for (const QString &name : names)
            EXPECT_EQ(w().widget(name)->isVisible(), shown) << name.toStdString();
    }

    ui::Label &mask() const { return w().label(u"标签6"); }
};

class PageTest : public MaskAndTabsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PageTest, PagesSwitchTheGroupsAndLeaveTheMaskAlone)
{
    const bool maskShown = GetParam();
    QTest::mouseClick(&w().radioButton(maskShown ? u"单选框1" : u"单选框2"), Qt::LeftButton);
    ASSERT_EQ(mask().isVisible(), maskShown);

    clickPage(1);
    expectShown(kCaptionGroup, false);
    expectShown(kMaskGroup, true);
    expectShown(kAlwaysShown, true);
    EXPECT_EQ(mask().isVisible(), maskShown);

    clickPage(0);
    expectShown(kCaptionGroup, true);
    expectShown(kMaskGroup, false);
    expectShown(kAlwaysShown, true);
    EXPECT_EQ(mask().isVisible(), maskShown);
}

INSTANTIATE_TEST_SUITE_P(Mask, PageTest, ::testing::Bool(), [](const ::testing::TestParamInfo<bool> &row) {
    return std::string(row.param ? "Shown" : "Hidden");
});

TEST_F(MaskAndTabsTest, RadioClicksShowAndHideTheMaskEveryTime)
{
    clickPage(1);
    ui::RadioButton &show = w().radioButton(u"单选框1");
    ui::RadioButton &hide = w().radioButton(u"单选框2");
    QTest::mouseClick(&show, Qt::LeftButton);
    EXPECT_TRUE(mask().isVisible());
    mask().hide();
    // Clicking the radio button already selected applies its effect again.
    QTest::mouseClick(&show, Qt::LeftButton);
    EXPECT_TRUE(mask().isVisible());
    QTest::mouseClick(&hide, Qt::LeftButton);
    EXPECT_FALSE(mask().isVisible());
    EXPECT_EQ(mask().geometry(), QRect(11, 8, 104, 48));
}

struct SliderCase {
    const char *name;
    bool height; // otherwise the width slider
    std::vector<Qt::Key> keys;
    int expected;
};

void PrintTo(const SliderCase &c, std::ostream *os)
{
    *os << c.name;
}

class MaskSliderTest : public MaskAndTabsTest, public ::testing::WithParamInterface<SliderCase> {};

TEST_P(MaskSliderTest, TheMaskTakesThePositionFromItsTopLeftCorner)
{
    const SliderCase &c = GetParam();
    clickPage(1);
    ui::Slider &slider = w().slider(c.height ? u"滑块条5" : u"滑块条4");
    for (Qt::Key key : c.keys)
        QTest::keyClick(&slider, key);
    EXPECT_EQ(slider.position(), c.expected);
    const QSize expected = c.height ? QSize(104, c.expected) : QSize(c.expected, 48);
    EXPECT_EQ(mask().size(), expected);
    EXPECT_EQ(mask().pos(), QPoint(11, 8));
    // Sized while hidden, it shows at that size.
    QTest::mouseClick(&w().radioButton(u"单选框1"), Qt::LeftButton);
    EXPECT_EQ(mask().size(), expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, MaskSliderTest,
                         ::testing::Values(SliderCase{"WidthStepRight", false, {Qt::Key_Right}, 105},
                                           SliderCase{"WidthStepsLeft", false, {Qt::Key_Left, Qt::Key_Left}, 102},
                                           SliderCase{"WidthEnd", false, {Qt::Key_End}, 500},
                                           SliderCase{"WidthHome", false, {Qt::Key_Home}, 1},
                                           SliderCase{"HeightStepRight", true, {Qt::Key_Right}, 49},
                                           SliderCase{"HeightPageUp", true, {Qt::Key_PageUp}, 53}),
                         [](const ::testing::TestParamInfo<SliderCase> &row) { return std::string(row.param.name); });

TEST_F(MaskAndTabsTest, ThePickersColourFillsTheMask)
{
    clickPage(1);
    QTest::mouseClick(&w().radioButton(u"单选框1"), Qt::LeftButton);
    // Red in the lowest byte.
    w().colourPicker(u"颜色选择器2").confirmChoice(0x0000FF);
    EXPECT_EQ(mask().backgroundColourValue(), 0x0000FFu);
    const QImage shown = mask().grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(255, 0, 0));
    EXPECT_EQ(mask().geometry(), QRect(11, 8, 104, 48));
}

} // namespace
