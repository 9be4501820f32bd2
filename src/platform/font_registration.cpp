#include "platform/font_registration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QRawFont>
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
    if (!QRawFont(data, 12).isValid())
        return -1;
    // The user's copy first: fontconfig already lists it under the same family, and Qt may
    // draw that entry rather than ours; an older copy would lack the joined forms.
    copyIntoUserFonts(path, data);
    return QFontDatabase::addApplicationFontFromData(data);
}

} // namespace platform
