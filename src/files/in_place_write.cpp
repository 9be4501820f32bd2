#include "files/in_place_write.h"

#include "files/descriptor_io.h"
#include "files/temporary_files.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace files {
namespace {

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// A copy of `content` that reads back the same, beside the file when its folder may be
// written, else in the user's cache or temporary folder. 0 and its path, or the errno.
int makeBackup(const QByteArray& target, const QByteArray& content, QByteArray& backup)
{
    const QList<QByteArray> folders{
        folderOf(target),
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)),
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::TempLocation))};
    int error = EACCES;
    for (const QByteArray& folder : folders) {
        if (folder.isEmpty())
            continue;
        Descriptor file(createTemporary(folder, Temporary::Backup, 0600, backup));
        if (file.fd < 0) {
            error = errno;
            continue;
        }
        QByteArray check;
        error = writeAllAt(file.fd, content, 0);
        if (!error)
            error = syncFile(file.fd);
        if (!error)
            error = readAllAt(file.fd, check);
        if (!error && check != content)
            error = EIO;
        if (!error) {
            syncFolder(folder);
            return 0;
        }
        ::unlink(backup.constData());
    }
    backup.clear();
    return error;
}

// Writes `content` as the whole file and reads it back. 0 or the errno.
int replaceContent(int fd, const QByteArray& content)
{
    int error = writeAllAt(fd, content, 0);
    if (!error && ::ftruncate(fd, off_t(content.size())) != 0)
        error = errno;
    if (!error)
        error = syncFile(fd);
    QByteArray check;
    if (!error)
        error = readAllAt(fd, check);
    if (!error && check != content)
        error = EIO;
    return error;
}

} // namespace

std::optional<SaveFailure> writeInPlace(const QByteArray& target, const struct stat& expected,
                                        const QByteArray& bytes, SaveFailure refused)
{
    Descriptor file(::open(target.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd < 0) {
        refused.systemError = errno;
        return refused;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        return failureOf(SaveFailureKind::System, errno);
    if (!S_ISREG(info.st_mode) || info.st_dev != expected.st_dev || info.st_ino != expected.st_ino)
        return failureOf(SaveFailureKind::ReplacedMeanwhile);

    QByteArray old;
    QByteArray backup;
    if (const int error = readAllAt(file.fd, old))
        return failureOf(SaveFailureKind::NoBackup, error);
    if (const int error = makeBackup(target, old, backup))
        return failureOf(SaveFailureKind::NoBackup, error);
    const auto dropBackup = [&backup] {
        ::unlink(backup.constData());
        syncFolder(folderOf(backup));
    };

    // Space for the longer content first: a disk that is full fails here, with the old
    // content untouched.
    if (bytes.size() > old.size() && ::fallocate(file.fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0
        && errno != EOPNOTSUPP && errno != ENOSYS && errno != EINVAL) {
        const int error = errno;
        dropBackup();
        return failureOf(SaveFailureKind::System, error);
    }
    const int error = replaceContent(file.fd, bytes);
    if (!error) {
        dropBackup();
        return std::nullopt;
    }
    if (replaceContent(file.fd, old) != 0)
        return failureOf(SaveFailureKind::NotRestored, error, QFile::decodeName(backup));
    dropBackup();
    return failureOf(SaveFailureKind::System, error);
}

} // namespace files
