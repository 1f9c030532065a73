#include "app/Start.h"

#include "app/CommandLine.h"
#include "app/Editor.h"
#include "app/EditorState.h"
#include "app/EndOnSignal.h"
#include "ui/Platform.h"
#include "ui/Window.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace app {
namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

} // namespace

int start(int argc, char **argv)
{
    const CommandLine line = parseCommandLine(argumentsOf(argc, argv), QDir::currentPath());
    if (line.action == CommandLine::Action::Help) {
        std::fputs(qPrintable(usageText()), stdout);
        return 0;
    }
    if (line.action == CommandLine::Action::Version) {
        std::printf("zanvo %s\n", ZANVO_VERSION);
        return 0;
    }
    if (!line.ignored.isEmpty())
        std::fprintf(stderr, "zanvo: ignoring %s\n", qPrintable(line.ignored.join(QLatin1Char(' '))));

    // Qt gets the program name alone, so none of its own options can reach the window.
    int platformArgc = 1;
    char *platformArgv[] = {argv[0], nullptr};
    QApplication platform(platformArgc, platformArgv);
    // Every place in the window definition is a left-to-right one.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    // Lets the desktop match the window to its menu entry and icon (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(ZANVO_APP_ID));
    ui::preparePlatform();
    // A session that ends, or Ctrl+C, closes the window as its close button would.
    const EndOnSignal endOnSignal([] { QApplication::closeAllWindows(); });

    captionFont() = newCaptionFont();
    qAddPostRoutine(exitCleanup);

    int code = 0;
    {
        Editor editor(*captionFont(), dragState());
        QString why;
        if (!editor.load(&why)) {
            exitCleanup();
            std::fprintf(stderr, "zanvo: the main window cannot be loaded: %s\n", qPrintable(why));
            return -1;
        }
        editor.open();
        editor.openFiles(line.files);
        code = QApplication::exec();
        editor.window().beginEnding();
    }
    return code;
}

} // namespace app
