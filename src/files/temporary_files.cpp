#include "files/temporary_files.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

constexpr const char* kPrefix = ".~nv";
constexpr const char* kSaveSuffix = ".tmp";
constexpr const char* kBackupSuffix = ".bak";

QByteArray randomPart()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray part(8, '0');
    for (char& c : part)
        c = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
    return part;
}

QByteArray inFolder(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

} // namespace

int createTemporary(const QByteArray& folder, Temporary kind, mode_t mode, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = inFolder(folder, kPrefix + randomPart() + (kind == Temporary::Save ? kSaveSuffix : kBackupSuffix));
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd >= 0)
            ::flock(fd, LOCK_EX | LOCK_NB); // where locks are not supported, leftovers stay
        return fd;
    }
    errno = EEXIST;
    return -1;
}

bool isTemporaryName(const QByteArray& name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.~nv[A-Za-z0-9]{8}\\.tmp$"));
    return pattern.match(QString::fromLatin1(name)).hasMatch();
}

void removeLeftovers(const QByteArray& folder)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!isTemporaryName(name))
            continue;
        const QByteArray path = inFolder(folder, name);
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {}, named {};
        // Only this user's own, and only when no save holds it; the name must still be
        // the file that was locked.
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.constData(), &named) == 0
            && named.st_dev == info.st_dev && named.st_ino == info.st_ino) {
            ::unlink(path.constData());
        }
        ::close(fd);
    }
    ::closedir(dir);
}

} // namespace files
