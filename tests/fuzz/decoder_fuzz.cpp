// libFuzzer entry point for the picture decoder; scripts/fuzz builds and runs it.
#include "codec/PictureDecoder.h"

#include <QByteArrayView>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Qt finds its image format plugins through the application's library paths.
    static QCoreApplication app(*argc, *argv);
    codec::prepareImageReaders();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Smaller limits than the editor's keep each run fast and within the fuzzer's memory
    // budget; the code paths are the same.
    static const codec::DecodeLimits limits = [] {
        codec::DecodeLimits l;
        l.maxPixels = 4 * 1000 * 1000;
        l.maxFrameBytes = 16 * 1000 * 1000;
        l.maxAnimationBytes = 64 * 1000 * 1000;
        l.maxFrames = 256;
        return l;
    }();
    const auto picture =
        codec::decodePicture(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), limits);
    if (picture && (picture->frames.isEmpty() || picture->frames.size() != picture->frameDelaysMs.size()))
        __builtin_trap();
    return 0;
}
