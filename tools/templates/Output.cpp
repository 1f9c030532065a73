#include "Output.h"

#include <QFont>
#include <QPainter>

#include <turbojpeg.h>

#include <algorithm>
#include <memory>

namespace templates {

namespace {

constexpr int kQuality = 98;

struct TjDeleter {
    void operator()(void *handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, TjDeleter>;

} // namespace

std::optional<QByteArray> encodeJpeg(const QImage &image, bool progressive)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    TjHandle handle(tjInitCompress());
    if (!handle)
        return std::nullopt;
    unsigned char *out = nullptr;
    unsigned long size = 0;
    const int flags = TJFLAG_ACCURATEDCT | (progressive ? TJFLAG_PROGRESSIVE : 0);
    const int rc = tjCompress2(handle.get(), rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()),
                               rgb.height(), TJPF_RGB, &out, &size, TJSAMP_444, kQuality, flags);
    std::optional<QByteArray> result;
    if (rc == 0)
        result = QByteArray(reinterpret_cast<const char *>(out), static_cast<qsizetype>(size));
    tjFree(out);
    return result;
}

QImage decodeJpeg(const QByteArray &jpeg)
{
    TjHandle handle(tjInitDecompress());
    if (!handle)
        return {};
    const auto *data = reinterpret_cast<const unsigned char *>(jpeg.constData());
    const auto size = static_cast<unsigned long>(jpeg.size());
    int width = 0, height = 0, subsamp = 0, colourspace = 0;
    if (tjDecompressHeader3(handle.get(), data, size, &width, &height, &subsamp, &colourspace) != 0)
        return {};
    QImage image(width, height, QImage::Format_RGB888);
    if (tjDecompress2(handle.get(), data, size, image.bits(), width, static_cast<int>(image.bytesPerLine()), height,
                      TJPF_RGB, TJFLAG_ACCURATEDCT)
        != 0)
        return {};
    return image;
}

QImage contactSheet(const std::vector<QImage> &pictures, const std::vector<QString> &names)
{
    constexpr int kColumns = 8;
    constexpr int kThumb = 200;
    constexpr int kLabel = 30;
    constexpr int kGap = 12;
    const int count = static_cast<int>(pictures.size());
    const int rows = (count + kColumns - 1) / kColumns;
    QImage sheet(kGap + kColumns * (kThumb + kGap), kGap + rows * (kThumb + kLabel + kGap), QImage::Format_RGB32);
    sheet.fill(QColor(0x6b, 0x6f, 0x78));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(16);
    p.setFont(font);
    for (int i = 0; i < count; ++i) {
        const QRect cell(kGap + (i % kColumns) * (kThumb + kGap), kGap + (i / kColumns) * (kThumb + kLabel + kGap),
                         kThumb, kThumb);
        const QImage &picture = pictures[static_cast<std::size_t>(i)];
        const double scale = std::min(1.0, std::min(static_cast<double>(kThumb) / picture.width(),
                                                    static_cast<double>(kThumb) / picture.height()));
        const QSize shown(static_cast<int>(picture.width() * scale), static_cast<int>(picture.height() * scale));
        const QRect target(cell.center().x() - shown.width() / 2, cell.center().y() - shown.height() / 2, shown.width(),
                           shown.height());
        p.drawImage(target, picture);
        p.setPen(Qt::white);
        p.drawText(QRect(cell.left(), cell.bottom() + 2, kThumb, kLabel), Qt::AlignCenter,
                   QStringLiteral("%1 %2").arg(i, 2, 10, QLatin1Char('0')).arg(names[static_cast<std::size_t>(i)]));
    }
    p.end();
    return sheet;
}

} // namespace templates
