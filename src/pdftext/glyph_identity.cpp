#include "pdftext/glyph_identity.h"

#include "nq/glyph_code.h"
#include "nq/glyph_table.h"

#include <QFile>
#include <QHash>

namespace pdftext {
namespace {

const QHash<char16_t, QString>& joinedGlyphs()
{
    static const QHash<char16_t, QString> table = [] {
        QHash<char16_t, QString> glyphs;
        QFile file(QStringLiteral(":/pdftext/nq_private_use.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return glyphs;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> fields = line.split('\t');
            bool ok = false;
            const uint cp = fields[0].startsWith("U+") ? fields[0].mid(2).toUInt(&ok, 16) : 0;
            if (!ok || fields.size() < 2 || cp > 0xFFFF)
                continue;
            QString codes;
            for (const QByteArray& code : fields[1].split(' ')) {
                const int value = code.toInt(&ok);
                if (ok && value >= 0 && value <= 255)
                    codes.append(nq::toChar(static_cast<unsigned char>(value)));
            }
            glyphs.insert(char16_t(cp), codes);
        }
        return glyphs;
    }();
    return table;
}

} // namespace

QString nqCodesFor(QChar codePoint)
{
    const auto joined = joinedGlyphs().constFind(codePoint.unicode());
    if (joined != joinedGlyphs().cend())
        return *joined;
    // Qt's font engine maps the tab to the space glyph, and the tab is the lower code point.
    if (codePoint.unicode() < 0x20)
        return QStringLiteral(" ");
    const auto code = nq::toCode(codePoint);
    if (!code || !nq::glyphFor(*code))
        return {};
    return QString(nq::toChar(*code));
}

int joinedGlyphCount() { return int(joinedGlyphs().size()); }

} // namespace pdftext
