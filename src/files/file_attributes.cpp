#include "files/file_attributes.h"

#include <cerrno>
#include <cstring>

#include <sys/xattr.h>
#include <unistd.h>

namespace files {
namespace {

constexpr const char* kAccessAcl = "system.posix_acl_access";

// The names of the extended attributes of `path`, or nothing when they cannot be listed
// (a file system without them lists none).
QList<QByteArray> attributeNames(const QByteArray& path, bool* failed)
{
    *failed = false;
    QByteArray names;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::listxattr(path.constData(), nullptr, 0);
        if (size < 0) {
            *failed = errno != ENOTSUP;
            return {};
        }
        names.resize(size);
        const ssize_t got = size == 0 ? 0 : ::listxattr(path.constData(), names.data(), size_t(size));
        if (got >= 0) {
            names.truncate(got);
            break;
        }
        if (errno != ERANGE) { // ERANGE: the list grew meanwhile
            *failed = true;
            return {};
        }
    }
    QList<QByteArray> result;
    for (const QByteArray& name : names.split('\0'))
        if (!name.isEmpty())
            result.append(name);
    return result;
}

bool readAttribute(const QByteArray& path, const QByteArray& name, QByteArray& value)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::getxattr(path.constData(), name.constData(), nullptr, 0);
        if (size < 0)
            return false;
        value.resize(size);
        const ssize_t got = size == 0 ? 0 : ::getxattr(path.constData(), name.constData(), value.data(), size_t(size));
        if (got >= 0) {
            value.truncate(got);
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
    return false;
}

} // namespace

QStringList copyAttributes(const QByteArray& from, const struct stat& old, int to)
{
    QStringList lost;
    struct stat now {};
    if (::fstat(to, &now) != 0)
        return {QStringLiteral("owner"), QStringLiteral("group"), QStringLiteral("mode")};
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
        // Only root gives a file away; a user may still give it one of their groups.
        if (::fchown(to, old.st_uid, old.st_gid) != 0 && ::fchown(to, uid_t(-1), old.st_gid) != 0)
            lost << QStringLiteral("group");
        if (::fstat(to, &now) == 0 && now.st_uid != old.st_uid)
            lost.prepend(QStringLiteral("owner"));
    }

    bool unlisted = false;
    const QList<QByteArray> names = attributeNames(from, &unlisted);
    if (unlisted)
        lost << QStringLiteral("extended attributes");
    // A folder's default ACL may have given the new file an ACL the old one did not have.
    if (!unlisted && !names.contains(QByteArray(kAccessAcl)))
        ::fremovexattr(to, kAccessAcl);
    // Set after the owner: a change of owner clears the set-user-ID and set-group-ID bits.
    if (::fchmod(to, old.st_mode & 07777) != 0)
        lost << QStringLiteral("mode");
    for (const QByteArray& name : names) {
        if (name.startsWith("security."))
            continue;
        QByteArray value;
        if (!readAttribute(from, name, value)
            || ::fsetxattr(to, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            lost << QString::fromUtf8(name);
    }
    return lost;
}

} // namespace files
