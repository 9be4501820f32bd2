#include "command_line.h"
#include "spell_mode.h"

#include "batch.h"
#include "single_conversion.h"

#include <QCoreApplication>

#include <algorithm>

#include <cstdio>

namespace rtf_tool {
namespace {

bool isSet(const QCommandLineParser& line, const QCommandLineOption& option)
{
    return line.isSet(option.names().constFirst());
}

// "--unicode", "-o": the option as a user writes it.
QString spelled(const QCommandLineOption& option)
{
    const QString& name = option.names().constLast();
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

QList<QCommandLineOption> options()
{
    return {
        {opt::unicode,
         QCoreApplication::translate("NorvelinRtf", "Writes NQ text as Unicode Bengali (text and HTML output).")},
        {opt::fromUnicode,
         QCoreApplication::translate("NorvelinRtf", "Reads UTF-8 Unicode Bengali text and writes it as NQ in RTF.")},
        {opt::to, QCoreApplication::translate("NorvelinRtf", "Batch: the format of the results, txt, html, rtf or pdf."),
         QCoreApplication::translate("NorvelinRtf", "format")},
        {opt::outDir, QCoreApplication::translate("NorvelinRtf", "Batch: the folder the results go to."),
         QCoreApplication::translate("NorvelinRtf", "folder")},
        {opt::jobs,
         QCoreApplication::translate("NorvelinRtf", "Batch: documents converted at once (default: one per core)."),
         QCoreApplication::translate("NorvelinRtf", "threads")},
        {opt::spell,
         QCoreApplication::translate("NorvelinRtf", "Lists the misspelled Bengali words of the NQ text, with suggestions.")},
        {{QStringLiteral("h"), opt::help}, QCoreApplication::translate("NorvelinRtf", "Shows this help.")},
    };
}

QList<Mode> modes()
{
    return {
        // Two file names and nothing that asks for another mode.
        {{QCoreApplication::translate("NorvelinRtf", "IN.rtf OUT.rtf|OUT.txt|OUT.html|OUT.pdf"),
          QCoreApplication::translate("NorvelinRtf", "--unicode IN.rtf OUT.txt|OUT.html"),
          QCoreApplication::translate("NorvelinRtf", "--from-unicode IN.txt OUT.rtf")},
         QCoreApplication::translate("NorvelinRtf", "Converts one document; OUT's extension chooses the format."),
         {opt::unicode, opt::fromUnicode},
         nullptr,
         runSingleConversion},
        {{QCoreApplication::translate("NorvelinRtf", "[--unicode] --to txt|html|rtf|pdf -o OUTDIR [-j N] FILE|FOLDER...")},
         QCoreApplication::translate("NorvelinRtf",
                                     "Converts many documents on all cores. Folders are walked for .rtf files; each "
                                     "result lands below OUTDIR where its document lay below its folder. A bad "
                                     "document is reported and the rest go on."),
         {opt::unicode, opt::to, opt::outDir, opt::jobs},
         [](const QCommandLineParser& line) { return line.isSet(opt::to) || line.isSet(opt::outDir); },
         runBatchCommand},
        {{QCoreApplication::translate("NorvelinRtf", "--spell IN.rtf")},
         QCoreApplication::translate("NorvelinRtf",
                                     "Checks the spelling of the document's Bengali: one line per flagged word, "
                                     "PARAGRAPH<TAB>WORD<TAB>SUGGESTIONS, in Unicode."),
         {opt::spell},
         [](const QCommandLineParser& line) { return line.isSet(opt::spell); },
         [](const QCommandLineParser& line) {
             const QStringList files = line.positionalArguments();
             if (files.size() != 1)
                 return usageError();
             return runSpellCommand(files[0]);
         }},
    };
}

namespace {

QString usageOf(const QStringList& synopsis)
{
    const QString head = QCoreApplication::translate("NorvelinRtf", "usage: ");
    QString text;
    for (const QString& line : synopsis)
        text += (text.isEmpty() ? head : QString(head.size(), u' ')) + QStringLiteral("norvelin-rtf ") + line + u'\n';
    return text;
}

// `text` in lines of at most 80 columns, each after `indent`.
QString wrapped(const QString& text, const QString& indent)
{
    QString result;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent.size() + line.size() + 1 + word.size() > 80) {
            result += indent + line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return result + indent + line + u'\n';
}

QStringList everySynopsis()
{
    QStringList lines;
    for (const Mode& mode : modes())
        lines += mode.synopsis;
    return lines;
}

} // namespace

QString usage()
{
    return usageOf(everySynopsis());
}

QString helpText()
{
    QString text = usageOf(everySynopsis() << QStringLiteral("--help")) + u'\n';
    for (const Mode& mode : modes()) {
        text += QStringLiteral("norvelin-rtf ") + mode.synopsis.constFirst() + u'\n';
        text += wrapped(mode.description, QStringLiteral("    ")) + u'\n';
    }
    text += QCoreApplication::translate("NorvelinRtf", "Options:") + u'\n';
    for (const QCommandLineOption& option : options()) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString head = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            head += QStringLiteral(" <") + option.valueName() + u'>';
        text += QStringLiteral("  ") + head.leftJustified(20) + u' ' + option.description() + u'\n';
    }
    text += u'\n' + QCoreApplication::translate("NorvelinRtf", "Exit status: 0 done, 1 a document could not be converted, 2 a usage error.") + u'\n';
    return text;
}

int usageError(const QString& message)
{
    if (!message.isEmpty())
        std::fprintf(stderr, "norvelin-rtf: %s\n", qPrintable(message));
    std::fputs(qPrintable(usage()), stderr);
    return 2;
}

int runCommandLine(const QStringList& arguments)
{
    QCommandLineParser line;
    const QList<QCommandLineOption> all = options();
    line.addOptions(all);
    if (!line.parse(arguments))
        return usageError(line.errorText());
    if (line.isSet(opt::help)) {
        std::fputs(helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    const QList<Mode> known = modes();
    auto mode = std::find_if(known.cbegin(), known.cend(),
                             [&line](const Mode& m) { return m.isAsked && m.isAsked(line); });
    if (mode == known.cend())
        mode = std::find_if(known.cbegin(), known.cend(), [](const Mode& m) { return !m.isAsked; });
    if (mode == known.cend())
        return usageError();
    for (const QCommandLineOption& option : all) {
        if (isSet(line, option) && !mode->options.contains(option.names().constFirst()))
            return usageError(QCoreApplication::translate("NorvelinRtf", "%1 cannot be used here").arg(spelled(option)));
    }
    return mode->run(line);
}

} // namespace rtf_tool
