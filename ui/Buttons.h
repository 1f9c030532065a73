#pragma once

#include "ui/Control.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace ui {

class Button : public Control<QPushButton> {
public:
    explicit Button(QWidget *parent);
    QString caption() const { return QPushButton::text(); }
    void setCaption(const QString &caption) { QPushButton::setText(caption); }
};

class CheckBox : public Control<QCheckBox> {
public:
    explicit CheckBox(QWidget *parent);
    int checkedFlag() const { return isChecked() ? 1 : 0; }
    // Only 1 checks the box; the write raises nothing.
    void setCheckedFlag(int flag) { setChecked(flag == 1); }
};

class RadioButton : public Control<QRadioButton> {
public:
    explicit RadioButton(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace ui
