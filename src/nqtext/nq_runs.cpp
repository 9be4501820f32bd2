#include "nqtext/nq_runs.h"

#include "nq/face.h"
#include "nq/glyph_code.h"

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

QChar typedCharacter(unsigned char code, const QTextCharFormat& format, const QTextDocument& document)
{
    return isNqRun(format, document) ? nq::toChar(code) : nq::toPlainChar(code);
}

QString heldText(const QString& text, const QTextCharFormat& format, const QTextDocument& document)
{
    if (!isNqRun(format, document))
        return text;
    QString held = text;
    for (QChar& ch : held)
        if (const auto code = nq::toCode(ch))
            ch = nq::toChar(*code);
    return held;
}

} // namespace nqtext
