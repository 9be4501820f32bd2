#include "recovery/autosave.h"

#include "recovery/recovery_store.h"

#include <QTextDocument>

namespace recovery {

Autosave::Autosave(RecoveryStore& store, Source source, QObject* parent)
    : Autosave(store, std::move(source), eventLoopClock(), parent)
{
}

Autosave::Autosave(RecoveryStore& store, Source source, Clock& clock, QObject* parent)
    : QObject(parent),
      store_(store),
      source_(std::move(source)),
      quiet_(clock.makeTimer([this] { writeNow(); })),
      latest_(clock.makeTimer([this] { writeNow(); }))
{
}

Autosave::~Autosave() = default;

void Autosave::documentChanged()
{
    due_ = true;
    quiet_->start(kQuietMs);
    if (!latest_->isActive())
        latest_->start(kLatestMs);
}

void Autosave::documentSettled()
{
    due_ = false;
    quiet_->stop();
    latest_->stop();
    store_.discard();
}

bool Autosave::writeNow(bool always)
{
    quiet_->stop();
    latest_->stop();
    if (!due_ && !always)
        return false;
    const QTextDocument* document = source_.document ? source_.document() : nullptr;
    if (!document)
        return false;
    if (const auto error = store_.write(*document, source_.originalPath ? source_.originalPath() : QString())) {
        if (!failing_)
            emit failed(*error);
        failing_ = true;
        return false;
    }
    failing_ = false;
    due_ = false;
    return true;
}

} // namespace recovery
