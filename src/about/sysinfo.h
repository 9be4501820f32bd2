#pragma once
// The About box's "System Info..." button: find the system-information program and start it.

#include <QCoreApplication>
#include <QStringList>

class QWidget;
namespace platform { class Dialogs; }

namespace about {

class Launcher;
class Registry;

// Where the system's store names the program (full path), and where it names its folder.
inline const QString kSysInfoPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString kSysInfoPathValue = QStringLiteral("PATH");
inline const QString kSysInfoFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString kSysInfoFolderValue = QStringLiteral("MSINFO");
inline const QString kSysInfoFileName = QStringLiteral("\\MSINFO32.EXE");

inline QString sysInfoUnavailableText()
{
    return QCoreApplication::translate("about", "System Information Is Unavailable At This Time");
}

// Linux programs that show the system's hardware and load, tried in this order when the
// store names none: a hardware profiler first, then the desktops' system monitors.
inline const QStringList kLinuxSysInfoPrograms = {
    QStringLiteral("hardinfo"),          QStringLiteral("gnome-system-monitor"),
    QStringLiteral("plasma-systemmonitor"), QStringLiteral("ksysguard"),
    QStringLiteral("mate-system-monitor"), QStringLiteral("xfce4-taskmanager"),
    QStringLiteral("lxtask"),
};

// The program named by the store's first location is started as it stands; when the
// store names only a folder, the program must exist there. A program that fails to start
// ends the search. With neither location found, the first Linux program on PATH starts.
// Whatever does not end in a started program ends in the "unavailable" message.
void StartSysInfo(const Registry& registry, Launcher& launcher, platform::Dialogs& dialogs,
                  QWidget* parent);

} // namespace about
