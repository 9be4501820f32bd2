#include "recovery/autosave.h"

#include "recovery/document_snapshot.h"
#include "recovery/recovery_store.h"

#include <QTextDocument>

#include <utility>

namespace recovery {

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
    const QTextDocument* source = document();
    if (!source)
        return;
    auto snapshot = std::make_shared<DocumentSnapshot>(DocumentSnapshot::of(*source));
    const QString originalPath = source_.originalPath ? source_.originalPath() : QString();
    // Changes from here on are not in this copy: they make it due again.
    due_ = false;
    working_ = true;
    worker_.start([this, snapshot, originalPath] {
        workerError_ = store_.write(*snapshot, originalPath);
        QMetaObject::invokeMethod(this, &Autosave::finishBackground, Qt::QueuedConnection);
    });
}

void Autosave::waitForWorker()
{
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
