#include "codec/PictureDecoder.h"

namespace codec {

namespace {

bool startsWith(QByteArrayView data, QByteArrayView prefix)
{
    return data.size() >= prefix.size() && data.first(prefix.size()) == prefix;
}

} // namespace

PictureFormat recognisePicture(QByteArrayView data)
{
    if (data.size() < 6)
        return PictureFormat::None;
    const auto byte = [&](qsizetype i) { return quint8(data[i]); };

    if (byte(0) == 0xFF && byte(1) == 0xD8)
        return PictureFormat::Jpeg;
    if (byte(0) == 'B' && byte(1) == 'M')
        return PictureFormat::Bmp;
    if (byte(0) == 0 && byte(1) == 0 && byte(3) == 0) {
        if (byte(2) == 1)
            return PictureFormat::Icon;
        if (byte(2) == 2)
            return PictureFormat::Cursor;
    }
    if (startsWith(data, "GIF87a") || startsWith(data, "GIF89a"))
        return PictureFormat::Gif;
    if (byte(0) == 0x0A && byte(2) == 0x01) {
        if (byte(1) <= 5 && byte(3) == 8)
            return PictureFormat::Pcx8;
        if (byte(1) == 3 && byte(3) == 1)
            return PictureFormat::Pcx1;
    }
    if (startsWith(data, "\x89PNG\r\n\x1a\n"))
        return PictureFormat::Png;
    if (data.size() >= 12 && startsWith(data, "RIFF") && data.sliced(8, 4) == QByteArrayView("WEBP"))
        return PictureFormat::WebP;
    return PictureFormat::None;
}

} // namespace codec
