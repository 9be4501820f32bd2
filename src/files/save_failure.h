#pragma once
// Why a save did not happen, as a value: what went wrong and the facts a sentence about it
// needs. describe() gives the sentence; it never names the file saved to, which the caller
// puts first.

#include <QString>
#include <QtGlobal>

namespace files {

enum class SaveFailureKind {
    System,            // the system refused a step: systemError
    // The name holds something that is never replaced by a file.
    Folder,
    NamedPipe,
    Device,
    Socket,
    NotRegularFile,
    DanglingLink,      // a symbolic link to nothing: detail is where it points
    AmbiguousName,     // not valid UTF-8, and several names in its folder read the same
    // A new file in its place would lose something, and writing it in place was refused
    // (systemError says why).
    LinksNotWritable,  // links: how many names the file has
    AttributesNotKept, // detail: what a new file would lose (owner, group, attributes)
    // Writing in place.
    NoBackup,          // the checked copy of the old content could not be made: systemError
    ReplacedMeanwhile, // another file took the name while it was saved
    NotRestored,       // the write failed (systemError) and the old content could not be
                       // put back: detail is the backup that holds it
};

struct SaveFailure {
    SaveFailureKind kind = SaveFailureKind::System;
    int systemError = 0;
    QString detail;
    qint64 links = 0;
    bool operator==(const SaveFailure&) const = default;
};

inline SaveFailure failureOf(SaveFailureKind kind, int systemError = 0, const QString& detail = {}, qint64 links = 0)
{
    SaveFailure failure;
    failure.kind = kind;
    failure.systemError = systemError;
    failure.detail = detail;
    failure.links = links;
    return failure;
}

// The reason, as a clause that follows "…: cannot be written: ".
QString describe(const SaveFailure& failure);

} // namespace files
