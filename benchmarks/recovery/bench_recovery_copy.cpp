// Where the time of a recovery copy goes, for a document read from an RTF file: what the
// window's thread pays (a snapshot, or a whole clone for comparison) and what the worker
// pays (rebuilding, serializing, the synced write). Prints milliseconds; judges nothing.
//
//   bench_recovery_copy FILE.rtf [RUNS]

#include "recovery/document_snapshot.h"
#include "recovery/recovery_store.h"
#include "rtf/failure_text.h"
#include "rtf/rtf.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: bench_recovery_copy FILE.rtf [RUNS]\n", stderr);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    QTextDocument document;
    if (const auto error = rtf::loadFile(QString::fromLocal8Bit(argv[1]), document)) {
        std::fprintf(stderr, "%s\n", qPrintable(rtf::failureText(*error)));
        return 1;
    }
    std::printf("%s: %lld characters, %d paragraphs\n", argv[1], qlonglong(document.characterCount()),
                document.blockCount());

    const auto report = [](const char* what, double ms) { std::printf("  %-48s %9.1f ms\n", what, ms); };
    report("window's thread: snapshot", medianMs(runs, [&] { (void)recovery::DocumentSnapshot::of(document); }));
    report("window's thread: QTextDocument::clone() (for comparison)",
           medianMs(runs, [&] { delete document.clone(); }));
    report("window's thread: whole copy written there (before)", medianMs(runs, [&] {
               QTemporaryDir folder;
               recovery::RecoveryStore store(folder.path());
               (void)store.write(document, QString());
               store.discard();
           }));
    const recovery::DocumentSnapshot snapshot = recovery::DocumentSnapshot::of(document);
    report("worker: rebuild from the snapshot", medianMs(runs, [&] { (void)snapshot.rebuild(); }));
    report("worker: serialize", medianMs(runs, [&] { (void)rtf::write(document); }));
    report("worker: whole copy from the snapshot", medianMs(runs, [&] {
               QTemporaryDir folder;
               recovery::RecoveryStore store(folder.path());
               (void)store.write(snapshot, QString());
               store.discard();
           }));
    return 0;
}
