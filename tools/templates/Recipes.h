#pragma once

#include "ui/TemplateTable.h"

#include <QImage>

namespace templates {

// Draws one template picture at its catalogue size.
QImage renderTemplate(const ui::TemplateRecord &entry);

} // namespace templates
