#include "language/interface_language.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace language {

namespace {

bool bengaliInstalled = false;

// A translator owned by the application; false when the file is missing or unreadable.
bool install(QCoreApplication& application, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

bool isBengali(const QLocale& locale)
{
    return locale.language() == QLocale::Bengali;
}

bool installTranslations(QCoreApplication& application, const QLocale& locale)
{
    if (!isBengali(locale))
        return false;
    // Qt's own, where a later Qt ships one; ours fill in the dialogs' strings it lacks and,
    // installed later, are searched first.
    install(application, QStringLiteral("qtbase_bn"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(application, QStringLiteral("qt_dialogs_bn"), QStringLiteral(":/translations"));
    bengaliInstalled = install(application, QStringLiteral("norvelin_bn"), QStringLiteral(":/translations"));
    return bengaliInstalled;
}

bool bengaliInterface()
{
    return bengaliInstalled;
}

QFont interfaceFont(QFont font)
{
    if (!bengaliInstalled)
        return font;
    QStringList families = font.families();
    if (families.isEmpty())
        families.append(font.family());
    if (!families.contains(kBengaliInterfaceFace))
        families.append(kBengaliInterfaceFace);
    font.setFamilies(families);
    return font;
}

void applyInterfaceFont()
{
    if (bengaliInstalled)
        QGuiApplication::setFont(interfaceFont(QGuiApplication::font()));
}

} // namespace language
