#pragma once

#include "ui/Control.h"

#include <QListWidget>

namespace ui {

class ListBox : public Control<QListWidget> {
public:
    explicit ListBox(QWidget *parent);

    // The selected item's index, −1 when none is selected.
    int selectedIndex() const;
};

} // namespace ui
