#include "editor/Handlers.h"

#include "ui/Buttons.h"
#include "ui/ColourPicker.h"
#include "ui/Controls.h"
#include "ui/EditBox.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Slider.h"
#include "ui/TabControl.h"

#include <QStringView>
#include <QWidget>

#include <array>
#include <cstddef>

namespace editor {
namespace {

// The controls each page shows, in the order they are switched.
std::array<QWidget *, 14> captionGroup(const ui::Controls &c)
{
    return {&c.textGroup,          &c.propertiesGroup,     &c.captionText,         &c.captionWidthBox,
            &c.captionHeightBox,   &c.captionWidthSlider,  &c.captionHeightSlider, &c.fontSizeSlider,
            &c.captionWidthLegend, &c.captionHeightLegend, &c.fontSizeLegend,      &c.templateList,
            &c.fontButton,         &c.captionColour};
}

std::array<QWidget *, 8> maskGroup(const ui::Controls &c)
{
    return {&c.maskGroup,        &c.showMask,        &c.hideMask,         &c.maskWidthSlider,
            &c.maskHeightSlider, &c.maskWidthLegend, &c.maskHeightLegend, &c.maskColour};
}

template <std::size_t N>
void showGroup(const std::array<QWidget *, N> &group, bool shown)
{
    for (QWidget *control : group)
        control->setVisible(shown);
}

} // namespace

void showMaskClicked(Context &ctx)
{
    ctx.ui().mask.setShown(1);
}

void hideMaskClicked(Context &ctx)
{
    ctx.ui().mask.setShown(0);
}

void maskWidthMoved(Context &ctx)
{
    ctx.ui().mask.setWidth(ctx.ui().maskWidthSlider.position());
}

void maskHeightMoved(Context &ctx)
{
    ctx.ui().mask.setHeight(ctx.ui().maskHeightSlider.position());
}

void maskColourChanged(Context &ctx)
{
    ctx.ui().mask.setBackgroundColour(ctx.ui().maskColour.colour());
}

void pageChanged(Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    if (c.tabs.currentTab() == 0) {
        showGroup(captionGroup(c), true);
        showGroup(maskGroup(c), false);
    }
    if (c.tabs.currentTab() == 1) {
        showGroup(captionGroup(c), false);
        showGroup(maskGroup(c), true);
    }
}

} // namespace editor
