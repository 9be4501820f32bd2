#include "recovery/autosave.h"

#include "recovery/document_snapshot.h"
#include "recovery/recovery_store.h"

#include <QTextDocument>

#include <algorithm>
#include <cerrno>
#include <utility>

#include <sys/resource.h>
#include <unistd.h>

namespace recovery {
namespace {

// Linux keeps a nice value per thread: the worker yields to the window's thread, and to the
// display server, when the cores are busy, and still runs.
void lowerThisThreadsPriority()
{
    static thread_local const bool lowered = [] {
        const pid_t thread = ::gettid();
        errno = 0;
        const int nice = ::getpriority(PRIO_PROCESS, id_t(thread));
        return errno == 0 && ::setpriority(PRIO_PROCESS, id_t(thread), std::min(nice + 10, 19)) == 0;
    }();
    (void)lowered;
}

} // namespace

Autosave::Autosave(RecoveryStore& store, Source source, QObject* parent)
    : Autosave(store, std::move(source), eventLoopClock(), parent)
{
}

Autosave::Autosave(RecoveryStore& store, Source source, Clock& clock, QObject* parent)
    : QObject(parent),
      store_(store),
      source_(std::move(source)),
      quiet_(clock.makeTimer([this] { writeInBackground(); })),
      latest_(clock.makeTimer([this] { writeInBackground(); }))
{
    worker_.setMaxThreadCount(1);
    nextSlice_.setSingleShot(true);
    nextSlice_.setInterval(0);
    connect(&nextSlice_, &QTimer::timeout, this, &Autosave::takeSlice);
}

Autosave::~Autosave()
{
    // The store outlives this object only as far as its owner says: finish with it now.
    worker_.waitForDone();
}

const QTextDocument* Autosave::document() const
{
    return source_.document ? source_.document() : nullptr;
}

void Autosave::documentChanged()
{
    due_ = true;
    quiet_->start(kQuietMs);
    if (!latest_->isActive())
        latest_->start(kLatestMs);
}

void Autosave::documentSettled()
{
    stopTaking();
    // A copy under way would land after the discard and outlive the save.
    waitForWorker();
    due_ = false;
    deferred_ = false;
    quiet_->stop();
    latest_->stop();
    store_.discard();
}

bool Autosave::settle(const std::optional<QString>& error)
{
    if (error) {
        due_ = true; // what the copy was to hold is still only in the window
        if (!failing_)
            emit failed(*error);
        failing_ = true;
        return false;
    }
    failing_ = false;
    return true;
}

bool Autosave::writeNow(bool always)
{
    stopTaking();
    waitForWorker();
    quiet_->stop();
    latest_->stop();
    if (!due_ && !always)
        return false;
    const QTextDocument* source = document();
    if (!source)
        return false;
    due_ = false;
    return settle(store_.write(*source, source_.originalPath ? source_.originalPath() : QString()));
}

void Autosave::writeInBackground()
{
    quiet_->stop();
    latest_->stop();
    if (!due_)
        return;
    if (working_) {
        // The copy under way is older than the document: take another once it is done.
        deferred_ = true;
        return;
    }
    if (taking_)
        return; // the snapshot under way takes in every change up to its last slice
    taking_ = true;
    takeSlice();
}

void Autosave::takeSlice()
{
    if (!taking_)
        return;
    const QTextDocument* source = document();
    if (!source) {
        taking_ = false;
        return;
    }
    mirror_.follow(source);
    if (!mirror_.fill(QDeadlineTimer(kSliceMs))) {
        nextSlice_.start();
        return;
    }
    startWorker();
}

void Autosave::stopTaking()
{
    taking_ = false;
    nextSlice_.stop();
}

void Autosave::startWorker()
{
    stopTaking();
    auto snapshot = std::make_shared<DocumentSnapshot>(mirror_.snapshot());
    const QString originalPath = source_.originalPath ? source_.originalPath() : QString();
    // The copy holds every change up to now; later ones make it due again.
    due_ = false;
    quiet_->stop();
    latest_->stop();
    working_ = true;
    worker_.start([this, snapshot = std::move(snapshot), originalPath]() mutable {
        lowerThisThreadsPriority();
        workerError_ = store_.write(*snapshot, originalPath);
        // Freed here, not while the window's thread waits for the worker to end.
        snapshot.reset();
        QMetaObject::invokeMethod(this, &Autosave::finishBackground, Qt::QueuedConnection);
    });
}

void Autosave::waitForWorker()
{
    if (taking_) {
        const QTextDocument* source = document();
        mirror_.follow(source);
        if (source && mirror_.fill())
            startWorker();
        else
            stopTaking();
    }
    finishBackground();
}

void Autosave::finishBackground()
{
    if (!working_)
        return;
    worker_.waitForDone();
    working_ = false;
    const std::optional<QString> error = std::exchange(workerError_, std::nullopt);
    if (settle(error))
        emit written();
    if (std::exchange(deferred_, false))
        QMetaObject::invokeMethod(this, &Autosave::writeInBackground, Qt::QueuedConnection);
}

} // namespace recovery
