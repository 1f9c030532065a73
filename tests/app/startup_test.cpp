#include "WiredEditorTest.h"

#include "app/Editor.h"
#include "app/EditorState.h"
#include "ui/Buttons.h"
#include "ui/EditBox.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/Slider.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(EditorState, CaptionFontStartsAtNinePointsSongtiAndIsReleasedOnce)
{
    const std::unique_ptr<ui::FontSettings> fresh = app::newCaptionFont();
    ui::FontSettings expected;
    expected.size = 9;
    expected.name = QStringLiteral("宋体");
    EXPECT_EQ(*fresh, expected);

    app::captionFont() = app::newCaptionFont();
    app::exitCleanup();
    EXPECT_EQ(app::captionFont(), nullptr);
    app::exitCleanup(); // a second call finds nothing left to release
}

using StartupTest = WiredEditorTest;

TEST_F(StartupTest, CreatedHandlerPutsTheStartValuesInPlace)
{
    ui::Window &w = editor.window();
    EXPECT_TRUE(w.mainWidget().isVisible());
    EXPECT_EQ(w.editBox(u"编辑框2").text(), QStringLiteral("192"));
    EXPECT_EQ(w.editBox(u"编辑框3").text(), QStringLiteral("40"));
    EXPECT_EQ(w.slider(u"滑块条1").position(), 192);
    EXPECT_EQ(w.slider(u"滑块条2").position(), 40);
    // Slider writes raise nothing, so the caption keeps its defined size.
    EXPECT_EQ(w.transparentLabel(u"透明标签1").size(), QSize(168, 24));
    EXPECT_EQ(w.checkBox(u"选择框1").checkedFlag(), 1);
    EXPECT_EQ(w.slider(u"滑块条4").position(), 104);
    EXPECT_EQ(w.slider(u"滑块条5").position(), 48);
    EXPECT_EQ(w.pictureBox(u"图片框1").displayMode(), ui::DisplayMode::Stretch);
    EXPECT_EQ(w.label(u"标签6").size(), QSize(104, 48));
}

TEST_F(StartupTest, PointerMovesBeforeAnyPressMoveNothing)
{
    ui::Window &w = editor.window();
    const QPoint captionAt = w.transparentLabel(u"透明标签1").pos();
    const QPoint maskAt = w.label(u"标签6").pos();
    QTest::mouseMove(&w.mainWidget(), QPoint(2, 440));
    QTest::mouseMove(&w.mainWidget(), QPoint(4, 445));
    EXPECT_EQ(w.transparentLabel(u"透明标签1").pos(), captionAt);
    EXPECT_EQ(w.label(u"标签6").pos(), maskAt);
}

TEST_F(StartupTest, EscapeClosesTheWindow)
{
    QWidget &main = editor.window().mainWidget();
    main.activateWindow();
    QTest::keyClick(&main, Qt::Key_Escape);
    EXPECT_FALSE(main.isVisible());
}

} // namespace
