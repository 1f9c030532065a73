#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QSize>
#include <QtGlobal>

#include <optional>

namespace codec {

// The formats the picture area recognises by their first bytes.
enum class PictureFormat { None, Jpeg, Bmp, Icon, Cursor, Gif, Pcx8, Pcx1, Png, WebP };

struct DecodedPicture {
    // Never empty; a still picture has one frame. Opaque frames are Format_RGB32,
    // frames with transparency Format_ARGB32_Premultiplied, the formats cheapest to draw.
    QList<QImage> frames;
    QList<int> frameDelaysMs; // one per frame; 0 for a still picture

    QSize size() const { return frames.isEmpty() ? QSize() : frames.first().size(); }
    bool animated() const { return frames.size() > 1; }
};

// How much one decode may take. Everything is checked against the sizes a file declares
// before any pixel memory is allocated.
struct DecodeLimits {
    static constexpr qint64 kMaxPixels = 512LL * 1000 * 1000;
    static constexpr qint64 kMaxAnimationBytes = 1LL << 30;
    static constexpr int kMaxFrames = 10000;

    qint64 maxPixels = kMaxPixels;                 // per frame
    qint64 maxFrameBytes = 4 * kMaxPixels;         // decoded bytes of one frame
    qint64 maxAnimationBytes = kMaxAnimationBytes; // all frames together; later frames are dropped
    int maxFrames = kMaxFrames;
};

// The limits used by decodePicture(data): the constants above, with the frame bytes
// further capped by the machine's physical memory.
const DecodeLimits &defaultDecodeLimits();

// Sets up Qt's image readers for the pictures decoded here; call once at start-up,
// before any decode and before threads that decode are started.
void prepareImageReaders();

PictureFormat recognisePicture(QByteArrayView data);

// Decodes one whole image file; nothing for data in no recognised format,
// data that fails to decode, or a picture too large to hold.
std::optional<DecodedPicture> decodePicture(QByteArrayView data);
std::optional<DecodedPicture> decodePicture(QByteArrayView data, const DecodeLimits &limits);

} // namespace codec
