#pragma once

#include "codec/SnapshotImage.h"
#include "exchange/Context.h"

#include <QImage>
#include <QString>

namespace exchange {

// The picture area as it shows now, its shown children and the caption over it included,
// drawn off screen and scaled to the requested size; null for a side of 0 or a size too
// large to hold (checked before anything is allocated).
QImage composePictureArea(const ui::Controls &controls, int width, int height);

// The same picture as a 24-bit BMP file; empty where composePictureArea gives null.
codec::SnapshotImage takeSnapshot(const ui::Controls &controls, int width, int height);

// got-file of the drop target: loads the first dropped file that is a picture.
void fileDropped(Context &ctx, const QString &text);

// Click of "保存到桌面" and of "复制图片".
void saveClicked(Context &ctx);
void copyClicked(Context &ctx);

} // namespace exchange
