#include "recovery/recovery_store.h"

#include "product/product.h"
#include "rtf/rtf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUuid>

namespace recovery {
namespace {

constexpr const char* kCopySuffix = ".rtf";
constexpr const char* kPathSuffix = ".path";
constexpr const char* kLockSuffix = ".lock";

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

bool RecoveryStore::ensureSession()
{
    if (lock_)
        return true;
    if (!QDir().mkpath(folder_))
        return false;
    QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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
    if (!ensureSession())
        return QCoreApplication::translate("recovery", "%1: cannot be used for recovery copies").arg(QDir::toNativeSeparators(folder_));
    if (const auto error = rtf::saveBytes(pathOf(id_, kPathSuffix), originalPath.toUtf8()))
        return error;
    if (const auto error = rtf::saveFile(pathOf(id_, kCopySuffix), document))
        return error;
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
        LeftCopy copy;
        copy.id = id;
        copy.rtfPath = pathOf(id, kCopySuffix);
        QFile original(pathOf(id, kPathSuffix));
        if (original.open(QIODevice::ReadOnly))
            copy.originalPath = QString::fromUtf8(original.read(64 * 1024));
        copy.written = QFileInfo(copy.rtfPath).lastModified();
        copies.append(copy);
    }
    return copies;
}

void RecoveryStore::remove(const LeftCopy& copy) const
{
    QFile::remove(pathOf(copy.id, kCopySuffix));
    QFile::remove(pathOf(copy.id, kPathSuffix));
    QFile::remove(pathOf(copy.id, kLockSuffix));
}

} // namespace recovery
