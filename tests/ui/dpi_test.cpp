// Runs once per screen resolution (see CMakeLists.txt): Qt's scaling is off there, so the
// window meets the resolution itself, as on a desktop set to 120 or 144 dots per inch.
#include "PanelTitle.h"

#include "ui/GroupBox.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

int requestedDpi()
{
    const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI");
    return dpi > 0 ? dpi : 96;
}

class DpiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::preparePlatform();
        QString why;
        window = ui::Window::load(ui::mainWindowDefinition(), {}, &why);
        ASSERT_NE(window, nullptr) << why.toStdString();
        window->mainWidget().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->mainWidget()));
        ASSERT_EQ(window->mainWidget().logicalDpiY(), requestedDpi());
    }

    std::unique_ptr<ui::Window> window;
};

TEST_F(DpiTest, CaptionStartsSixteenPixelsHighOnOneLine)
{
    ui::TransparentLabel &caption = window->transparentLabel(u"透明标签1");
    const QFont shown = caption.screenFont();
    EXPECT_EQ(QFontInfo(shown).pixelSize(), 16);
    EXPECT_EQ(QFontInfo(shown).weight(), QFont::Bold);
    EXPECT_LE(QFontMetrics(shown).horizontalAdvance(caption.text()), caption.width());

    // Toggling bold keeps the height; a size written in points is points at this resolution.
    caption.setBold(0);
    caption.setBold(1);
    EXPECT_EQ(QFontInfo(caption.screenFont()).pixelSize(), 16);
    caption.setSize(12);
    EXPECT_EQ(QFontInfo(caption.screenFont()).pixelSize(), (12 * requestedDpi() + 36) / 72);
}

TEST_F(DpiTest, PanelCaptionFitsAbovePictureArea)
{
    ui::GroupBox &panel = window->groupBox(u"分组框3");
    const QRect ink = titleInk(panel);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 0);
    EXPECT_LT(ink.bottom(), window->pictureBox(u"图片框1").y() - panel.y());
    EXPECT_LE(ink.right(), panel.width() - 1);
}

} // namespace
