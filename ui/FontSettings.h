#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace ui {

// The seven font attributes a transparent label is drawn with, in their fixed order.
struct FontSettings {
    std::int32_t angle = 0; // tenths of a degree
    std::int32_t bold = 0;
    std::int32_t italic = 0;
    std::int32_t strikeout = 0;
    std::int32_t underline = 0;
    std::int32_t size = 0;       // points
    std::optional<QString> name; // face name; the record owns it

    bool operator==(const FontSettings &) const = default;
};

} // namespace ui
