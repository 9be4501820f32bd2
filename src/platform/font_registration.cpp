#include "platform/font_registration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {

QString findFontFile(const QString& executableDir, const QString& fileName)
{
    const QDir dir(executableDir);
    for (const QString& candidate :
         {dir.filePath(fileName), dir.filePath(QStringLiteral("../share/norvelin/") + fileName)}) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

static void copyIntoUserFonts(const QString& path, const QByteArray& data)
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = base + QStringLiteral("/fonts");
    const QString target = folder + QLatin1Char('/') + QFileInfo(path).fileName();
    QFile existing(target);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == data)
        return;
    if (!QDir().mkpath(folder))
        return;
    QSaveFile out(target);
    if (out.open(QIODevice::WriteOnly) && out.write(data) == data.size())
        out.commit();
}

int registerEditingFont(const QString& executableDir)
{
    const QString path = findFontFile(executableDir);
    if (path.isEmpty())
        return -1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray data = file.readAll();
    const int id = QFontDatabase::addApplicationFontFromData(data);
    if (id >= 0)
        copyIntoUserFonts(path, data);
    return id;
}

} // namespace platform
