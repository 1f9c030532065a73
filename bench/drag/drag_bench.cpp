// Frame cost of dragging the caption over a 24-megapixel photo, and the time from a drop to
// the photo on screen. Pointer moves go straight to the handler; the repaint they cause is
// then run synchronously, so each sample is one whole frame.

#include "app/Editor.h"
#include "app/EditorState.h"
#include "codec/PictureDecoder.h"
#include "editor/Handlers.h"
#include "exchange/Handlers.h"
#include "ui/Events.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/Window.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Gradients with noise, so that the JPEG costs what a camera's would to decode.
QImage drawnPhoto(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = int(seed >> 28);
            line[x] = qRgb((x * 255 / width + noise) & 0xFF, (y * 255 / height + noise) & 0xFF,
                           ((x + y) * 255 / (width + height)) & 0xFF);
        }
    }
    return image;
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Scene {
    QTemporaryDir folder;
    QString photo;
    ui::FontSettings font = *app::newCaptionFont();
    editor::DragState drag;
    app::Editor editor{font, drag};
    PaintCounter areaPaints;

    Scene()
    {
        photo = folder.filePath(QStringLiteral("photo24mp.jpg"));
        drawnPhoto(6000, 4000).save(photo, "JPG", 90);
        editor.load();
        editor.open();
        editor.window().pictureBox(u"图片框1").installEventFilter(&areaPaints);
        QCoreApplication::processEvents();
    }

    ui::Window &window() { return editor.window(); }
};

Scene &scene()
{
    static Scene s;
    return s;
}

// The photo dropped and zoomed out once: the area is 5400 x 3600.
void preparePhoto(Scene &s)
{
    exchange::fileDropped(s.editor.exchangeContext(), s.photo);
    editor::zoomOut(s.editor.context());
    QCoreApplication::processEvents();
}

void reportPercentiles(benchmark::State &state, std::vector<double> &ms)
{
    if (ms.empty())
        return;
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[std::min(ms.size() - 1, std::size_t(q * double(ms.size())))]; };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = ms.back();
}

// A pointer path back and forth over the photo, the caption always over the picture.
ui::PointerArgs pathPoint(std::int64_t i)
{
    const int step = int(i % 300);
    const int along = step < 150 ? step : 300 - step;
    return ui::PointerArgs{20 + along * 2, 40 + int(120.0 + 100.0 * std::sin(double(i) / 17.0)), 0, true};
}

void dragFrames(benchmark::State &state, const std::function<void(Scene &)> &repaint)
{
    Scene &s = scene();
    preparePhoto(s);
    editor::Context &ctx = s.editor.context();
    editor::captionPressed(ctx, ui::PointerArgs{10, 5, 0, true});
    std::vector<double> ms;
    std::int64_t i = 0;
    const int paintsBefore = s.areaPaints.paints;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        editor::pointerMoved(ctx, pathPoint(i++));
        repaint(s);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        ms.push_back(took.count() * 1000.0);
    }
    editor::buttonReleased(ctx, ui::PointerArgs{});
    reportPercentiles(state, ms);
    state.counters["area_paints_per_move"] =
        double(s.areaPaints.paints - paintsBefore) / double(std::max<std::int64_t>(i, 1));
    const QSize area = s.window().pictureBox(u"图片框1").size();
    state.SetLabel(std::to_string(area.width()) + "x" + std::to_string(area.height()));
}

// What the user sees: only the regions the caption left and entered are painted.
void BM_CaptionDragFrame(benchmark::State &state)
{
    dragFrames(state, [](Scene &) { QCoreApplication::processEvents(); });
}
BENCHMARK(BM_CaptionDragFrame)->UseManualTime()->Iterations(600)->Unit(benchmark::kMillisecond);

// The worst case: the whole window painted on every move.
void BM_CaptionDragFrameFullRepaint(benchmark::State &state)
{
    dragFrames(state, [](Scene &s) { s.window().mainWidget().repaint(); });
}
BENCHMARK(BM_CaptionDragFrameFullRepaint)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);

// From the got-file event to the photo painted in the window.
void BM_DropToShown(benchmark::State &state)
{
    Scene &s = scene();
    std::vector<double> ms;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        exchange::fileDropped(s.editor.exchangeContext(), s.photo);
        s.window().mainWidget().repaint();
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        ms.push_back(took.count() * 1000.0);
    }
    reportPercentiles(state, ms);
}
BENCHMARK(BM_DropToShown)->UseManualTime()->Iterations(8)->Unit(benchmark::kMillisecond);

// One decode of the same file, for comparison: the drop decodes it twice for now.
void BM_DecodeDroppedPhoto(benchmark::State &state)
{
    QFile file(scene().photo);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(codec::decodePicture(bytes));
}
BENCHMARK(BM_DecodeDroppedPhoto)->Iterations(8)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::preparePlatform();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
