#include "PanelTitle.h"
#include "RecordingWindow.h"

#include "ui/Buttons.h"
#include "ui/ColourPicker.h"
#include "ui/DropTarget.h"
#include "ui/EditBox.h"
#include "ui/FontDialog.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/TabControl.h"
#include "ui/TransparentLabel.h"

#include <QIcon>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using K = ui::ControlKind;

struct Expected {
    const char16_t *name;
    K kind;
    const char16_t *parent;
    int left, top, width, height;
    bool visible;
    bool tabStop;
};

// The window as a user meets it: every control's place, visibility and tab stop.
const Expected kControls[] = {
    {u"标签8", K::Label, u"", 416, 106, 24, 16, false, false},
    {u"标签7", K::Label, u"分组框4", 12, 54, 24, 16, false, false},
    {u"单选框2", K::RadioButton, u"", 458, 43, 56, 32, false, true},
    {u"单选框1", K::RadioButton, u"", 409, 43, 56, 32, false, true},
    {u"滑块条5", K::Slider, u"", 443, 104, 205, 24, false, true},
    {u"滑块条4", K::Slider, u"", 443, 76, 205, 24, false, true},
    {u"透明标签1", K::TransparentLabel, u"", 96, 160, 168, 24, true, false},
    {u"标签6", K::Label, u"图片框1", 11, 8, 104, 48, false, false},
    {u"颜色选择器2", K::ColourPicker, u"", 519, 46, 44, 24, false, true},
    {u"选择框1", K::CheckBox, u"分组框1", 150, 93, 48, 24, true, true},
    {u"标签5", K::Label, u"分组框1", 203, 18, 16, 96, true, false},
    {u"滑块条3", K::Slider, u"分组框1", 225, 8, 24, 115, true, true},
    {u"标签1", K::Label, u"", 10, 403, 99, 24, true, false},
    {u"标签4", K::Label, u"", 10, 427, 100, 24, true, false},
    {u"按钮4", K::Button, u"", 122, 410, 127, 40, true, true},
    {u"按钮5", K::Button, u"", 256, 410, 127, 40, true, true},
    {u"编辑框3", K::EditBox, u"", 467, 352, 32, 32, true, true},
    {u"编辑框2", K::EditBox, u"", 467, 316, 32, 32, true, true},
    {u"按钮3", K::Button, u"", 539, 407, 133, 43, true, true},
    {u"滑块条2", K::Slider, u"", 492, 354, 166, 24, true, true},
    {u"滑块条1", K::Slider, u"", 492, 319, 166, 24, true, true},
    {u"颜色选择器1", K::ColourPicker, u"", 495, 118, 47, 28, true, true},
    {u"拖放对象1", K::DropTarget, u"", 0, 0, 0, 0, false, false},
    {u"标签3", K::Label, u"", 415, 351, 48, 32, true, false},
    {u"标签2", K::Label, u"", 415, 317, 48, 32, true, false},
    {u"按钮2", K::Button, u"", 412, 117, 73, 29, true, true},
    {u"通用对话框1", K::FontDialog, u"", 0, 0, 0, 0, false, false},
    {u"编辑框1", K::EditBox, u"", 410, 47, 186, 67, true, true},
    {u"列表框1", K::ListBox, u"", 414, 170, 244, 142, true, true},
    {u"按钮1", K::Button, u"", 395, 407, 133, 43, true, true},
    {u"图片框1", K::PictureBox, u"", 5, 16, 379, 384, true, false},
    {u"分组框1", K::GroupBox, u"", 403, 28, 262, 125, true, false},
    {u"分组框3", K::GroupBox, u"", 0, 3, 392, 400, true, false},
    {u"分组框4", K::GroupBox, u"", 403, 28, 262, 108, false, false},
    {u"分组框2", K::GroupBox, u"", 402, 154, 264, 238, true, false},
    {u"选择夹1", K::TabControl, u"", 394, 2, 278, 400, true, false},
};

