#include "files/file_identity.h"

#include "files/native_path.h"

#include <sys/stat.h>

namespace files {

FileIdentity identityFrom(const struct stat& info)
{
    return FileIdentity{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                        qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

std::optional<FileIdentity> identityOf(const QString& path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(nativePath(path).bytes.constData(), &info) != 0)
        return std::nullopt;
    return identityFrom(info);
}

} // namespace files
