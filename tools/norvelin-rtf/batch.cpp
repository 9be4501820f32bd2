#include "batch.h"

#include "batch_inputs.h"
#include "command_line.h"
#include "rtf/failure_text.h"

#include <QCoreApplication>
#include <QDir>
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

} // namespace

BatchPlan planBatch(const QStringList& paths, const QString& outDir, OutputFormat format)
{
    BatchPlan plan;
    QList<FoundDocument> found;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir()) {
            QList<InputProblem> problems;
            findDocuments(path, found, problems);
            for (const InputProblem& problem : std::as_const(problems))
                plan.failures.append({problem.path, problem.reason});
        } else {
            // Even a path that names nothing goes on: convert() gives the reason.
            found.append({path, QFileInfo(path).fileName()});
        }
    }

    // Every input, by where it lies and by what it is, so that no result lands on one:
    // whatever the output folder holds may be a document of this batch, not an old result.
    QHash<QString, QString> inputAt;        // place -> input
    QHash<QPair<quint64, quint64>, QString> inputIs; // device, inode -> input
    for (const FoundDocument& document : std::as_const(found)) {
        inputAt.insert(placeOf(document.path), document.path);
        if (const auto identity = identityOf(document.path))
            inputIs.insert({quint64(identity->device), quint64(identity->inode)}, document.path);
    }

    const QString outRoot = QFileInfo(outDir).absoluteFilePath();
    QHash<QString, QString> claimed; // place of an output -> the input that writes it
    for (const FoundDocument& document : std::as_const(found)) {
        const QString output = outputPath(outRoot, document.relative, format);
        const QString place = placeOf(output);
        QString replaced = inputAt.value(place);
        if (const auto identity = replaced.isEmpty() ? identityOf(output) : std::nullopt)
            replaced = inputIs.value({quint64(identity->device), quint64(identity->inode)});
        if (!replaced.isEmpty()) {
            const QString reason = replaced == document.path
                ? QCoreApplication::translate("NorvelinRtf", "the output would replace the input")
                : QCoreApplication::translate("NorvelinRtf", "the output %1 would replace %2, an input of this batch")
                      .arg(QDir::toNativeSeparators(output), QDir::toNativeSeparators(replaced));
            plan.conflicts.append({document.path, reason});
        } else if (const auto it = claimed.constFind(place); it != claimed.cend()) {
            plan.failures.append({document.path, QCoreApplication::translate("NorvelinRtf", "%1 is already written from %2")
                                                      .arg(QDir::toNativeSeparators(output), *it)});
        } else {
            claimed.insert(place, document.path);
            plan.items.append({document.path, output});
        }
    }
    return plan;
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
    options.format = *format;

    // Checked before anything is made or written: a conflict stops the whole batch.
    const BatchPlan plan = planBatch(paths, outDir, *format);
    if (!plan.conflicts.isEmpty()) {
        BatchResult refused;
        refused.failures = plan.conflicts;
        std::fputs(batchSummary(refused).toUtf8().constData(), stdout);
        std::fputs(qPrintable(QCoreApplication::translate(
                       "NorvelinRtf", "norvelin-rtf: nothing was written: results would replace documents of "
                                      "this batch; choose an output folder outside the inputs\n")),
                   stderr);
        return 1;
    }
    if (!QDir().mkpath(outDir))
        return usageError(QCoreApplication::translate("NorvelinRtf", "%1: the output folder cannot be made").arg(outDir));

    BatchResult result = runBatch(plan.items, options, jobs);
    result.failures = plan.failures + result.failures;
    const QString summary = batchSummary(result);
    std::fputs(summary.toUtf8().constData(), stdout);
    return result.failures.isEmpty() ? 0 : 1;
}

} // namespace rtf_tool
