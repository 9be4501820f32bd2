#include "nq/glyph_table.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <array>

namespace nq {
namespace {

const QHash<QString, Kind>& kindNames()
{
    static const QHash<QString, Kind> names = {
        {QStringLiteral("SPACE"), Kind::Space},     {QStringLiteral("PUNCT"), Kind::Punct},
        {QStringLiteral("DIGIT"), Kind::Digit},     {QStringLiteral("VOW"), Kind::Vowel},
        {QStringLiteral("CONS"), Kind::Consonant},  {QStringLiteral("CONJ"), Kind::Conjunct},
        {QStringLiteral("LIG"), Kind::Ligature},    {QStringLiteral("PRE"), Kind::Pre},
        {QStringLiteral("POST"), Kind::Post},       {QStringLiteral("BELOW"), Kind::Below},
        {QStringLiteral("ABOVE"), Kind::Above},     {QStringLiteral("SPMARK"), Kind::SpMark},
        {QStringLiteral("PHALA"), Kind::Phala},     {QStringLiteral("REPH"), Kind::Reph},
        {QStringLiteral("REPHII"), Kind::RephII},   {QStringLiteral("HAS"), Kind::Hasanta},
        {QStringLiteral("LB"), Kind::LineBreak},
    };
    return names;
}

// "U+0995 U+09CD U+09B7" -> the text; "-" -> empty.
bool parseUnicode(const QString& field, QString& out)
{
    out.clear();
    if (field == QLatin1String("-"))
        return true;
    for (const QString& part : field.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!part.startsWith(QLatin1String("U+")))
            return false;
        bool ok = false;
        const uint cp = part.mid(2).toUInt(&ok, 16);
        if (!ok)
            return false;
        out.append(QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1));
    }
    return true;
}

} // namespace

QList<Glyph> parseGlyphTable(const QString& text, QStringList* errors)
{
    QList<Glyph> rows;
    int lineNo = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        ++lineNo;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        auto fail = [&](const char* why) {
            if (errors)
                errors->append(QStringLiteral("line %1: %2").arg(lineNo).arg(QLatin1String(why)));
        };
        // The later fields (carrier; same_as and sign_for) came later; tables without them
        // still read.
        if (f.size() != 8 && f.size() != 9 && f.size() != 11) {
            fail("expected 8, 9 or 11 tab-separated fields");
            continue;
        }
        Glyph g;
        bool ok = false;
        g.code = f[0].toInt(&ok);
        if (!ok || g.code < 0 || g.code > 255) {
            fail("bad code");
            continue;
        }
        g.key = f[2];
        if (f[3] != QLatin1String("-")) {
            for (const QString& cell : f[3].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                const QStringList rc = cell.split(QLatin1Char(','));
                if (rc.size() == 2)
                    g.cells.append(QPoint(rc[1].toInt(), rc[0].toInt()));
            }
        }
        if (f[4] != QLatin1String("-")) {
            for (const QString& block : f[4].split(QLatin1Char(' '), Qt::SkipEmptyParts))
                g.blocks.append(block.toInt());
        }
        // One block for several cells: they all lie in it.
        if (g.blocks.size() == 1 && g.cells.size() > 1)
            g.blocks = QList<int>(g.cells.size(), g.blocks.first());
        if (g.blocks.size() != g.cells.size()) {
            fail("palette cells and blocks differ in number");
            continue;
        }
        g.block = g.blocks.value(0);
        if (!parseUnicode(f[5], g.unicode)) {
            fail("bad unicode");
            continue;
        }
        const auto kind = kindNames().constFind(f[6]);
        if (kind == kindNames().constEnd()) {
            fail("unknown kind");
            continue;
        }
        g.kind = *kind;
        g.note = f[7];
        if (f.size() >= 9 && !parseUnicode(f[8], g.carrier)) {
            fail("bad carrier");
            continue;
        }
        if (f.size() == 11) {
            if (f[9] != QLatin1String("-")) {
                g.sameAs = f[9].toInt(&ok);
                if (!ok || g.sameAs <= 0 || g.sameAs > 255 || g.sameAs == g.code) {
                    fail("bad same_as");
                    continue;
                }
            }
            if (f[10] == QLatin1String("wide"))
                g.forWideClusters = true;
            else if (f[10] != QLatin1String("-"))
                g.signFor = QString(f[10]).remove(QLatin1Char(' '));
        }
        rows.append(g);
    }
    std::sort(rows.begin(), rows.end(), [](const Glyph& a, const Glyph& b) { return a.code < b.code; });
    return rows;
}

bool standsInsideWords(Kind kind)
{
    switch (kind) {
    case Kind::Space:
    case Kind::Punct:
    case Kind::Digit:
    case Kind::LineBreak:
        return false;
    default:
        return true;
    }
}

const QList<Glyph>& glyphTable()
{
    static const QList<Glyph> table = [] {
        QFile file(QStringLiteral(":/nq/glyph_table.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The NQ glyph table is missing from the program's resources");
        return parseGlyphTable(QString::fromUtf8(file.readAll()));
    }();
    return table;
}

const Glyph* glyphFor(int code)
{
    static const std::array<const Glyph*, 256> index = [] {
        std::array<const Glyph*, 256> idx{};
        for (const Glyph& g : glyphTable())
            idx[g.code] = &g;
        return idx;
    }();
    return code >= 0 && code < 256 ? index[code] : nullptr;
}

} // namespace nq
