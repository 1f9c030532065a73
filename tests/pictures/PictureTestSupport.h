#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

namespace pictures {

// The image as a file of the given format ("BMP", "PNG", "JPEG"), made by Qt's writers.
QByteArray encoded(const QImage &image, const char *format, int quality = -1);

// A picture of one colour as a BMP file.
QByteArray solidBmp(QSize size, QColor colour);

// A looping GIF89a whose frames are each filled with one colour, delayCs hundredths apart.
QByteArray animatedGif(QSize size, const QList<QColor> &frameColours, int delayCs);

// What the widget draws in region, as QWidget::render gives it to a snapshot.
QImage rendered(QWidget &widget, QRect region);
QImage rendered(QWidget &widget);

// The system face colour the picture area fills its background with.
QColor faceColour();

} // namespace pictures
