#include "ui/Buttons.h"

#include <QKeyEvent>
#include <QList>

#include <utility>

namespace ui {

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
        if (!m_arrowNavigation)
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
        // The arrow keys select a sibling: the whole group is told while they act.
        const QList<RadioButton *> group = parentWidget()
                                               ? parentWidget()->findChildren<RadioButton *>(Qt::FindDirectChildrenOnly)
                                               : QList<RadioButton *>{this};
        QList<bool> outer;
        for (RadioButton *button : group)
            outer.append(std::exchange(button->m_arrowNavigation, true));
        QRadioButton::keyPressEvent(event);
        for (qsizetype i = 0; i < group.size(); ++i)
            group[i]->m_arrowNavigation = outer[i];
        return;
    }
    default: QRadioButton::keyPressEvent(event);
    }
}

} // namespace ui
