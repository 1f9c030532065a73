#include "ui/DropTarget.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace ui {

QStringList droppedFiles(const QMimeData &data)
{
    QStringList paths;
    if (!data.hasUrls())
        return paths;
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

QString gotFileText(const QStringList &paths)
{
    if (paths.size() == 1)
        return paths.first();
    QString text;
    for (const QString &path : paths)
        text += path + QLatin1String("\r\n");
    return text;
}

DropTarget::DropTarget(QObject *parent) : QObject(parent) {}

bool DropTarget::registerOn(QWidget *window)
{
    if (m_window || !window)
        return false;
    m_window = window;
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget *child : window->findChildren<QWidget *>()) {
        child->setAcceptDrops(true);
        child->installEventFilter(this);
    }
    return true;
}

bool DropTarget::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (drag->mimeData() && !droppedFiles(*drag->mimeData()).isEmpty()) {
            // A copy, never a move: the source keeps its file.
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = drop->mimeData() ? droppedFiles(*drop->mimeData()) : QStringList();
        if (paths.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (m_sink)
            m_sink(gotFileText(paths));
        return true;
    }
    default:
        return false;
    }
}

} // namespace ui
