#include "editor/Handlers.h"
#include "editor/TemplateCatalogue.h"

#include "ui/Buttons.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"

namespace editor {

void templateSelected(Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    if (const auto entry = TemplateCatalogue::entry(c.templateList.selectedIndex())) {
        ui::PictureBox &picture = c.pictureArea;
        picture.setPicture(entry->image);
        picture.setWidth(entry->displaySize.width());
        picture.setHeight(entry->displaySize.height());
        refreshSizeLabels(ctx);
    }
    c.copyButton.setCaption(QStringLiteral("复制图片"));
    c.saveButton.setCaption(QStringLiteral("保存到桌面"));
}

} // namespace editor
