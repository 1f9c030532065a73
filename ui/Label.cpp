#include "ui/Label.h"

#include "ui/text/TextDrawing.h"

#include <QFontInfo>
#include <QPainter>

namespace ui {

Label::Label(QWidget *parent) : Control<QWidget>(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void Label::setBackgroundColour(ColourValue colour)
{
    m_background = colour;
    update();
}

void Label::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    update();
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColour(m_background));
    if (m_caption.isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(toQColor(kTextColour));
    // The window's wrapping label fits one line per character height, as the
    // definition was drawn; the CJK face's own line height is half again as tall.
    const TextBoxStyle style{Qt::AlignLeft, m_wordWrap, m_wordWrap ? QFontInfo(font()).pixelSize() : 0, 0};
    drawControlText(painter, rect(), style, m_caption);
}

} // namespace ui
