#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QImage;

namespace codec {

inline constexpr int kSaveJpegQuality = 95;

// A baseline JPEG (4:4:4, so caption edges keep their colour) made straight from the
// pixel array of a 24-bit bottom-up BMP file; empty for invalid input, a quality outside
// 1 … 100, or an encoder failure.
QByteArray encodeJpegFromSnapshot(QByteArrayView bmp, int quality = kSaveJpegQuality);

// The same for a picture in memory; empty for a null picture or a refused size.
QByteArray encodeJpeg(const QImage &picture, int quality = kSaveJpegQuality);

} // namespace codec
