#include "nqtext/unicode_document.h"

#include "nq/face.h"
#include "nq/glyph_code.h"
#include "nq/glyph_table.h"
#include "nq/unicode_bridge.h"
#include "nqtext/nq_runs.h"
#include "nqtext/text_runs.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <functional>
#include <optional>

namespace nqtext {
namespace {

// Where two runs of NQ codes meet, a syllable goes on when the first ends in a pre-base sign
// or hasanta, or the second starts with something that attaches to what came before.
bool nqSyllableBreak(QChar before, QChar after)
{
    const auto kindOf = [](QChar ch) -> std::optional<nq::Kind> {
        const auto code = nq::toCode(ch);
        const nq::Glyph* glyph = code ? nq::glyphFor(*code) : nullptr;
        return glyph ? std::optional(glyph->kind) : std::nullopt;
    };
    using nq::Kind;
    const auto b = kindOf(before);
    const auto a = kindOf(after);
    if (b && (*b == Kind::Pre || *b == Kind::Hasanta))
        return false;
    return !(a && (*a == Kind::Hasanta || *a == Kind::Phala || *a == Kind::Reph || *a == Kind::RephII
                   || *a == Kind::Below || *a == Kind::Post || *a == Kind::Above || *a == Kind::SpMark));
}

bool unicodeSyllableBreak(QChar before, QChar after)
{
    const char16_t b = before.unicode();
    const char16_t a = after.unicode();
    const auto joiner = [](char16_t u) { return u == 0x200C || u == 0x200D || u == 0x09CD; };
    const bool attaches = (a >= 0x0981 && a <= 0x0983) || a == 0x09BC || (a >= 0x09BE && a <= 0x09CD)
        || a == 0x09D7 || a == 0x200C || a == 0x200D;
    return !joiner(b) && !attaches;
}

// The runs that `take` selects, cut so that no syllable is split between two of them: a
// syllable that starts in one run takes the rest of itself from the next, in the first
// run's format.
QList<Run> groups(const QList<Run>& runs, const std::function<bool(const Run&)>& take,
                  bool (*syllableBreak)(QChar, QChar))
{
    QList<Run> out;
    bool lastTaken = false;
    for (Run run : runs) {
        if (!take(run)) {
            lastTaken = false;
            continue;
        }
        if (lastTaken && out.back().end == run.start
            && !syllableBreak(out.back().text.back(), run.text.front())) {
            qsizetype cut = 1;
            while (cut < run.text.size() && !syllableBreak(run.text[cut - 1], run.text[cut]))
                ++cut;
            out.back().end += int(cut);
            out.back().text += run.text.left(cut);
            run.start += int(cut);
            run.text.remove(0, cut);
        }
        if (!run.text.isEmpty())
            out.append(run);
        lastTaken = true;
    }
    return out;
}

// A format like `format` whose face shows characters as they are, not as NQ glyphs.
QTextCharFormat plainFace(QTextCharFormat format, const QTextDocument& document)
{
    if (!isNqRun(format, document))
        return format;
    format.clearProperty(QTextFormat::FontFamilies);
    format.clearProperty(QTextFormat::FontFamily);
    if (isNqRun(format, document))
        format.setFontFamilies(QStringList{QStringLiteral("sans-serif")});
    return format;
}

QString unicodeTextOf(const QTextDocument& document, int from, int to, int* unconverted)
{
    QString out;
    int lost = 0;
    bool first = true;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (!first)
            out += QLatin1Char('\n');
        first = false;
        QString nqPending;
        const auto flush = [&] {
            if (nqPending.isEmpty())
                return;
            const nq::BridgeResult r = nq::nqToUnicode(nqPending);
            out += r.text;
            lost += r.unconverted;
            nqPending.clear();
        };
        for (const Run& run : runsOf(block, from, to)) {
            if (isNqRun(run.format, document)) {
                nqPending += run.text;
            } else {
                flush();
                out += run.text;
            }
        }
        flush();
    }
    out.replace(QChar::LineSeparator, QLatin1Char('\n'));
    // Pictures have no plain text.
    out.remove(QChar::ObjectReplacementCharacter);
    if (unconverted)
        *unconverted = lost;
    return out;
}

} // namespace

