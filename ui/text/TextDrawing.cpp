#include "ui/text/TextDrawing.h"

#include <QPainter>

namespace ui {

void drawControlText(QPainter &painter, const QRect &box, int alignmentFlags, const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    painter.drawText(box, alignmentFlags | Qt::TextShowMnemonic, lines);
}

} // namespace ui
