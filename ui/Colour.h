#pragma once

#include <QColor>
#include <QtGlobal>

namespace ui {

// Colours cross the property boundary as 0x00BBGGRR, red in the lowest byte.
using ColourValue = quint32;

// As a background colour this marker stands for the palette's face colour.
inline constexpr ColourValue kFaceColour = 0xFF000000u;

inline constexpr ColourValue colourValue(int red, int green, int blue)
{
    return ColourValue(red & 0xFF) | (ColourValue(green & 0xFF) << 8) | (ColourValue(blue & 0xFF) << 16);
}

inline ColourValue colourValue(const QColor &colour)
{
    return colourValue(colour.red(), colour.green(), colour.blue());
}

inline QColor toQColor(ColourValue value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// The colour a background property paints: the face colour for the marker.
QColor backgroundColour(ColourValue value);

} // namespace ui
