#include "about/sysinfo.h"

#include "about/launcher.h"
#include "about/registry.h"
#include "platform/dialogs.h"
#include "product/product.h"

namespace about {

namespace {


// Empty when the store names no program that exists; `found` tells whether the store
// named one at all (a named program is started even if it may be missing).
QString programFromRegistry(const Registry& registry, const Launcher& launcher, bool& found)
{
    QString SysInfoPath;
    found = true;
    if (GetKeyValue(registry, HKEY_LOCAL_MACHINE, kSysInfoPathKey, kSysInfoPathValue, SysInfoPath))
        return SysInfoPath;
    if (GetKeyValue(registry, HKEY_LOCAL_MACHINE, kSysInfoFolderKey, kSysInfoFolderValue,
                    SysInfoPath)) {
        const QString path = SysInfoPath + kSysInfoFileName;
        if (launcher.fileExists(path))
            return path;
    }
    found = false;
    return {};
}

QString programOnPath(const Launcher& launcher)
{
    for (const QString& name : kLinuxSysInfoPrograms) {
        const QString path = launcher.findOnPath(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace

void StartSysInfo(const Registry& registry, Launcher& launcher, platform::Dialogs& dialogs,
                  QWidget* parent)
{
    bool named = false;
    QString program = programFromRegistry(registry, launcher, named);
    if (!named)
        program = programOnPath(launcher);
    if (!program.isEmpty() && launcher.start(program))
        return;
    dialogs.message(parent, sysInfoUnavailableText(), product::kName, platform::Buttons::Ok,
                    platform::Icon::None);
}

} // namespace about
