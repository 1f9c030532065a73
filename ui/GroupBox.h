#pragma once

#include "ui/Colour.h"
#include "ui/Control.h"

#include <QGroupBox>

namespace ui {

// A frame with its caption, its whole box filled with its background colour first.
class GroupBox : public Control<QGroupBox> {
public:
    explicit GroupBox(QWidget *parent);
    void setBackgroundColour(ColourValue colour);
};

} // namespace ui
