#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QScreen>
#include <QWidget>

// A one-colour picture file, as a dropped photo or a template would hand over.
inline QByteArray solidPicture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// Lets every pending repaint reach the window's backing store.
inline void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// What the window shows now: its backing store, painted piece by piece as the
// toolkit repaints, not a fresh rendering of the whole window.
inline QImage shownPixels(QWidget &window)
{
    settle();
    return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of the area that differ from the colour.
inline int countOtherThan(const QImage &image, const QRect &area, QColor colour)
{
    int n = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            n += image.pixelColor(x, y) != colour;
    return n;
}

// Rows of the area holding a pixel other than the colour.
inline QList<int> rowsOtherThan(const QImage &image, const QRect &area, QColor colour)
{
    QList<int> rows;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        if (countOtherThan(image, QRect(inside.left(), y, inside.width(), 1), colour) > 0)
            rows.append(y);
    return rows;
}
