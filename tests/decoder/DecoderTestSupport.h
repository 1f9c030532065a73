#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include <string>

namespace decodertest {

QByteArray readFixture(const QString &relativePath);
QImage readReferencePng(const QString &relativePath);

// Empty when the images match within tolerance per channel; otherwise a description
// of the first difference. RGB is compared where the reference is opaque, alpha everywhere.
std::string imageDifference(const QImage &actual, const QImage &expected, int tolerance);

bool colourNear(QRgb actual, QRgb expected, int tolerance);

// A JPEG of the image (RGB32) made by libjpeg-turbo; subsampling is a TJSAMP value.
QByteArray encodeJpeg(const QImage &image, int subsampling, int quality);

// A JPEG stored as CMYK or YCCK from 4-channel data in the Adobe (inverted) convention.
QByteArray encodeCmykJpeg(const QByteArray &invertedCmyk, int width, int height, bool ycck);

// The JPEG with an Exif APP1 segment, holding the orientation, right after SOI.
QByteArray withExifOrientation(const QByteArray &jpeg, int orientation, bool bigEndian);

// A minimal TIFF structure with one IFD0 entry for the orientation tag.
QByteArray tiffWithOrientation(bool bigEndian, quint32 value, quint16 type = 3, quint32 count = 1);

} // namespace decodertest
