#pragma once

#include "ui/Control.h"

#include <QSlider>

namespace ui {

// A slider whose stored position may lie outside the range its thumb shows.
class Slider : public Control<QSlider> {
public:
    static constexpr int kPositionLimit = 32767;

    Slider(QWidget *parent, Qt::Orientation orientation);

    int position() const { return m_position; }
    // Stores the value within 0 … 32767, moves the thumb within the range; raises nothing.
    void setPosition(int position);

private:
    void userMoved();

    int m_position = 0;
};

} // namespace ui
