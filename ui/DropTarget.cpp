#include "ui/DropTarget.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QLatin1String>
#include <QList>
#include <QMimeData>
#include <QSysInfo>
#include <QUrl>
#include <QWidget>

namespace ui {

QStringList droppedFiles(const QMimeData &data)
{
    QStringList paths;
    if (!data.hasUrls())
        return paths;
    // toLocalFile undoes the percent-escapes, non-ASCII names included. Some file
    // managers name this machine as the host (file://localhost/…, file://<name>/…).
    const QString here = QSysInfo::machineHostName();
    for (const QUrl &url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        const QString host = url.host();
        if (host.isEmpty())
            paths.append(url.toLocalFile());
        else if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
                 || host.compare(here, Qt::CaseInsensitive) == 0)
            paths.append(url.path());
    }
    return paths;
}

bool acceptsDrag(const QMimeData &data, Qt::DropActions possible)
{
    return possible.testFlag(Qt::CopyAction) && !droppedFiles(data).isEmpty();
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

DropTarget::DropTarget(QObject *parent) : QObject(parent)
{
}

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
        if (drag->mimeData() && acceptsDrag(*drag->mimeData(), drag->possibleActions())) {
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
        if (!drop->mimeData() || !acceptsDrag(*drop->mimeData(), drop->possibleActions())) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (m_sink)
            m_sink(gotFileText(droppedFiles(*drop->mimeData())));
        return true;
    }
    default: return false;
    }
}

} // namespace ui
