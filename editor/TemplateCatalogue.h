#pragma once

#include <QByteArray>
#include <QSize>
#include <QStringView>

#include <optional>

namespace editor {

struct TemplateEntry {
    QStringView name;
    QByteArray image; // one whole JPEG file
    QSize displaySize;
};

// The 53 built-in templates, in the template list's order.
class TemplateCatalogue {
public:
    static constexpr int kCount = 53;

    // Nothing for an index outside 0 … 52.
    static std::optional<TemplateEntry> entry(int index);
};

} // namespace editor
