#pragma once
// Spell checking for the editor, off the window's thread: one engine in a worker thread, loaded
// on the first request; verdicts kept here per distinct NQ word, so that repainting never
// waits. Unknown words are queued and answered in batches (verdictsChanged).

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThread>
#include <optional>

namespace spelling {

class SpellWorker;

class SpellService : public QObject {
    Q_OBJECT
public:
    SpellService(const QString& dictionaryFolder, const QString& personalPath,
                 QObject* parent = nullptr);
    ~SpellService() override;

    // True: accepted (or ignored, or nothing to check); false: flagged; empty: not known yet,
    // and now queued for the worker.
    std::optional<bool> verdict(const QString& nqWord);
    // Words that are not known yet, waiting for or being checked by the worker.
    bool isBusy() const { return !queued_.isEmpty() || !inFlight_.isEmpty(); }

    // Suggestions for `nqWord` come back through suggestionsReady.
    void requestSuggestions(const QString& nqWord);

    // For the rest of the run.
    void ignoreAll(const QString& nqWord);
    // Into the personal dictionary, with the noun endings; failures come back through failed.
    void addToDictionary(const QString& nqWord);

    // The message of a failed load (the checker then accepts every word), or empty.
    QString loadError() const { return loadError_; }

signals:
    void verdictsChanged();
    void suggestionsReady(const QString& nqWord, const QStringList& nqSuggestions);
    void failed(const QString& message);

private:
    void sendQueued();
    void takeVerdicts(const QHash<QString, bool>& verdicts);
    void takeAdded(const QString& nqWord, const QString& error);
    void takeLoadError(const QString& message);

    QThread thread_;
    SpellWorker* worker_ = nullptr;
    QHash<QString, bool> verdicts_;
    QSet<QString> ignored_;
    QStringList queued_;
    QSet<QString> queuedSet_;
    QSet<QString> inFlight_;
    bool sendPending_ = false;
    QString loadError_;
};

// The worker's side: owns the engine. Internal to SpellService; declared here for moc.
class SpellWorker : public QObject {
    Q_OBJECT
public:
    SpellWorker(const QString& dictionaryFolder, const QString& personalPath);
    ~SpellWorker() override;

public slots:
    void check(const QStringList& nqWords);
    void suggest(const QString& nqWord);
    void add(const QString& nqWord);

signals:
    void checked(const QHash<QString, bool>& verdicts);
    void suggested(const QString& nqWord, const QStringList& nqSuggestions);
    void added(const QString& nqWord, const QString& error);
    void loadFailed(const QString& message);

private:
    bool ensureLoaded();

    QString folder_;
    QString personalPath_;
    struct Loaded;
    Loaded* loaded_ = nullptr;
    bool tried_ = false;
};

} // namespace spelling
