#include "files/native_path.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

namespace files {
namespace {

bool exists(const QByteArray& path)
{
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0;
}

// The entries of `folder` whose names decode to `name`, at most two.
QList<QByteArray> entriesNamed(const QByteArray& folder, const QString& name)
{
    QList<QByteArray> found;
    DIR* dir = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (!dir)
        return found;
    while (const dirent* entry = ::readdir(dir)) {
        if (QFile::decodeName(entry->d_name) == name) {
            found.append(QByteArray(entry->d_name));
            if (found.size() > 1)
                break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

NativePath nativePath(const QString& path)
{
    NativePath result{QFile::encodeName(path)};
    if (!path.contains(QChar::ReplacementCharacter) || exists(result.bytes))
        return result;
    // Component by component, so that folders with such names are found too.
    const QStringList parts = path.split(u'/');
    QByteArray resolved;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QByteArray piece = QFile::encodeName(part);
        const QByteArray folder = resolved;
        if (i > 0)
            resolved += '/';
        if (part.contains(QChar::ReplacementCharacter) && !exists(resolved + piece)) {
            const QList<QByteArray> found = entriesNamed(folder.isEmpty() && i > 0 ? QByteArray("/") : folder, part);
            if (found.size() > 1)
                result.ambiguous = true;
            else if (found.size() == 1)
                piece = found.constFirst();
        }
        resolved += piece;
    }
    result.bytes = resolved;
    return result;
}

} // namespace files
