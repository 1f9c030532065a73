#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace ui {

// Draws a control's text: CR LF pairs break lines, "&x" underlines x and "&&" draws one "&".
void drawControlText(QPainter &painter, const QRect &box, int alignmentFlags, const QString &text);

} // namespace ui
