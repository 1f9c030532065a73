#include "editor/Handlers.h"
#include "editor/NumberText.h"

#include "ui/Buttons.h"
#include "ui/ColourPicker.h"
#include "ui/EditBox.h"
#include "ui/FontDialog.h"
#include "ui/Slider.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"

namespace editor {
namespace {

void sizeMoved(Context &ctx, QStringView slider, QStringView box, bool width)
{
    ui::Window &w = ctx.ui();
    ui::TransparentLabel &caption = w.transparentLabel(u"透明标签1");
    const int position = w.slider(slider).position();
    if (width)
        caption.setWidth(position);
    else
        caption.setHeight(position);
    w.editBox(box).setText(QString::number(w.slider(slider).position()));
}

void sizeTextChanged(Context &ctx, QStringView box, QStringView slider)
{
    ui::Window &w = ctx.ui();
    w.slider(slider).setPosition(numberFromText(w.editBox(box).text()));
}

} // namespace

void captionTextChanged(Context &ctx)
{
    ui::Window &w = ctx.ui();
    w.transparentLabel(u"透明标签1").setText(w.editBox(u"编辑框1").text());
}

void fontButtonClicked(Context &ctx)
{
    ui::Window &w = ctx.ui();
    ui::FontDialog &dialog = w.fontDialog(u"通用对话框1");
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
    w.transparentLabel(u"透明标签1").setFontSettings(font);
}

void boldClicked(Context &ctx)
{
    ui::Window &w = ctx.ui();
    ui::TransparentLabel &caption = w.transparentLabel(u"透明标签1");
    if (w.checkBox(u"选择框1").checkedFlag() == 1)
        caption.setBold(1);
    if (w.checkBox(u"选择框1").checkedFlag() == 0)
        caption.setBold(0);
}

void fontSizeMoved(Context &ctx)
{
    ui::Window &w = ctx.ui();
    w.transparentLabel(u"透明标签1").setSize(int(100.0 - double(w.slider(u"滑块条3").position())));
}

void captionColourChanged(Context &ctx)
{
    ui::Window &w = ctx.ui();
    w.transparentLabel(u"透明标签1").setTextColour(w.colourPicker(u"颜色选择器1").colour());
}

void captionWidthMoved(Context &ctx)
{
    sizeMoved(ctx, u"滑块条1", u"编辑框2", true);
}

void captionHeightMoved(Context &ctx)
{
    sizeMoved(ctx, u"滑块条2", u"编辑框3", false);
}

void captionWidthTextChanged(Context &ctx)
{
    sizeTextChanged(ctx, u"编辑框2", u"滑块条1");
}

void captionHeightTextChanged(Context &ctx)
{
    sizeTextChanged(ctx, u"编辑框3", u"滑块条2");
}

} // namespace editor
