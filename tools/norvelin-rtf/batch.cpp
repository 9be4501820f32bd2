#include "batch.h"

#include "rtf/failure_text.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace rtf_tool {
namespace {

QString suffixFor(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Text: return QStringLiteral("txt");
    case OutputFormat::Html: return QStringLiteral("html");
    case OutputFormat::Rtf: break;
    }
    return QStringLiteral("rtf");
}

// `relative` with its suffix replaced, below `outDir`.
QString outputPath(const QString& outDir, const QString& relative, OutputFormat format)
{
    const QFileInfo info(relative);
    const QString dir = info.path() == u"." ? QString() : info.path() + u'/';
    return QDir(outDir).absoluteFilePath(dir + info.completeBaseName() + u'.' + suffixFor(format));
}

bool isUnder(const QString& path, const QString& dir)
{
    return path.startsWith(dir + u'/');
}

QString usage()
{
    return QStringLiteral(
        "usage: norvelin-rtf [--unicode] --to txt|html|rtf -o OUTDIR [-j N] FILE|FOLDER...\n");
}

} // namespace

bool isBatchCommand(const QStringList& arguments)
{
    return arguments.contains(QLatin1String("--to")) || arguments.contains(QLatin1String("-o"));
}

QList<BatchItem> collectBatch(const QStringList& paths, const QString& outDir, OutputFormat format,
                              QList<BatchFailure>& failures)
{
    const QString outRoot = QFileInfo(outDir).absoluteFilePath();
    QList<BatchItem> items;
    QHash<QString, QString> claimed; // output -> the input that writes it
    const auto add = [&](const QString& input, const QString& relative) {
        const QString output = outputPath(outRoot, relative, format);
        const QString absoluteInput = QFileInfo(input).absoluteFilePath();
        if (output == absoluteInput) {
            failures.append({input, QStringLiteral("the output would replace the input")});
        } else if (const auto it = claimed.constFind(output); it != claimed.cend()) {
            failures.append({input, QStringLiteral("%1 is already written from %2")
                                        .arg(QDir::toNativeSeparators(output), *it)});
        } else {
            claimed.insert(output, input);
            items.append({input, output});
        }
    };
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            // Even a path that names nothing goes on: convert() gives the reason.
            add(path, info.fileName());
            continue;
        }
        const QDir root(info.absoluteFilePath());
        QStringList found;
        QDirIterator walk(root.path(), {QStringLiteral("*.rtf"), QStringLiteral("*.RTF")},
                          QDir::Files, QDirIterator::Subdirectories);
        while (walk.hasNext()) {
            const QString file = walk.next();
            // A second run must not take the first run's results for input.
            if (!isUnder(file, outRoot))
                found.append(file);
        }
        found.sort();
        for (const QString& file : found)
            add(QDir(path).filePath(root.relativeFilePath(file)), root.relativeFilePath(file));
    }
    return items;
}

BatchResult runBatch(const QList<BatchItem>& items, const ConversionOptions& options, int jobs)
{
    // Folders first, on one thread, so that workers never race to make the same one.
    for (const BatchItem& item : items)
        QDir().mkpath(QFileInfo(item.output).path());

    std::vector<std::optional<rtf::Failure>> errors(items.size());
    std::vector<int> unconverted(items.size(), 0);
    std::vector<QStringList> notices(items.size());
    std::atomic<qsizetype> next{0};
    const auto work = [&] {
        for (qsizetype i = next++; i < items.size(); i = next++)
            errors[i] = convert(items[i].input, items[i].output, options, &notices[i], &unconverted[i]);
    };
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, jobs));
    for (int worker = 1; worker < pool.maxThreadCount(); ++worker)
        pool.start(work);
    work();
    pool.waitForDone();

    BatchResult result;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (errors[i]) {
            result.failures.append({items[i].input, QString(), errors[i]});
            continue;
        }
        ++result.converted;
        for (const QString& notice : notices[i])
            result.notices.append({items[i].input, notice});
        result.unconverted += unconverted[i];
        if (unconverted[i] > 0)
            ++result.filesWithUnconverted;
    }
    return result;
}

QString batchSummary(const BatchResult& result)
{
    QString text = QStringLiteral("converted: %1\nfailed: %2\n").arg(result.converted).arg(result.failures.size());
    // The codec's sentence names the file already.
    for (const BatchFailure& failure : result.failures)
        text += QStringLiteral("  %1\n").arg(failure.failure ? rtf::failureText(*failure.failure)
                                                           : QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(failure.input),
                                                                                          failure.reason));
    if (!result.notices.isEmpty()) {
        text += QStringLiteral("converted with notices: %1\n").arg(result.notices.size());
        for (const BatchFailure& notice : result.notices)
            text += QStringLiteral("  %1\n").arg(notice.reason);
    }
    text += QStringLiteral("characters left unconverted: %1 (in %2 files)\n")
                .arg(result.unconverted)
                .arg(result.filesWithUnconverted);
    return text;
}

int runBatchCommand(const QStringList& arguments)
{
    ConversionOptions options;
    std::optional<OutputFormat> format;
    QString outDir;
    int jobs = QThread::idealThreadCount();
    QStringList paths;
    const auto fail = [](const QString& message) {
        std::fprintf(stderr, "norvelin-rtf: %s\n%s", qPrintable(message), qPrintable(usage()));
        return 2;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--unicode") {
            options.unicode = UnicodeMode::ToUnicode;
        } else if (argument == u"--to" && hasValue) {
            format = formatForPath(QStringLiteral("x.") + arguments[++i]);
            if (!format)
                return fail(QStringLiteral("--to takes txt, html or rtf"));
        } else if (argument == u"-o" && hasValue) {
            outDir = arguments[++i];
        } else if (argument == u"-j" && hasValue) {
            bool ok = false;
            jobs = arguments[++i].toInt(&ok);
            if (!ok || jobs < 1)
                return fail(QStringLiteral("-j takes a number of threads, 1 or more"));
        } else if (argument == u"--") {
            paths += arguments.mid(i + 1);
            break;
        } else if (argument.startsWith(u'-')) {
            return fail(QStringLiteral("%1: unknown option or missing value").arg(argument));
        } else {
            paths.append(argument);
        }
    }
    if (!format || outDir.isEmpty() || paths.isEmpty())
        return fail(QStringLiteral("a batch needs --to, -o and at least one file or folder"));
    if (options.unicode == UnicodeMode::ToUnicode && *format == OutputFormat::Rtf)
        return fail(QStringLiteral("--unicode writes txt or html"));
    if (!QDir().mkpath(outDir))
        return fail(QStringLiteral("%1: the output folder cannot be made").arg(outDir));
    options.format = *format;

    QList<BatchFailure> refused;
    const QList<BatchItem> items = collectBatch(paths, outDir, *format, refused);
    BatchResult result = runBatch(items, options, jobs);
    result.failures = refused + result.failures;
    const QString summary = batchSummary(result);
    std::fputs(summary.toUtf8().constData(), stdout);
    return result.failures.isEmpty() ? 0 : 1;
}

} // namespace rtf_tool
