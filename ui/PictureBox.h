#pragma once

#include "codec/PictureDecoder.h"
#include "ui/Colour.h"
#include "ui/Control.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include <optional>

class QPaintEvent;
class QPainter;
class QResizeEvent;

namespace ui {

enum class DisplayMode { Natural = 0, Stretch = 1, Fit = 2 };

// Where a picture of the given size is drawn inside a box in each display mode.
QRect picturePlacement(DisplayMode mode, QSize picture, QSize box);

// The picture area: decodes the picture data written into it and draws it by its display mode.
class PictureBox : public Control<QWidget> {
public:
    // A scaled picture up to this size is kept between repaints; a larger one would cost
    // far more memory than the window can show, so only the exposed part is scaled.
    static constexpr qint64 kMaxCachedPixels = 16LL * 1000 * 1000;

    explicit PictureBox(QWidget *parent);

    void setPicture(const QByteArray &bytes);
    // For a caller that has decoded the picture data already.
    void setDecodedPicture(std::optional<codec::DecodedPicture> picture);
    void setDisplayMode(int mode);
    DisplayMode displayMode() const { return m_mode; }
    void setBackgroundColour(ColourValue colour);

    bool hasPicture() const { return m_picture.has_value(); }
    // The frame shown now, at the picture's own size; null when there is no picture.
    QImage currentFrame() const;
    int frameIndex() const { return m_frame; }
    bool isAnimating() const { return m_animation.isActive(); }
    // Shows the next frame of an animated picture, as its timer does.
    void advanceFrame();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showFrame(int index);
    void dropScaled();
    const QImage &scaledFrame(const QImage &frame, QSize size, bool smooth);
    void drawPart(QPainter &painter, const QImage &frame, QRect target, QRect part, bool smooth);

    std::optional<codec::DecodedPicture> m_picture;
    DisplayMode m_mode = DisplayMode::Natural;
    ColourValue m_background = kFaceColour;
    int m_frame = 0;
    QTimer m_animation;

    QImage m_scaled; // the current frame at the placement's size, when that is small enough
    int m_scaledFrame = -1;
    bool m_scaledSmooth = false;
};

} // namespace ui
