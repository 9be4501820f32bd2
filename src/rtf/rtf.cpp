#include "rtf/rtf.h"

#include "rtf/reader.h"
#include "rtf/writer.h"

#include "files/native_path.h"
#include "files/safe_save.h"

#include <QDir>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rtf {
namespace {

QString cannotRead(const QString& path, const QString& reason)
{
    return QStringLiteral("%1: cannot be read: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Why a file of this type is not read: reading a FIFO or a device could block or never end.
std::optional<QString> notRegular(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe (FIFO), not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a regular file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a regular file");
    return QStringLiteral("it is not a regular file");
}

QString tooLarge(qint64 size)
{
    return QStringLiteral("it is %1 bytes long; documents larger than 1 GiB (%2 bytes) are not opened")
        .arg(size)
        .arg(kMaxFileBytes);
}

// The whole file, or why it was not read. The type and size are checked before anything
// is read, on the name and again on the open descriptor (the name may change between).
std::optional<QString> readRegularFile(const QString& path, QByteArray& data)
{
    const files::NativePath resolved = files::nativePath(path);
    if (resolved.ambiguous)
        return cannotRead(path, files::describe(files::failureOf(files::SaveFailureKind::AmbiguousName)));
    const QByteArray& native = resolved.bytes;
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return cannotRead(path, systemError(errno));
    if (const auto reason = notRegular(info.st_mode))
        return cannotRead(path, *reason);
    if (info.st_size > kMaxFileBytes)
        return cannotRead(path, tooLarge(info.st_size));

    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return cannotRead(path, systemError(errno));
    // Closed on every way out, an allocation that fails while the file grows included.
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } const closer{fd};
    const auto fail = [&](const QString& reason) { return std::optional<QString>(cannotRead(path, reason)); };
    if (::fstat(fd, &info) != 0)
        return fail(systemError(errno));
    if (const auto reason = notRegular(info.st_mode))
        return fail(*reason);
    if (info.st_size > kMaxFileBytes)
        return fail(tooLarge(info.st_size));

    // A file that grows while it is read still stops at the limit.
    data.resize(qsizetype(info.st_size) + 1);
    qsizetype filled = 0;
    while (true) {
        if (filled == data.size()) {
            if (data.size() > kMaxFileBytes)
                return fail(tooLarge(data.size()));
            data.resize(std::min<qsizetype>(data.size() * 2, kMaxFileBytes + 1));
        }
        const ssize_t got = ::read(fd, data.data() + filled, size_t(data.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(systemError(errno));
        if (got == 0)
            break;
        filled += got;
    }
    data.truncate(filled);
    return std::nullopt;
}

} // namespace

std::optional<QString> readFile(const QString& path, QByteArray& data)
{
    try {
        return readRegularFile(path, data);
    } catch (const std::bad_alloc&) {
        data.clear();
        return cannotRead(path, QStringLiteral("there is not enough memory to open it"));
    }
}

QString ReadError::toString() const
{
    if (line > 0)
        return QStringLiteral("%1 (line %2, column %3)").arg(cause).arg(line).arg(column);
    return cause;
}

std::optional<ReadError> read(const QByteArray& data, QTextDocument& document, ReadNotes* notes, const ReadLimits& limits)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    // One edit block: whoever lays the document out does so once, at the end.
    QTextCursor batch(&document);
    batch.beginEditBlock();
    ReadNotes found;
    std::optional<ReadError> error = Reader(data, document, limits).read(found);
    batch.endEditBlock();
    document.setUndoRedoEnabled(undo);
    if (notes)
        *notes = error ? ReadNotes{} : found;
    return error;
}

QByteArray write(const QTextDocument& document)
{
    return writeDocument(document);
}

QStringList noticesFor(const QString& path, const ReadNotes& notes)
{
    const QString name = QDir::toNativeSeparators(path);
    QStringList notices;
    if (notes.truncated)
        notices << QStringLiteral("%1: the file ends before its last group is closed, so it may have been cut short. "
                                  "What it holds is shown; saving keeps only that.").arg(name);
    const int pictures = notes.picturesOverBudget + notes.picturesUndecodable;
    if (pictures > 0) {
        QStringList causes;
        if (notes.picturesOverBudget > 0)
            causes << QStringLiteral("%1 would take more than the %2 MB of memory a document's pictures may use")
                          .arg(notes.picturesOverBudget)
                          .arg(kPictureBudgetBytes >> 20);
        if (notes.picturesUndecodable > 0)
            causes << QStringLiteral("%1 could not be decoded").arg(notes.picturesUndecodable);
        notices << QStringLiteral("%1: %2 shown as grey boxes (%3). Saving writes them back as they were.")
                       .arg(name, pictures == 1 ? QStringLiteral("1 picture is") : QStringLiteral("%1 pictures are").arg(pictures),
                            causes.join(QStringLiteral("; ")));
    }
    return notices;
}

std::optional<QString> loadFile(const QString& path, QTextDocument& document, QStringList* notices)
{
    if (notices)
        notices->clear();
    // A reader that meets a file too big for the memory it has refuses it; it does not end.
    try {
        QByteArray data;
        if (auto error = readFile(path, data))
            return error;
        ReadNotes notes;
        if (const auto error = read(data, document, &notes))
            return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), error->toString());
        if (notices)
            *notices = noticesFor(path, notes);
    } catch (const std::bad_alloc&) {
        return cannotRead(path, QStringLiteral("there is not enough memory to open it"));
    }
    return std::nullopt;
}

std::optional<QString> saveBytes(const QString& path, const QByteArray& bytes)
{
    if (const auto failure = files::safeSave(path, bytes))
        return QStringLiteral("%1: cannot be written: %2").arg(QDir::toNativeSeparators(path), files::describe(*failure));
    return std::nullopt;
}

std::optional<QString> saveFile(const QString& path, const QTextDocument& document)
{
    return saveBytes(path, write(document));
}

} // namespace rtf
