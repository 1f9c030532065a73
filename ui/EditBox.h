#pragma once

#include "ui/Control.h"

#include <QString>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace ui {

// A single-line or multi-line edit box. Every user change and every write of
// the text raises text-change; a write raises it exactly once.
class EditBox : public Control<QWidget> {
public:
    EditBox(QWidget *parent, bool multiLine);

    QString text() const;
    void setText(const QString &text);

    // The Qt editor inside, for keyboard focus and input helpers in tests.
    QWidget *editor() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void userChanged();

    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_plain = nullptr;
    bool m_writing = false;
};

} // namespace ui
