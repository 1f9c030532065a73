// The save of a finished picture as the program does it, against ImageMagick's convert doing
// the same job: the picture, a text caption, a filled mask rectangle, written as JPEG quality
// 95. "save" is the click handler itself on the loaded window (snapshot of the picture area
// with its overlays + encode from its pixels + atomic write); the "step/" entries split the work.
#include "app/Editor.h"
#include "app/EditorState.h"
#include "codec/JpegEncoder.h"
#include "codec/SnapshotImage.h"
#include "editor/TemplateCatalogue.h"
#include "exchange/Handlers.h"
#include "exchange/SafeFile.h"
#include "exchange/SaveSnapshot.h"
#include "ui/Buttons.h"
#include "ui/Controls.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QString kConvert = QStringLiteral("/usr/bin/convert");
const QString kFontFile = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
const QString kCaption = QStringLiteral("ZANVO CAPTION");
const QColor kMaskColour(0x33, 0x66, 0xcc);

// The font slider's largest size, 95 points, at 96 dots per inch.
constexpr int kLargestCaptionPixels = 126;

// What is drawn over the picture, in the picture area's own pixels.
struct Overlay {
    QRect mask;
    QRect captionBox;
    int captionPixels;
};

Overlay overlayFor(QSize size)
{
    return {QRect(size.width() / 2, size.height() * 3 / 4, size.width() / 2, size.height() / 4),
            QRect(size.width() / 20, size.height() / 20, size.width() * 9 / 10, size.height() / 5),
            std::min(size.height() / 10, kLargestCaptionPixels)};
}

