// Decode time of the editor's decoder against plain libjpeg-turbo (the floor) and
// against Qt's own JPEG reader, on the templates and on generated camera-sized photos.
#include "codec/PictureDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

QList<QByteArray> loadTemplates()
{
    QList<QByteArray> files;
    const QDir folder(QStringLiteral(ZANVO_SOURCE_DIR "/assets/templates"));
    for (const QString &name : folder.entryList({"*.jpg"}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.append(file.readAll());
    }
    return files;
}

// A photo-like picture: smooth gradients, soft bands and sensor-like noise, which
// compresses to about the bits per pixel of a real camera picture at quality 90.
QByteArray generatePhoto(int width, int height)
{
    std::vector<unsigned char> rgb(size_t(width) * size_t(height) * 3);
    quint32 state = 0x9E3779B9u;
    for (int y = 0; y < height; ++y) {
        unsigned char *row = rgb.data() + size_t(y) * size_t(width) * 3;
        for (int x = 0; x < width; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int noise = int(state & 31) - 16;
            const int band = ((x / 97 + y / 61) & 3) * 12;
            const int r = x * 200 / width + band + noise;
            const int g = y * 180 / height + 30 + noise / 2;
            const int b = (x + y) * 150 / (width + height) + 60 - band + noise;
            row[x * 3] = static_cast<unsigned char>(qBound(0, r, 255));
            row[x * 3 + 1] = static_cast<unsigned char>(qBound(0, g, 255));
            row[x * 3 + 2] = static_cast<unsigned char>(qBound(0, b, 255));
        }
    }
    tjhandle handle = tjInitCompress();
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    QByteArray result;
    if (tjCompress2(handle, rgb.data(), width, width * 3, height, TJPF_RGB, &jpeg, &size, TJSAMP_420, 90, 0) == 0)
        result = QByteArray(reinterpret_cast<const char *>(jpeg), qsizetype(size));
    tjFree(jpeg);
    tjDestroy(handle);
    return result;
}

QByteArray withExifOrientation6(const QByteArray &jpeg)
{
    // APP1 "Exif", big-endian TIFF, IFD0 with one entry: orientation (0x0112) = 6.
    const QByteArray segment = QByteArray::fromHex("ffe10022"
                                                   "457869660000"
                                                   "4d4d002a00000008"
                                                   "0001"
                                                   "011200030000000100060000"
                                                   "00000000");
    QByteArray result = jpeg;
    result.insert(2, segment);
    return result;
}

struct Case {
    std::string name;
    QList<QByteArray> files;
};

std::vector<Case> &cases()
{
    static std::vector<Case> all;
    return all;
}

void zanvoDecoder(benchmark::State &state, const Case *c)
{
    for (auto _ : state) {
        for (const QByteArray &file : c->files) {
            auto picture = codec::decodePicture(file);
            if (!picture)
                state.SkipWithError("decode failed");
            benchmark::DoNotOptimize(picture);
        }
    }
}

// Plain libjpeg-turbo into a fresh buffer of the same layout, the least any decoder can do.
void turboJpegFloor(benchmark::State &state, const Case *c)
{
    tjhandle handle = tjInitDecompress();
    for (auto _ : state) {
        for (const QByteArray &file : c->files) {
            const auto *data = reinterpret_cast<const unsigned char *>(file.constData());
            const auto size = static_cast<unsigned long>(file.size());
            int width = 0, height = 0, subsampling = 0, colourSpace = 0;
            tjDecompressHeader3(handle, data, size, &width, &height, &subsampling, &colourSpace);
            auto pixels = std::make_unique_for_overwrite<unsigned char[]>(size_t(width) * size_t(height) * 4);
            if (tjDecompress2(handle, data, size, pixels.get(), width, width * 4, height, TJPF_BGRA, 0) != 0)
                state.SkipWithError(tjGetErrorStr2(handle));
            benchmark::DoNotOptimize(pixels.get());
        }
    }
    tjDestroy(handle);
}

void qtImageReader(benchmark::State &state, const Case *c)
{
    for (auto _ : state) {
        for (const QByteArray &file : c->files) {
            QByteArray bytes = QByteArray::fromRawData(file.constData(), file.size());
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer, "jpeg");
            QImage image;
            if (!reader.read(&image))
                state.SkipWithError(qPrintable(reader.errorString()));
            benchmark::DoNotOptimize(image);
        }
    }
}

// Keeps the fastest repetition of every benchmark, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const std::string name = run.run_name.function_name;
            const double time = run.GetAdjustedRealTime();
            auto it = m_best.find(name);
            if (it == m_best.end() || time < it->second)
                m_best[name] = time;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const
    {
        std::printf("\n%-18s %12s %12s %12s %10s %10s\n", "case", "zanvo ms", "floor ms", "qt ms", "zanvo/floor",
                    "qt/floor");
        for (const Case &c : cases()) {
            const double zanvo = best("zanvo/" + c.name), floor = best("floor/" + c.name), qt = best("qt/" + c.name);
            if (zanvo <= 0 || floor <= 0)
                continue;
            std::printf("%-18s %12.3f %12.3f %12.3f %10.3f %10.3f\n", c.name.c_str(), zanvo, floor, qt, zanvo / floor,
                        qt > 0 ? qt / floor : 0.0);
        }
    }

private:
    double best(const std::string &name) const
    {
        const auto it = m_best.find(name);
        return it == m_best.end() ? 0.0 : it->second;
    }

    std::map<std::string, double> m_best;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const QList<QByteArray> templates = loadTemplates();
    if (templates.isEmpty())
        std::fprintf(stderr, "no templates in assets/templates: their case is skipped\n");
    else
        cases().push_back({"templates" + std::to_string(templates.size()), templates});
    const QByteArray photo24 = generatePhoto(6000, 4000);
    cases().push_back({"photo24mp", {photo24}});
    // The same photo taken with the camera on its side: the rotation shows in zanvo/floor.
    cases().push_back({"photo24mp-exif6", {withExifOrientation6(photo24)}});
    // Qt's readers refuse more than 256 MB by default, so a 50-megapixel photo fails;
    // the comparison runs Qt with the limit raised as the editor raises it at start-up.
    {
        QByteArray photo = generatePhoto(8660, 5773);
        QBuffer buffer(&photo);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "jpeg");
        std::printf("Qt's default reader on a 50-megapixel JPEG: %s\n",
                    reader.read().isNull() ? qPrintable(reader.errorString()) : "decoded");
        codec::prepareImageReaders();
        cases().push_back({"photo50mp", {photo}});
    }

    for (const Case &c : cases()) {
        qsizetype bytes = 0;
        for (const QByteArray &file : c.files)
            bytes += file.size();
        std::printf("%s: %lld files, %.2f MB\n", c.name.c_str(), static_cast<long long>(c.files.size()),
                    double(bytes) / 1e6);
        for (const auto &[label, function] : {std::pair{"zanvo/", &zanvoDecoder}, std::pair{"floor/", &turboJpegFloor},
                                              std::pair{"qt/", &qtImageReader}}) {
            benchmark::RegisterBenchmark((label + c.name).c_str(), function, &c)
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(false)
                ->UseRealTime();
        }
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
