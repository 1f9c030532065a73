#include "ui/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace ui {

QRect picturePlacement(DisplayMode mode, QSize picture, QSize box)
{
    switch (mode) {
    case DisplayMode::Natural:
        return QRect(QPoint(0, 0), picture);
    case DisplayMode::Stretch:
        return QRect(QPoint(0, 0), box);
    case DisplayMode::Fit:
        break;
    }
    QSize shown = picture;
    if (picture.width() > box.width() || picture.height() > box.height()) {
        const double scale = std::min(double(box.width()) / picture.width(), double(box.height()) / picture.height());
        shown = QSize(int(picture.width() * scale), int(picture.height() * scale));
    }
    return QRect(QPoint((box.width() - shown.width()) / 2, (box.height() - shown.height()) / 2), shown);
}

PictureBox::PictureBox(QWidget *parent) : Control<QWidget>(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_animation.setSingleShot(true);
    connect(&m_animation, &QTimer::timeout, this, [this] { showFrame(m_frame + 1); });
}

void PictureBox::setPicture(const QByteArray &bytes)
{
    m_animation.stop();
    m_picture = decodePicture(bytes);
    showFrame(0);
}

void PictureBox::setDisplayMode(int mode)
{
    m_mode = static_cast<DisplayMode>(std::clamp(mode, 0, 2));
    update();
}

void PictureBox::setBackgroundColour(ColourValue colour)
{
    m_background = colour;
    update();
}

QImage PictureBox::currentFrame() const
{
    return m_picture ? m_picture->frames.value(m_frame) : QImage();
}

void PictureBox::showFrame(int index)
{
    m_frame = 0;
    if (m_picture && m_picture->animated()) {
        m_frame = index % int(m_picture->frames.size());
        const int delay = m_picture->frameDelaysMs.value(m_frame);
        m_animation.start(delay > 0 ? delay : 100);
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), backgroundColour(m_background));
    const QImage frame = currentFrame();
    if (frame.isNull())
        return;
    const QRect target = picturePlacement(m_mode, frame.size(), size());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, depth() > 16);
    painter.drawImage(target, frame);
}

} // namespace ui
