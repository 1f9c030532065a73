#pragma once

#include "editor/DragState.h"
#include "ui/FontSettings.h"

namespace ui {
class Window;
struct Controls;
} // namespace ui

namespace editor {

// What the handlers reach: the window's controls and the two records kept outside them.
struct Context {
    ui::Window *window = nullptr;           // for pointer capture; set once the window is loaded
    const ui::Controls *controls = nullptr; // set with the window
    ui::FontSettings *captionFont = nullptr;
    DragState *drag = nullptr;

    const ui::Controls &ui() const { return *controls; }
};

} // namespace editor
