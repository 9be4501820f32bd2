#include "app/command_line.h"

#include "product/product.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace app {
namespace {

const QStringList kHelpNames{QStringLiteral("h"), QStringLiteral("help")};
const QStringList kVersionNames{QStringLiteral("v"), QStringLiteral("version")};

QString versionText()
{
    return QStringLiteral("norvelin %1\n").arg(QStringLiteral(NORVELIN_PRODUCT_VERSION));
}

QString helpText()
{
    return QCoreApplication::translate(
        "app",
        "Usage: norvelin [FILE]\n"
        "A word processor for writing Bengali in the NQ font.\n"
        "\n"
        "  FILE           an RTF document to open, as File > Open does\n"
        "  -h, --help     show this help and exit\n"
        "  -v, --version  show the version and exit\n"
        "\n"
        "To convert documents without a window, use norvelin-rtf.\n");
}

CommandLine usageError(const QString& what)
{
    return {CommandLine::Action::UsageError, {},
            QCoreApplication::translate("app", "norvelin: %1\nTry 'norvelin --help' for more information.\n").arg(what)};
}

} // namespace

bool asksHelpOrVersion(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--")
            return false;
        if (argument == u"-h" || argument == u"--help" || argument == u"-v" || argument == u"--version")
            return true;
    }
    return false;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(kHelpNames));
    parser.addOption(QCommandLineOption(kVersionNames));
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(kHelpNames.first()))
        return {CommandLine::Action::Help, {}, helpText()};
    if (parser.isSet(kVersionNames.first()))
        return {CommandLine::Action::Version, {}, versionText()};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return usageError(QCoreApplication::translate("app", "one file at a time"));
    if (files.isEmpty())
        return {};
    return {CommandLine::Action::Run, QFileInfo(files.first()).absoluteFilePath(), {}};
}

} // namespace app
