#include "app/CommandLine.h"

#include <QDir>
#include <QLatin1String>
#include <QUrl>

#include <algorithm>
#include <array>

namespace app {
namespace {

// Qt's options that take the next argument as their value; that value is no file.
bool takesValue(QStringView option)
{
    static constexpr std::array<QLatin1String, 16> kValued = {
        QLatin1String("display"),       QLatin1String("geometry"),     QLatin1String("icon"),
        QLatin1String("name"),          QLatin1String("platform"),     QLatin1String("platformpluginpath"),
        QLatin1String("platformtheme"), QLatin1String("plugin"),       QLatin1String("qwindowgeometry"),
        QLatin1String("qwindowicon"),   QLatin1String("qwindowtitle"), QLatin1String("session"),
        QLatin1String("style"),         QLatin1String("stylesheet"),   QLatin1String("title"),
        QLatin1String("visual"),
    };
    return std::any_of(kValued.begin(), kValued.end(), [option](QLatin1String name) { return option == name; });
}

QString absolutePath(const QString &argument, const QDir &here)
{
    // Launchers may hand over a file URI instead of a path.
    if (argument.startsWith(QLatin1String("file:"))) {
        const QUrl url(argument);
        if (url.isLocalFile())
            return QDir::cleanPath(url.toLocalFile());
    }
    return QDir::cleanPath(here.absoluteFilePath(argument));
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments, const QString &workingDirectory)
{
    CommandLine line;
    const QDir here(workingDirectory);
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1Char('-'))) {
            line.files << absolutePath(argument, here);
            continue;
        }
        if (argument == QLatin1String("-")) {
            line.ignored << argument; // standard input is not read
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.action = CommandLine::Action::Help;
            continue;
        }
        if (argument == QLatin1String("--version")) {
            line.action = CommandLine::Action::Version;
            continue;
        }
        // Qt reads "--style" as "-style"; "-style=x" carries its value along.
        QStringView option = QStringView(argument).mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        line.ignored << argument;
        if (!option.contains(QLatin1Char('=')) && takesValue(option) && i + 1 < arguments.size())
            line.ignored << arguments.at(++i);
    }
    return line;
}

QString usageText()
{
    return QStringLiteral("usage: zanvo [FILE]...\n"
                          "Starts the editor; FILE is loaded as if it were dropped on the picture area.\n"
                          "  -h, --help     show this text\n"
                          "      --version  show the version\n");
}

} // namespace app
