#include "ui/TabControl.h"

#include <QTabBar>

namespace ui {

TabControl::TabControl(QWidget *parent) : Control<QTabWidget>(parent)
{
    setFocusPolicy(Qt::NoFocus);
    tabBar()->setFocusPolicy(Qt::NoFocus);
    connect(this, &QTabWidget::currentChanged, this, [this] { raiseEvent(Event::PageChange); });
}

} // namespace ui
