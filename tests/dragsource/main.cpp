// zanvo_dragsource FILE LEFT TOP [move-only]
// Shows a small window at LEFT, TOP; a left-button press on it drags FILE as a file URI.
// After each drag it prints the action the drop target chose: copy, move or ignore.

#include <QApplication>
#include <QDrag>
#include <QList>
#include <QMimeData>
#include <QMouseEvent>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace {

const char *actionName(Qt::DropAction action)
{
    switch (action) {
    case Qt::CopyAction: return "copy";
    case Qt::MoveAction: return "move";
    default: return "ignore";
    }
}

class DragSource : public QWidget {
public:
    DragSource(const QString &path, Qt::DropActions offered) : m_path(path), m_offered(offered)
    {
        setWindowTitle(QStringLiteral("zanvo-dragsource"));
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, Qt::darkCyan);
        setPalette(colours);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto *drag = new QDrag(this);
        auto files = std::make_unique<QMimeData>();
        files->setUrls(QList<QUrl>{QUrl::fromLocalFile(m_path)});
        drag->setMimeData(files.release());
        const Qt::DropAction chosen = drag->exec(m_offered);
        std::printf("%s\n", actionName(chosen));
        std::fflush(stdout);
    }

private:
    const QString m_path;
    const Qt::DropActions m_offered;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: zanvo_dragsource FILE LEFT TOP [move-only]\n");
        return 2;
    }
    const bool moveOnly = args.size() > 4 && args.at(4) == QLatin1String("move-only");
    DragSource source(args.at(1), moveOnly ? Qt::DropActions(Qt::MoveAction) : Qt::DropActions(Qt::CopyAction));
    source.setGeometry(args.at(2).toInt(), args.at(3).toInt(), 140, 110);
    source.show();
    return QApplication::exec();
}
