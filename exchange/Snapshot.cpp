#include "exchange/Handlers.h"

#include "ui/Controls.h"
#include "ui/PictureBox.h"
#include "ui/TransparentLabel.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QWidget>

#include <cstdlib>
#include <sys/mman.h>

namespace exchange {
namespace {

// Draws the caption, a control of the main window lying above the area, where it lies over
// the area. Only its glyphs: its box has no background of its own, so whatever is already
// in the picture shows through it.
void drawCaption(QWidget *caption, QWidget &area, QPainter &painter)
{
    if (caption == &area || caption->parentWidget() != area.parentWidget()
        || !caption->isVisibleTo(area.parentWidget()))
        return;
    // Siblings stack in the order of their parent's children, the last on top.
    const QObjectList &siblings = area.parentWidget()->children();
    if (siblings.indexOf(caption) < siblings.indexOf(&area))
        return;
    const QPoint offset = caption->pos() - area.pos();
    if (!QRect(offset, caption->size()).intersects(area.rect()))
        return;
    // render() ignores the widget's visibility, so the check above stands for the screen's.
    caption->render(&painter, offset, QRegion(), QWidget::DrawChildren);
}

// Touching fresh memory page by page costs more than drawing a big picture into it; in huge
// pages a 6000 × 4000 picture takes a few dozen page faults instead of some 23,000.
constexpr size_t kHugePage = size_t(2) * 1024 * 1024;
constexpr size_t kHugeBufferFrom = 4 * kHugePage;

// A picture of this size to draw into; null when the memory cannot be had.
QImage newPicture(QSize size)
{
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(size.height());
    if (bytes < kHugeBufferFrom)
        return QImage(size, QImage::Format_RGB32);
    void *memory = nullptr;
    if (::posix_memalign(&memory, kHugePage, bytes) != 0)
        return {};
    ::madvise(memory, bytes, MADV_HUGEPAGE); // only advice: without it the pages are small
    QImage picture(
        static_cast<uchar *>(memory), size.width(), size.height(), bytesPerLine, QImage::Format_RGB32,
        [](void *block) { std::free(block); }, memory);
    if (picture.isNull())
        std::free(memory);
    return picture;
}

} // namespace

QImage composePictureArea(const ui::Controls &controls, int width, int height)
{
    QWidget *area = &controls.pictureArea;
    if (!codec::snapshotSizeAllowed(width, height))
        return {};
    const QSize captured = area->size();
    if (!codec::snapshotSizeAllowed(captured.width(), captured.height()))
        return {};

    // RGB32 is what the raster painter draws fastest and what both encoders read directly.
    QImage picture = newPicture(captured);
    if (picture.isNull())
        return {};
    // The area paints itself opaque; a widget that might not is given its background first.
    QWidget::RenderFlags flags = QWidget::DrawChildren;
    if (!area->testAttribute(Qt::WA_OpaquePaintEvent))
        flags |= QWidget::DrawWindowBackground;
    {
        QPainter painter(&picture);
        if (!painter.isActive())
            return {};
        // Drawn off screen, so parts outside the window or under another window are whole;
        // DrawChildren leaves out children that are hidden, as the screen does.
        area->render(&painter, QPoint(), QRegion(), flags);
        drawCaption(&controls.caption, *area, painter);
    }
    if (captured == QSize(width, height))
        return picture;
    // Another size than the area's own is the whole picture scaled, never a crop.
    return picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

codec::SnapshotImage takeSnapshot(const ui::Controls &controls, int width, int height)
{
    return codec::encodeSnapshot(composePictureArea(controls, width, height));
}

} // namespace exchange
