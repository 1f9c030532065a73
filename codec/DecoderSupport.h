#pragma once

#include "codec/PictureDecoder.h"

#include <QImage>
#include <QSize>

namespace codec {

// True when a frame of this size, at this many bytes per pixel, is within the limits.
bool fitsLimits(QSize size, int bytesPerPixel, const DecodeLimits &limits);

// A frame of 32-bit pixels, or a null image when it is beyond the limits or the
// allocation fails; the pixels are left uninitialised for the decoder to fill.
QImage allocateFrame(QSize size, QImage::Format format, const DecodeLimits &limits);

// The format a frame is kept in: RGB32 when opaque, premultiplied ARGB32 otherwise.
// Null when the conversion cannot allocate.
QImage toDisplayFormat(QImage image);

DecodedPicture stillPicture(QImage frame);

} // namespace codec
