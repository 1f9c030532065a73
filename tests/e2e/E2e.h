#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace e2e {

// Runs a command to its end; its standard output, trimmed.
QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr);

// How to start the editor: by default the built binary, with no arguments.
struct Launch {
    QStringList arguments;
    QString binary;           // empty: the editor of this build
    QString workingDirectory; // empty: the test's own
};

// The editor started as a user would, with a home folder of its own.
class EditorProcess {
public:
    explicit EditorProcess(const Launch &launch = {});
    ~EditorProcess();

    bool started() const { return !m_windowId.isEmpty(); }
    const QString &windowId() const { return m_windowId; }
    QString home() const { return m_home.path(); }
    QProcess &process() { return m_process; }

    // Sends keys through the X server to the focused editor window.
    void key(const QString &keys);
    void click(int clientX, int clientY);
    // Waits for the process to end; its exit code, or −1000 when it did not end.
    int waitForExit(int milliseconds = 10000);

private:
    QTemporaryDir m_home;
    QProcess m_process;
    QString m_windowId;
};

struct WindowGeometry {
    int left = 0, top = 0, width = 0, height = 0;
};
WindowGeometry geometryOf(const QString &windowId);

} // namespace e2e
