#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>
#include <utility>

class QMimeData;
class QWidget;

namespace ui {

// Local file paths a drag carries in its text/uri-list, in the order it delivers them:
// one path an entry, absolute, of this machine; empty for drags of text, HTML or links.
QStringList droppedFiles(const QMimeData &data);

// Only file lists that the source lets us copy: a drag that offers nothing but a move
// would have the source delete its file once we took it.
bool acceptsDrag(const QMimeData &data, Qt::DropActions possible);

// The got-file text: one path alone, several each followed by CR LF.
QString gotFileText(const QStringList &paths);

// The non-visual drop target: makes a window accept file drags and turns a drop into got-file.
class DropTarget : public QObject {
public:
    explicit DropTarget(QObject *parent);

    // Registers on the window and the controls inside it; a second registration is refused.
    bool registerOn(QWidget *window);
    void setGotFileSink(std::function<void(const QString &)> sink) { m_sink = std::move(sink); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window = nullptr;
    std::function<void(const QString &)> m_sink;
};

} // namespace ui
