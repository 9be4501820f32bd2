#include "batch.h"

#include "command_line.h"

#include <QCoreApplication>
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
    case OutputFormat::Pdf: return QStringLiteral("pdf");
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

} // namespace

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
            failures.append({input, QCoreApplication::translate("NorvelinRtf", "the output would replace the input")});
        } else if (const auto it = claimed.constFind(output); it != claimed.cend()) {
            failures.append({input, QCoreApplication::translate("NorvelinRtf", "%1 is already written from %2")
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

    std::vector<std::optional<QString>> errors(items.size());
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
            result.failures.append({items[i].input, *errors[i]});
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
    for (const BatchFailure& failure : result.failures)
        text += QStringLiteral("  %1: %2\n").arg(QDir::toNativeSeparators(failure.input), failure.reason);
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

int runBatchCommand(const QCommandLineParser& line)
{
    ConversionOptions options;
    if (line.isSet(opt::unicode))
        options.unicode = UnicodeMode::ToUnicode;
    const QString outDir = line.value(opt::outDir);
    const QStringList paths = line.positionalArguments();
    if (!line.isSet(opt::to) || outDir.isEmpty() || paths.isEmpty()) {
        return usageError(
            QCoreApplication::translate("NorvelinRtf", "a batch needs --to, -o and at least one file or folder"));
    }
    const auto format = formatForPath(QStringLiteral("x.") + line.value(opt::to));
    if (!format)
        return usageError(QCoreApplication::translate("NorvelinRtf", "--to takes txt, html, rtf or pdf"));
    int jobs = QThread::idealThreadCount();
    if (line.isSet(opt::jobs)) {
        bool ok = false;
        jobs = line.value(opt::jobs).toInt(&ok);
        if (!ok || jobs < 1)
            return usageError(QCoreApplication::translate("NorvelinRtf", "-j takes a number of threads, 1 or more"));
    }
    if (options.unicode == UnicodeMode::ToUnicode && *format != OutputFormat::Text && *format != OutputFormat::Html)
        return usageError(QCoreApplication::translate("NorvelinRtf", "--unicode writes txt or html"));
    if (!QDir().mkpath(outDir))
        return usageError(QCoreApplication::translate("NorvelinRtf", "%1: the output folder cannot be made").arg(outDir));
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
