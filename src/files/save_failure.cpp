#include "files/save_failure.h"

#include <QCoreApplication>
#include <QDir>

#include <cstring>

namespace files {
namespace {

QString tr(const char* text) { return QCoreApplication::translate("files", text); }

QString systemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace

QString describe(const SaveFailure& failure)
{
    switch (failure.kind) {
    case SaveFailureKind::System:
        return systemText(failure.systemError);
    case SaveFailureKind::Folder:
        return tr("it is a folder");
    case SaveFailureKind::NamedPipe:
        return tr("it is a named pipe (FIFO), not a regular file, and is never replaced");
    case SaveFailureKind::Device:
        return tr("it is a device, not a regular file, and is never replaced");
    case SaveFailureKind::Socket:
        return tr("it is a socket, not a regular file, and is never replaced");
    case SaveFailureKind::NotRegularFile:
        return tr("it is not a regular file, and is never replaced");
    case SaveFailureKind::DanglingLink:
        return tr("it is a symbolic link to %1, which does not exist").arg(QDir::toNativeSeparators(failure.detail));
    case SaveFailureKind::AmbiguousName:
        return tr("its name is not valid UTF-8, and more than one file in its folder has a name that reads "
                  "the same; rename it in a file manager or a shell");
    case SaveFailureKind::LinksNotWritable:
        return tr("it has %1 names (hard links), which a new file would split apart, and it cannot be "
                  "written in place: %2").arg(failure.links).arg(systemText(failure.systemError));
    case SaveFailureKind::AttributesNotKept:
        return tr("a new file in its place would not keep its %1, and it cannot be written in place: %2")
            .arg(failure.detail, systemText(failure.systemError));
    case SaveFailureKind::NoBackup:
        return tr("no checked copy of its old content could be made before writing it in place "
                  "(%1), so it was left as it was").arg(systemText(failure.systemError));
    case SaveFailureKind::ReplacedMeanwhile:
        return tr("another file took its name while it was being saved; nothing was written");
    case SaveFailureKind::NotRestored:
        return tr("writing it in place failed (%1), and its old content could not be put back; "
                  "the old content is kept in %2").arg(systemText(failure.systemError),
                                                       QDir::toNativeSeparators(failure.detail));
    }
    return systemText(failure.systemError);
}

} // namespace files
