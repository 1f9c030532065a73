#pragma once

#include "codec/PictureDecoder.h"

#include <QByteArrayView>

#include <optional>

namespace codec {

// 8-bit JPEG of any coding (baseline, progressive, arithmetic) and colour space, turned
// upright by its EXIF orientation. A truncated file gives what was decoded, the rest grey.
std::optional<DecodedPicture> decodeJpeg(QByteArrayView data, const DecodeLimits &limits);

} // namespace codec
