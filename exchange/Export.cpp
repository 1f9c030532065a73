#include "exchange/Handlers.h"

#include "codec/PictureDecoder.h"
#include "exchange/SaveSnapshot.h"
#include "ui/Buttons.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QMimeData>

#include <optional>

namespace exchange {
namespace {

// The clipboard's picture: the snapshot read back by the decoder the picture area uses,
// null unless it has the snapshot's own size.
QImage clipboardPicture(const codec::SnapshotImage &snapshot)
{
    const std::optional<codec::BmpLayout> layout = codec::readSnapshotLayout(snapshot);
    if (!layout)
        return {};
    const std::optional<codec::DecodedPicture> decoded = codec::decodePicture(snapshot);
    if (!decoded || decoded->size() != QSize(layout->width, layout->height))
        return {};
    return decoded->frames.first();
}

} // namespace

bool placeOnSystemClipboard(const QImage &picture)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (picture.isNull() || !clipboard)
        return false;
    // Qt keeps the picture and serves it in every image format asked for while we run.
    clipboard->setImage(picture, QClipboard::Clipboard);
    if (clipboard->ownsClipboard())
        return true;
    // Platforms without a shared clipboard keep the data in the program and own nothing.
    const QMimeData *data = clipboard->mimeData(QClipboard::Clipboard);
    return data && data->hasImage() && qvariant_cast<QImage>(data->imageData()).size() == picture.size();
}

void saveClicked(Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    // The file is named after the moment of the click, however long the picture takes.
    const QDateTime moment = ctx.save.now ? ctx.save.now() : QDateTime::currentDateTime();
    SaveEnvironment environment = ctx.save;
    environment.now = [moment] { return moment; };

    const int width = c.pictureArea.width();
    const int height = c.pictureArea.height();
    // The JPEG is made from the composed pixels; the file equals that of its snapshot.
    const QImage picture = composePictureArea(c, width, height);
    if (savePicture(picture, environment).result == SaveResult::Saved)
        c.saveButton.setCaption(QStringLiteral("保存成功!!"));
}

void copyClicked(Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    const int width = c.pictureArea.width();
    const int height = c.pictureArea.height();
    const codec::SnapshotImage snapshot = takeSnapshot(c, width, height);
    // Nothing to place: the clipboard keeps what the user had on it.
    const QImage picture = clipboardPicture(snapshot);
    if (picture.isNull() || !ctx.clipboard)
        return;
    if (ctx.clipboard(picture))
        c.copyButton.setCaption(QStringLiteral("复制成功!!"));
}

} // namespace exchange
