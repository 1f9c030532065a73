#include "editor/Handlers.h"

#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"

#include <QWidget>

namespace editor {

void captionPressed(Context &ctx, const ui::PointerArgs &args)
{
    ctx.drag->captionGrabX = args.x;
    ctx.drag->captionGrabY = args.y;
    ctx.ui().capturePointer();
    ctx.drag->captionDragging = 1;
}

void maskPressed(Context &ctx, const ui::PointerArgs &args)
{
    ctx.drag->maskGrabX = args.x;
    ctx.drag->maskGrabY = args.y;
    ctx.ui().capturePointer();
    ctx.drag->maskDragging = 1;
}

void pointerMoved(Context &ctx, const ui::PointerArgs &args)
{
    DragState &drag = *ctx.drag;
    if ((drag.captionDragging || drag.maskDragging) && !args.leftButtonHeld) {
        // The button went up where no release reached us (the capture was taken away).
        buttonReleased(ctx, args);
        return;
    }
    ui::Window &w = ctx.ui();
    if (drag.captionDragging != 0) {
        ui::TransparentLabel &caption = w.transparentLabel(u"透明标签1");
        caption.setLeft(args.x - drag.captionGrabX);
        caption.setTop(args.y - drag.captionGrabY);
    }
    if (drag.maskDragging != 0) {
        // The mask lies inside the picture area: place it in the picture area's coordinates,
        // so that the grabbed point stays under the pointer.
        ui::Label &mask = w.label(u"标签6");
        const QPoint inArea = w.pictureBox(u"图片框1").mapFrom(&w.mainWidget(), QPoint(args.x, args.y));
        mask.setLeft(inArea.x() - drag.maskGrabX);
        mask.setTop(inArea.y() - drag.maskGrabY);
    }
}

void buttonReleased(Context &ctx, const ui::PointerArgs &)
{
    ctx.ui().releasePointer();
    ctx.drag->captionDragging = 0;
    ctx.drag->maskDragging = 0;
}

} // namespace editor
