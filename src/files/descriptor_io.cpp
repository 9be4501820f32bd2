#include "files/descriptor_io.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace files {

int writeAllAt(int fd, const QByteArray& bytes, qint64 offset)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t count = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(offset + done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        if (count == 0)
            return EIO;
        done += count;
    }
    return 0;
}

int readAllAt(int fd, QByteArray& bytes, qint64 offset)
{
    bytes.clear();
    char chunk[65536];
    while (true) {
        const ssize_t count = ::pread(fd, chunk, sizeof chunk, off_t(offset));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        if (count == 0)
            return 0;
        bytes.append(chunk, count);
        offset += count;
    }
}

int syncFile(int fd)
{
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    return 0;
}

void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

Descriptor::~Descriptor() { close(); }

void Descriptor::close()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace files
