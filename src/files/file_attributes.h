#pragma once
// Owner, group, mode, ACLs and extended attributes: what a new file needs to stand in for
// an old one. ACLs travel as the extended attribute the kernel keeps them in.

#include <QByteArray>
#include <QStringList>

#include <sys/stat.h>

namespace files {

// Gives the open file `to` the owner, group, mode and extended attributes of the file at
// `from` (whose status is `old`), as far as the user may. Returns what could not be kept
// ("owner", "group", "mode", or an attribute's name); empty when everything was.
// Security labels are left to the system's policy.
QStringList copyAttributes(const QByteArray& from, const struct stat& old, int to);

} // namespace files
