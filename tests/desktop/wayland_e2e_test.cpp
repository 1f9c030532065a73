#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kSocket = QStringLiteral("zanvo-test-wayland");

bool waitFor(const std::function<bool()> &done, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > milliseconds)
            return false;
        QThread::msleep(100);
    }
    return true;
}

// A headless Weston of the test's own, with no X server anywhere near it.
class HeadlessWeston {
public:
    HeadlessWeston()
    {
        QFile::setPermissions(m_runtime.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_process.setProcessEnvironment(environment());
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        // --debug offers the scene graph, the compositor's own view of what is on screen.
        m_process.start(QStringLiteral(ZANVO_WESTON),
                        {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=") + kSocket,
                         QStringLiteral("--idle-time=0"), QStringLiteral("--no-config"), QStringLiteral("--debug"),
                         QStringLiteral("--width=1024"), QStringLiteral("--height=768")});
        m_ready = m_process.waitForStarted(10000)
                  && waitFor(
                      [this] {
                          return QFileInfo::exists(QDir(m_runtime.path()).filePath(kSocket))
                                 || m_process.state() == QProcess::NotRunning;
                      },
                      30000)
                  && m_process.state() == QProcess::Running;
    }
    ~HeadlessWeston()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool ready() const { return m_ready; }
    QString log() { return QString::fromUtf8(m_process.readAll()); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), kSocket);
        return environment;
    }

    QString sceneGraph() const
    {
        QProcess debug;
        debug.setProcessEnvironment(environment());
        debug.start(QStringLiteral("weston-debug"), {QStringLiteral("scene-graph")});
        debug.waitForFinished(10000);
        return QString::fromUtf8(debug.readAllStandardOutput());
    }

private:
    QTemporaryDir m_runtime;
    QProcess m_process;
    bool m_ready = false;
};

// A view on screen: mapped as a toplevel with its title, under the app id that names its
// menu entry.
bool showsTheWindow(const QString &sceneGraph)
{
    const QString window = QStringLiteral("top-level window 'ZanvoV4' of " ZANVO_APP_ID);
    for (const QString &line : sceneGraph.split(QLatin1Char('\n')))
        if (line.contains(QLatin1String("View ")) && line.contains(QLatin1String("role xdg_toplevel"))
            && line.contains(window))
            return true;
    return false;
}

TEST(WaylandEndToEnd, TheEditorShowsItsWindowNativelyAndEndsCleanly)
{
    HeadlessWeston weston;
    if (!weston.ready())
        GTEST_SKIP() << "weston cannot run headless on this machine, so there is no Wayland session to test in:\n"
                     << weston.log().toStdString();

    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("Desktop"));
    QProcessEnvironment environment = weston.environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(ZANVO_BINARY), {});
    ASSERT_TRUE(editor.waitForStarted(10000));

    QString scene;
    const bool shown = waitFor(
                           [&] {
                               scene = weston.sceneGraph();
                               return showsTheWindow(scene) || editor.state() == QProcess::NotRunning;
                           },
                           60000)
                       && editor.state() == QProcess::Running;
    ASSERT_TRUE(shown) << scene.toStdString() << editor.readAllStandardError().toStdString();

    editor.terminate(); // SIGTERM, as a session that ends sends it
    ASSERT_TRUE(editor.waitForFinished(20000));
    EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(editor.exitCode(), 0) << editor.readAllStandardError().toStdString();
    EXPECT_FALSE(showsTheWindow(weston.sceneGraph()));
}

} // namespace
