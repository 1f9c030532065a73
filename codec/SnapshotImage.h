#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

class QImage;

namespace codec {

// One complete 24-bit bottom-up BMP file of the picture area; empty when the snapshot failed.
using SnapshotImage = QByteArray;

inline constexpr qsizetype kBmpHeaderSize = 14 + 40;
// Zoom can make the picture area 32627 × 32627 (over 3 GB as a BMP); refuse long before that.
inline constexpr qint64 kMaxSnapshotPixels = qint64(256) * 1024 * 1024;

// Bytes per stored row: three per pixel, rounded up to a multiple of four.
constexpr qint64 bmpRowSize(int width)
{
    return ((qint64(24) * width + 31) / 32) * 4;
}

// Whether a snapshot of this size may be made: both sides positive, at most
// kMaxSnapshotPixels, and a file size that fits the header's 32-bit field.
bool snapshotSizeAllowed(int width, int height);

// The picture as 32-bit pixels whose colour bytes can be read directly: shared, not copied,
// when it already is; translucent pixels end up composed over black. Null on failure.
QImage toSnapshotPixels(const QImage &picture);

// The BMP file of the picture, or empty for a null picture or a refused size.
// Alpha is dropped as if the picture were drawn over black, as a screen would show it.
SnapshotImage encodeSnapshot(const QImage &picture);

struct BmpLayout {
    int width = 0;
    int height = 0;
    int rowSize = 0;
    qsizetype pixelOffset = 0;
};

// The layout of a 24-bit uncompressed bottom-up BMP file whose pixel array lies wholly
// inside the data; nothing for anything else.
std::optional<BmpLayout> readSnapshotLayout(QByteArrayView bmp);

} // namespace codec
