#pragma once

#include "ui/Colour.h"
#include "ui/Control.h"

#include <QToolButton>

namespace ui {

// A colour swatch with a drop-down of standard colours and a custom choice.
class ColourPicker : public Control<QToolButton> {
public:
    explicit ColourPicker(QWidget *parent);

    ColourValue colour() const { return m_colour; }
    // Stores a colour the user confirmed and raises colour-change, also for the same colour.
    void confirmChoice(ColourValue colour);
    // Sets the colour without raising anything (the window definition's initial value).
    void setInitialColour(ColourValue colour);

private:
    void chooseCustom();
    void updateSwatch();

    ColourValue m_colour = 0;
};

} // namespace ui
