#include "exchange/Handlers.h"

#include "codec/PictureDecoder.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"

#include <QByteArray>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QSize>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <utility>

namespace exchange {
namespace {

// A file larger than any picture the decoder would hold is not worth reading into memory.
qint64 largestReadable()
{
    const codec::DecodeLimits &limits = codec::defaultDecodeLimits();
    return std::max(limits.maxFrameBytes, limits.maxAnimationBytes) + (qint64{1} << 20);
}

// The whole file, read once and read-only. Only regular files: reading a pipe or a
// device dropped by mistake would never end.
std::optional<QByteArray> readWhole(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > largestReadable())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// The first dropped file that decodes; the others are passed over.
std::optional<codec::DecodedPicture> firstPicture(const QString &text)
{
    for (const QString &path : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        std::optional<QByteArray> bytes = readWhole(path);
        if (!bytes)
            continue;
        if (std::optional<codec::DecodedPicture> picture = codec::decodePicture(*bytes))
            return picture;
    }
    return std::nullopt;
}

} // namespace

void fileDropped(Context &ctx, const QString &text)
{
    // Nothing to show leaves the user's current picture and its size alone.
    std::optional<codec::DecodedPicture> dropped = firstPicture(text);
    if (!dropped)
        return;
    ui::PictureBox &area = ctx.ui().pictureArea;
    const QSize size = dropped->size();
    area.setDecodedPicture(std::move(dropped));
    area.setWidth(size.width());
    area.setHeight(size.height());
    if (ctx.refreshSizeLabels)
        ctx.refreshSizeLabels();
}

} // namespace exchange
