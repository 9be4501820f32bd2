#include "dictionary_files.h"

#include <QDir>
#include <QFileInfo>

namespace spelling {

QString findDictionaryFolder(const QString& programDir)
{
    const QDir dir(programDir);
    for (const QString& candidate : {dir.filePath(QStringLiteral("spelling")),
                                     dir.filePath(QStringLiteral("../share/norvelin/spelling"))}) {
        if (QFileInfo::exists(candidate + QStringLiteral("/bn.aff"))
            && QFileInfo::exists(candidate + QStringLiteral("/bn.dic")))
            return QDir::cleanPath(candidate);
    }
    return {};
}

QString personalDictionaryPath()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/norvelin/personal-dictionary.txt");
}

} // namespace spelling
