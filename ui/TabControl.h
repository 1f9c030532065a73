#pragma once

#include "ui/Control.h"

#include <QTabWidget>

namespace ui {

// Tabs and a frame; the pages own no controls.
class TabControl : public Control<QTabWidget> {
public:
    explicit TabControl(QWidget *parent);

    int currentTab() const { return currentIndex(); }
};

} // namespace ui
