#pragma once

#include "ui/Colour.h"
#include "ui/Control.h"

#include <QString>
#include <QWidget>

namespace ui {

// A box filled with its background colour, its caption drawn over it.
class Label : public Control<QWidget> {
public:
    explicit Label(QWidget *parent);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    ColourValue backgroundColourValue() const { return m_background; }
    void setBackgroundColour(ColourValue colour);
    void setWordWrap(bool wrap);

    // Every label of this window draws its caption in black.
    static constexpr ColourValue kTextColour = 0x000000;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    ColourValue m_background = kFaceColour;
    bool m_wordWrap = false;
};

} // namespace ui
