#include "ui/GroupBox.h"

namespace ui {

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

} // namespace ui
