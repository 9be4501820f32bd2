#pragma once
// What a batch reads and where its results may go, by the file system's own identities
// (device and inode, resolved folders), never by comparing path strings: a folder reached
// through a symbolic link, or a file with two hard links, is one thing under two names.

#include <QList>
#include <QString>

#include <optional>
#include <sys/types.h>

namespace rtf_tool {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// What `path` names, following symbolic links; empty when it names nothing.
std::optional<FileIdentity> identityOf(const QString& path);

// Where a write to `path` lands: the folders resolved (symbolic links, "..") as far as they
// exist, the rest of the path and the final name as given. Two paths with the same place
// are written through the same directory entry.
QString placeOf(const QString& path);

struct FoundDocument {
    QString path;     // as the batch opens it: the folder as given, then the names below it
    QString relative; // below the folder walked
};

struct InputProblem {
    QString path;
    QString reason;
};

// Every .rtf below `folder` (any case of the suffix): hidden files and folders too, and
// folders reached through symbolic links, each entered once along a chain so that a link
// back up ends. In name order. What cannot be walked or named is a problem with its reason:
// a folder that cannot be read, a name that is not valid UTF-8 (which cannot be passed on).
// Anything named .rtf that is not a folder is found, whatever it is: the conversion says
// why a link to nothing, or a pipe, cannot be read.
void findDocuments(const QString& folder, QList<FoundDocument>& documents, QList<InputProblem>& problems);

} // namespace rtf_tool
