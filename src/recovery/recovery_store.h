#pragma once
// Recovery copies of the open document, so that a crash or a power cut loses at most the
// last moments of typing. Each running program keeps its copy under a name of its own in
// $XDG_STATE_HOME/norvelin/ (default ~/.local/state/norvelin/), held by a lock file while
// it runs: a copy whose lock no live program holds was left by one that ended abnormally.
// Copies never go near the user's own files.

#include <QDateTime>
#include <QList>
#include <QString>
#include <atomic>
#include <memory>
#include <optional>

class QLockFile;
class QTextDocument;

namespace recovery {

class DocumentSnapshot;

// $XDG_STATE_HOME/norvelin, or ~/.local/state/norvelin when the variable is unset or relative.
QString defaultFolder();

// A copy that a program which did not end normally left behind.
struct LeftCopy {
    QString id;
    QString rtfPath;       // the copy itself, an RTF file
    QString originalPath;  // the document's own file then; empty for an unsaved document
    QDateTime written;
};

// A left copy this program holds while it offers it: its lock is taken, so no other start
// offers the same copy meanwhile. Dropping the claim leaves the copy for a later start.
class ClaimedCopy {
public:
    ClaimedCopy(LeftCopy copy, std::unique_ptr<QLockFile> lock);
    ~ClaimedCopy();
    ClaimedCopy(const ClaimedCopy&) = delete;
    ClaimedCopy& operator=(const ClaimedCopy&) = delete;

    const LeftCopy& copy() const { return copy_; }
    // Removes the copy (restored, or declined); the claim ends with it.
    void remove();

private:
    LeftCopy copy_;
    std::unique_ptr<QLockFile> lock_;
};

class RecoveryStore {
public:
    explicit RecoveryStore(QString folder = defaultFolder());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    QString folder() const { return folder_; }

    // Writes this program's copy of `document` atomically: the previous copy stays whole
    // until the new one is complete. The message names the cause on failure.
    std::optional<QString> write(const QTextDocument& document, const QString& originalPath);
    // The same from a snapshot; may run on a worker thread while no other call of this
    // store runs.
    std::optional<QString> write(const DocumentSnapshot& snapshot, const QString& originalPath);

    // Removes this program's copy: the document was saved, or deliberately given up.
    void discard();
    bool hasCopy() const;

    // Copies left by programs that no longer run, newest first. Never this program's own.
    QList<LeftCopy> leftCopies() const;
    // Removes a left copy (after it was restored, or the user declined it).
    void remove(const LeftCopy& copy) const;
    // The newest left copy that no other program holds, held for this one; null when none.
    std::unique_ptr<ClaimedCopy> claimLeftCopy() const;

private:
    // What the files of the copy `id` say: where it lies, the document's recorded path
    // (checked: one clean absolute path, else none), when it was written.
    LeftCopy leftCopy(const QString& id) const;
    bool ensureSession();
    std::optional<QString> writeWith(const QByteArray& rtfBytes, const QString& originalPath);
    QString pathOf(const QString& id, const char* suffix) const;

    QString folder_;
    QString id_;
    std::unique_ptr<QLockFile> lock_;
    std::atomic<bool> written_ = false;
};

} // namespace recovery
