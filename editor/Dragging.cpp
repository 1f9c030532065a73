#include "editor/Handlers.h"

#include "ui/Controls.h"
#include "ui/Geometry.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"

#include <QPoint>
#include <QWidget>

#include <algorithm>
#include <cstdint>

namespace editor {
namespace {

// Taken wide: a pointer position and a grab offset from far apart must not overflow.
int offsetBy(int position, int grab)
{
    const std::int64_t difference = std::int64_t{position} - grab;
    return int(std::clamp<std::int64_t>(difference, -ui::kCoordinateLimit, ui::kCoordinateLimit));
}

void moveCaption(Context &ctx, const ui::PointerArgs &args)
{
    ui::TransparentLabel &caption = ctx.ui().caption;
    caption.setLeft(offsetBy(args.x, ctx.drag->captionGrabX));
    caption.setTop(offsetBy(args.y, ctx.drag->captionGrabY));
}

// The mask lies inside the picture area, so its place is measured there: the pointer is
// mapped into the area first, which keeps the grabbed point under the pointer.
void moveMask(Context &ctx, const ui::PointerArgs &args)
{
    const ui::Controls &c = ctx.ui();
    const QPoint inArea = c.pictureArea.mapFrom(&c.window, QPoint(args.x, args.y));
    ui::Label &mask = c.mask;
    mask.setLeft(offsetBy(inArea.x(), ctx.drag->maskGrabX));
    mask.setTop(offsetBy(inArea.y(), ctx.drag->maskGrabY));
}

} // namespace

void captionPressed(Context &ctx, const ui::PointerArgs &args)
{
    ctx.drag->captionGrabX = args.x;
    ctx.drag->captionGrabY = args.y;
    ctx.window->capturePointer();
    ctx.drag->captionDragging = 1;
}

void maskPressed(Context &ctx, const ui::PointerArgs &args)
{
    ctx.drag->maskGrabX = args.x;
    ctx.drag->maskGrabY = args.y;
    ctx.window->capturePointer();
    ctx.drag->maskDragging = 1;
}

void pointerMoved(Context &ctx, const ui::PointerArgs &args)
{
    const DragState &drag = *ctx.drag;
    if (drag.captionDragging == 0 && drag.maskDragging == 0)
        return;
    // The button went up where no release reached us (the capture was taken away).
    if (!args.leftButtonHeld) {
        buttonReleased(ctx, args);
        return;
    }
    if (drag.captionDragging != 0)
        moveCaption(ctx, args);
    if (drag.maskDragging != 0)
        moveMask(ctx, args);
}

void buttonReleased(Context &ctx, const ui::PointerArgs &)
{
    ctx.window->releasePointer();
    ctx.drag->captionDragging = 0;
    ctx.drag->maskDragging = 0;
}

} // namespace editor
