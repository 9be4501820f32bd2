#include "single_conversion.h"

#include "command_line.h"
#include "conversion.h"
#include "rtf/failure_text.h"

#include <QCoreApplication>

#include <cstdio>

namespace rtf_tool {

int runSingleConversion(const QCommandLineParser& line)
{
    const QStringList files = line.positionalArguments();
    if (files.size() != 2)
        return usageError();
    if (line.isSet(opt::unicode) && line.isSet(opt::fromUnicode))
        return usageError(QCoreApplication::translate("NorvelinRtf", "--unicode and --from-unicode exclude each other"));
    ConversionOptions options;
    if (line.isSet(opt::unicode))
        options.unicode = UnicodeMode::ToUnicode;
    else if (line.isSet(opt::fromUnicode))
        options.unicode = UnicodeMode::FromUnicode;

    const auto format = formatForPath(files[1]);
    if (!format) {
        return usageError(QCoreApplication::translate("NorvelinRtf", "%1: unknown output type (use .rtf, .txt, .html or .pdf)")
                              .arg(files[1]));
    }
    options.format = *format;
    if ((options.unicode == UnicodeMode::ToUnicode && *format != OutputFormat::Text
             && *format != OutputFormat::Html)
        || (options.unicode == UnicodeMode::FromUnicode && *format != OutputFormat::Rtf)) {
        return usageError(
            QCoreApplication::translate("NorvelinRtf", "--unicode writes .txt or .html; --from-unicode writes .rtf"));
    }
    QStringList notices;
    if (const auto error = convert(files[0], files[1], options, &notices)) {
        std::fprintf(stderr, "norvelin-rtf: %s\n", qPrintable(rtf::failureText(*error)));
        return 1;
    }
    // The output is written; what the input lacked is told, and it is no failure.
    for (const QString& notice : std::as_const(notices))
        std::fprintf(stderr, "norvelin-rtf: %s\n", qPrintable(notice));
    return 0;
}

} // namespace rtf_tool
