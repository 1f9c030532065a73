#include "editor/Handlers.h"
#include "editor/TemplateCatalogue.h"

#include "ui/Buttons.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"
#include "ui/Window.h"

namespace editor {

void templateSelected(Context &ctx)
{
    ui::Window &w = ctx.ui();
    if (const auto entry = TemplateCatalogue::entry(w.listBox(u"列表框1").selectedIndex())) {
        ui::PictureBox &picture = w.pictureBox(u"图片框1");
        picture.setPicture(entry->image);
        picture.setWidth(entry->displaySize.width());
        picture.setHeight(entry->displaySize.height());
        refreshSizeLabels(ctx);
    }
    w.button(u"按钮1").setCaption(QStringLiteral("复制图片"));
    w.button(u"按钮3").setCaption(QStringLiteral("保存到桌面"));
}

} // namespace editor
