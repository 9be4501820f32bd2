#pragma once
// What `norvelin [FILE]` was asked to do. --help and --version are answered before the
// application object exists, so that they work without a display.

#include <QString>
#include <QStringList>

namespace app {

struct CommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    QString file;    // absolute path of the document to open; empty for none
    QString message; // what to print: help, version or the usage error
};

// `arguments` start with the program's name. Qt's own options (-platform, -display...)
// must already be taken out, as QApplication does, unless only help or version is asked.
CommandLine parseCommandLine(const QStringList& arguments);

// True when the arguments ask only for help or version (checked on the raw arguments).
bool asksHelpOrVersion(const QStringList& arguments);

} // namespace app
