// Repaints of the picture area showing a 24-megapixel photo. "zoomedOut" is the area at
// 0.9 × the photo's own size (5400 × 3600, beyond what the area keeps scaled), of which the
// window shows 677 × 455; "window" repaints that visible part, "caption" a caption-sized
// part as an overlay moving over the photo exposes it. "first" repaints after a size change
// (nothing scaled yet), "later" repaints again at the same size. "fitted" is the photo in
// the area's start size 379 × 384, kept scaled; "clamp" the area at 32627 × 32627.
#include "ui/PictureBox.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Smooth light, a few shapes and sensor-like noise, so the JPEG is as costly as a photo.
QByteArray photoJpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        QRadialGradient light(width * 0.3, height * 0.3, width * 0.8);
        light.setColorAt(0, QColor(250, 230, 190));
        light.setColorAt(0.5, QColor(120, 150, 170));
        light.setColorAt(1, QColor(30, 40, 60));
        painter.fillRect(image.rect(), light);
        painter.setRenderHint(QPainter::Antialiasing);
        QRandomGenerator shapes(7);
        for (int i = 0; i < 60; ++i) {
            painter.setBrush(QColor::fromRgb(shapes.generate() | 0xFF000000u));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(shapes.bounded(width), shapes.bounded(height)), shapes.bounded(width / 8) + 20,
                                shapes.bounded(height / 8) + 20);
        }
    }
    QRandomGenerator noise(11);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(noise.bounded(17)) - 8;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + n, 255), qBound(0, qGreen(p) + n, 255), qBound(0, qBlue(p) + n, 255));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

struct Scene {
    QSize area;
    QRect exposed;
    bool cold;
};

ui::PictureBox *g_box = nullptr;

void repaint(benchmark::State &state, Scene scene)
{
    ui::PictureBox &box = *g_box;
    box.setWidth(scene.area.width());
    box.setHeight(scene.area.height());
    QImage target(scene.exposed.size(), QImage::Format_ARGB32_Premultiplied);
    const QRegion region(scene.exposed);
    box.render(&target, QPoint(), region, QWidget::DrawChildren);
    for (auto _ : state) {
        if (scene.cold) {
            // A size change drops whatever was kept scaled, as a zoom does.
            box.setHeight(scene.area.height() + 1);
            box.setHeight(scene.area.height());
        }
        box.render(&target, QPoint(), region, QWidget::DrawChildren);
        benchmark::DoNotOptimize(target.constBits());
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const QByteArray photo = photoJpeg(6000, 4000);
    ui::PictureBox box(nullptr);
    box.setDisplayMode(1);
    box.setPicture(photo);
    if (!box.hasPicture()) {
        std::fprintf(stderr, "the photo did not decode\n");
        return 1;
    }
    g_box = &box;
    std::printf("photo 6000x4000, %.1f MB JPEG; display depth %d\n", double(photo.size()) / 1e6, box.depth());

    const QRect window(0, 0, 677, 455);
    const QRect caption(200, 150, 168, 24);
    const QSize zoomedOut(5400, 3600);
    const QSize fitted(379, 384);
    const QSize clamp(32627, 32627);
    const struct {
        const char *name;
        Scene scene;
    } scenes[] = {
        {"zoomedOut/window/first", {zoomedOut, window, true}},
        {"zoomedOut/window/later", {zoomedOut, window, false}},
        {"zoomedOut/caption/later", {zoomedOut, caption, false}},
        {"fitted/whole/first", {fitted, QRect(QPoint(), fitted), true}},
        {"fitted/whole/later", {fitted, QRect(QPoint(), fitted), false}},
        {"fitted/caption/later", {fitted, caption, false}},
        {"clamp/window/later", {clamp, window, false}},
    };
    for (const auto &s : scenes)
        benchmark::RegisterBenchmark(s.name, repaint, s.scene)->Unit(benchmark::kMicrosecond)->UseRealTime();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
