#include "word_splitter.h"

#include "nq/glyph_code.h"
#include "nq/glyph_table.h"

#include <array>

namespace spelling {
namespace {

enum class CodeClass : unsigned char { Separator, Letter, Digit, Apostrophe };

const std::array<CodeClass, 256>& codeClasses()
{
    static const std::array<CodeClass, 256> classes = [] {
        std::array<CodeClass, 256> table{};
        table.fill(CodeClass::Separator);
        for (const nq::Glyph& glyph : nq::glyphTable()) {
            if (glyph.code < 0 || glyph.code > 255)
                continue;
            switch (glyph.kind) {
            case nq::Kind::Space:
            case nq::Kind::Punct:
            case nq::Kind::LineBreak:
                break;
            case nq::Kind::Digit:
                table[glyph.code] = CodeClass::Digit;
                break;
            default:
                table[glyph.code] = CodeClass::Letter;
            }
        }
        table['\''] = CodeClass::Apostrophe;
        return table;
    }();
    return classes;
}

CodeClass classOf(QChar ch)
{
    const auto code = nq::toCode(ch);
    return code ? codeClasses()[*code] : CodeClass::Separator;
}

} // namespace

QList<WordSpan> splitNqWords(QStringView text)
{
    QList<WordSpan> words;
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        CodeClass c = classOf(text[i]);
        if (c != CodeClass::Letter && c != CodeClass::Digit) {
            ++i;
            continue;
        }
        const int start = i;
        bool number = false;
        while (i < n) {
            c = classOf(text[i]);
            if (c == CodeClass::Apostrophe && i + 1 < n && classOf(text[i + 1]) == CodeClass::Letter) {
                ++i;
                continue;
            }
            if (c != CodeClass::Letter && c != CodeClass::Digit)
                break;
            number = number || c == CodeClass::Digit;
            ++i;
        }
        if (!number)
            words.append({start, i - start});
    }
    return words;
}

} // namespace spelling
