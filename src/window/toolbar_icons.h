#pragma once
// Images of the tool bar and the window: the desktop's icon theme where it has the
// image, else the copy bundled with the program (data/icons).

#include <QColor>
#include <QIcon>
#include <QString>

namespace toolbar_icons {

// A freedesktop icon name, e.g. "document-new".
QIcon themed(const QString& iconName);

// The bundled image alone, whatever the theme holds.
QIcon bundled(const QString& iconName);

// The text-colour button: its image with a bar of the colour that the next use applies.
QIcon colorSwatch(const QColor& color);

// The window icon: a blue book drawn at a slant, 16 and 32 pixels.
QIcon windowIcon();

} // namespace toolbar_icons
