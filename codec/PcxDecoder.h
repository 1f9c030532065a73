#pragma once

#include "codec/PictureDecoder.h"

#include <QByteArrayView>

#include <optional>

namespace codec {

// Run-length coded PCX: 8 bits per pixel with 1 (palette), 3 (RGB) or 4 (RGBA) planes,
// or 1 bit per pixel with 1 to 4 planes. A file whose data ends early gives the rows
// decoded so far, the rest black.
std::optional<DecodedPicture> decodePcx(QByteArrayView data, const DecodeLimits &limits);

} // namespace codec
