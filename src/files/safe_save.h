#pragma once
// Saving that never leaves a file half written and keeps what the file was.
//
// A regular file is replaced by a complete new one: written under a short temporary name
// in its folder (so any name the file system allows can be saved, NAME_MAX long ones
// too), synced, given the old file's owner, group, mode, ACLs and extended attributes, then
// renamed over it. Where a new file would not do, the file is written in place instead:
// when it has other names (hard links), when its folder may not be written, and when the
// new file could not keep its owner, group or attributes. Writing in place first makes a
// checked copy of the old content (beside the file, else in the user's cache folder),
// reads the new content back, and puts the old content back when anything fails.
// A symbolic link is followed; folders, pipes, devices and sockets are never replaced.
//
// A temporary file left by a save that was killed is removed by the next save into the
// same folder (a save still running holds a lock on its own). Copies made for writing in
// place are kept when something went wrong: they may be the only whole old content.

#include "files/file_identity.h"
#include "files/save_failure.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace files {

struct SaveOutcome {
    bool inPlace = false;
    std::optional<FileIdentity> written; // the saved file as it stood right after the save
};

// Either `bytes` is complete under `path`, or the old file is left byte for byte as it
// was (a new file is not created) and the failure is returned.
std::optional<SaveFailure> safeSave(const QString& path, const QByteArray& bytes, SaveOutcome* outcome = nullptr);

} // namespace files
