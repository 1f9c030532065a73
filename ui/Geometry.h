#pragma once

#include <algorithm>

namespace ui {

inline constexpr int kCoordinateLimit = 32627;

inline constexpr int clampCoordinate(int value)
{
    return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
}

inline constexpr int clampExtent(int value)
{
    return std::clamp(value, 0, kCoordinateLimit);
}

} // namespace ui
