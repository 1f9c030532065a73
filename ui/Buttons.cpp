#include "ui/Buttons.h"

#include <QKeyEvent>

namespace ui {
namespace {

// Set while arrow keys move the selection between radio buttons: a button that
// becomes selected because the focus moved onto it raises no click.
bool g_arrowNavigation = false;

} // namespace

Button::Button(QWidget *parent) : Control<QPushButton>(parent)
{
    setAutoDefault(false);
    setDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { raiseEvent(Event::Click); });
}

CheckBox::CheckBox(QWidget *parent) : Control<QCheckBox>(parent)
{
    connect(this, &QCheckBox::clicked, this, [this] { raiseEvent(Event::Click); });
}

RadioButton::RadioButton(QWidget *parent) : Control<QRadioButton>(parent)
{
    connect(this, &QRadioButton::clicked, this, [this] {
        if (!g_arrowNavigation)
            raiseEvent(Event::Click);
    });
}

void RadioButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const bool outer = g_arrowNavigation;
        g_arrowNavigation = true;
        QRadioButton::keyPressEvent(event);
        g_arrowNavigation = outer;
        return;
    }
    default:
        QRadioButton::keyPressEvent(event);
    }
}

} // namespace ui
