#include "formatting/size_options.h"

#include "nq/face.h"

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

int initialSizeIndex()
{
    return int(sizeListEntries().indexOf(QString::number(kInitialTextPoints)));
}

QString withoutFoundry(const QString& family)
{
    // Qt tells same-named families of different foundries apart as "Name [Foundry]";
    // the list names faces, so such a family is listed once under its own name.
    if (family.endsWith(QLatin1Char(']'))) {
        const qsizetype open = family.lastIndexOf(QStringLiteral(" ["));
        if (open > 0)
            return family.left(open);
    }
    return family;
}

QStringList fontNameEntries(const QStringList& families)
{
    QStringList names;
    names.reserve(families.size());
    for (const QString& family : families)
        names.append(withoutFoundry(family));
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

QString fontListText(const QStringList& families)
{
    for (const QString& family : families) {
        if (withoutFoundry(family) == nq::kFace)
            return nq::kFace;
    }
    return kFontListPlaceholderText;
}

double pointsFromSizeText(const QString& text)
{
    bool ok = false;
    const double points = text.trimmed().toDouble(&ok);
    return ok && points > 0 ? points : 0;
}

double paletteFontSizeForOption(int option)
{
    return option >= 1 && option <= int(kPaletteFontSizes.size()) ? kPaletteFontSizes[option - 1] : 0;
}

QPointF optionsPanelPosition(const QSizeF& screenTwips, const QSizeF& panelTwips)
{
    const float left = (float(screenTwips.width()) - float(panelTwips.width())) / 2.0f;
    const float top = (float(screenTwips.height()) - float(panelTwips.height())) / 2.0f;
    return {left, top};
}

} // namespace formatting