bool hasKind(QObject *object, K kind)
{
    switch (kind) {
    case K::Label: return dynamic_cast<ui::Label *>(object);
    case K::TransparentLabel: return dynamic_cast<ui::TransparentLabel *>(object);
    case K::Button: return dynamic_cast<ui::Button *>(object);
    case K::CheckBox: return dynamic_cast<ui::CheckBox *>(object);
    case K::RadioButton: return dynamic_cast<ui::RadioButton *>(object);
    case K::EditBox: return dynamic_cast<ui::EditBox *>(object);
    case K::Slider: return dynamic_cast<ui::Slider *>(object);
    case K::ListBox: return dynamic_cast<ui::ListBox *>(object);
    case K::PictureBox: return dynamic_cast<ui::PictureBox *>(object);
    case K::GroupBox: return dynamic_cast<ui::GroupBox *>(object);
    case K::TabControl: return dynamic_cast<ui::TabControl *>(object);
    case K::ColourPicker: return dynamic_cast<ui::ColourPicker *>(object);
    case K::FontDialog: return dynamic_cast<ui::FontDialog *>(object);
    case K::DropTarget: return dynamic_cast<ui::DropTarget *>(object);
    }
    return false;
}

class WindowTest : public ::testing::Test {
protected:
    RecordingWindow recording;
    ui::Window &w = *recording.window;
};

TEST_F(WindowTest, EveryControlHasItsKindParentPlaceVisibilityAndTabStop)
{
    ASSERT_EQ(ui::mainWindowDefinition().controls.size(), std::size(kControls));
    for (const Expected &e : kControls) {
        const QString name = QString::fromUtf16(e.name);
        SCOPED_TRACE(name.toStdString());
        QObject *object = w.find(name);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->objectName(), name);
        EXPECT_TRUE(hasKind(object, e.kind));
        auto *widget = qobject_cast<QWidget *>(object);
        if (e.kind == K::FontDialog || e.kind == K::DropTarget) {
            EXPECT_EQ(widget, nullptr);
            continue;
        }
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromUtf16(e.parent));
        EXPECT_EQ(widget->geometry(), QRect(e.left, e.top, e.width, e.height));
        EXPECT_EQ(!widget->isHidden(), e.visible);
        EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, e.tabStop);
    }
}

TEST_F(WindowTest, SiblingsStackInTableOrderTopFirst)
{
    const QObjectList children = w.mainWidget().children();
    int above = std::numeric_limits<int>::max();
    for (const Expected &e : kControls) {
        QWidget *widget = w.widget(QString::fromUtf16(e.name));
        if (!widget || widget->parentWidget() != &w.mainWidget())
            continue;
        // Qt paints later children over earlier ones.
        const int index = int(children.indexOf(widget));
        EXPECT_LT(index, above) << QString::fromUtf16(e.name).toStdString();
        above = index;
    }
}

