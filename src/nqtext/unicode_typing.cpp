#include "nqtext/unicode_typing.h"

#include "nq/face.h"
#include "nq/glyph_code.h"
#include "nq/glyph_table.h"
#include "nq/unicode_bridge.h"
#include "nqtext/nq_runs.h"
#include "nqtext/text_runs.h"
#include "nqtext/unicode_document.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace nqtext {
namespace {

// Longer than any Bengali word; the scan for the word before the caret stops there.
constexpr int kLongestWord = 64;

bool standsInsideWord(QChar ch)
{
    const auto code = nq::toCode(ch);
    const nq::Glyph* glyph = code ? nq::glyphFor(*code) : nullptr;
    return glyph && nq::standsInsideWords(glyph->kind);
}

// Where the NQ word that ends at `end` starts: letters, signs and marks of one run that
// looks as `nqFormat` does.
int wordStart(const QTextDocument& document, int end, const QTextCharFormat& nqFormat)
{
    const int blockStart = document.findBlock(end).position();
    QTextCursor probe(const_cast<QTextDocument*>(&document));
    int start = end;
    while (start > blockStart && end - start < kLongestWord) {
        if (!standsInsideWord(document.characterAt(start - 1)))
            break;
        probe.setPosition(start);
        const QTextCharFormat format = probe.charFormat();
        if (!isNqRun(format, document) || withFamily(format, nq::kFace) != nqFormat)
            break;
        --start;
    }
    return start;
}

QString textBetween(const QTextDocument& document, int from, int to)
{
    QString text;
    text.reserve(to - from);
    for (int p = from; p < to; ++p)
        text.append(document.characterAt(p));
    return text;
}

} // namespace

bool isBengaliInput(const QString& text)
{
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if ((u >= 0x0980 && u <= 0x09FF) || u == 0x0964 || u == 0x0965 || u == 0x200C || u == 0x200D)
            return true;
    }
    return false;
}

int typeUnicode(QTextCursor& cursor, const QString& text)
{
    QTextDocument& document = *cursor.document();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const QTextCharFormat format = cursor.charFormat();
    const QTextCharFormat nqFormat = withFamily(format, nq::kFace);
    const int end = cursor.position();
    int start = wordStart(document, end, nqFormat);
    const QString before = textBetween(document, start, end);
    const nq::BridgeResult logical = nq::nqToUnicode(before);
    // A word the bridge cannot read whole is left as it stands.
    if (logical.unconverted > 0)
        start = end;
    const nq::BridgeResult typed = nq::unicodeToNq((start < end ? logical.text : QString()) + text);

    qsizetype same = 0;
    const qsizetype firstKept = typed.keptAt.isEmpty() ? typed.text.size() : typed.keptAt.first();
    while (start + same < end && same < firstKept && before[same] == typed.text[same])
        ++same;
    cursor.setPosition(start + int(same));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    insertConverted(cursor, typed, format, int(same));
    cursor.endEditBlock();
    return int(typed.unconverted);
}

} // namespace nqtext
