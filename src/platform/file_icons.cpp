#include "platform/file_icons.h"

#include <QFileInfo>

namespace platform {

QMimeType NameOnlyFileIconProvider::mimeTypeByName(const QFileInfo& info) const
{
    return mimeTypes_.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
}

QIcon NameOnlyFileIconProvider::icon(const QFileInfo& info) const
{
    // Folders, drives and links to them: Qt's answer comes from the file system's
    // metadata, not from the content.
    if (!info.isFile())
        return QFileIconProvider::icon(info);
    const QMimeType mime = mimeTypeByName(info);
    QIcon icon = QIcon::fromTheme(mime.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(mime.genericIconName());
    return icon.isNull() ? QFileIconProvider::icon(QFileIconProvider::File) : icon;
}

QString NameOnlyFileIconProvider::type(const QFileInfo& info) const
{
    if (!info.isFile())
        return QFileIconProvider::type(info);
    const QMimeType mime = mimeTypeByName(info);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

} // namespace platform
