#pragma once

#include <QString>
#include <QStringList>

namespace app {

// What the command line asks for. Qt never sees the arguments: its own options
// (-reverse, -style, -qwindowtitle, …) would change the window, so they are set aside here.
struct CommandLine {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    QStringList files;   // absolute paths, in the order given
    QStringList ignored; // options set aside, each with its value where it takes one
};

// arguments: the command line without the program name.
CommandLine parseCommandLine(const QStringList &arguments, const QString &workingDirectory);

QString usageText();

} // namespace app
