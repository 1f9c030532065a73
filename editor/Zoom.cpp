#include "editor/Handlers.h"

#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Window.h"

namespace editor {
namespace {

void zoom(Context &ctx, double factor)
{
    ui::PictureBox &picture = ctx.ui().pictureBox(u"图片框1");
    picture.setLeft(5);
    picture.setTop(16);
    picture.setHeight(zoomedSide(picture.height(), factor));
    picture.setWidth(zoomedSide(picture.width(), factor));
    refreshSizeLabels(ctx);
}

} // namespace

int zoomedSide(int side, double factor)
{
    return int(double(side) * factor);
}

void refreshSizeLabels(Context &ctx)
{
    ui::Window &w = ctx.ui();
    const ui::PictureBox &picture = w.pictureBox(u"图片框1");
    w.label(u"标签1").setCaption(QStringLiteral("图片宽度：") + QString::number(picture.width()));
    w.label(u"标签4").setCaption(QStringLiteral("图片高度：") + QString::number(picture.height()));
}

void zoomIn(Context &ctx)
{
    zoom(ctx, kZoomInFactor);
}

void zoomOut(Context &ctx)
{
    zoom(ctx, kZoomOutFactor);
}

} // namespace editor
