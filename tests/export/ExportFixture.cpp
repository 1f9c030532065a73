#include "ExportFixture.h"

#include "app/EditorState.h"
#include "codec/SnapshotImage.h"
#include "ui/Buttons.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"

#include <QDir>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <cstdlib>

namespace exchange::test {

QImage quadrantPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    painter.fillRect(0, 0, halfWidth, halfHeight, kTopLeft);
    painter.fillRect(halfWidth, 0, size.width() - halfWidth, halfHeight, kTopRight);
    painter.fillRect(0, halfHeight, halfWidth, size.height() - halfHeight, kBottomLeft);
    painter.fillRect(halfWidth, halfHeight, size.width() - halfWidth, size.height() - halfHeight, kBottomRight);
    return picture;
}

QByteArray pictureFile(const QImage &picture)
{
    return codec::encodeSnapshot(picture);
}

int differingPixels(const QImage &a, const QImage &b, int tolerance)
{
    if (a.size() != b.size())
        return -1;
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(left.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            if (std::abs(qRed(p[x]) - qRed(q[x])) > tolerance || std::abs(qGreen(p[x]) - qGreen(q[x])) > tolerance
                || std::abs(qBlue(p[x]) - qBlue(q[x])) > tolerance)
                ++count;
        }
    }
    return count;
}

int pixelsOfColour(const QImage &picture, const QRect &within, QColor colour)
{
    const QRect box = within.intersected(picture.rect());
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            count += (picture.pixel(x, y) & 0xffffff) == (colour.rgb() & 0xffffff) ? 1 : 0;
    return count;
}

void EditorFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    ui::preparePlatform();
    font = *app::newCaptionFont();
    QString why;
    ASSERT_TRUE(editor.load(&why)) << why.toStdString();
    editor.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window().mainWidget()));

    exchange().save.now = [this] {
        ++clockReads;
        return fixedMoment();
    };
    exchange().save.folder = [this] { return folder(); };
    exchange().clipboard = [this](const QImage &picture) {
        placed.append(picture);
        return clipboardAccepts;
    };
}

ui::PictureBox &EditorFixture::area() const
{
    return window().pictureBox(u"图片框1");
}

QString EditorFixture::buttonCaption(QStringView button) const
{
    return window().button(button).caption();
}

QString EditorFixture::tempPath(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

QStringList EditorFixture::savedFiles() const
{
    return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void EditorFixture::showPicture(const QImage &picture, QSize size)
{
    area().setPicture(pictureFile(picture));
    area().setWidth(size.width());
    area().setHeight(size.height());
}

void EditorFixture::placeCaption(const QString &text, QPoint topLeft, QSize size)
{
    ui::TransparentLabel &caption = window().transparentLabel(u"透明标签1");
    caption.setText(text);
    caption.setTextColour(ui::colourValue(255, 0, 0));
    caption.setSize(20);
    caption.setGeometry(QRect(topLeft, size));
}

void EditorFixture::showMask(QRect place, QColor colour)
{
    ui::Label &mask = window().label(u"标签6");
    mask.setBackgroundColour(ui::colourValue(colour));
    mask.setGeometry(place);
    mask.setShown(1);
}

QImage EditorFixture::screenOverArea()
{
    return window().mainWidget().grab(area().geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

QDateTime EditorFixture::fixedMoment()
{
    return QDateTime(QDate(2016, 12, 10), QTime(3, 18, 30));
}

} // namespace exchange::test
