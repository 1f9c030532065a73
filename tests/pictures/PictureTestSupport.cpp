#include "PictureTestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QPalette>
#include <QPoint>
#include <QRegion>
#include <QWidget>

namespace pictures {

QByteArray encoded(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QByteArray solidBmp(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return encoded(image, "BMP");
}

namespace {

void appendWord(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

// LZW data at the smallest code size (2, so 3-bit codes) that never grows a code table:
// every pixel code follows a clear code.
QByteArray lzwOfOneIndex(int pixels, int index)
{
    constexpr int kClear = 4;
    constexpr int kEnd = 5;
    QByteArray packed;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            packed.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int i = 0; i < pixels; ++i) {
        put(kClear);
        put(index);
    }
    put(kEnd);
    if (count > 0)
        packed.append(char(bits & 0xFF));
    return packed;
}

} // namespace

QByteArray animatedGif(QSize size, const QList<QColor> &frameColours, int delayCs)
{
    QByteArray gif("GIF89a");
    appendWord(gif, size.width());
    appendWord(gif, size.height());
    gif.append(char(0x81)); // a global table of four colours
    gif.append('\0');
    gif.append('\0');
    for (int i = 0; i < 4; ++i) {
        const QColor colour = frameColours.value(i, Qt::black);
        gif.append(char(colour.red()));
        gif.append(char(colour.green()));
        gif.append(char(colour.blue()));
    }
    gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19); // loop for ever
    for (int frame = 0; frame < frameColours.size(); ++frame) {
        gif.append("\x21\xF9\x04\x04", 4);
        appendWord(gif, delayCs);
        gif.append("\x00\x00", 2);
        gif.append(',');
        appendWord(gif, 0);
        appendWord(gif, 0);
        appendWord(gif, size.width());
        appendWord(gif, size.height());
        gif.append('\0');
        gif.append(char(2));
        const QByteArray data = lzwOfOneIndex(size.width() * size.height(), frame);
        for (qsizetype at = 0; at < data.size(); at += 255) {
            const QByteArray block = data.mid(at, 255);
            gif.append(char(block.size()));
            gif.append(block);
        }
        gif.append('\0');
    }
    gif.append(';');
    return gif;
}

QImage rendered(QWidget &widget, QRect region)
{
    QImage image(region.size(), QImage::Format_RGB32);
    // No window background from Qt: whatever is not magenta, the widget painted itself.
    image.fill(Qt::magenta);
    widget.render(&image, QPoint(), QRegion(region), QWidget::DrawChildren);
    return image;
}

QImage rendered(QWidget &widget)
{
    return rendered(widget, widget.rect());
}

QColor faceColour()
{
    return QApplication::palette().color(QPalette::Window);
}

} // namespace pictures
