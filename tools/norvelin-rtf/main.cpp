// norvelin-rtf: converts documents with the program's own RTF codec (command_line.h lists
// the modes; `norvelin-rtf --help` prints them).

#include "command_line.h"
#include "language/interface_language.h"

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    // A converter needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    language::installTranslations(app);
    return rtf_tool::runCommandLine(QCoreApplication::arguments());
}
