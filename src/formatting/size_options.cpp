#include "formatting/size_options.h"

#include <algorithm>

namespace formatting {

QStringList sizeListEntries()
{
    QStringList entries;
    for (int points = 8; points <= 72; ++points) {
        if (points > 16 && points % 2 != 0)
            continue;
        entries.append(QString::number(points));
    }
    return entries;
}

QStringList fontNameEntries(const QStringList& families)
{
    QStringList names = families;
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

QString fontListText(const QStringList& families)
{
    return families.contains(kEditingFace, Qt::CaseSensitive) ? kEditingFace
                                                               : kFontListDesignText;
}

double pointsFromSizeText(const QString& text)
{
    bool ok = false;
    const double points = text.trimmed().toDouble(&ok);
    return ok && points > 0 ? points : 0;
}

double paletteFontSizeForOption(int option)
{
    switch (option) {
    case 1: return 13;
    case 2: return 15;
    case 3: return 16;
    case 4: return 17;
    default: return 0;
    }
}

QPointF optionsPanelPosition(const QSizeF& screenTwips, const QSizeF& panelTwips)
{
    const float left = (float(screenTwips.width()) - float(panelTwips.width())) / 2.0f;
    const float top = (float(screenTwips.height()) - float(panelTwips.height())) / 2.0f;
    return {left, top};
}

} // namespace formatting
