#pragma once

#include "TemplateTable.h"

#include <QImage>

namespace templates {

// Draws one template picture at its catalogue size.
QImage renderTemplate(const TemplateEntry &entry);

} // namespace templates
