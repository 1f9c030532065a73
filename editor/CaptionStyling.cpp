#include "editor/Handlers.h"
#include "editor/NumberText.h"

#include "ui/Buttons.h"
#include "ui/ColourPicker.h"
#include "ui/Controls.h"
#include "ui/EditBox.h"
#include "ui/FontDialog.h"
#include "ui/Slider.h"
#include "ui/TransparentLabel.h"

namespace editor {
namespace {

void sizeMoved(ui::TransparentLabel &caption, const ui::Slider &slider, ui::EditBox &box, bool width)
{
    const int position = slider.position();
    if (width)
        caption.setWidth(position);
    else
        caption.setHeight(position);
    box.setText(QString::number(slider.position()));
}

void sizeTextChanged(const ui::EditBox &box, ui::Slider &slider)
{
    slider.setPosition(numberFromText(box.text()));
}

} // namespace

void captionTextChanged(Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    c.caption.setText(c.captionText.text());
}

void fontButtonClicked(Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    ui::FontDialog &dialog = c.fontDialog;
    // OK and Cancel alike apply what the dialog holds: its last confirmed choice.
    dialog.open();
    const ui::FontDialogResults &results = dialog.results();
    ui::FontSettings &font = *ctx.captionFont;
    font.size = results.size;
    font.bold = results.bold;
    font.italic = results.italic;
    font.underline = results.underline;
    font.strikeout = results.strikeout;
    font.name = results.faceName.isEmpty() ? std::nullopt : std::optional<QString>(results.faceName);
    c.caption.setFontSettings(font);
}

void boldClicked(Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    if (c.boldBox.checkedFlag() == 1)
        c.caption.setBold(1);
    if (c.boldBox.checkedFlag() == 0)
        c.caption.setBold(0);
}

void fontSizeMoved(Context &ctx)
{
    // The slider's top gives the largest size, its bottom (the maximum) the default height.
    const ui::Slider &slider = ctx.ui().fontSizeSlider;
    ctx.ui().caption.setSize(int(double(slider.maximum()) - double(slider.position())));
}

void captionColourChanged(Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    c.caption.setTextColour(c.captionColour.colour());
}

void captionWidthMoved(Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    sizeMoved(c.caption, c.captionWidthSlider, c.captionWidthBox, true);
}

void captionHeightMoved(Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    sizeMoved(c.caption, c.captionHeightSlider, c.captionHeightBox, false);
}

void captionWidthTextChanged(Context &ctx)
{
    sizeTextChanged(ctx.ui().captionWidthBox, ctx.ui().captionWidthSlider);
}

void captionHeightTextChanged(Context &ctx)
{
    sizeTextChanged(ctx.ui().captionHeightBox, ctx.ui().captionHeightSlider);
}

} // namespace editor
