// Where the time of a recovery copy goes, for a document read from an RTF file: what the
// window's thread pays (a snapshot from the paragraph copy kept current: its first filling
// in slices, then after a typed key; a whole walk or a clone for comparison) and what the
// worker pays (rebuilding, serializing, the synced write). Prints milliseconds and the
// memory the paragraph copy holds; judges nothing.
//
//   bench_recovery_copy FILE.rtf [RUNS]

#include "recovery/autosave.h"
#include "recovery/document_snapshot.h"
#include "recovery/paragraph_mirror.h"
#include "recovery/recovery_store.h"
#include "rtf/failure_text.h"
#include "rtf/rtf.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QFile>
#include <QTextCursor>
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

// Resident memory of this process, in MiB.
double residentMib()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / 1048576 : 0;
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

    const auto report = [](const char* what, double ms) { std::printf("  %-58s %9.1f ms\n", what, ms); };
    {
        // The autosave's own way: slices of at most kSliceMs, events between them.
        (void)document.documentLayout();
        const double before = residentMib();
        recovery::ParagraphMirror mirror;
        mirror.follow(&document);
        int slices = 0;
        double longest = 0;
        QElapsedTimer whole;
        whole.start();
        for (bool complete = false; !complete; ++slices) {
            QElapsedTimer slice;
            slice.start();
            complete = mirror.fill(QDeadlineTimer(recovery::Autosave::kSliceMs));
            longest = std::max(longest, double(slice.nsecsElapsed()) / 1e6);
        }
        report("window's thread: first paragraph copy, all slices", double(whole.nsecsElapsed()) / 1e6);
        std::printf("  %-58s %9d, the longest %.1f ms\n", "  in slices", slices, longest);
        std::printf("  %-58s %9.0f MiB\n", "  memory the paragraph copy holds", residentMib() - before);
        QTextCursor cursor(&document);
        cursor.setPosition(document.characterCount() / 2);
        std::vector<double> afterKey;
        for (int i = 0; i < runs; ++i) {
            cursor.insertText(QStringLiteral("k"));
            QElapsedTimer timer;
            timer.start();
            mirror.fill();
            (void)mirror.snapshot();
            afterKey.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(afterKey.begin(), afterKey.end());
        report("window's thread: snapshot after a typed key", afterKey[afterKey.size() / 2]);
        for (int i = 0; i < runs; ++i)
            cursor.deletePreviousChar();
    }
    report("window's thread: snapshot by a whole walk (before)",
           medianMs(runs, [&] { (void)recovery::DocumentSnapshot::of(document); }));
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
