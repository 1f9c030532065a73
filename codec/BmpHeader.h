#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>

namespace codec {

// The size a BMP header declares (height as a magnitude: top-down files store it
// negative); invalid when the header is too short.
QSize bmpDeclaredSize(QByteArrayView data);

// Qt's BMP reader widens channels of fewer than 8 bits by a shift, so 5-bit white comes
// out as 248. This rescales such channels of a 16-bit BMP to the full 0 to 255 range.
// A channel already widened to full range stays as it is.
void widenBmpChannels(QImage &image, QByteArrayView data);

} // namespace codec
