#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace templates {

// Encodes with libjpeg-turbo at fixed settings, so the bytes depend only on the pixels.
std::optional<QByteArray> encodeJpeg(const QImage &image, bool progressive);
QImage decodeJpeg(const QByteArray &jpeg);

// All pictures in list order, each over its index and name.
QImage contactSheet(const std::vector<QImage> &pictures, const std::vector<QString> &names);

} // namespace templates
