#include "ui/TransparentLabel.h"

#include "ui/text/FontRules.h"
#include "ui/text/TextDrawing.h"

#include <QPainter>

#include <algorithm>

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
    if (!m_font)
        return ui::fontSettingsOf(font(), logicalDpiY());
    FontSettings settings = *m_font;
    if (m_pixelHeight)
        settings.size = pointsForHeight(*m_pixelHeight, logicalDpiY());
    return settings;
}

void TransparentLabel::setFontSettings(const FontSettings &font)
{
    m_font = font;
    m_font->name = faceForFontWrite(font.name);
    m_pixelHeight.reset();
    update();
}

void TransparentLabel::setFontSettingsInPixels(const FontSettings &font, int pixelHeight)
{
    setFontSettings(font);
    m_pixelHeight = std::clamp(pixelHeight, 1, kMaximumCharacterHeight);
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
    m_pixelHeight.reset();
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
    if (!m_font)
        return font();
    QFont shown = ui::screenFont(*m_font, logicalDpiY(), font());
    if (m_pixelHeight)
        shown.setPixelSize(*m_pixelHeight);
    return shown;
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
