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

struct BatchPlan {
    QList<BatchItem> items;
    QList<BatchFailure> failures;  // cannot be converted; the others go on
    QList<BatchFailure> conflicts; // results that would replace an input: nothing may be written
};

// Files given by name, and every .rtf below each folder (batch_inputs.h), each with its
// output in `outDir`: a file by its own name, a folder's files by their path below it.
// Outputs claimed twice become failures; outputs that would land on any input, by path
// or by identity, become conflicts.
BatchPlan planBatch(const QStringList& paths, const QString& outDir, OutputFormat format);

// Converts every item with `jobs` threads.
BatchResult runBatch(const QList<BatchItem>& items, const ConversionOptions& options, int jobs);

// converted, failed with reasons, characters left unconverted.
QString batchSummary(const BatchResult& result);

// The whole batch command (--to, -o, -j and --unicode read from `line`): converts and
// prints the summary. Returns the exit status: 0 all converted, 1 some failed, 2 usage.
int runBatchCommand(const QCommandLineParser& line);

} // namespace rtf_tool
