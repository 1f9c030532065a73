#pragma once

#include "ui/Colour.h"
#include "ui/Control.h"
#include "ui/decoder/PictureDecoder.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace ui {

enum class DisplayMode { Natural = 0, Stretch = 1, Fit = 2 };

// Where a picture of the given size is drawn inside a box in each display mode.
QRect picturePlacement(DisplayMode mode, QSize picture, QSize box);

// The picture area: decodes the picture data written into it and draws it by its display mode.
class PictureBox : public Control<QWidget> {
public:
    explicit PictureBox(QWidget *parent);

    void setPicture(const QByteArray &bytes);
    void setDisplayMode(int mode);
    DisplayMode displayMode() const { return m_mode; }
    void setBackgroundColour(ColourValue colour);

    bool hasPicture() const { return m_picture.has_value(); }
    // The frame shown now, at the picture's own size; null when there is no picture.
    QImage currentFrame() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showFrame(int index);

    std::optional<DecodedPicture> m_picture;
    DisplayMode m_mode = DisplayMode::Natural;
    ColourValue m_background = kFaceColour;
    int m_frame = 0;
    QTimer m_animation;
};

} // namespace ui
