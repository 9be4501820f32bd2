#pragma once
// The command line of norvelin-rtf: one parser and one usage text for every mode. A mode's
// work lives in a file of its own; here it says how it is asked for, which options it takes
// and how its usage reads. A new mode is a row in modes(), and its option in options().

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <functional>

namespace rtf_tool {

// The options' names, as modes read them from the parser.
namespace opt {
inline const QString unicode = QStringLiteral("unicode");
inline const QString fromUnicode = QStringLiteral("from-unicode");
inline const QString to = QStringLiteral("to");
inline const QString outDir = QStringLiteral("o");
inline const QString jobs = QStringLiteral("j");
inline const QString spell = QStringLiteral("spell");
inline const QString help = QStringLiteral("help");
} // namespace opt

struct Mode {
    QStringList synopsis; // usage lines, each without the program's name
    QString description;  // what the mode does, for --help
    QStringList options;  // the options it takes (opt::...); any other is a usage error
    // Whether the command line asks for this mode; the first mode asked for runs. The one
    // mode without it runs when no other is asked for.
    std::function<bool(const QCommandLineParser&)> isAsked;
    // Does the work; returns the exit status (usageError() for a usage error).
    std::function<int(const QCommandLineParser&)> run;
};

// Every option of every mode, --help included.
QList<QCommandLineOption> options();
// Every mode, in the order --help lists them.
QList<Mode> modes();

// The usage lines of every mode, as printed with a usage error.
QString usage();
// --help: the usage, what each mode does and every option.
QString helpText();

// Prints "norvelin-rtf: message" (when there is one) and the usage to stderr; returns 2.
int usageError(const QString& message = QString());

// Parses `arguments` (with the program's name first), runs the mode asked for and returns
// the exit status: 0 done, 1 bad input, 2 usage error.
int runCommandLine(const QStringList& arguments);

} // namespace rtf_tool
