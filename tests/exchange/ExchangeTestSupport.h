#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

namespace exchange::test {

// A picture whose every pixel differs from its neighbours, so a flipped or shifted row shows.
QImage patternPicture(int width, int height, QImage::Format format = QImage::Format_RGB32);

quint32 readU32(const QByteArray &data, qsizetype offset);
quint16 readU16(const QByteArray &data, qsizetype offset);

struct DecodedJpeg {
    QImage image; // RGB32
    int subsampling = -1;
};
// Decoded with TurboJPEG, independent of Qt's image plugins.
std::optional<DecodedJpeg> decodeJpeg(QByteArrayView jpeg);

// The horizontal/vertical sampling byte of each component of the first SOF marker.
QList<int> frameSamplingFactors(QByteArrayView jpeg);

// The entries of a folder, hidden ones included.
QStringList folderEntries(const QString &folder);

QByteArray readWholeFile(const QString &path);

} // namespace exchange::test
