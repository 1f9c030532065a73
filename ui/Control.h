#pragma once

#include "ui/Events.h"
#include "ui/Geometry.h"

#include <functional>
#include <utility>

namespace ui {

using EventSink = std::function<void(Event)>;

// The properties every visible control shares, over any Qt widget class.
template <class W>
class Control : public W {
public:
    using W::W;

    int left() const { return W::x(); }
    int top() const { return W::y(); }
    void setLeft(int value) { W::move(clampCoordinate(value), W::y()); }
    void setTop(int value) { W::move(W::x(), clampCoordinate(value)); }
    void setWidth(int value) { W::resize(clampExtent(value), W::height()); }
    void setHeight(int value) { W::resize(W::width(), clampExtent(value)); }
    void setShown(int flag) { W::setVisible(flag != 0); }

    void setEventSink(EventSink sink) { m_sink = std::move(sink); }

protected:
    void raiseEvent(Event event) const
    {
        if (m_sink)
            m_sink(event);
    }

private:
    EventSink m_sink;
};

} // namespace ui
