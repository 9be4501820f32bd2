#pragma once
// The hidden files a save makes beside a document: fixed short names (never near NAME_MAX,
// however long the document's name), created exclusively, and locked while in use.

#include <QByteArray>

namespace files {

enum class Temporary { Save, Backup };

// Creates a new file of that kind in `folder` with `mode`, locked: its fd, or -1 with errno
// set. `name` receives its path.
int createTemporary(const QByteArray& folder, Temporary kind, mode_t mode, QByteArray& name);

bool isTemporaryName(const QByteArray& name);

// Removes the save temporaries in `folder` that this user's killed saves left: those no
// running save holds locked. Backups are never removed here.
void removeLeftovers(const QByteArray& folder);

} // namespace files
