#include "files/safe_save.h"

#include "files/descriptor_io.h"
#include "files/file_attributes.h"
#include "files/in_place_write.h"
#include "files/native_path.h"
#include "files/temporary_files.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace files {
namespace {

std::optional<SaveFailureKind> neverReplaced(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return SaveFailureKind::Folder;
    if (S_ISFIFO(mode))
        return SaveFailureKind::NamedPipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return SaveFailureKind::Device;
    if (S_ISSOCK(mode))
        return SaveFailureKind::Socket;
    return SaveFailureKind::NotRegularFile;
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray linkTarget(const QByteArray& link)
{
    QByteArray target(PATH_MAX, '\0');
    const ssize_t size = ::readlink(link.constData(), target.data(), size_t(target.size()));
    return size < 0 ? QByteArray() : target.left(size);
}

// The file a name stands for: a symbolic link is followed to its end, so that the link
// stays and the file it points to is saved.
std::optional<SaveFailure> resolve(QByteArray& target, struct stat& info, bool& exists)
{
    exists = false;
    if (::lstat(target.constData(), &info) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        return failureOf(SaveFailureKind::System, errno);
    }
    if (S_ISLNK(info.st_mode)) {
        char* real = ::realpath(target.constData(), nullptr);
        if (!real) {
            if (errno == ENOENT)
                return failureOf(SaveFailureKind::DanglingLink, 0, QFile::decodeName(linkTarget(target)));
            return failureOf(SaveFailureKind::System, errno);
        }
        target = QByteArray(real);
        std::free(real);
        if (::lstat(target.constData(), &info) != 0)
            return failureOf(SaveFailureKind::System, errno);
    }
    if (const auto kind = neverReplaced(info.st_mode))
        return failureOf(*kind);
    exists = true;
    return std::nullopt;
}

} // namespace

std::optional<SaveFailure> safeSave(const QString& path, const QByteArray& bytes, SaveOutcome* outcome)
{
    if (outcome)
        *outcome = SaveOutcome{};
    const NativePath native = nativePath(path);
    if (native.ambiguous)
        return failureOf(SaveFailureKind::AmbiguousName);
    QByteArray target = native.bytes;
    struct stat old {};
    bool exists = false;
    if (auto failure = resolve(target, old, exists))
        return failure;
    const QByteArray folder = folderOf(target);
    const auto done = [&](bool inPlace) {
        struct stat written {};
        if (outcome) {
            outcome->inPlace = inPlace;
            if (::stat(target.constData(), &written) == 0)
                outcome->written = identityFrom(written);
        }
        return std::optional<SaveFailure>();
    };
    const auto inPlace = [&](SaveFailure refused) -> std::optional<SaveFailure> {
        if (auto failure = writeInPlace(target, old, bytes, refused))
            return failure;
        return done(true);
    };

    // Another name would keep the old content if a new file took this one's place.
    if (exists && old.st_nlink > 1)
        return inPlace(failureOf(SaveFailureKind::LinksNotWritable, 0, QString(), qint64(old.st_nlink)));

    removeLeftovers(folder);
    QByteArray temporary;
    // A new file gets the mode the user's umask gives; a replacement the old file's, once
    // its owner is set.
    Descriptor file(createTemporary(folder, Temporary::Save, exists ? 0600 : 0666, temporary));
    if (file.fd < 0) {
        const int error = errno;
        // A folder the user may not write can still hold a file the user may.
        if (exists && (error == EACCES || error == EPERM))
            return inPlace(failureOf(SaveFailureKind::System));
        return failureOf(SaveFailureKind::System, error);
    }
    const auto abandon = [&](SaveFailure failure) {
        ::unlink(temporary.constData());
        return std::optional<SaveFailure>(failure);
    };
    if (exists) {
        const QStringList lost = copyAttributes(target, old, file.fd);
        if (!lost.isEmpty()) {
            ::unlink(temporary.constData());
            file.close();
            return inPlace(failureOf(SaveFailureKind::AttributesNotKept, 0, lost.join(QStringLiteral(", "))));
        }
    }
    if (const int error = writeAllAt(file.fd, bytes, 0))
        return abandon(failureOf(SaveFailureKind::System, error));
    // Some file systems report a lack of space only when the data goes to the disk.
    if (const int error = syncFile(file.fd))
        return abandon(failureOf(SaveFailureKind::System, error));
    if (::rename(temporary.constData(), target.constData()) != 0)
        return abandon(failureOf(SaveFailureKind::System, errno));
    syncFolder(folder);
    return done(false);
}

} // namespace files
