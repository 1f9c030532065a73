#include "app/Start.h"

#include "app/Editor.h"
#include "app/EditorState.h"
#include "ui/Platform.h"
#include "ui/Window.h"

#include <QApplication>

#include <cstdio>

namespace app {

int start(int argc, char **argv)
{
    QApplication platform(argc, argv);
    ui::preparePlatform();

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
        code = QApplication::exec();
        editor.window().beginEnding();
    }
    return code;
}

} // namespace app
