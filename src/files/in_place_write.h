#pragma once
// Writing a regular file in place, for the files that cannot be replaced by a new one.

#include "files/save_failure.h"

#include <QByteArray>
#include <optional>

#include <sys/stat.h>

namespace files {

// Writes `bytes` over the file at `target`, which stood as `expected` when it was chosen:
// copies the old content to a checked backup, writes, syncs and reads the new content back.
// On failure the old content is put back and the backup removed; when that fails too, the
// backup is kept and named. `refused` is the failure to report when the file cannot be
// opened for writing (why a new file was not made), with the system's errno filled in.
std::optional<SaveFailure> writeInPlace(const QByteArray& target, const struct stat& expected,
                                        const QByteArray& bytes, SaveFailure refused);

} // namespace files
