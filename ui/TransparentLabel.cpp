#include "ui/TransparentLabel.h"

#include "ui/text/FontRules.h"
#include "ui/text/TextDrawing.h"

#include <QPainter>

namespace ui {

TransparentLabel::TransparentLabel(QWidget *parent) : Control<QWidget>(parent)
{
    // No background of its own: Qt paints the siblings and parent beneath a
    // non-opaque child, inside the old and the new box, before the glyphs.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TransparentLabel::setText(const QString &text)
{
    m_text = text;
    update();
}

FontSettings TransparentLabel::fontSettings() const
{
    return m_font ? *m_font : ui::fontSettingsOf(font(), logicalDpiY());
}

void TransparentLabel::setFontSettings(const FontSettings &font)
{
    m_font = font;
    m_font->name = faceForFontWrite(font.name);
    update();
}

void TransparentLabel::setAngle(int tenths)
{
    ownFont().angle = normalisedAngle(tenths);
    update();
}

void TransparentLabel::setBold(int bold)
{
    ownFont().bold = bold;
    update();
}

void TransparentLabel::setSize(int points)
{
    ownFont().size = points;
    update();
}

void TransparentLabel::setName(const std::optional<QString> &name)
{
    ownFont().name = faceForNameWrite(name);
    update();
}

void TransparentLabel::setTextColour(ColourValue colour)
{
    m_colour = colour;
    update();
}

FontSettings &TransparentLabel::ownFont()
{
    if (!m_font)
        m_font = ui::fontSettingsOf(font(), logicalDpiY());
    return *m_font;
}

QFont TransparentLabel::screenFont() const
{
    return m_font ? ui::screenFont(*m_font, logicalDpiY(), font()) : font();
}

void TransparentLabel::paintEvent(QPaintEvent *)
{
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(screenFont());
    painter.setPen(toQColor(m_colour));
    // The window definition gives the caption centred, wrapping lines.
    const TextBoxStyle style{Qt::AlignHCenter, true, 0, m_font ? m_font->angle : 0};
    drawControlText(painter, rect(), style, m_text);
}

} // namespace ui
