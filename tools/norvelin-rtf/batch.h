#pragma once
// Many files in one call: norvelin-rtf [--unicode] --to txt|html|rtf -o OUTDIR [-j N] PATH...
// Each file goes through the same convert() as a single conversion, on a pool of threads;
// a bad file is reported and the others go on.

#include "conversion.h"

#include "rtf/failure.h"

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace rtf_tool {

// One document to convert and where its result goes.
struct BatchItem {
    QString input;
    QString output;
};

struct BatchFailure {
    QString input;
    QString reason;                       // the batch's own reason, when `failure` is empty
    std::optional<rtf::Failure> failure;  // why the codec could not convert it
};

struct BatchResult {
    int converted = 0;
    QList<BatchFailure> failures; // in the order of the inputs
    QList<BatchFailure> notices;  // converted, but with something to know (a file cut short)
    qint64 unconverted = 0;       // characters the Unicode bridge had no counterpart for
    int filesWithUnconverted = 0;
};

// Files given by name, and the .rtf files below each folder (recursively, in name order),
// each with its output in `outDir`: a file by its own name, a folder's files by their path
// below it. Paths that name nothing and outputs claimed twice become failures.
QList<BatchItem> collectBatch(const QStringList& paths, const QString& outDir, OutputFormat format,
                              QList<BatchFailure>& failures);

// Converts every item with `jobs` threads.
BatchResult runBatch(const QList<BatchItem>& items, const ConversionOptions& options, int jobs);

// converted, failed with reasons, characters left unconverted.
QString batchSummary(const BatchResult& result);

// The whole batch command (--to, -o, -j and --unicode read from `line`): converts and
// prints the summary. Returns the exit status: 0 all converted, 1 some failed, 2 usage.
int runBatchCommand(const QCommandLineParser& line);

} // namespace rtf_tool
