#include "recovery/recovery_store.h"

#include "recovery/document_snapshot.h"

#include "product/product.h"
#include "rtf/failure_text.h"
#include "rtf/rtf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTextDocument>
#include <QStringDecoder>
#include <QUuid>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <sys/stat.h>
#include <unistd.h>

namespace recovery {
namespace {

constexpr const char* kCopySuffix = ".rtf";
constexpr const char* kPathSuffix = ".path";
constexpr const char* kLockSuffix = ".lock";
constexpr qsizetype kMaxPathBytes = 4096; // PATH_MAX

// What a copy's .path file names, when it is one clean absolute path of a sane length
// (the file may have been damaged or written by someone else); else nothing.
QString recordedPath(const QByteArray& bytes)
{
    if (bytes.size() > kMaxPathBytes || !bytes.startsWith('/'))
        return {};
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString path = decoder(bytes);
    if (decoder.hasError() || path != QDir::cleanPath(path))
        return {};
    for (const QChar c : path)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return {};
    return path;
}

// Keeps the folder private to the user, but never changes the mode of what a link named
// as the folder points to.
void makePrivate(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_uid == ::geteuid())
        ::fchmod(fd, S_IRWXU);
    ::close(fd);
}

} // namespace

QString defaultFolder()
{
    QString state = QString::fromLocal8Bit(qgetenv("XDG_STATE_HOME"));
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + u'/' + product::kName.toLower();
}

RecoveryStore::RecoveryStore(QString folder) : folder_(std::move(folder)) {}

RecoveryStore::~RecoveryStore()
{
    // The copy stays when the program goes without discarding it: that is the crash case,
    // and the lock file alone is released.
    if (lock_)
        lock_->unlock();
}

QString RecoveryStore::pathOf(const QString& id, const char* suffix) const
{
    return folder_ + u'/' + id + QLatin1String(suffix);
}

namespace {

// Why a copy cannot be written in `folder`: Qt's lock file and mkpath keep no cause, and a
// user with a full disk must hear that it is full.
QString whyNotWritable(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    struct statvfs space {};
    if (::statvfs(native.constData(), &space) == 0 && (space.f_bavail == 0 || space.f_favail == 0))
        return QCoreApplication::translate("recovery", "the disk is full");
    const QByteArray probe = native + "/.norvelin-probe";
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const bool written = ::write(fd, "x", 1) == 1;
    const int error = errno;
    ::close(fd);
    ::unlink(probe.constData());
    if (!written)
        return QString::fromLocal8Bit(std::strerror(error));
    return QCoreApplication::translate("recovery", "its lock file cannot be made");
}

} // namespace

bool RecoveryStore::ensureSession()
{
    if (lock_)
        return true;
    if (!QDir().mkpath(folder_))
        return false;
    makePrivate(folder_);
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto lock = std::make_unique<QLockFile>(pathOf(id, kLockSuffix));
    // Never stale while this program runs.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    id_ = id;
    lock_ = std::move(lock);
    return true;
}

std::optional<QString> RecoveryStore::write(const QTextDocument& document, const QString& originalPath)
{
    return writeWith(rtf::write(document), originalPath);
}

std::optional<QString> RecoveryStore::write(const DocumentSnapshot& snapshot, const QString& originalPath)
{
    return writeWith(snapshot.rtf(), originalPath);
}

std::optional<QString> RecoveryStore::writeWith(const QByteArray& rtfBytes, const QString& originalPath)
{
    if (!ensureSession())
        return QCoreApplication::translate("recovery", "%1: cannot be used for recovery copies: %2")
            .arg(QDir::toNativeSeparators(folder_), whyNotWritable(folder_));
    if (const auto error = rtf::saveBytes(pathOf(id_, kPathSuffix), originalPath.toUtf8()))
        return rtf::failureText(*error);
    if (const auto error = rtf::saveBytes(pathOf(id_, kCopySuffix), rtfBytes))
        return rtf::failureText(*error);
    written_ = true;
    return std::nullopt;
}

void RecoveryStore::discard()
{
    if (!lock_ || !written_)
        return;
    QFile::remove(pathOf(id_, kCopySuffix));
    QFile::remove(pathOf(id_, kPathSuffix));
    written_ = false;
}

bool RecoveryStore::hasCopy() const
{
    return written_ && QFileInfo::exists(pathOf(id_, kCopySuffix));
}

LeftCopy RecoveryStore::leftCopy(const QString& id) const
{
    LeftCopy copy;
    copy.id = id;
    copy.rtfPath = pathOf(id, kCopySuffix);
    QFile original(pathOf(id, kPathSuffix));
    if (original.open(QIODevice::ReadOnly))
        copy.originalPath = recordedPath(original.read(kMaxPathBytes + 1));
    copy.written = QFileInfo(copy.rtfPath).lastModified();
    return copy;
}

QList<LeftCopy> RecoveryStore::leftCopies() const
{
    QList<LeftCopy> copies;
    const QDir dir(folder_);
    const QStringList names = dir.entryList({QStringLiteral("*") + QLatin1String(kCopySuffix)},
                                            QDir::Files, QDir::Time);
    for (const QString& name : names) {
        const QString id = name.chopped(int(qstrlen(kCopySuffix)));
        if (id == id_)
            continue;
        // A lock that can be taken belongs to no running program: Qt removes a lock whose
        // process is gone.
        QLockFile lock(pathOf(id, kLockSuffix));
        lock.setStaleLockTime(0); // by age, a running program's lock would look stale
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        copies.append(leftCopy(id));
    }
    return copies;
}

std::unique_ptr<ClaimedCopy> RecoveryStore::claimLeftCopy() const
{
    const QStringList names = QDir(folder_).entryList({QStringLiteral("*") + QLatin1String(kCopySuffix)},
                                                      QDir::Files, QDir::Time);
    for (const QString& name : names) {
        const QString id = name.chopped(int(qstrlen(kCopySuffix)));
        if (id == id_)
            continue;
        auto lock = std::make_unique<QLockFile>(pathOf(id, kLockSuffix));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue; // its program runs, or another start offers it now
        // Another start may have taken it between the listing and the lock.
        if (!QFileInfo::exists(pathOf(id, kCopySuffix)))
            continue;
        return std::make_unique<ClaimedCopy>(leftCopy(id), std::move(lock));
    }
    return nullptr;
}

ClaimedCopy::ClaimedCopy(LeftCopy copy, std::unique_ptr<QLockFile> lock)
    : copy_(std::move(copy)), lock_(std::move(lock))
{
}

ClaimedCopy::~ClaimedCopy()
{
    if (lock_)
        lock_->unlock();
}

void ClaimedCopy::remove()
{
    // The files go while the lock is held, so that no start finds half of them.
    QFile::remove(copy_.rtfPath);
    QFile::remove(QFileInfo(copy_.rtfPath).path() + u'/' + copy_.id + QLatin1String(kPathSuffix));
    if (lock_)
        lock_->unlock();
    lock_.reset();
}

void RecoveryStore::remove(const LeftCopy& copy) const
{
    QFile::remove(pathOf(copy.id, kCopySuffix));
    QFile::remove(pathOf(copy.id, kPathSuffix));
    QFile::remove(pathOf(copy.id, kLockSuffix));
}

} // namespace recovery
