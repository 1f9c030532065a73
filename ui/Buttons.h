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

private:
    // Set while arrow keys move the selection between the radio buttons: a button that
    // becomes selected because the focus moved onto it raises no click.
    bool m_arrowNavigation = false;
};

} // namespace ui
