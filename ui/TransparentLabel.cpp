#include "ui/TransparentLabel.h"

#include "ui/text/FontRules.h"
#include "ui/text/TextDrawing.h"

#include <QPainter>

namespace ui {

TransparentLabel::TransparentLabel(QWidget *parent) : Control<QWidget>(parent)
{
    // No background of its own: Qt paints what lies beneath before the glyphs.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TransparentLabel::setText(const QString &text)
{
    m_text = text;
    update();
}

void TransparentLabel::setFontSettings(const FontSettings &font)
{
    m_font = font;
    update();
}

void TransparentLabel::setBold(int bold)
{
    m_font.bold = bold;
    update();
}

void TransparentLabel::setSize(int points)
{
    m_font.size = points;
    update();
}

void TransparentLabel::setTextColour(ColourValue colour)
{
    m_colour = colour;
    update();
}

QFont TransparentLabel::screenFont() const
{
    return ui::screenFont(m_font, logicalDpiY());
}

void TransparentLabel::paintEvent(QPaintEvent *)
{
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(screenFont());
    painter.setPen(toQColor(m_colour));
    drawControlText(painter, rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_text);
}

} // namespace ui
