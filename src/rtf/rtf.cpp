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

Failure failure(FailureKind kind, const QString& path, int systemError = 0)
{
    Failure result;
    result.kind = kind;
    result.path = path;
    result.systemError = systemError;
    return result;
}

// Why a file of this type is not read: reading a FIFO or a device could block or never end.
std::optional<FailureKind> notRegular(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return FailureKind::Folder;
    if (S_ISFIFO(mode))
        return FailureKind::NamedPipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FailureKind::Device;
    if (S_ISSOCK(mode))
        return FailureKind::Socket;
    return FailureKind::NotRegularFile;
}

Failure tooLarge(const QString& path, qint64 size)
{
    Failure result = failure(FailureKind::TooLarge, path);
    result.size = size;
    return result;
}

// The whole file, or why it was not read. The type and size are checked before anything
// is read, on the name and again on the open descriptor (the name may change between).
std::optional<Failure> readRegularFile(const QString& path, QByteArray& data)
{
    const files::NativePath resolved = files::nativePath(path);
    if (resolved.ambiguous)
        {
        Failure result = failure(FailureKind::Unreadable, path);
        result.detail = files::describe(files::failureOf(files::SaveFailureKind::AmbiguousName));
        return result;
    }
    const QByteArray& native = resolved.bytes;
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return failure(FailureKind::Unreadable, path, errno);
    if (const auto kind = notRegular(info.st_mode))
        return failure(*kind, path);
    if (info.st_size > kMaxFileBytes)
        return tooLarge(path, info.st_size);

    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failure(FailureKind::Unreadable, path, errno);
    // Closed on every way out, an allocation that fails while the file grows included.
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } const closer{fd};
    if (::fstat(fd, &info) != 0)
        return failure(FailureKind::Unreadable, path, errno);
    if (const auto kind = notRegular(info.st_mode))
        return failure(*kind, path);
    if (info.st_size > kMaxFileBytes)
        return tooLarge(path, info.st_size);

    // A file that grows while it is read still stops at the limit.
    data.resize(qsizetype(info.st_size) + 1);
    qsizetype filled = 0;
    while (true) {
        if (filled == data.size()) {
            if (data.size() > kMaxFileBytes)
                return tooLarge(path, data.size());
            data.resize(std::min<qsizetype>(data.size() * 2, kMaxFileBytes + 1));
        }
        const ssize_t got = ::read(fd, data.data() + filled, size_t(data.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failure(FailureKind::Unreadable, path, errno);
        if (got == 0)
            break;
        filled += got;
    }
    data.truncate(filled);
    return std::nullopt;
}

} // namespace

std::optional<Failure> readFile(const QString& path, QByteArray& data)
{
    try {
        return readRegularFile(path, data);
    } catch (const std::bad_alloc&) {
        data.clear();
        return failure(FailureKind::OutOfMemory, path);
    }
}

std::optional<Failure> read(const QByteArray& data, QTextDocument& document, ReadNotes* notes, const ReadLimits& limits)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    // One edit block: whoever lays the document out does so once, at the end.
    QTextCursor batch(&document);
    batch.beginEditBlock();
    ReadNotes found;
    std::optional<Failure> error = Reader(data, document, limits).read(found);
    batch.endEditBlock();
    document.setUndoRedoEnabled(undo);
    if (notes)
        *notes = error ? ReadNotes{} : found;
    return error;
}

QByteArray write(const QTextDocument& document, WriteNotes* notes)
{
    return writeDocument(document, notes);
}

std::optional<Failure> loadFile(const QString& path, QTextDocument& document, ReadNotes* notes, const ReadLimits& limits)
{
    if (notes)
        *notes = ReadNotes{};
    // A reader that meets a file too big for the memory it has refuses it; it does not end.
    try {
        QByteArray data;
        if (auto error = readFile(path, data))
            return error;
        if (auto error = read(data, document, notes, limits)) {
            error->path = path;
            return error;
        }
    } catch (const std::bad_alloc&) {
        return failure(FailureKind::OutOfMemory, path);
    }
    return std::nullopt;
}

std::optional<Failure> saveBytes(const QString& path, const QByteArray& bytes)
{
    if (const auto saveFailure = files::safeSave(path, bytes)) {
        Failure result = failure(FailureKind::Unwritable, path);
        result.detail = files::describe(*saveFailure);
        return result;
    }
    return std::nullopt;
}

std::optional<Failure> saveFile(const QString& path, const QTextDocument& document, WriteNotes* notes)
{
    return saveBytes(path, write(document, notes));
}

} // namespace rtf
