#include "ui/Slider.h"

#include <QSignalBlocker>

#include <algorithm>

namespace ui {

Slider::Slider(QWidget *parent, Qt::Orientation orientation) : Control<QSlider>(orientation, parent)
{
    setSingleStep(1);
    setPageStep(5);
    setTickInterval(1);
    setTickPosition(orientation == Qt::Horizontal ? QSlider::TicksBelow : QSlider::TicksRight);
    if (orientation == Qt::Vertical) {
        // The minimum lies at the top, and Up moves the thumb up, towards it.
        setInvertedAppearance(true);
        setInvertedControls(true);
    }
    // Every step of the user raises position-change, the thumb's release repeating the last one.
    connect(this, &QSlider::actionTriggered, this, [this] { userMoved(); });
    connect(this, &QSlider::sliderReleased, this, [this] { userMoved(); });
}

void Slider::setPosition(int position)
{
    m_position = std::clamp(position, 0, kPositionLimit);
    const QSignalBlocker blocker(this);
    setValue(std::clamp(m_position, minimum(), maximum()));
}

void Slider::userMoved()
{
    m_position = sliderPosition();
    raiseEvent(Event::PositionChange);
}

} // namespace ui
