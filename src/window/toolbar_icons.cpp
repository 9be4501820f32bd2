#include "window/toolbar_icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

namespace toolbar_icons {
namespace {
const QString kBundledTheme = QStringLiteral(":/icons/norvelin");
}

QIcon bundled(const QString& iconName)
{
    const QString path = kBundledTheme + QStringLiteral("/16x16/actions/") + iconName
        + QStringLiteral(".png");
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QIcon themed(const QString& iconName)
{
    // Without a desktop theme Qt falls back to "hicolor", which holds application icons
    // only; searching its many folders for each image would only slow start-up.
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor"))
        return bundled(iconName);
    return QIcon::fromTheme(iconName, bundled(iconName));
}

QIcon colorSwatch(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QIcon base = themed(QStringLiteral("norvelin-text-color"));
    if (!base.isNull())
        painter.drawPixmap(0, 0, base.pixmap(16, 16));
    painter.fillRect(QRect(1, 12, 14, 4), color.isValid() ? color : QColor(Qt::black));
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(QRect(1, 12, 13, 3));
    painter.end();
    return QIcon(pixmap);
}

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        const QString path = QStringLiteral(":/icons/hicolor/%1x%1/apps/norvelin.png").arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

} // namespace toolbar_icons
