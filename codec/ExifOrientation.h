#pragma once

#include <QByteArrayView>
#include <QImage>

namespace codec {

// The EXIF orientation (1 to 8) of a JPEG file: tag 0x0112 of IFD0 in the first Exif
// APP1 segment before the image data; 1 when there is none or it cannot be read.
int jpegExifOrientation(QByteArrayView jpeg);

// The orientation value read from a TIFF structure (the body of an Exif segment
// after its "Exif\0\0" header); 1 when there is none or it cannot be read.
int tiffOrientation(QByteArrayView tiff);

// The picture as it should stand upright; null when the new image cannot be allocated.
QImage applyExifOrientation(QImage image, int orientation);

} // namespace codec
