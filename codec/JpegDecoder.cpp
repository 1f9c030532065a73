#include "codec/JpegDecoder.h"

#include "codec/DecoderSupport.h"
#include "codec/ExifOrientation.h"

#include <QImage>
#include <QSysInfo>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <limits>
#include <utility>

namespace codec {

namespace {

// libjpeg's default error handler ends the process; ours jumps back to the caller,
// and warnings (a truncated file, corrupt data that was skipped) are not fatal.
struct ErrorHandler {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorHandler *>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr, int)
{
}
void ignoreOutput(j_common_ptr)
{
}

// A progressive file can hold any number of scans, each a full pass over the
// coefficients; no real encoder writes more than a few dozen.
constexpr int kMaxScans = 500;

void limitScans(j_common_ptr info)
{
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        info->err->error_exit(info);
}

struct Decompressor {
    jpeg_decompress_struct info{};
    ErrorHandler error{};
    jpeg_progress_mgr progress{};
    JDIMENSION rowsReady = 0; // rows fully converted to RGB32

    Decompressor()
    {
        info.err = jpeg_std_error(&error.manager);
        error.manager.error_exit = jumpOnError;
        error.manager.emit_message = ignoreMessage;
        error.manager.output_message = ignoreOutput;
        jpeg_create_decompress(&info);
        progress.progress_monitor = limitScans;
        info.progress = &progress;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor &) = delete;
    Decompressor &operator=(const Decompressor &) = delete;
};

// Byte order B, G, R, 0xFF in memory is Format_RGB32 on a little-endian machine.
constexpr J_COLOR_SPACE kRgb32ColourSpace = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// The functions that call setjmp hold nothing with a destructor, so the jump out of
// libjpeg skips no C++ clean-up.
bool readHeader(Decompressor &d, QByteArrayView data, long maxMemory)
{
    if (setjmp(d.error.jump))
        return false;
    d.info.mem->max_memory_to_use = maxMemory;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char *>(data.data()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK)
        return false;
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : kRgb32ColourSpace;
    jpeg_calc_output_dimensions(&d.info);
    return d.info.output_components == 4;
}

// Converts CMYK pixels in place to RGB32. Adobe applications, which write nearly all
// CMYK JPEGs, store the channels inverted (255 = no ink), so the product gives RGB.
void cmykToRgb32(uchar *line, JDIMENSION width)
{
    auto *out = reinterpret_cast<QRgb *>(line);
    for (JDIMENSION x = 0; x < width; ++x) {
        const uchar *cmyk = line + x * 4;
        const unsigned k = cmyk[3];
        out[x] = qRgb(int(cmyk[0] * k / 255), int(cmyk[1] * k / 255), int(cmyk[2] * k / 255));
    }
}

// Decodes straight into the image's rows. Returns false on an error; the rows
// finished until then are counted in rowsReady.
bool readRows(Decompressor &d, uchar *bits, qsizetype stride)
{
    if (setjmp(d.error.jump))
        return false;
    jpeg_start_decompress(&d.info);
    const bool cmyk = d.info.out_color_space == JCS_CMYK;
    constexpr int kBatch = 16;
    JSAMPROW rows[kBatch];
    while (d.info.output_scanline < d.info.output_height) {
        const JDIMENSION first = d.info.output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(kBatch, d.info.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = bits + qsizetype(first + i) * stride;
        const JDIMENSION read = jpeg_read_scanlines(&d.info, rows, count);
        if (read == 0)
            return false;
        if (cmyk) {
            for (JDIMENSION i = 0; i < read; ++i)
                cmykToRgb32(rows[i], d.info.output_width);
        }
        d.rowsReady = first + read;
    }
    return true;
}

void fillGrey(QImage &image, int fromRow)
{
    for (int y = std::max(fromRow, 0); y < image.height(); ++y)
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(y)), image.width(), qRgb(128, 128, 128));
}

} // namespace

std::optional<DecodedPicture> decodeJpeg(QByteArrayView data, const DecodeLimits &limits)
{
    if (data.isEmpty() || quint64(data.size()) > std::numeric_limits<unsigned long>::max())
        return std::nullopt;
    Decompressor d;
    // libjpeg's own buffers (whole-image coefficients of a progressive file) get the
    // same budget as one decoded frame.
    const long maxMemory = long(std::min<qint64>(limits.maxFrameBytes, std::numeric_limits<long>::max()));
    if (!readHeader(d, data, maxMemory))
        return std::nullopt;
    if (d.info.output_width > JDIMENSION(std::numeric_limits<int>::max())
        || d.info.output_height > JDIMENSION(std::numeric_limits<int>::max()))
        return std::nullopt;
    QImage image =
        allocateFrame(QSize(int(d.info.output_width), int(d.info.output_height)), QImage::Format_RGB32, limits);
    if (image.isNull())
        return std::nullopt;

    if (!readRows(d, image.bits(), image.bytesPerLine())) {
        // Corrupt data past the first rows still shows what decoded, like a cut file.
        const int decodedRows = int(d.rowsReady);
        if (decodedRows == 0)
            return std::nullopt;
        fillGrey(image, decodedRows);
    }

    const int orientation = jpegExifOrientation(data);
    if (orientation != 1) {
        image = applyExifOrientation(std::move(image), orientation);
        if (image.isNull())
            return std::nullopt;
    }
    return stillPicture(std::move(image));
}

} // namespace codec
