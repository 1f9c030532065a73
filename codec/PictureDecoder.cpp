#include "codec/PictureDecoder.h"

#include "codec/JpegDecoder.h"
#include "codec/PcxDecoder.h"
#include "codec/QtReaderDecoder.h"

#include <unistd.h>

#include <algorithm>

namespace codec {

namespace {

qint64 physicalMemoryBytes()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? qint64(pages) * pageSize : 0;
}

} // namespace

const DecodeLimits &defaultDecodeLimits()
{
    static const DecodeLimits limits = [] {
        DecodeLimits result;
        // A frame larger than the machine's memory could never be shown.
        if (const qint64 memory = physicalMemoryBytes(); memory > 0)
            result.maxFrameBytes = std::min(result.maxFrameBytes, memory);
        return result;
    }();
    return limits;
}

std::optional<DecodedPicture> decodePicture(QByteArrayView data)
{
    return decodePicture(data, defaultDecodeLimits());
}

std::optional<DecodedPicture> decodePicture(QByteArrayView data, const DecodeLimits &limits)
{
    const PictureFormat format = recognisePicture(data);
    switch (format) {
    case PictureFormat::None: return std::nullopt;
    case PictureFormat::Jpeg: return decodeJpeg(data, limits);
    case PictureFormat::Pcx8:
    case PictureFormat::Pcx1: return decodePcx(data, limits);
    default: return decodeWithQt(data, format, limits);
    }
}

} // namespace codec
