#include "about/launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace about {

bool ProcessLauncher::fileExists(const QString& path) const
{
    return QFileInfo(path).isFile();
}

QString ProcessLauncher::findOnPath(const QString& program) const
{
    return QStandardPaths::findExecutable(program);
}

bool ProcessLauncher::start(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, {});
}

} // namespace about
