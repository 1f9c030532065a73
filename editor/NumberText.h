#pragma once

#include <QString>

#include <cstdint>

namespace editor {

// The number a text box holds: full-width forms folded to ASCII, then the
// longest leading decimal floating-point number (0 when none), truncated toward
// zero through a 64-bit integer whose low 32 bits are kept.
std::int32_t numberFromText(const QString &text);

} // namespace editor
