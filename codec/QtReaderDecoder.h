#pragma once

#include "codec/PictureDecoder.h"

#include <QByteArrayView>

#include <optional>

namespace codec {

// BMP, GIF, icon, cursor, PNG and WebP through Qt's image readers, with the reader
// chosen by the recognised format, never by sniffing the content again.
std::optional<DecodedPicture> decodeWithQt(QByteArrayView data, PictureFormat format, const DecodeLimits &limits);

// Qt refuses images above its allocation limit, 256 MB by default, which a 50-megapixel
// photo exceeds; our own limits are checked before Qt is asked.
constexpr int kQtAllocationLimitMb = 2048;

} // namespace codec
