#include "window/clipboard_bridge.h"

#include "nq/glyph_code.h"
#include "nq/glyph_table.h"
#include "nq/unicode_bridge.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <functional>

namespace clipboard {
namespace {

// A stretch of one block in one format, or several that must convert together.
struct Run {
    int start = 0;
    int end = 0;
    QTextCharFormat format;
    QString text;
};

QList<Run> runsOf(const QTextBlock& block, int from, int to)
{
    QList<Run> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = std::max(from, fragment.position());
        const int end = std::min(to, fragment.position() + fragment.length());
        if (start >= end)
            continue;
        runs.append({start, end, fragment.charFormat(),
                     fragment.text().mid(start - fragment.position(), end - start)});
    }
    return runs;
}

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

QTextCharFormat withFamily(QTextCharFormat format, const QString& family)
{
    format.setFontFamilies(QStringList{family});
    return format;
}

// A format like `format` whose face shows characters as they are, not as NQ glyphs.
QTextCharFormat plainFace(QTextCharFormat format, const QTextDocument& document)
{
    if (!isNqText(format, document))
        return format;
    format.clearProperty(QTextFormat::FontFamilies);
    format.clearProperty(QTextFormat::FontFamily);
    if (isNqText(format, document))
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
            if (isNqText(run.format, document)) {
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

// Replaces, from the last to the first so that positions stay valid.
void replaceRuns(QTextDocument& document, const QList<Run>& runs,
                 const std::function<void(QTextCursor&, const Run&)>& replace)
{
    for (auto it = runs.crbegin(); it != runs.crend(); ++it) {
        QTextCursor cursor(&document);
        cursor.setPosition(it->start);
        cursor.setPosition(it->end, QTextCursor::KeepAnchor);
        replace(cursor, *it);
    }
}

void insertNqResult(QTextCursor& cursor, const nq::BridgeResult& r, const QTextCharFormat& nqFormat,
                    const QTextCharFormat& keptFormat)
{
    int start = 0;
    for (int kept : r.keptAt) {
        if (kept > start)
            cursor.insertText(r.text.mid(start, kept - start), nqFormat);
        cursor.insertText(r.text.mid(kept, 1), keptFormat);
        start = kept + 1;
    }
    if (start < r.text.size())
        cursor.insertText(r.text.mid(start), nqFormat);
}

// Runs of pasted HTML that hold Unicode Bengali become NQ text; runs already in the NQ face
// are NQ codes and stay.
void convertForeignBengali(QTextDocument& pasted)
{
    for (QTextBlock block = pasted.begin(); block.isValid(); block = block.next()) {
        const int from = block.position();
        const int to = from + block.length() - 1;
        const auto foreign = [&](const Run& run) { return !isNqText(run.format, pasted); };
        QList<Run> bengali;
        for (const Run& run : groups(runsOf(block, from, to), foreign, &unicodeSyllableBreak))
            if (nq::containsBengali(run.text))
                bengali.append(run);
        replaceRuns(pasted, bengali, [](QTextCursor& cursor, const Run& run) {
            insertNqResult(cursor, nq::unicodeToNq(run.text), withFamily(run.format, kNqFamily),
                           run.format);
        });
    }
}

} // namespace

QString effectiveFamily(const QTextCharFormat& format, const QTextDocument& document)
{
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    if (const QString family = format.property(QTextFormat::FontFamily).toString(); !family.isEmpty())
        return family;
    return document.defaultFont().family();
}

bool isNqText(const QTextCharFormat& format, const QTextDocument& document)
{
    return effectiveFamily(format, document).compare(kNqFamily, Qt::CaseInsensitive) == 0;
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
                                                 const QString& bengaliFamily)
{
    std::unique_ptr<QTextDocument> copy(document.clone());
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        const int from = block.position();
        const int to = from + block.length() - 1;
        const auto nqRun = [&](const Run& run) { return isNqText(run.format, document); };
        replaceRuns(*copy, groups(runsOf(block, from, to), nqRun, &nqSyllableBreak),
                    [&](QTextCursor& cursor, const Run& run) {
                        cursor.insertText(nq::nqToUnicode(run.text).text,
                                          withFamily(run.format, bengaliFamily));
                    });
    }
    if (isNqText(QTextCharFormat(), document)) {
        QFont font = copy->defaultFont();
        font.setFamilies(QStringList{bengaliFamily});
        copy->setDefaultFont(font);
    }
    return copy;
}

QMimeData* mimeDataForSelection(const QTextCursor& selection)
{
    auto* mime = new QMimeData;
    if (!selection.document() || !selection.hasSelection())
        return mime;
    const QTextDocument& source = *selection.document();
    QTextDocument copy;
    copy.setDefaultFont(source.defaultFont());
    QTextCursor(&copy).insertFragment(selection.selection());
    // Every run names its face, and the HTML's default is not NQ: the exporter leaves out a
    // family equal to the default, and a receiver that drops the body's style (a web page
    // does) would lose the NQ face with it.
    for (QTextBlock block = copy.begin(); block.isValid(); block = block.next()) {
        const int from = block.position();
        replaceRuns(copy, runsOf(block, from, from + block.length() - 1),
                    [&](QTextCursor& cursor, const Run& run) {
                        cursor.mergeCharFormat(
                            withFamily(QTextCharFormat(), effectiveFamily(run.format, copy)));
                    });
    }
    if (isNqText(QTextCharFormat(), copy)) {
        QFont font = copy.defaultFont();
        font.setFamilies(QStringList{QStringLiteral("sans-serif")});
        copy.setDefaultFont(font);
    }
    mime->setHtml(copy.toHtml());
    mime->setText(selectionToUnicodeText(selection));
    return mime;
}

bool canInsert(const QMimeData* source)
{
    return source && (source->hasText() || source->hasHtml());
}

int insertUnicodeAsNq(QTextCursor& cursor, const QString& text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const nq::BridgeResult r = nq::unicodeToNq(lines);
    const QTextCharFormat base = cursor.charFormat();
    insertNqResult(cursor, r, withFamily(base, kNqFamily), plainFace(base, *cursor.document()));
    return r.unconverted;
}

bool insertMimeData(QTextCursor& cursor, const QMimeData* source, bool richText)
{
    if (!canInsert(source))
        return false;
    cursor.beginEditBlock();
    if (richText && source->hasHtml()) {
        QTextDocument pasted;
        pasted.setHtml(source->html());
        convertForeignBengali(pasted);
        cursor.insertFragment(QTextDocumentFragment(&pasted));
    } else {
        QString text = source->text();
        if (nq::containsBengali(text)) {
            insertUnicodeAsNq(cursor, text);
        } else {
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            cursor.insertText(text);
        }
    }
    cursor.endEditBlock();
    return true;
}

} // namespace clipboard
