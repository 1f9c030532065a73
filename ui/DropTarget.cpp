#include "ui/DropTarget.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
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

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

// The lines of a text/uri-list, which end in CR LF. A list with no CR LF at all is read
// line by line on LF, as some programs write it; otherwise a lone CR or LF stays inside
// its line, and that line is no URI.
QList<QByteArray> uriListLines(QByteArray list)
{
    if (list.endsWith('\0')) // some programs end the list with a NUL
        list.chop(1);
    const bool crLf = list.contains("\r\n");
    QList<QByteArray> lines;
    qsizetype from = 0;
    while (from < list.size()) {
        const qsizetype end = crLf ? list.indexOf("\r\n", from) : list.indexOf('\n', from);
        const qsizetype to = end < 0 ? list.size() : end;
        lines.append(list.sliced(from, to - from));
        from = end < 0 ? list.size() : to + (crLf ? 2 : 1);
    }
    return lines;
}

// The local path a list entry names, or empty: only file: URIs of this machine, naming an
// absolute path. A name holding a line break or a NUL could not be passed on whole.
QString localPath(QByteArrayView entry)
{
    if (entry.contains('\r') || entry.contains('\n'))
        return {};
    const QUrl url = QUrl::fromEncoded(entry.toByteArray());
    if (!url.isValid() || !url.isLocalFile())
        return {};
    // toLocalFile undoes the percent-escapes, non-ASCII names included. Some file
    // managers name this machine as the host (file://localhost/…, file://<name>/…).
    const QString host = url.host();
    QString path;
    if (host.isEmpty())
        path = url.toLocalFile();
    else if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
             || host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0)
        path = url.path();
    if (!path.startsWith(QLatin1Char('/')) || path.contains(QLatin1Char('\r')) || path.contains(QLatin1Char('\n'))
        || path.contains(QChar(0)))
        return {};
    return path;
}

} // namespace

QStringList droppedFiles(const QMimeData &data)
{
    QStringList paths;
    if (!data.hasFormat(kUriList))
        return paths;
    for (const QByteArray &line : uriListLines(data.data(kUriList))) {
        const QByteArray entry = line.trimmed();
        if (entry.isEmpty() || entry.startsWith('#'))
            continue;
        if (const QString path = localPath(entry); !path.isEmpty())
            paths.append(path);
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
