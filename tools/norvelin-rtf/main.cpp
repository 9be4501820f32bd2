// norvelin-rtf [--unicode | --from-unicode] IN OUT: converts with the program's own RTF codec;
// with --to and -o, many files at once (batch.h).

#include "batch.h"
#include "conversion.h"
#include "spell_mode.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // A converter needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("--spell"))
        return rtf_tool::runSpellCommand(args[1]);
    if (rtf_tool::isBatchCommand(args))
        return rtf_tool::runBatchCommand(args);
    rtf_tool::ConversionOptions options;
    if (!args.isEmpty() && args[0] == QLatin1String("--unicode")) {
        options.unicode = rtf_tool::UnicodeMode::ToUnicode;
        args.removeFirst();
    } else if (!args.isEmpty() && args[0] == QLatin1String("--from-unicode")) {
        options.unicode = rtf_tool::UnicodeMode::FromUnicode;
        args.removeFirst();
    }
    if (args.size() != 2 || args[0].startsWith(u'-')) {
        std::fputs("usage: norvelin-rtf IN.rtf OUT.rtf|OUT.txt|OUT.html\n"
                   "       norvelin-rtf --unicode IN.rtf OUT.txt|OUT.html\n"
                   "       norvelin-rtf --from-unicode IN.txt OUT.rtf\n"
                   "       norvelin-rtf --spell IN.rtf\n"
                   "       norvelin-rtf [--unicode] --to txt|html|rtf -o OUTDIR [-j N] FILE|FOLDER...\n", stderr);
        return 2;
    }
    const auto format = rtf_tool::formatForPath(args[1]);
    if (!format) {
        std::fprintf(stderr, "norvelin-rtf: %s: unknown output type (use .rtf, .txt or .html)\n", qPrintable(args[1]));
        return 2;
    }
    options.format = *format;
    if ((options.unicode == rtf_tool::UnicodeMode::ToUnicode && *format == rtf_tool::OutputFormat::Rtf)
        || (options.unicode == rtf_tool::UnicodeMode::FromUnicode && *format != rtf_tool::OutputFormat::Rtf)) {
        std::fputs("norvelin-rtf: --unicode writes .txt or .html; --from-unicode writes .rtf\n", stderr);
        return 2;
    }
    QStringList notices;
    if (const auto error = rtf_tool::convert(args[0], args[1], options, &notices)) {
        std::fprintf(stderr, "norvelin-rtf: %s\n", qPrintable(*error));
        return 1;
    }
    // The output is written; what the input lacked is told, and it is no failure.
    for (const QString& notice : std::as_const(notices))
        std::fprintf(stderr, "norvelin-rtf: %s\n", qPrintable(notice));
    return 0;
}
