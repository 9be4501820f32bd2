#include "documents/disk_change_check.h"

#include "documents/file_messages.h"
#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace documents {

void DiskChangeCheck::remember(const QString& path, std::optional<files::FileIdentity> identity)
{
    path_ = path;
    identity_ = identity;
}

void DiskChangeCheck::remember(const QString& path)
{
    remember(path, files::identityOf(path));
}

void DiskChangeCheck::forget()
{
    path_.clear();
    identity_.reset();
}

bool DiskChangeCheck::changedOnDisk(const QString& path) const
{
    if (!identity_ || path.isEmpty())
        return false;
    if (path != path_) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (canonical.isEmpty() || canonical != QFileInfo(path_).canonicalFilePath())
            return false;
    }
    // A file that is gone holds nothing to lose.
    const std::optional<files::FileIdentity> now = files::identityOf(path);
    return now && *now != *identity_;
}

QString DiskChangeCheck::confirmTarget(const QString& path, platform::Dialogs& dialogs, QWidget* parent,
                                       const std::function<QString()>& askElsewhere) const
{
    if (!changedOnDisk(path))
        return path;
    switch (dialogs.message(parent, changedOnDiskText(path), kNoticeTitle,
                            platform::Buttons::OverwriteElsewhereCancel, platform::Icon::Warning)) {
    case platform::Answer::Yes: return path;
    case platform::Answer::No: return askElsewhere();
    default: return {};
    }
}

QString changedOnDiskText(const QString& path)
{
    return QCoreApplication::translate("FileCommands",
                                       "\"%1\" was changed by another program after this document was opened or "
                                       "saved.\nOverwrite those changes, save this document elsewhere, or cancel?")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace documents