// A photo-like picture: smooth light with fine grain, which is what costs a JPEG encoder.
QImage generatedPhoto(QSize size)
{
    QImage photo(size, QImage::Format_RGB32);
    QRandomGenerator random(27);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(random.bounded(17u)) - 8;
            const int r = 60 + 150 * x / size.width() + grain;
            const int g = 90 + 100 * y / size.height() + grain;
            const int b = 200 - 120 * (x + y) / (size.width() + size.height()) + grain;
            row[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    return photo;
}

struct Scene {
    QString label;
    QString inputFile;  // what convert reads
    QByteArray picture; // what the picture area is given
    QSize size;         // the picture area's size, the picture's own
};

class Bench {
public:
    Bench() : m_editor(m_font, m_drag) {}

    bool load()
    {
        ui::preparePlatform();
        m_font = *app::newCaptionFont();
        if (!m_dir.isValid() || !m_editor.load())
            return false;
        m_editor.open();
        exchange::Context &ctx = m_editor.exchangeContext();
        ctx.save.now = [] { return QDateTime(QDate(2016, 12, 10), QTime(3, 18, 30)); };
        ctx.save.folder = [this] { return saveFolder(); };
        return QDir().mkpath(saveFolder());
    }

    ui::Window &window() const { return m_editor.window(); }
    const ui::Controls &controls() const { return m_editor.controls(); }
    exchange::Context &context() { return m_editor.exchangeContext(); }
    QString saveFolder() const { return m_dir.filePath(QStringLiteral("Desktop")); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // The window as the user leaves it before saving: picture, caption and mask in place.
    void show(const Scene &scene)
    {
        ui::Window &w = window();
        ui::PictureBox &area = w.pictureBox(u"图片框1");
        area.setPicture(scene.picture);
        area.setWidth(scene.size.width());
        area.setHeight(scene.size.height());
        const Overlay o = overlayFor(scene.size);
        ui::Label &mask = w.label(u"标签6");
        mask.setBackgroundColour(ui::colourValue(kMaskColour));
        mask.setGeometry(o.mask);
        mask.setShown(1);
        ui::TransparentLabel &caption = w.transparentLabel(u"透明标签1");
        caption.setText(kCaption);
        caption.setTextColour(ui::colourValue(255, 255, 255));
        caption.setSize(o.captionPixels * 72 / caption.logicalDpiY());
        caption.setGeometry(o.captionBox.translated(area.pos()));
    }

    // Removes what a save wrote, outside the timed part.
    int clearSaved() const
    {
        QDir folder(saveFolder());
        const QStringList files = folder.entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : files)
            folder.remove(name);
        return int(files.size());
    }

private:
    ui::FontSettings m_font;
    editor::DragState m_drag;
    app::Editor m_editor;
    QTemporaryDir m_dir;
};

void registerScene(Bench &bench, const Scene &scene, bool slow)
{
    const auto name = [&](const char *what) { return (QString::fromLatin1(what) + scene.label).toStdString(); };
    const auto area = [&bench] { return bench.window().pictureBox(u"图片框1").size(); };
    std::vector<benchmark::internal::Benchmark *> ours;

    ours.push_back(benchmark::RegisterBenchmark(name("save/").c_str(), [&bench, scene](benchmark::State &state) {
        bench.show(scene);
        for (auto _ : state) {
            exchange::saveClicked(bench.context());
            state.PauseTiming();
            const bool one = bench.clearSaved() == 1;
            state.ResumeTiming();
            if (!one) {
                state.SkipWithError("save wrote no file");
                return;
            }
        }
    }));
    // The parts, each on the output of the one before.
    ours.push_back(benchmark::RegisterBenchmark(name("step/compose/").c_str(), [&bench, scene,
                                                                                area](benchmark::State &state) {
        bench.show(scene);
        for (auto _ : state)
            benchmark::DoNotOptimize(exchange::composePictureArea(bench.controls(), area().width(), area().height()));
    }));
    ours.push_back(
        benchmark::RegisterBenchmark(name("step/bmp/").c_str(), [&bench, scene, area](benchmark::State &state) {
            bench.show(scene);
            const QImage picture = exchange::composePictureArea(bench.controls(), area().width(), area().height());
            for (auto _ : state)
                benchmark::DoNotOptimize(codec::encodeSnapshot(picture));
        }));
    ours.push_back(benchmark::RegisterBenchmark(
        name("step/jpeg-from-pixels/").c_str(), [&bench, scene, area](benchmark::State &state) {
            bench.show(scene);
            const QImage picture = exchange::composePictureArea(bench.controls(), area().width(), area().height());
            for (auto _ : state)
                benchmark::DoNotOptimize(codec::encodeJpeg(picture));
        }));
    ours.push_back(
        benchmark::RegisterBenchmark(name("step/jpeg-from-bmp/").c_str(), [&bench, scene](benchmark::State &state) {
            bench.show(scene);
            const QSize size = bench.window().pictureBox(u"图片框1").size();
            const codec::SnapshotImage bmp = exchange::takeSnapshot(bench.controls(), size.width(), size.height());
            for (auto _ : state)
                benchmark::DoNotOptimize(codec::encodeJpegFromSnapshot(bmp));
        }));
    ours.push_back(
        benchmark::RegisterBenchmark(name("step/write/").c_str(), [&bench, scene, area](benchmark::State &state) {
            bench.show(scene);
            const QByteArray jpeg =
                codec::encodeJpeg(exchange::composePictureArea(bench.controls(), area().width(), area().height()));
            for (auto _ : state) {
                const exchange::SaveOutcome outcome =
                    exchange::saveUnique(bench.saveFolder(), QStringLiteral("bench"), jpeg);
                state.PauseTiming();
                bench.clearSaved();
                state.ResumeTiming();
                if (outcome.result != exchange::SaveResult::Saved) {
                    state.SkipWithError("write failed");
                    return;
                }
            }
        }));

    auto *convert =
        benchmark::RegisterBenchmark(name("imagemagick/").c_str(), [&bench, scene](benchmark::State &state) {
            const Overlay o = overlayFor(scene.size);
            const QStringList arguments{
                scene.inputFile,
                "-fill",
                "#3366cc",
                "-draw",
                QStringLiteral("rectangle %1,%2 %3,%4")
                    .arg(o.mask.left())
                    .arg(o.mask.top())
                    .arg(o.mask.right())
                    .arg(o.mask.bottom()),
                "-font",
                kFontFile,
                "-fill",
                "white",
                "-pointsize",
                QString::number(o.captionPixels),
                "-annotate",
                QStringLiteral("+%1+%2").arg(o.captionBox.left()).arg(o.captionBox.top() + o.captionPixels),
                kCaption,
                "-sampling-factor",
                "1x1",
                "-quality",
                "95",
                bench.filePath("convert.jpg")};
            for (auto _ : state) {
                if (QProcess::execute(kConvert, arguments) != 0) {
                    state.SkipWithError("convert failed");
                    return;
                }
            }
        });

    convert->Unit(benchmark::kMillisecond)->UseRealTime();
    for (auto *b : ours) {
        b->Unit(benchmark::kMillisecond)->UseRealTime();
        if (slow)
            b->Iterations(5);
    }
    if (slow)
        convert->Iterations(3);
}

// Prints the usual table, then how many times faster than convert each full save was.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                m_seconds[QString::fromStdString(run.benchmark_name())] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (auto it = m_seconds.cbegin(); it != m_seconds.cend(); ++it) {
            if (!it.key().startsWith("imagemagick/"))
                continue;
            const QString scene = it.key().mid(int(qstrlen("imagemagick/"))).section('/', 0, 1);
            const QString prefix = QStringLiteral("save/") + scene;
            for (auto mine = m_seconds.cbegin(); mine != m_seconds.cend(); ++mine)
                if (mine.key().startsWith(prefix) && mine.value() > 0)
                    std::printf("ratio %-32s convert / ours = %.1fx\n", qPrintable(prefix), it.value() / mine.value());
        }
    }

private:
    QMap<QString, double> m_seconds;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    Bench bench;
    if (!bench.load())
        return 1;

    const std::optional<editor::TemplateEntry> entry = editor::TemplateCatalogue::entry(27);
    if (!entry)
        return 1;
    const Scene templateScene{
        QStringLiteral("template27/%1x%2").arg(entry->displaySize.width()).arg(entry->displaySize.height()),
        bench.filePath("template27.jpg"), entry->image, entry->displaySize};
    const QSize photoSize(6000, 4000);
    const QByteArray photo = codec::encodeJpeg(generatedPhoto(photoSize), 90);
    const Scene photoScene{QStringLiteral("photo/6000x4000"), bench.filePath("photo.jpg"), photo, photoSize};
    if (!writeFile(templateScene.inputFile, templateScene.picture) || !writeFile(photoScene.inputFile, photo))
        return 1;

    registerScene(bench, templateScene, false);
    registerScene(bench, photoScene, true);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
