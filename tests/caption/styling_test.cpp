#include "WiredEditorTest.h"

#include "app/Editor.h"
#include "app/EditorState.h"
#include "editor/DragState.h"
#include "ui/Buttons.h"
#include "ui/ColourPicker.h"
#include "ui/EditBox.h"
#include "ui/FontDialog.h"
#include "ui/Platform.h"
#include "ui/Slider.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace {

class StylingTest : public WiredEditorTest {
protected:
    void beforeOpen() override
    {
        w().fontDialog(u"通用对话框1").setChooser([this](const ui::FontChoice &, QWidget *) { return answer; });
    }

    ui::TransparentLabel &caption() const { return w().transparentLabel(u"透明标签1"); }
    QFontInfo shown() const { return QFontInfo(caption().screenFont()); }

    void chooseInDialog(int points, int weight)
    {
        QFont font(QStringLiteral("Noto Serif CJK SC"));
        font.setPointSize(points);
        font.setWeight(QFont::Weight(weight));
        answer = ui::FontChoice{font, 0x000000FF};
    }
    void pressFontButton() { w().button(u"按钮2").click(); }
    // The thumb moved by the user, as a drag or a key does.
    void moveThumb(QStringView slider, int position) { w().slider(slider).setSliderPosition(position); }

    std::optional<ui::FontChoice> answer; // none: the person presses Cancel
};

TEST_F(StylingTest, WidthBoxTextMovesTheSliderOnly)
{
    const struct {
        const char16_t *typed;
        int stored, thumb;
    } cases[] = {
        {u"300", 300, 300},
        {u"abc", 0, 1},
        {u"", 0, 1},
        {u"12.9", 12, 12},
        {u"-5", 0, 1},
        {u"１２０", 120, 120},
        {u"　７", 7, 7},
        {u"－５", 0, 1},
        {u"1e3", 1000, 500},
        {u".5e1", 5, 5},
        {u" 42x", 42, 42},
        {u"32768", 32767, 500},
        {u"2147483647", 32767, 500},
        {u"99999999999", 32767, 500}, // low 32 bits: 1215752191
        {u"4294967297", 1, 1},        // low 32 bits: 1
        {u"1e400", 0, 1},
    };
    ui::EditBox &box = w().editBox(u"编辑框2");
    ui::Slider &slider = w().slider(u"滑块条1");
    for (const auto &c : cases) {
        box.setText(QString::fromUtf16(c.typed));
        EXPECT_EQ(slider.position(), c.stored) << QString::fromUtf16(c.typed).toStdString();
        EXPECT_EQ(slider.value(), c.thumb) << QString::fromUtf16(c.typed).toStdString();
        EXPECT_EQ(caption().size(), QSize(168, 24));
    }
}

TEST_F(StylingTest, TypingIntoTheHeightBoxMovesTheSliderWithoutResizingTheCaption)
{
    auto *line = qobject_cast<QLineEdit *>(w().editBox(u"编辑框3").editor());
    ASSERT_NE(line, nullptr);
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("77"));
    EXPECT_EQ(w().slider(u"滑块条2").position(), 77);
    EXPECT_EQ(caption().size(), QSize(168, 24));
}

TEST_F(StylingTest, SizeSlidersResizeTheCaptionAndWriteTheirBoxes)
{
    moveThumb(u"滑块条1", 250);
    EXPECT_EQ(caption().width(), 250);
    EXPECT_EQ(w().editBox(u"编辑框2").text(), QStringLiteral("250"));
    EXPECT_EQ(w().slider(u"滑块条1").position(), 250);
    moveThumb(u"滑块条2", 80);
    EXPECT_EQ(caption().size(), QSize(250, 80));
    EXPECT_EQ(w().editBox(u"编辑框3").text(), QStringLiteral("80"));
    EXPECT_EQ(caption().pos(), QPoint(96, 160));
}

TEST_F(StylingTest, TextColourAndSizeFollowTheirControls)
{
    w().editBox(u"编辑框1").setText(QStringLiteral("第一行\n第二行"));
    EXPECT_EQ(caption().text(), QStringLiteral("第一行\n第二行"));
    w().colourPicker(u"颜色选择器1").confirmChoice(0x0000FF00);
    EXPECT_EQ(caption().textColour(), 0x0000FF00u);

    const struct {
        int position, size, pixels;
    } cases[] = {{88, 12, 16}, {5, 95, 127}, {100, 0, 12}};
    for (const auto &c : cases) {
        moveThumb(u"滑块条3", c.position == 100 ? 99 : 100);
        moveThumb(u"滑块条3", c.position);
        EXPECT_EQ(caption().fontSettings().size, c.size);
        EXPECT_EQ(shown().pixelSize(), c.pixels);
        // Only the size changes: the face and the weight stay.
        EXPECT_EQ(shown().family(), QStringLiteral("Noto Sans CJK SC"));
        EXPECT_EQ(shown().weight(), QFont::Bold);
    }
    EXPECT_EQ(captionFont, *app::newCaptionFont());
}

TEST_F(StylingTest, FontButtonBringsBackTheConfirmedSizeAfterTheSlider)
{
    chooseInDialog(20, 400);
    pressFontButton();
    EXPECT_EQ(caption().fontSettings().size, 20);
    EXPECT_EQ(shown().pixelSize(), 27);
    EXPECT_EQ(shown().family(), QStringLiteral("Noto Serif CJK SC"));
    // The dialog's colour goes nowhere: the caption keeps the picker's.
    EXPECT_EQ(caption().textColour(), 0u);

    moveThumb(u"滑块条3", 60);
    EXPECT_EQ(caption().fontSettings().size, 40);

    answer.reset();
    pressFontButton();
    EXPECT_EQ(caption().fontSettings().size, 20);
    EXPECT_EQ(shown().pixelSize(), 27);
}

TEST_F(StylingTest, BoldBoxOverridesTheDialogUntilTheButtonIsPressedAgain)
{
    chooseInDialog(12, 700);
    pressFontButton();
    EXPECT_EQ(shown().weight(), QFont::Bold);

    ui::CheckBox &bold = w().checkBox(u"选择框1");
    ASSERT_EQ(bold.checkedFlag(), 1);
    bold.click();
    EXPECT_EQ(caption().fontSettings().bold, 0);
    EXPECT_EQ(shown().weight(), QFont::Normal);
    EXPECT_EQ(captionFont.bold, 1);
    bold.click();
    EXPECT_EQ(shown().weight(), QFont::Bold);
    bold.click();

    answer.reset();
    pressFontButton();
    EXPECT_EQ(shown().weight(), QFont::Bold);
    EXPECT_EQ(bold.checkedFlag(), 0);
}

TEST_F(StylingTest, CancelBeforeAnyChoiceGivesTheSubstituteFaceAtTheDefaultHeight)
{
    pressFontButton();
    const ui::FontSettings held = caption().fontSettings();
    EXPECT_EQ(held.name, QStringLiteral("宋体"));
    EXPECT_EQ(held.size, 0);
    EXPECT_EQ(held.bold, 0);
    EXPECT_EQ(captionFont.name, std::nullopt);
    EXPECT_EQ(shown().family(), QStringLiteral("Noto Serif CJK SC"));
    EXPECT_EQ(shown().pixelSize(), 12);
    EXPECT_EQ(shown().weight(), QFont::Normal);
}

} // namespace