TEST_F(WindowTest, WindowIsFixedTitledAndBigEnough)
{
    QWidget &main = w.mainWidget();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("ZanvoV4"));
    EXPECT_GE(main.width(), 672);
    EXPECT_GE(main.height(), 451);
    EXPECT_EQ(main.minimumSize(), main.maximumSize());
    EXPECT_FALSE(main.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(main.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(main.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    const QList<QSize> iconSizes = main.windowIcon().availableSizes();
    ASSERT_EQ(iconSizes.size(), 1);
    EXPECT_EQ(iconSizes.first(), QSize(50, 48));
}

TEST(WindowPlacement, FrameIsCentredWithQuotientsTruncatedTowardZero)
{
    const ui::WindowRecord &window = ui::mainWindowDefinition().window;
    const struct {
        int screenWidth, screenHeight, left, top;
    } cases[] = {{1024, 768, 170, 142}, {1920, 1080, 618, 298}, {640, 480, -21, -1}};
    for (const auto &c : cases) {
        const ui::FramePosition place = ui::centredFramePosition(c.screenWidth, c.screenHeight, window);
        EXPECT_EQ(place.left, c.left) << c.screenWidth;
        EXPECT_EQ(place.top, c.top) << c.screenHeight;
    }
}

TEST_F(WindowTest, InitialTextsAndStates)
{
    const struct {
        const char16_t *name;
        const char16_t *caption;
    } labels[] = {{u"标签1", u"图片宽度："}, {u"标签4", u"图片高度："},
                  {u"标签2", u"文字宽度"},   {u"标签3", u"文字高度"},
                  {u"标签7", u"宽度"},       {u"标签8", u"高度"},
                  {u"标签6", u""},           {u"标签5", u"↑\r\n\r\n字\r\n体\r\n大\r\n小\r\n\r\n↓"}};
    for (const auto &l : labels)
        EXPECT_EQ(w.label(QString::fromUtf16(l.name)).caption(), QString::fromUtf16(l.caption));
    EXPECT_EQ(w.label(u"标签6").backgroundColourValue(), 0x000000u);
    EXPECT_EQ(w.label(u"标签1").backgroundColourValue(), ui::kFaceColour);

    const struct {
        const char16_t *name;
        const char16_t *caption;
    } buttons[] = {{u"按钮1", u"复制图片"},
                   {u"按钮2", u"字体修改"},
                   {u"按钮3", u"保存到桌面"},
                   {u"按钮4", u"放大+"},
                   {u"按钮5", u"缩小-"}};
    for (const auto &b : buttons) {
        EXPECT_EQ(w.button(QString::fromUtf16(b.name)).caption(), QString::fromUtf16(b.caption));
        EXPECT_FALSE(w.button(QString::fromUtf16(b.name)).autoDefault());
    }
    EXPECT_EQ(w.button(u"按钮4").font().pixelSize(), 16);

    EXPECT_EQ(w.editBox(u"编辑框1").text(), QStringLiteral("这里修改文字,可拖动"));
    EXPECT_EQ(w.editBox(u"编辑框2").text(), QStringLiteral("192"));
    EXPECT_EQ(w.editBox(u"编辑框3").text(), QStringLiteral("40"));

    const struct {
        const char16_t *name;
        Qt::Orientation orientation;
        int minimum, maximum, position;
    } sliders[] = {{u"滑块条1", Qt::Horizontal, 1, 500, 1},
                   {u"滑块条2", Qt::Horizontal, 1, 500, 1},
                   {u"滑块条3", Qt::Vertical, 5, 100, 100},
                   {u"滑块条4", Qt::Horizontal, 1, 500, 1},
                   {u"滑块条5", Qt::Horizontal, 1, 500, 1}};
    for (const auto &s : sliders) {
        const ui::Slider &slider = w.slider(QString::fromUtf16(s.name));
        EXPECT_EQ(slider.orientation(), s.orientation);
        EXPECT_EQ(slider.minimum(), s.minimum);
        EXPECT_EQ(slider.maximum(), s.maximum);
        EXPECT_EQ(slider.position(), s.position);
        EXPECT_EQ(slider.pageStep(), 5);
        EXPECT_EQ(slider.singleStep(), 1);
    }

    const ui::ListBox &list = w.listBox(u"列表框1");
    ASSERT_EQ(list.count(), 53);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("短发1"));
    EXPECT_EQ(list.item(49)->text(), QStringLiteral("Pim和Tavo"));
    EXPECT_EQ(list.item(52)->text(), QStringLiteral("生无可恋"));
    EXPECT_EQ(list.selectedIndex(), -1);

    const ui::TabControl &tabs = w.tabControl(u"选择夹1");
    ASSERT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.tabText(0), QStringLiteral("主修改项"));
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("次修改项"));
    EXPECT_EQ(tabs.currentTab(), 0);

    EXPECT_EQ(w.groupBox(u"分组框3").title(), QStringLiteral("可直接拖入照片到此处，可缩放；文字显示需在图片范围内。"));
    EXPECT_EQ(w.groupBox(u"分组框3").palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));

    EXPECT_EQ(w.checkBox(u"选择框1").checkedFlag(), 0);
    EXPECT_FALSE(w.radioButton(u"单选框1").isChecked());
    EXPECT_TRUE(w.radioButton(u"单选框2").isChecked());
    EXPECT_EQ(w.colourPicker(u"颜色选择器1").colour(), 0u);
    EXPECT_EQ(w.colourPicker(u"颜色选择器2").colour(), 0u);

    const ui::TransparentLabel &caption = w.transparentLabel(u"透明标签1");
    EXPECT_EQ(caption.text(), QStringLiteral("这里显示文字,可拖动"));
    EXPECT_EQ(caption.fontSettings().bold, 1);
    EXPECT_EQ(caption.fontSettings().size, 12);
    EXPECT_EQ(caption.fontSettings().name, QStringLiteral("微软雅黑"));
    EXPECT_EQ(caption.textColour(), 0u);

    EXPECT_FALSE(w.pictureBox(u"图片框1").hasPicture());
    EXPECT_EQ(w.pictureBox(u"图片框1").displayMode(), ui::DisplayMode::Natural);
    EXPECT_EQ(w.fontDialog(u"通用对话框1").results(), ui::FontDialogResults{});
}

