#include "codec/QtReaderDecoder.h"

#include "codec/BmpHeader.h"
#include "codec/DecoderSupport.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QSize>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace codec {

namespace {

QByteArray readerFormat(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Bmp: return "bmp";
    case PictureFormat::Icon:
    case PictureFormat::Cursor: // Qt's icon reader reads cursors as well
        return "ico";
    case PictureFormat::Gif: return "gif";
    case PictureFormat::Png: return "png";
    case PictureFormat::WebP: return "webp";
    default: return {};
    }
}

// What the reader will give for the current image; unknown sizes pass, Qt's own
// allocation limit then stands behind them.
bool declaredSizeFits(QSize declared, const DecodeLimits &limits)
{
    if (!declared.isValid() || declared.isEmpty())
        return true;
    return fitsLimits(declared, 4, limits);
}

// Some writers leave the frame delay at 0 or 10 ms; common viewers then wait 100 ms,
// and so do we, so that such a file does not spin.
int frameDelay(int delayMs)
{
    return delayMs <= 10 ? 100 : delayMs;
}

std::optional<DecodedPicture> readLargestImage(QImageReader &reader, const DecodeLimits &limits)
{
    struct Candidate {
        int index;
        qint64 area;
    };
    QList<Candidate> candidates;
    const int count = std::min(reader.imageCount(), 256);
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            continue;
        const QSize size = reader.size();
        if (size.isValid() && !size.isEmpty() && fitsLimits(size, 4, limits))
            candidates.append({i, qint64(size.width()) * size.height()});
    }
    // Stable, so among equal sizes the first listed wins.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.area > b.area; });
    for (const Candidate &candidate : candidates) {
        QImage image;
        if (reader.jumpToImage(candidate.index) && reader.read(&image)) {
            image = toDisplayFormat(std::move(image));
            if (!image.isNull())
                return stillPicture(std::move(image));
        }
    }
    return std::nullopt;
}

std::optional<DecodedPicture> readFrames(QImageReader &reader, const DecodeLimits &limits)
{
    const QSize canvas = reader.size();
    const qint64 frameBytes = canvas.isValid() ? qint64(canvas.width()) * canvas.height() * 4 : 0;
    DecodedPicture picture;
    qint64 totalBytes = 0;
    while (picture.frames.size() < limits.maxFrames) {
        // Beyond the budget the frames decoded so far still play.
        if (!picture.frames.isEmpty() && totalBytes + frameBytes > limits.maxAnimationBytes)
            break;
        QImage frame;
        if (!reader.read(&frame))
            break;
        frame = toDisplayFormat(std::move(frame));
        if (frame.isNull() || !fitsLimits(frame.size(), 4, limits))
            break;
        totalBytes += frame.sizeInBytes();
        picture.frames.append(std::move(frame));
        picture.frameDelaysMs.append(frameDelay(reader.nextImageDelay()));
        if (!reader.supportsAnimation())
            break;
    }
    if (picture.frames.isEmpty())
        return std::nullopt;
    if (picture.frames.size() == 1)
        picture.frameDelaysMs.first() = 0;
    return picture;
}

} // namespace

void prepareImageReaders()
{
    const int current = QImageReader::allocationLimit();
    if (current != 0 && current < kQtAllocationLimitMb)
        QImageReader::setAllocationLimit(kQtAllocationLimitMb);
}

std::optional<DecodedPicture> decodeWithQt(QByteArrayView data, PictureFormat format, const DecodeLimits &limits)
{
    const QByteArray formatName = readerFormat(format);
    if (formatName.isEmpty())
        return std::nullopt;
    if (format == PictureFormat::Bmp) {
        const QSize declared = bmpDeclaredSize(data);
        if (declared.isValid() && !declaredSizeFits(declared, limits))
            return std::nullopt;
    }

    QByteArray bytes = QByteArray::fromRawData(data.data(), data.size());
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&buffer, formatName);
    reader.setDecideFormatFromContent(false);
    if (!reader.canRead())
        return std::nullopt;
    QSize declared = reader.size();
    declared.setHeight(std::abs(declared.height()));
    if (!declaredSizeFits(declared, limits))
        return std::nullopt;

    switch (format) {
    case PictureFormat::Icon:
    case PictureFormat::Cursor: return readLargestImage(reader, limits);
    case PictureFormat::Gif:
    case PictureFormat::WebP: return readFrames(reader, limits);
    default: {
        QImage image;
        if (!reader.read(&image))
            return std::nullopt;
        image = toDisplayFormat(std::move(image));
        if (image.isNull())
            return std::nullopt;
        if (format == PictureFormat::Bmp)
            widenBmpChannels(image, data);
        return stillPicture(std::move(image));
    }
    }
}

} // namespace codec
