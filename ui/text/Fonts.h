#pragma once

#include <QFont>

namespace ui {

// Maps the faces the window definition names onto installed CJK faces.
void installFontSubstitutions();

// The system's default GUI font: a CJK-capable sans face at 9 points.
QFont defaultGuiFont();

} // namespace ui
