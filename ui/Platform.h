#pragma once

namespace ui {

// What the window layer needs of the desktop before any window is built:
// a fixed style, a CJK-capable default GUI font, the font substitutions and the
// image readers' set-up.
void preparePlatform();

} // namespace ui
