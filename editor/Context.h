#pragma once

#include "editor/DragState.h"
#include "ui/FontSettings.h"

namespace ui {
class Window;
}

namespace editor {

// What the handlers reach: the window's controls and the two records kept outside them.
struct Context {
    ui::Window *window = nullptr; // set once the window is loaded
    ui::FontSettings *captionFont = nullptr;
    DragState *drag = nullptr;

    ui::Window &ui() const { return *window; }
};

} // namespace editor
