#include "editor/TemplateCatalogue.h"

#include "ui/TemplateTable.h"

#include <QResource>
#include <QString>

namespace editor {

static_assert(TemplateCatalogue::kCount == int(ui::kTemplates.size()));

std::optional<TemplateEntry> TemplateCatalogue::entry(int index)
{
    if (index < 0 || index >= kCount)
        return std::nullopt;
    const ui::TemplateRecord &record = ui::kTemplates[std::size_t(index)];
    const QResource resource(QStringLiteral(":/templates/%1").arg(record.file));
    if (!resource.isValid())
        return std::nullopt;
    // Stored uncompressed, the bytes stay in the program's resources and are not copied.
    const QByteArray image = resource.uncompressedData();
    return TemplateEntry{record.name, image, record.display};
}

} // namespace editor
