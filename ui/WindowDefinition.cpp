#include "ui/WindowDefinition.h"

#include "ui/TemplateTable.h"

#include <array>
#include <cstddef>

namespace ui {
namespace {

using K = ControlKind;
using E = Event;

constexpr auto kTemplateNames = [] {
    std::array<QStringView, kTemplates.size()> names{};
    for (std::size_t i = 0; i < kTemplates.size(); ++i)
        names[i] = kTemplates[i].name;
    return names;
}();

constexpr std::array<QStringView, 2> kTabPages = {u"主修改项", u"次修改项"};

constexpr ColourValue kBlack = 0x000000;
constexpr ColourValue kSilver = 0xC0C0C0;

constexpr ControlFont kZoomFont{u"宋体", 16, 400};
constexpr ControlFont kCaptionFont{u"微软雅黑", 16, 700};

constexpr SliderRange horizontal(int position = 1)
{
    return {Qt::Horizontal, 1, 500, position};
}

// clang-format off
const std::array<ControlRecord, 36> kControls = {{
    {.name = u"标签8", .kind = K::Label, .left = 416, .top = 106, .width = 24, .height = 16, .visible = false, .text = u"高度", .colour = kFaceColour},
    {.name = u"标签7", .kind = K::Label, .parent = u"分组框4", .left = 12, .top = 54, .width = 24, .height = 16, .visible = false, .text = u"宽度", .colour = kFaceColour},
    {.name = u"单选框2", .kind = K::RadioButton, .left = 458, .top = 43, .width = 56, .height = 32, .visible = false, .tabStop = true, .events = events(E::Click), .text = u"不显示", .checked = true},
    {.name = u"单选框1", .kind = K::RadioButton, .left = 409, .top = 43, .width = 56, .height = 32, .visible = false, .tabStop = true, .events = events(E::Click), .text = u"显示"},
    {.name = u"滑块条5", .kind = K::Slider, .left = 443, .top = 104, .width = 205, .height = 24, .visible = false, .tabStop = true, .events = events(E::PositionChange), .slider = horizontal()},
    {.name = u"滑块条4", .kind = K::Slider, .left = 443, .top = 76, .width = 205, .height = 24, .visible = false, .tabStop = true, .events = events(E::PositionChange), .slider = horizontal()},
    {.name = u"透明标签1", .kind = K::TransparentLabel, .left = 96, .top = 160, .width = 168, .height = 24, .events = events(E::LeftButtonPressed), .text = u"这里显示文字,可拖动", .colour = kBlack, .font = kCaptionFont, .wordWrap = true},
    {.name = u"标签6", .kind = K::Label, .parent = u"图片框1", .left = 11, .top = 8, .width = 104, .height = 48, .visible = false, .events = events(E::LeftButtonPressed), .colour = kBlack},
    {.name = u"颜色选择器2", .kind = K::ColourPicker, .left = 519, .top = 46, .width = 44, .height = 24, .visible = false, .tabStop = true, .events = events(E::ColourChange), .colour = kBlack},
    {.name = u"选择框1", .kind = K::CheckBox, .parent = u"分组框1", .left = 150, .top = 93, .width = 48, .height = 24, .tabStop = true, .events = events(E::Click), .text = u"粗体"},
    {.name = u"标签5", .kind = K::Label, .parent = u"分组框1", .left = 203, .top = 18, .width = 16, .height = 96, .text = u"↑\r\n\r\n字\r\n体\r\n大\r\n小\r\n\r\n↓", .colour = kFaceColour, .wordWrap = true},
    {.name = u"滑块条3", .kind = K::Slider, .parent = u"分组框1", .left = 225, .top = 8, .width = 24, .height = 115, .tabStop = true, .events = events(E::PositionChange), .slider = {Qt::Vertical, 5, 100, 100}},
    {.name = u"标签1", .kind = K::Label, .left = 10, .top = 403, .width = 99, .height = 24, .text = u"图片宽度：", .colour = kFaceColour},
    {.name = u"标签4", .kind = K::Label, .left = 10, .top = 427, .width = 100, .height = 24, .text = u"图片高度：", .colour = kFaceColour},
    {.name = u"按钮4", .kind = K::Button, .left = 122, .top = 410, .width = 127, .height = 40, .tabStop = true, .events = events(E::Click), .text = u"放大+", .font = kZoomFont},
    {.name = u"按钮5", .kind = K::Button, .left = 256, .top = 410, .width = 127, .height = 40, .tabStop = true, .events = events(E::Click), .text = u"缩小-", .font = kZoomFont},
    {.name = u"编辑框3", .kind = K::EditBox, .left = 467, .top = 352, .width = 32, .height = 32, .tabStop = true, .events = events(E::TextChange), .text = u"40"},
    {.name = u"编辑框2", .kind = K::EditBox, .left = 467, .top = 316, .width = 32, .height = 32, .tabStop = true, .events = events(E::TextChange), .text = u"192"},
    {.name = u"按钮3", .kind = K::Button, .left = 539, .top = 407, .width = 133, .height = 43, .tabStop = true, .events = events(E::Click), .text = u"保存到桌面"},
    {.name = u"滑块条2", .kind = K::Slider, .left = 492, .top = 354, .width = 166, .height = 24, .tabStop = true, .events = events(E::PositionChange), .slider = horizontal()},
    {.name = u"滑块条1", .kind = K::Slider, .left = 492, .top = 319, .width = 166, .height = 24, .tabStop = true, .events = events(E::PositionChange), .slider = horizontal()},
    {.name = u"颜色选择器1", .kind = K::ColourPicker, .left = 495, .top = 118, .width = 47, .height = 28, .tabStop = true, .events = events(E::ColourChange), .colour = kBlack},
    {.name = u"拖放对象1", .kind = K::DropTarget, .left = 73, .top = 470, .width = 24, .height = 24, .visible = false, .events = events(E::GotFile)},
    {.name = u"标签3", .kind = K::Label, .left = 415, .top = 351, .width = 48, .height = 32, .text = u"文字高度", .colour = kFaceColour},
    {.name = u"标签2", .kind = K::Label, .left = 415, .top = 317, .width = 48, .height = 32, .text = u"文字宽度", .colour = kFaceColour},
    {.name = u"按钮2", .kind = K::Button, .left = 412, .top = 117, .width = 73, .height = 29, .tabStop = true, .events = events(E::Click), .text = u"字体修改"},
    {.name = u"通用对话框1", .kind = K::FontDialog, .left = 16, .top = 469, .width = 24, .height = 24, .visible = false, .colour = kBlack},
    {.name = u"编辑框1", .kind = K::EditBox, .left = 410, .top = 47, .width = 186, .height = 67, .tabStop = true, .events = events(E::TextChange), .text = u"这里修改文字,可拖动", .multiLine = true},
    {.name = u"列表框1", .kind = K::ListBox, .left = 414, .top = 170, .width = 244, .height = 142, .tabStop = true, .events = events(E::ItemSelected), .items = kTemplateNames},
    {.name = u"按钮1", .kind = K::Button, .left = 395, .top = 407, .width = 133, .height = 43, .tabStop = true, .events = events(E::Click), .text = u"复制图片"},
    {.name = u"图片框1", .kind = K::PictureBox, .left = 5, .top = 16, .width = 379, .height = 384, .colour = kFaceColour},
    {.name = u"分组框1", .kind = K::GroupBox, .left = 403, .top = 28, .width = 262, .height = 125, .text = u"修改文字在此", .colour = kFaceColour},
    {.name = u"分组框3", .kind = K::GroupBox, .left = 0, .top = 3, .width = 392, .height = 400, .text = u"可直接拖入照片到此处，可缩放；文字显示需在图片范围内。", .colour = kSilver},
    {.name = u"分组框4", .kind = K::GroupBox, .left = 403, .top = 28, .width = 262, .height = 108, .visible = false, .text = u"遮挡标签", .colour = kFaceColour},
    {.name = u"分组框2", .kind = K::GroupBox, .left = 402, .top = 154, .width = 264, .height = 238, .text = u"属性修改", .colour = kFaceColour},
    {.name = u"选择夹1", .kind = K::TabControl, .left = 394, .top = 2, .width = 278, .height = 400, .events = events(E::PageChange), .items = kTabPages},
}};
// clang-format on

const WindowDefinition kMainWindow{
    .window = {.title = u"ZanvoV4",
               .outerWidth = 683,
               .outerHeight = 483,
               .storedLeft = 50,
               .storedTop = 50,
               .clientWidth = 677,
               .clientHeight = 455,
               .icon = u":/icon/zanvo.png",
               .events = events(E::Created, E::MouseMoved, E::LeftButtonReleased)},
    .controls = kControls,
};

} // namespace

const WindowDefinition &mainWindowDefinition()
{
    return kMainWindow;
}

FramePosition centredFramePosition(int screenWidth, int screenHeight, const WindowRecord &window)
{
    // C++ division truncates toward zero, as the placement rule wants for small screens.
    return {(screenWidth - window.outerWidth) / 2, (screenHeight - window.outerHeight) / 2};
}

} // namespace ui
