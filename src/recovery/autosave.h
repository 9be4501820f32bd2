#pragma once
// Writes the recovery copy of a changed document when the writer pauses: after a quiet
// moment (30 s without a change), and at the latest a few minutes after the first change
// that no copy holds yet, so that steady typing is covered too. On the timers the window's
// thread only takes a snapshot; a worker serializes and syncs it, so a long document does
// not stop the typing.

#include "recovery/clock.h"

#include <QObject>
#include <QThreadPool>
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
    // Starts writing the copy on the worker when one is due; what the timers do.
    void writeInBackground();
    // Waits for a copy under way on the worker, if any.
    void waitForWorker();

signals:
    // A copy could not be written; the reason names the cause. Reported once per run of
    // failures, so that a full disk does not bring a message every half minute.
    void failed(const QString& reason);
    // A copy written on the worker is complete.
    void written();

private:
    const QTextDocument* document() const;
    void finishBackground();
    bool settle(const std::optional<QString>& error);

    RecoveryStore& store_;
    Source source_;
    std::unique_ptr<Timer> quiet_;
    std::unique_ptr<Timer> latest_;
    bool due_ = false;
    bool failing_ = false;
    // One worker, so that copies land in the order they were taken.
    QThreadPool worker_;
    bool working_ = false;
    bool deferred_ = false; // a copy fell due while one was under way
    std::optional<QString> workerError_; // set by the worker, read once it is done
};

} // namespace recovery
