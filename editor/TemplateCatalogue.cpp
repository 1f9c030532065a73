#include "editor/TemplateCatalogue.h"

#include "ui/WindowDefinition.h"

#include <QResource>
#include <QString>

#include <array>

namespace editor {
namespace {

// Display sizes; entries 15 and 16 are shown at 265 × 265 whatever their images measure.
constexpr std::array<QSize, TemplateCatalogue::kCount> kDisplaySizes = {{
    {234, 234}, {218, 218}, {160, 155}, {164, 156}, {208, 207}, {156, 172}, {160, 131}, {133, 139},
    {154, 172}, {264, 237}, {287, 213}, {347, 231}, {225, 225}, {198, 197}, {198, 198}, {265, 265},
    {265, 265}, {290, 265}, {206, 206}, {208, 210}, {220, 220}, {220, 220}, {220, 220}, {220, 220},
    {198, 198}, {171, 163}, {258, 253}, {400, 400}, {182, 198}, {300, 300}, {186, 198}, {198, 175},
    {198, 193}, {125, 174}, {205, 177}, {300, 300}, {300, 300}, {198, 187}, {150, 158}, {71, 76},
    {108, 50},  {112, 50},  {168, 151}, {200, 211}, {89, 125},  {224, 224}, {184, 130}, {216, 226},
    {198, 148}, {239, 228}, {160, 131}, {218, 218}, {272, 238},
}};

} // namespace

std::optional<TemplateEntry> TemplateCatalogue::entry(int index)
{
    if (index < 0 || index >= kCount)
        return std::nullopt;
    const QResource resource(QStringLiteral(":/templates/%1.jpg").arg(index, 2, 10, QLatin1Char('0')));
    if (!resource.isValid())
        return std::nullopt;
    // Stored uncompressed, the bytes stay in the program's resources and are not copied.
    const QByteArray image = resource.uncompressedData();
    return TemplateEntry{ui::templateNames()[std::size_t(index)], image, kDisplaySizes[std::size_t(index)]};
}

} // namespace editor
