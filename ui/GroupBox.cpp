#include "ui/GroupBox.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace ui {
namespace {

// Below this the caption would be no more legible than cut.
constexpr int kSmallestTitlePixels = 6;

} // namespace

GroupBox::GroupBox(QWidget *parent) : Control<QGroupBox>(parent)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void GroupBox::setBackgroundColour(ColourValue colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, backgroundColour(colour));
    setPalette(colours);
}

void GroupBox::setTitleRoom(int rows)
{
    m_titleRoom = std::max(0, rows);
    update();
}

GroupBox::TitlePlace GroupBox::titlePlace(const QRect &label) const
{
    QFont font = this->font();
    const int room = m_titleRoom;
    const int width = std::max(1, rect().right() - label.left());
    int pixels = QFontInfo(font).pixelSize();
    for (;;) {
        const QFontMetrics metrics(font, this);
        const QRect ink = metrics.tightBoundingRect(title());
        // Where the style puts it: the label's top plus the ascent.
        int baseline = label.top() + metrics.ascent();
        if (room > 0 && baseline + ink.bottom() >= room)
            baseline = room - 1 - ink.bottom();
        const bool fitsHeight = room == 0 || baseline + ink.top() >= 0;
        const bool fitsWidth = metrics.horizontalAdvance(title()) <= width;
        if ((fitsHeight && fitsWidth) || pixels <= kSmallestTitlePixels)
            return {font, QPoint(label.left(), baseline)};
        font.setPixelSize(--pixels);
    }
}

void GroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);

    // The style's own frame shades what it encloses; this box shows its colour there too,
    // so the frame is drawn as its outline alone, where the style draws it.
    const QRect contents = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    const QRect frame(contents.topLeft() - QPoint(2, 2), contents.bottomRight() + QPoint(2, 2));
    painter.setPen(QColor(0, 0, 0, 20));
    painter.drawLine(frame.left() + 1, frame.top(), frame.right() - 1, frame.top());
    painter.drawLine(frame.left() + 1, frame.bottom(), frame.right() - 1, frame.bottom());
    painter.drawLine(frame.left(), frame.top() + 1, frame.left(), frame.bottom() - 1);
    painter.drawLine(frame.right(), frame.top() + 1, frame.right(), frame.bottom() - 1);

    if (title().isEmpty())
        return;
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const TitlePlace place = titlePlace(label);
    painter.setFont(place.font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(place.baseline, title());
}

} // namespace ui
