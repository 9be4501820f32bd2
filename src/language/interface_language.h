#pragma once
// The language the interface speaks. English is the source text of every string; a locale
// with a translation (Bengali: bn, bn_BD, bn_IN) gets Qt's own translation of its dialogs
// where Qt ships one, then ours of the dialogs Norvelin shows, then the program's.

#include <QFont>
#include <QLocale>
#include <QString>

class QCoreApplication;

namespace language {

// The face the interface's Bengali is drawn in (fonts-noto-core).
inline const QString kBengaliInterfaceFace = QStringLiteral("Noto Sans Bengali");

// Whether `locale` asks for the Bengali interface.
bool isBengali(const QLocale& locale);

// Installs the translations for `locale` into `application`, which owns them. Returns true
// when the interface is translated, false when it stays English (no translation, or one
// that would not load).
bool installTranslations(QCoreApplication& application, const QLocale& locale = QLocale::system());

// Whether installTranslations put a Bengali interface in place in this process.
bool bengaliInterface();

// `font` with the interface's Bengali face behind its own families, so that the Bengali
// of a translated interface is drawn in it whatever face the font names; unchanged for an
// English interface.
QFont interfaceFont(QFont font);

// Gives the application's default font the interface's faces (call after installTranslations).
void applyInterfaceFont();

} // namespace language
