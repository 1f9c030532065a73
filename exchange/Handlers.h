#pragma once

#include "exchange/Context.h"
#include "exchange/SnapshotImage.h"

#include <QString>
#include <QStringView>

namespace exchange {

// The picture area as it shows now, overlays included, as a 24-bit BMP file.
SnapshotImage takeSnapshot(ui::Window &window, QStringView control, int width, int height);

// got-file of the drop target: loads the first dropped file that is a picture.
void fileDropped(Context &ctx, const QString &text);

// Click of "保存到桌面" and of "复制图片".
void saveClicked(Context &ctx);
void copyClicked(Context &ctx);

} // namespace exchange
