#pragma once

#include "exchange/SaveSnapshot.h"

#include <QImage>

#include <functional>

namespace ui {
struct Controls;
}

namespace exchange {

// Places a picture on the system clipboard; false when nothing was placed.
using ClipboardPlacer = std::function<bool(const QImage &)>;
bool placeOnSystemClipboard(const QImage &picture);

// What the exchange handlers reach; tests replace the clock, folder and clipboard.
struct Context {
    const ui::Controls *controls = nullptr; // set once the window is loaded
    SaveEnvironment save;
    ClipboardPlacer clipboard = placeOnSystemClipboard;
    std::function<void()> refreshSizeLabels; // the editor's size-label rule

    const ui::Controls &ui() const { return *controls; }
};

} // namespace exchange
