// norvelin-rtf IN.rtf OUT.{rtf,txt,html}: converts with the program's own RTF codec.

#include "conversion.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // A converter needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2 || args[0].startsWith(u'-')) {
        std::fputs("usage: norvelin-rtf IN.rtf OUT.rtf|OUT.txt|OUT.html\n", stderr);
        return 2;
    }
    const auto format = rtf_tool::formatForPath(args[1]);
    if (!format) {
        std::fprintf(stderr, "norvelin-rtf: %s: unknown output type (use .rtf, .txt or .html)\n", qPrintable(args[1]));
        return 2;
    }
    rtf_tool::ConversionOptions options;
    options.format = *format;
    if (const auto error = rtf_tool::convert(args[0], args[1], options)) {
        std::fprintf(stderr, "norvelin-rtf: %s\n", qPrintable(*error));
        return 1;
    }
    return 0;
}
