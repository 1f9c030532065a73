#include "E2e.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>

namespace e2e {

QString run(const QString &program, const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

EditorProcess::EditorProcess(const Launch &launch)
{
    QDir(m_home.path()).mkpath(QStringLiteral("Desktop"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
    environment.remove(QStringLiteral("XDG_DESKTOP_DIR"));
    m_process.setProcessEnvironment(environment);
    if (!launch.workingDirectory.isEmpty())
        m_process.setWorkingDirectory(launch.workingDirectory);
    m_process.start(launch.binary.isEmpty() ? QStringLiteral(ZANVO_BINARY) : launch.binary, launch.arguments);
    if (!m_process.waitForStarted(10000))
        return;
    // Generous: a loaded machine or a sanitizer build starts slowly.
    for (int i = 0; i < 600 && m_windowId.isEmpty(); ++i) {
        const QString ids = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                            QStringLiteral("--name"), QStringLiteral("^ZanvoV4$")});
        m_windowId = ids.section(QLatin1Char('\n'), 0, 0);
        if (m_windowId.isEmpty())
            QThread::msleep(50);
    }
    if (!m_windowId.isEmpty())
        run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_windowId});
}

EditorProcess::~EditorProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void EditorProcess::key(const QString &keys)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30"), keys});
}

void EditorProcess::click(int clientX, int clientY)
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--window"), m_windowId, QString::number(clientX),
         QString::number(clientY), QStringLiteral("click"), QStringLiteral("1")});
}

int EditorProcess::waitForExit(int milliseconds)
{
    if (!m_process.waitForFinished(milliseconds))
        return -1000;
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

WindowGeometry geometryOf(const QString &windowId)
{
    const QString shell =
        run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), windowId});
    WindowGeometry g;
    for (const QString &line : shell.split(QLatin1Char('\n'))) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (key == QLatin1String("X"))
            g.left = value;
        else if (key == QLatin1String("Y"))
            g.top = value;
        else if (key == QLatin1String("WIDTH"))
            g.width = value;
        else if (key == QLatin1String("HEIGHT"))
            g.height = value;
    }
    return g;
}

} // namespace e2e
