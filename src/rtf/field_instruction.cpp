#include "rtf/field_instruction.h"

#include <QStringList>

namespace rtf {

QString hyperlinkTarget(const QString& instruction)
{
    const QString text = instruction.trimmed();
    if (!text.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    const qsizetype open = text.indexOf(u'"');
    if (open >= 0) {
        const qsizetype close = text.indexOf(u'"', open + 1);
        QString target = text.mid(open + 1, close < 0 ? -1 : close - open - 1);
        // Field syntax doubles the backslashes of paths.
        target.replace(QLatin1String("\\\\"), QLatin1String("\\"));
        return target;
    }
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    return words.size() > 1 ? words[1] : QString();
}

} // namespace rtf
