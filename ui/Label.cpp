#include "ui/Label.h"

#include "ui/text/TextDrawing.h"

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
    painter.setPen(palette().color(QPalette::WindowText));
    const int flags = m_wordWrap ? (Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap)
                                 : (Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    drawControlText(painter, rect(), flags, m_caption);
}

} // namespace ui
