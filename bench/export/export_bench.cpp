// Encode-and-write of a finished picture against ImageMagick's convert doing the same job:
// the template picture, a text caption, a filled mask rectangle, written as JPEG quality 95.
// The real snapshot also renders the widgets; "render+encode+write" approximates that step
// with QPainter, "encode+write" measures the exchange code alone.
#include "exchange/JpegEncoder.h"
#include "exchange/SafeFile.h"
#include "exchange/SnapshotImage.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const QString kConvert = QStringLiteral("/usr/bin/convert");
const QString kFontFile = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
const QString kCaption = QStringLiteral("ZANVO CAPTION");

// What is drawn over the stretched template, in the picture's own pixels.
struct Overlay {
    QRect mask;
    QPoint captionBaseline;
    int captionPixels;
};

Overlay overlayFor(QSize size)
{
    return {QRect(size.width() / 2, size.height() * 3 / 4, size.width() / 2, size.height() / 4),
            QPoint(size.width() / 20, size.height() * 3 / 20), size.height() / 10};
}

QImage drawnTemplate()
{
    QImage image(400, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 400, 400);
    gradient.setColorAt(0, QColor(250, 220, 160));
    gradient.setColorAt(1, QColor(90, 60, 40));
    painter.fillRect(image.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(240, 200, 150));
    painter.drawEllipse(QRect(80, 60, 240, 260));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRect(140, 150, 30, 40));
    painter.drawEllipse(QRect(230, 150, 30, 40));
    return image;
}

// The template as the picture area shows it at this size, with the caption and the mask.
QImage renderScene(const QImage &picture, QSize size)
{
    const Overlay overlay = overlayFor(size);
    QImage scene(size, QImage::Format_RGB32);
    QPainter painter(&scene);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scene.rect(), picture);
    painter.fillRect(overlay.mask, QColor(0x33, 0x66, 0xcc));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(overlay.captionPixels);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(overlay.captionBaseline, kCaption);
    return scene;
}

struct Fixture {
    QTemporaryDir dir;
    QString templatePath;
    QImage picture;
};

void encodeAndWrite(benchmark::State &state, const QImage &scene, const QString &folder)
{
    const exchange::SnapshotImage bmp = exchange::encodeSnapshot(scene);
    const QByteArray jpeg = exchange::encodeJpegFromSnapshot(bmp);
    const exchange::SaveOutcome outcome = exchange::saveUnique(folder, QStringLiteral("bench"), jpeg);
    if (outcome.result != exchange::SaveResult::Saved) {
        state.SkipWithError("save failed");
        return;
    }
    state.PauseTiming();
    QFile::remove(outcome.path);
    state.ResumeTiming();
}

void registerSize(Fixture &fixture, QSize size)
{
    const QString label = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    const QString folder = fixture.dir.filePath(label);
    QDir().mkpath(folder);
    const int slowIterations = size.width() * size.height() > 1'000'000 ? 3 : 0;

    benchmark::RegisterBenchmark(("encode+write/" + label).toStdString().c_str(),
                                 [&fixture, size, folder](benchmark::State &state) {
                                     const QImage scene = renderScene(fixture.picture, size);
                                     for (auto _ : state)
                                         encodeAndWrite(state, scene, folder);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    // The three steps of encode+write on their own, to see where the time goes.
    benchmark::RegisterBenchmark(("step/bmp/" + label).toStdString().c_str(),
                                 [&fixture, size](benchmark::State &state) {
                                     const QImage scene = renderScene(fixture.picture, size);
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(exchange::encodeSnapshot(scene));
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("step/jpeg/" + label).toStdString().c_str(),
                                 [&fixture, size](benchmark::State &state) {
                                     const exchange::SnapshotImage bmp =
                                         exchange::encodeSnapshot(renderScene(fixture.picture, size));
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(exchange::encodeJpegFromSnapshot(bmp));
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    auto *rendered = benchmark::RegisterBenchmark(
        ("render+encode+write/" + label).toStdString().c_str(),
        [&fixture, size, folder](benchmark::State &state) {
            for (auto _ : state)
                encodeAndWrite(state, renderScene(fixture.picture, size), folder);
        });
    rendered->Unit(benchmark::kMillisecond)->UseRealTime();

    auto *convert = benchmark::RegisterBenchmark(
        ("imagemagick/" + label).toStdString().c_str(), [&fixture, size, folder](benchmark::State &state) {
            const Overlay o = overlayFor(size);
            QStringList arguments{fixture.templatePath};
            if (size != fixture.picture.size())
                arguments << "-resize" << QStringLiteral("%1x%2!").arg(size.width()).arg(size.height());
            arguments << "-fill" << "#3366cc" << "-draw"
                      << QStringLiteral("rectangle %1,%2 %3,%4")
                             .arg(o.mask.left()).arg(o.mask.top()).arg(o.mask.right()).arg(o.mask.bottom())
                      << "-font" << kFontFile << "-fill" << "white" << "-pointsize"
                      << QString::number(o.captionPixels) << "-annotate"
                      << QStringLiteral("+%1+%2").arg(o.captionBaseline.x()).arg(o.captionBaseline.y())
                      << kCaption << "-sampling-factor" << "1x1" << "-quality" << "95"
                      << QDir(folder).filePath("convert.jpg");
            for (auto _ : state) {
                if (QProcess::execute(kConvert, arguments) != 0) {
                    state.SkipWithError("convert failed");
                    return;
                }
            }
        });
    convert->Unit(benchmark::kMillisecond)->UseRealTime();
    if (slowIterations > 0) {
        convert->Iterations(slowIterations);
        rendered->Iterations(slowIterations * 3);
    }
}

// Prints the usual table, then how many times faster than convert each variant was.
class RatioReporter : public benchmark::ConsoleReporter
{
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
            const QString label = it.key().section('/', 1, 1);
            for (const char *ours : {"encode+write/", "render+encode+write/"}) {
                const QString name = QString::fromLatin1(ours) + label;
                for (auto mine = m_seconds.cbegin(); mine != m_seconds.cend(); ++mine)
                    if (mine.key().startsWith(name) && mine.value() > 0)
                        std::printf("ratio %-28s convert / ours = %.1fx\n", qPrintable(name),
                                    it.value() / mine.value());
            }
        }
    }

private:
    QMap<QString, double> m_seconds;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    Fixture fixture;
    if (!fixture.dir.isValid())
        return 1;
    const QString shipped = QStringLiteral(ZANVO_SOURCE_DIR "/assets/templates/27.jpg");
    if (QFile::exists(shipped) && fixture.picture.load(shipped)) {
        fixture.templatePath = shipped;
    } else {
        fixture.picture = drawnTemplate();
        fixture.templatePath = fixture.dir.filePath("template.jpg");
        QFile file(fixture.templatePath);
        if (!file.open(QIODevice::WriteOnly) || file.write(exchange::encodeJpeg(fixture.picture)) <= 0)
            return 1;
    }
    fixture.picture = fixture.picture.convertToFormat(QImage::Format_RGB32);

    registerSize(fixture, fixture.picture.size());
    registerSize(fixture, QSize(6000, 4000));

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
