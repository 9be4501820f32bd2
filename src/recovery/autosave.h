#pragma once
// Writes the recovery copy of a changed document when the writer pauses: after a quiet
// moment (30 s without a change), and at the latest a few minutes after the first change
// that no copy holds yet, so that steady typing is covered too. On the timers the window's
// thread only takes a snapshot, from a copy of the document kept paragraph by paragraph
// (what changed since the last snapshot is copied again, in slices of a few milliseconds
// between events); a worker serializes and syncs it, so a long document does not stop the
// typing.

#include "recovery/clock.h"
#include "recovery/paragraph_mirror.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QTextDocument;

namespace recovery {

class RecoveryStore;

class Autosave : public QObject {
    Q_OBJECT
public:
    struct Source {
        std::function<const QTextDocument*()> document;
        std::function<QString()> originalPath; // the document's own file, or empty
    };

    static constexpr int kQuietMs = 30'000;
    static constexpr int kLatestMs = 180'000;
    // The most a slice of the snapshot takes on the window's thread, before events run.
    static constexpr int kSliceMs = 8;

    Autosave(RecoveryStore& store, Source source, QObject* parent = nullptr);
    Autosave(RecoveryStore& store, Source source, Clock& clock, QObject* parent = nullptr);
    ~Autosave() override;

    // The document changed: a copy follows after a quiet moment.
    void documentChanged();
    // The document was saved, or replaced on purpose: the copy goes and nothing is due.
    void documentSettled();
    // Writes the copy now, on this thread, when one is due (or `always`), after any copy
    // under way on the worker; returns whether it was written. For the moments when the
    // copy must be there before going on (the program is about to end).
    bool writeNow(bool always = false);
    // Starts a copy when one is due: the snapshot in slices on this thread, then the writing
    // on the worker. What the timers do.
    void writeInBackground();
    // Waits for a copy under way, if any: takes the rest of its snapshot at once, then waits
    // for the worker.
    void waitForWorker();
    // Whether a snapshot is being taken in slices now.
    bool takingSnapshot() const { return taking_; }

signals:
    // A copy could not be written; the reason names the cause. Reported once per run of
    // failures, so that a full disk does not bring a message every half minute.
    void failed(const QString& reason);
    // A copy written on the worker is complete.
    void written();

private:
    const QTextDocument* document() const;
    void takeSlice();
    void stopTaking();
    void startWorker();
    void finishBackground();
    bool settle(const std::optional<QString>& error);

    RecoveryStore& store_;
    Source source_;
    std::unique_ptr<Timer> quiet_;
    std::unique_ptr<Timer> latest_;
    bool due_ = false;
    bool failing_ = false;
    ParagraphMirror mirror_;
    QTimer nextSlice_;
    bool taking_ = false; // a snapshot is being taken in slices
    // One worker, so that copies land in the order they were taken.
    QThreadPool worker_;
    bool working_ = false;
    bool deferred_ = false; // a copy fell due while one was under way
    std::optional<QString> workerError_; // set by the worker, read once it is done
};

} // namespace recovery
