#include "E2e.h"

#include "codec/PictureDecoder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

// The picture that another program gets when it asks the clipboard for a PNG.
QImage clipboardPng()
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                          QStringLiteral("-t"), QStringLiteral("image/png"), QStringLiteral("-o")});
    if (!xclip.waitForFinished(20000) || xclip.exitCode() != 0)
        return {};
    return QImage::fromData(xclip.readAllStandardOutput(), "PNG");
}

// Waits for the editor to have written its first picture into the folder.
QString firstJpeg(const QString &folder)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000) {
        const QStringList found = QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files);
        if (!found.isEmpty())
            return QDir(folder).filePath(found.first());
        QThread::msleep(50);
    }
    return {};
}

TEST(ExportEndToEnd, CopiesAndSavesTheChosenTemplateAtItsDisplaySize)
{
    e2e::EditorProcess editor;
    ASSERT_TRUE(editor.started()) << editor.process().readAllStandardError().toStdString();

    // Into the template list, then to "懵逼狗", the tenth entry, by keys.
    editor.click(414 + 60, 170 + 10);
    editor.key(QStringLiteral("Home"));
    for (int i = 0; i < 9; ++i)
        editor.key(QStringLiteral("Down"));

    editor.click(395 + 66, 407 + 21); // 复制图片
    QImage copied;
    for (int tries = 0; tries < 100 && copied.size() != QSize(264, 237); ++tries) {
        copied = clipboardPng();
        if (copied.size() != QSize(264, 237))
            QThread::msleep(100);
    }
    ASSERT_EQ(copied.size(), QSize(264, 237));

    editor.click(539 + 66, 407 + 21); // 保存到桌面
    const QString saved = firstJpeg(QDir(editor.home()).filePath(QStringLiteral("Desktop")));
    ASSERT_FALSE(saved.isEmpty());
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("\xff\xd8\xff"));
    const std::optional<codec::DecodedPicture> decoded = codec::decodePicture(bytes);
    ASSERT_TRUE(decoded);
    const QImage written = decoded->frames.first().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(written.size(), copied.size());

    // Quality 95 with full chroma: every pixel close, and on average very close.
    const QImage clip = copied.convertToFormat(QImage::Format_RGB32);
    qint64 total = 0;
    int worst = 0;
    for (int y = 0; y < clip.height(); ++y) {
        for (int x = 0; x < clip.width(); ++x) {
            const QRgb a = clip.pixel(x, y);
            const QRgb b = written.pixel(x, y);
            for (const int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
                total += std::abs(d);
                worst = std::max(worst, std::abs(d));
            }
        }
    }
    EXPECT_LE(worst, 48);
    EXPECT_LT(double(total) / (3.0 * clip.width() * clip.height()), 3.0);

    editor.key(QStringLiteral("Escape"));
    EXPECT_EQ(editor.waitForExit(), 0);
}

} // namespace
