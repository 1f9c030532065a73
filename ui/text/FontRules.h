#pragma once

#include "ui/FontSettings.h"

#include <QFont>

namespace ui {

// Character height in pixels for a size in points: halves round away from zero.
int characterHeight(int points, int dotsPerInch);

// The screen font a transparent label draws with.
QFont screenFont(const FontSettings &settings, int dotsPerInch);

} // namespace ui
