#include "ui/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRectF>
#include <QRegion>
#include <QResizeEvent>

#include <algorithm>

namespace ui {

QRect picturePlacement(DisplayMode mode, QSize picture, QSize box)
{
    if (picture.isEmpty())
        return QRect();
    switch (mode) {
    case DisplayMode::Natural: return QRect(QPoint(0, 0), picture);
    case DisplayMode::Stretch: return QRect(QPoint(0, 0), box);
    case DisplayMode::Fit: break;
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
    connect(&m_animation, &QTimer::timeout, this, [this] { advanceFrame(); });
}

void PictureBox::setPicture(const QByteArray &bytes)
{
    // The old picture goes first, so that two large photos are never held at once.
    m_picture.reset();
    dropScaled();
    setDecodedPicture(codec::decodePicture(bytes));
}

void PictureBox::setDecodedPicture(std::optional<codec::DecodedPicture> picture)
{
    m_picture.reset();
    dropScaled();
    m_picture = std::move(picture);
    showFrame(0);
}

void PictureBox::setDisplayMode(int mode)
{
    m_mode = static_cast<DisplayMode>(std::clamp(mode, 0, 2));
    dropScaled();
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

void PictureBox::advanceFrame()
{
    if (m_picture && m_picture->animated())
        showFrame((m_frame + 1) % int(m_picture->frames.size()));
}

void PictureBox::showFrame(int index)
{
    m_frame = index;
    m_animation.stop();
    if (m_picture && m_picture->animated()) {
        const int delay = m_picture->frameDelaysMs.value(m_frame);
        m_animation.start(delay > 0 ? delay : 100);
    }
    update();
}

void PictureBox::dropScaled()
{
    m_scaled = QImage();
    m_scaledFrame = -1;
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    dropScaled();
    Control<QWidget>::resizeEvent(event);
}

const QImage &PictureBox::scaledFrame(const QImage &frame, QSize size, bool smooth)
{
    if (m_scaledFrame != m_frame || m_scaled.size() != size || m_scaledSmooth != smooth) {
        m_scaled =
            frame.scaled(size, Qt::IgnoreAspectRatio, smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
        m_scaledFrame = m_frame;
        m_scaledSmooth = smooth;
    }
    return m_scaled;
}

void PictureBox::drawPart(QPainter &painter, const QImage &frame, QRect target, QRect part, bool smooth)
{
    const QRect source = part.translated(-target.topLeft());
    if (target.size() == frame.size()) {
        painter.drawImage(part.topLeft(), frame, source);
        return;
    }
    if (qint64(target.width()) * target.height() <= kMaxCachedPixels) {
        const QImage &scaled = scaledFrame(frame, target.size(), smooth);
        if (!scaled.isNull()) {
            painter.drawImage(part.topLeft(), scaled, source);
            return;
        }
    }
    // The whole picture is mapped onto the whole target and clipped to the part: the painter
    // then scales only the exposed pixels, each sampled the same way whichever part is exposed.
    painter.save();
    painter.setClipRect(part, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(QRectF(target), frame);
    painter.restore();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QColor background = backgroundColour(m_background);
    if (!m_picture) {
        painter.fillRect(event->rect(), background);
        return;
    }
    const QImage &frame = m_picture->frames.at(m_frame);
    const QRect target = picturePlacement(m_mode, frame.size(), size());
    const bool smooth = depth() > 16;
    for (const QRect &exposed : event->region()) {
        if (frame.hasAlphaChannel() || !target.contains(exposed))
            painter.fillRect(exposed, background);
        const QRect part = exposed & target;
        if (!part.isEmpty())
            drawPart(painter, frame, target, part, smooth);
    }
}

} // namespace ui
