#include "editor/Handlers.h"

#include "ui/ColourPicker.h"
#include "ui/Label.h"
#include "ui/Slider.h"
#include "ui/TabControl.h"
#include "ui/Window.h"

#include <QStringView>
#include <QWidget>

#include <array>
#include <cstddef>

namespace editor {
namespace {

constexpr std::array<QStringView, 14> kCaptionGroup = {
    u"分组框1", u"分组框2", u"编辑框1", u"编辑框2", u"编辑框3", u"滑块条1", u"滑块条2",
    u"滑块条3", u"标签2",   u"标签3",   u"标签5",   u"列表框1", u"按钮2",   u"颜色选择器1",
};

constexpr std::array<QStringView, 8> kMaskGroup = {
    u"分组框4", u"单选框1", u"单选框2", u"滑块条4", u"滑块条5", u"标签7", u"标签8", u"颜色选择器2",
};

template <std::size_t N>
void showGroup(ui::Window &w, const std::array<QStringView, N> &group, bool shown)
{
    for (QStringView name : group)
        w.widget(name)->setVisible(shown);
}

} // namespace

void showMaskClicked(Context &ctx)
{
    ctx.ui().label(u"标签6").setShown(1);
}

void hideMaskClicked(Context &ctx)
{
    ctx.ui().label(u"标签6").setShown(0);
}

void maskWidthMoved(Context &ctx)
{
    ui::Window &w = ctx.ui();
    w.label(u"标签6").setWidth(w.slider(u"滑块条4").position());
}

void maskHeightMoved(Context &ctx)
{
    ui::Window &w = ctx.ui();
    w.label(u"标签6").setHeight(w.slider(u"滑块条5").position());
}

void maskColourChanged(Context &ctx)
{
    ui::Window &w = ctx.ui();
    w.label(u"标签6").setBackgroundColour(w.colourPicker(u"颜色选择器2").colour());
}

void pageChanged(Context &ctx)
{
    ui::Window &w = ctx.ui();
    if (w.tabControl(u"选择夹1").currentTab() == 0) {
        showGroup(w, kCaptionGroup, true);
        showGroup(w, kMaskGroup, false);
    }
    if (w.tabControl(u"选择夹1").currentTab() == 1) {
        showGroup(w, kCaptionGroup, false);
        showGroup(w, kMaskGroup, true);
    }
}

} // namespace editor
