#include "nqtext/nq_runs.h"

#include "nq/face.h"

#include <QFont>
#include <QTextCharFormat>
#include <QTextDocument>

namespace nqtext {

QString effectiveFamily(const QTextCharFormat& format, const QFont& documentDefault)
{
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = format.fontFamilies().toStringList();
        if (!families.isEmpty() && !families.first().isEmpty())
            return families.first();
    }
    const QString family = format.stringProperty(QTextFormat::FontFamily);
    if (!family.isEmpty())
        return family;
    return documentDefault.family();
}

QString effectiveFamily(const QTextCharFormat& format, const QTextDocument& document)
{
    return effectiveFamily(format, document.defaultFont());
}

bool isNqRun(const QTextCharFormat& format, const QFont& documentDefault)
{
    return nq::isNqFace(effectiveFamily(format, documentDefault));
}

bool isNqRun(const QTextCharFormat& format, const QTextDocument& document)
{
    return isNqRun(format, document.defaultFont());
}

} // namespace nqtext
