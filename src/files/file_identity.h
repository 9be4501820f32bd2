#pragma once
// What tells one state of a file from another: which file it is (device and inode) and
// what it last held (size and modification time). A program that saves over the file,
// in place or by replacing it, changes at least one of them.

#include <QString>
#include <QtGlobal>
#include <optional>

struct stat;

namespace files {

struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file `path` names (links followed), or nothing when there is none.
std::optional<FileIdentity> identityOf(const QString& path);
FileIdentity identityFrom(const struct stat& info);

} // namespace files
