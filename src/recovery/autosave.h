#pragma once
// Writes the recovery copy of a changed document when the writer pauses: after a quiet
// moment (30 s without a change), and at the latest a few minutes after the first change
// that no copy holds yet, so that steady typing is covered too.

#include "recovery/clock.h"

#include <QObject>
#include <functional>
#include <memory>

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
    // Writes the copy now when one is due (or `always`); returns whether it was written.
    bool writeNow(bool always = false);

signals:
    // A copy could not be written; the reason names the cause. Reported once per run of
    // failures, so that a full disk does not bring a message every half minute.
    void failed(const QString& reason);

private:
    RecoveryStore& store_;
    Source source_;
    std::unique_ptr<Timer> quiet_;
    std::unique_ptr<Timer> latest_;
    bool due_ = false;
    bool failing_ = false;
};

} // namespace recovery
