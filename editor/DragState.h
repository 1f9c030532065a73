#pragma once

#include <cstdint>

namespace editor {

// The state of an overlay drag; grab offsets keep the last press's values.
struct DragState {
    std::int32_t captionDragging = 0;
    std::int32_t captionGrabX = 0;
    std::int32_t captionGrabY = 0;
    std::int32_t maskDragging = 0;
    std::int32_t maskGrabX = 0;
    std::int32_t maskGrabY = 0;
};

} // namespace editor
