#include "spell_service.h"

#include "nq_speller.h"
#include "spell_engine.h"

#include <QCoreApplication>
#include <QTimer>

#include <memory>

namespace spelling {

// Words sent to the worker at a time: small enough that suggestions asked for meanwhile wait
// little, large enough that a long document is checked in few round trips.
constexpr int kBatchSize = 2000;

struct SpellWorker::Loaded {
    std::unique_ptr<SpellEngine> engine;
    std::unique_ptr<NqSpeller> speller;
};

SpellWorker::SpellWorker(const QString& dictionaryFolder, const QString& personalPath)
    : folder_(dictionaryFolder), personalPath_(personalPath)
{
}

SpellWorker::~SpellWorker()
{
    delete loaded_;
}

bool SpellWorker::ensureLoaded()
{
    if (tried_)
        return loaded_ != nullptr;
    tried_ = true;
    QString error;
    auto engine = folder_.isEmpty() ? nullptr : SpellEngine::load(folder_, personalPath_, &error);
    if (!engine) {
        emit loadFailed(folder_.isEmpty()
            ? QCoreApplication::translate("Spelling", "The spelling dictionary was not found.")
            : QCoreApplication::translate("Spelling", "The spelling dictionary could not be read: %1").arg(error));
        return false;
    }
    loaded_ = new Loaded;
    loaded_->speller = std::make_unique<NqSpeller>(*engine);
    loaded_->engine = std::move(engine);
    return true;
}

void SpellWorker::check(const QStringList& nqWords)
{
    QHash<QString, bool> verdicts;
    const bool ready = ensureLoaded();
    for (const QString& word : nqWords)
        verdicts.insert(word, !ready || loaded_->speller->isCorrect(word));
    emit checked(verdicts);
}

void SpellWorker::suggest(const QString& nqWord)
{
    emit suggested(nqWord, ensureLoaded() ? loaded_->speller->suggestions(nqWord) : QStringList());
}

void SpellWorker::add(const QString& nqWord)
{
    QString error;
    if (ensureLoaded()) {
        const QString word = unicodeWordOf(nqWord);
        if (!word.isEmpty())
            loaded_->engine->addWord(word, true, &error);
        loaded_->speller->forget();
    }
    emit added(nqWord, error);
}

SpellService::SpellService(const QString& dictionaryFolder, const QString& personalPath,
                           QObject* parent)
    : QObject(parent), worker_(new SpellWorker(dictionaryFolder, personalPath))
{
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SpellWorker::checked, this, &SpellService::takeVerdicts);
    connect(worker_, &SpellWorker::suggested, this, &SpellService::suggestionsReady);
    connect(worker_, &SpellWorker::added, this, &SpellService::takeAdded);
    connect(worker_, &SpellWorker::loadFailed, this, &SpellService::takeLoadError);
    thread_.setObjectName(QStringLiteral("spelling"));
    thread_.start(QThread::LowPriority);
}

SpellService::~SpellService()
{
    thread_.quit();
    thread_.wait();
}

std::optional<bool> SpellService::verdict(const QString& nqWord)
{
    if (ignored_.contains(nqWord))
        return true;
    const auto known = verdicts_.constFind(nqWord);
    if (known != verdicts_.constEnd())
        return *known;
    if (!queuedSet_.contains(nqWord) && !inFlight_.contains(nqWord)) {
        queued_.append(nqWord);
        queuedSet_.insert(nqWord);
        if (!sendPending_) {
            sendPending_ = true;
            QTimer::singleShot(0, this, &SpellService::sendQueued);
        }
    }
    return std::nullopt;
}

void SpellService::sendQueued()
{
    sendPending_ = false;
    while (!queued_.isEmpty()) {
        const QStringList batch = queued_.mid(0, kBatchSize);
        queued_.remove(0, batch.size());
        for (const QString& word : batch) {
            queuedSet_.remove(word);
            inFlight_.insert(word);
        }
        QMetaObject::invokeMethod(worker_, [worker = worker_, batch] { worker->check(batch); },
                                  Qt::QueuedConnection);
    }
}

void SpellService::takeVerdicts(const QHash<QString, bool>& verdicts)
{
    for (auto it = verdicts.constBegin(); it != verdicts.constEnd(); ++it) {
        inFlight_.remove(it.key());
        verdicts_.insert(it.key(), it.value());
    }
    emit verdictsChanged();
}

void SpellService::requestSuggestions(const QString& nqWord)
{
    QMetaObject::invokeMethod(worker_, [worker = worker_, nqWord] { worker->suggest(nqWord); },
                              Qt::QueuedConnection);
}

void SpellService::ignoreAll(const QString& nqWord)
{
    ignored_.insert(nqWord);
    emit verdictsChanged();
}

void SpellService::addToDictionary(const QString& nqWord)
{
    // Shown as accepted at once; its other forms follow once the worker has added it.
    verdicts_.insert(nqWord, true);
    QMetaObject::invokeMethod(worker_, [worker = worker_, nqWord] { worker->add(nqWord); },
                              Qt::QueuedConnection);
    emit verdictsChanged();
}

void SpellService::takeAdded(const QString& nqWord, const QString& error)
{
    // Inflected forms of the new word may have been flagged: ask again for all.
    verdicts_.clear();
    verdicts_.insert(nqWord, true);
    if (!error.isEmpty())
        emit failed(QCoreApplication::translate("Spelling", "The word could not be saved: %1").arg(error));
    emit verdictsChanged();
}

void SpellService::takeLoadError(const QString& message)
{
    loadError_ = message;
    emit failed(message);
}

} // namespace spelling
