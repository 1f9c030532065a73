#pragma once

namespace ui {

// What the window layer needs of the desktop before any window is built:
// a fixed style, a CJK-capable default GUI font and the font substitutions.
void preparePlatform();

} // namespace ui
