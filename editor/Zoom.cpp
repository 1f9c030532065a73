#include "editor/Handlers.h"

#include "ui/Controls.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"

namespace editor {
namespace {

// Where the window definition puts the picture area; every zoom starts by putting it back.
constexpr int kHomeLeft = 5;
constexpr int kHomeTop = 16;

void zoom(Context &ctx, double factor)
{
    ui::PictureBox &picture = ctx.ui().pictureArea;
    picture.setLeft(kHomeLeft);
    picture.setTop(kHomeTop);
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
    const ui::Controls &c = ctx.ui();
    c.widthLabel.setCaption(QStringLiteral("图片宽度：") + QString::number(c.pictureArea.width()));
    c.heightLabel.setCaption(QStringLiteral("图片高度：") + QString::number(c.pictureArea.height()));
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
