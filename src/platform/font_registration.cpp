#include "platform/font_registration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QRawFont>
#include <QSaveFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>

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

static QString xdgHome(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QDir::homePath() + fallback : value;
}

// Writes `data` to `path` unless it holds that already; true when it wrote.
static bool writeIfDifferent(const QString& path, const QByteArray& data)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == data)
        return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(data) == data.size() && out.commit();
}

static QByteArray privateUseRule()
{
    // The joined glyphs carry private-use code points only so that a PDF keeps their text.
    // Other programs must not take NQ for private-use text they cannot show (icon fonts'
    // symbols): at scan time, the range leaves NQ's character set as fontconfig lists it.
    // Qt still finds the code points in the font's own cmap when it prints.
    return QByteArrayLiteral(
        "<?xml version=\"1.0\"?>\n"
        "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
        "<!-- Written by Norvelin: the NQ font's private-use code points are not for other programs. -->\n"
        "<fontconfig>\n"
        "  <match target=\"scan\">\n"
        "    <test name=\"family\"><string>NQ</string></test>\n"
        "    <edit name=\"charset\" mode=\"assign\">\n"
        "      <minus><name>charset</name><charset><range><int>0xE000</int><int>0xF8FF</int></range></charset></minus>\n"
        "    </edit>\n"
        "  </match>\n"
        "</fontconfig>\n");
}

static void copyIntoUserFonts(const QString& path, const QByteArray& data)
{
    const QString folder = xdgHome("XDG_DATA_HOME", QStringLiteral("/.local/share")) + QStringLiteral("/fonts");
    const QString rule = xdgHome("XDG_CONFIG_HOME", QStringLiteral("/.config"))
        + QStringLiteral("/fontconfig/conf.d/70-norvelin-nq.conf");
    // The rule before the font, so that the scan the new font causes applies it.
    const bool ruleWritten = writeIfDifferent(rule, privateUseRule());
    const bool fontWritten = writeIfDifferent(folder + QLatin1Char('/') + QFileInfo(path).fileName(), data);
    // A new rule with an unchanged font: fontconfig trusts its cache while the folder's time
    // stands, so the folder is touched to have it scanned again.
    if (ruleWritten && !fontWritten)
        ::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), nullptr, 0);
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
