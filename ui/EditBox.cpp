#include "ui/EditBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

namespace ui {

EditBox::EditBox(QWidget *parent, bool multiLine) : Control<QWidget>(parent)
{
    if (multiLine) {
        m_plain = new QPlainTextEdit(this);
        m_plain->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_plain->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_plain->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_plain->setTabChangesFocus(true);
        connect(m_plain, &QPlainTextEdit::textChanged, this, [this] { userChanged(); });
    } else {
        m_line = new QLineEdit(this);
        m_line->setTextMargins(0, 0, 0, 0);
        connect(m_line, &QLineEdit::textChanged, this, [this] { userChanged(); });
    }
    // The picture area is the window's only drop target: nothing dragged lands in a box.
    editor()->setAcceptDrops(false);
    if (m_plain)
        m_plain->viewport()->setAcceptDrops(false);
    setFocusProxy(editor());
    setFocusPolicy(editor()->focusPolicy());
}

QWidget *EditBox::editor() const
{
    return m_line ? static_cast<QWidget *>(m_line) : static_cast<QWidget *>(m_plain);
}

QString EditBox::text() const
{
    return m_line ? m_line->text() : m_plain->toPlainText();
}

void EditBox::setText(const QString &text)
{
    {
        const QScopedValueRollback writing(m_writing, true);
        if (m_line)
            m_line->setText(text);
        else
            m_plain->setPlainText(text);
    }
    raiseEvent(Event::TextChange);
}

void EditBox::userChanged()
{
    if (!m_writing)
        raiseEvent(Event::TextChange);
}

void EditBox::resizeEvent(QResizeEvent *)
{
    editor()->setGeometry(rect());
}

} // namespace ui