void insertConverted(QTextCursor& cursor, const nq::BridgeResult& converted, const QTextCharFormat& format,
                     int from)
{
    const QTextCharFormat nqFormat = withFamily(format, nq::kFace);
    const QTextCharFormat keptFormat = plainFace(format, *cursor.document());
    int start = from;
    for (int kept : converted.keptAt) {
        if (kept < from)
            continue;
        if (kept > start)
            cursor.insertText(converted.text.mid(start, kept - start), nqFormat);
        cursor.insertText(converted.text.mid(kept, 1), keptFormat);
        start = kept + 1;
    }
    if (start < converted.text.size())
        cursor.insertText(converted.text.mid(start), nqFormat);
}

QString documentToUnicodeText(const QTextDocument& document, int* unconverted)
{
    return unicodeTextOf(document, 0, document.characterCount() - 1, unconverted);
}

QString selectionToUnicodeText(const QTextCursor& selection, int* unconverted)
{
    if (!selection.document() || !selection.hasSelection()) {
        if (unconverted)
            *unconverted = 0;
        return QString();
    }
    return unicodeTextOf(*selection.document(), selection.selectionStart(), selection.selectionEnd(),
                         unconverted);
}

std::unique_ptr<QTextDocument> toUnicodeDocument(const QTextDocument& document,
                                                 const QString& bengaliFamily, int* unconverted)
{
    int lost = 0;
    std::unique_ptr<QTextDocument> copy(document.clone());
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        const int from = block.position();
        const int to = from + block.length() - 1;
        const auto nqRun = [&](const Run& run) { return isNqRun(run.format, document); };
        replaceRuns(*copy, groups(runsOf(block, from, to), nqRun, &nqSyllableBreak),
                    [&](QTextCursor& cursor, const Run& run) {
                        const nq::BridgeResult r = nq::nqToUnicode(run.text);
                        lost += r.unconverted;
                        cursor.insertText(r.text, withFamily(run.format, bengaliFamily));
                    });
    }
    if (isNqRun(QTextCharFormat(), document)) {
        QFont font = copy->defaultFont();
        font.setFamilies(QStringList{bengaliFamily});
        copy->setDefaultFont(font);
    }
    if (unconverted)
        *unconverted = lost;
    return copy;
}

int insertUnicodeAsNq(QTextCursor& cursor, const QString& text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const nq::BridgeResult r = nq::unicodeToNq(lines);
    insertConverted(cursor, r, cursor.charFormat());
    return r.unconverted;
}

void convertUnicodeRunsToNq(QTextDocument& pasted)
{
    for (QTextBlock block = pasted.begin(); block.isValid(); block = block.next()) {
        const int from = block.position();
        const int to = from + block.length() - 1;
        const auto foreign = [&](const Run& run) { return !isNqRun(run.format, pasted); };
        const QList<Run> runs = runsOf(block, from, to);
        QList<Run> rewritten;
        for (const Run& run : groups(runs, foreign, &unicodeSyllableBreak))
            if (nq::containsBengali(run.text))
                rewritten.append(run);
        // NQ runs keep their codes, in the form the editor holds them (the characters other
        // programs write for some codes would break lines inside words).
        for (const Run& run : runs)
            if (!foreign(run) && heldText(run.text, run.format, pasted) != run.text)
                rewritten.append(run);
        std::sort(rewritten.begin(), rewritten.end(),
                  [](const Run& a, const Run& b) { return a.start < b.start; });
        replaceRuns(pasted, rewritten, [&](QTextCursor& cursor, const Run& run) {
            if (foreign(run))
                insertConverted(cursor, nq::unicodeToNq(run.text), run.format);
            else
                cursor.insertText(heldText(run.text, run.format, pasted), run.format);
        });
    }
}

} // namespace nqtext
