#include "ui/Colour.h"

#include <QApplication>
#include <QPalette>

namespace ui {

QColor backgroundColour(ColourValue value)
{
    if (value == kFaceColour)
        return QApplication::palette().color(QPalette::Window);
    return toQColor(value);
}

} // namespace ui