TEST_F(WindowTest, PanelCaptionShowsWholeAbovePictureAreaOnSilver)
{
    ui::GroupBox &panel = w.groupBox(u"分组框3");
    const QWidget &area = w.pictureBox(u"图片框1");
    const int room = area.y() - panel.y();
    EXPECT_EQ(panel.titleRoom(), room);
    const QRect ink = titleInk(panel);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 0);
    EXPECT_LT(ink.bottom(), room);
    EXPECT_GE(ink.height(), 10);
    EXPECT_LE(ink.right(), panel.width() - 1);

    // As the window shows it, the caption's rows are the panel's own: nothing covers them.
    const QImage alone = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage shown = w.mainWidget().grab(panel.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(alone.copy(0, 0, alone.width(), room) == shown.copy(0, 0, shown.width(), room));
    // Silver inside the frame too: beside the picture area and below it.
    const QColor silver(0xC0, 0xC0, 0xC0);
    for (const QPoint at : {QPoint(3, 200), QPoint(panel.width() - 5, 200), QPoint(200, panel.height() - 3)})
        EXPECT_EQ(shown.pixelColor(at), silver) << at.x() << "," << at.y();
}

TEST_F(WindowTest, OtherGroupBoxCaptionsKeepTheirPlace)
{
    // Only the panel has a control close under its caption.
    for (const char16_t *name : {u"分组框1", u"分组框2", u"分组框4"}) {
        ui::GroupBox &box = w.groupBox(QString::fromUtf16(name));
        const QRect ink = titleInk(box);
        ASSERT_FALSE(ink.isEmpty()) << QString::fromUtf16(name).toStdString();
        EXPECT_LT(ink.bottom(), box.titleRoom()) << QString::fromUtf16(name).toStdString();
    }
}

TEST(WindowLoading, RefusesBindingsTheDefinitionDoesNotName)
{
    ui::preparePlatform();
    const struct {
        const char *why;
        ui::Binding binding;
    } cases[] = {
        {"unknown control", {QStringLiteral("按钮9"), ui::Event::Click, ui::Handler([] {})}},
        {"event not bound there", {QStringLiteral("标签1"), ui::Event::Click, ui::Handler([] {})}},
        {"handler of the wrong kind", {QStringLiteral("透明标签1"), ui::Event::LeftButtonPressed, ui::Handler([] {})}},
    };
    for (const auto &c : cases) {
        QString error;
        EXPECT_EQ(ui::Window::load(ui::mainWindowDefinition(), {c.binding}, &error), nullptr) << c.why;
        EXPECT_FALSE(error.isEmpty()) << c.why;
    }
}

} // namespace
