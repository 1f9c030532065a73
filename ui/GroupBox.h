#pragma once

#include "ui/Colour.h"
#include "ui/Control.h"

#include <QFont>
#include <QGroupBox>

class QPaintEvent;

namespace ui {

// A frame with its caption, its whole box filled with its background colour first.
class GroupBox : public Control<QGroupBox> {
public:
    explicit GroupBox(QWidget *parent);
    void setBackgroundColour(ColourValue colour);

    // Rows at the top of the box that no control covers: the caption's glyphs are kept
    // within them, moved up or drawn smaller when they would not fit. 0: no limit.
    void setTitleRoom(int rows);
    int titleRoom() const { return m_titleRoom; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct TitlePlace {
        QFont font;
        QPoint baseline;
    };
    TitlePlace titlePlace(const QRect &label) const;

    int m_titleRoom = 0;
};

} // namespace ui
