#include "rtf/complex_script.h"

#include <QChar>

namespace rtf {

bool isComplexScriptLetter(char32_t ch)
{
    return (ch >= 0x0590 && ch <= 0x08FF)     // Hebrew, Arabic, Syriac, Thaana, NKo...
        || (ch >= 0x0900 && ch <= 0x0DFF)     // Devanagari, Bengali and the other Indic scripts
        || (ch >= 0x0E00 && ch <= 0x0EFF)     // Thai, Lao
        || (ch >= 0x0F00 && ch <= 0x0FFF)     // Tibetan
        || (ch >= 0x1780 && ch <= 0x17FF)     // Khmer
        || (ch >= 0xFB1D && ch <= 0xFDFF)     // Hebrew and Arabic presentation forms
        || (ch >= 0xFE70 && ch <= 0xFEFF);
}

bool hasComplexScriptValues(const CharProps& chars)
{
    return !(complexScriptProps(chars) == chars);
}

CharProps complexScriptProps(const CharProps& chars)
{
    CharProps props = chars;
    if (chars.scriptFont >= 0)
        props.font = chars.scriptFont;
    if (chars.scriptHalfPoints > 0)
        props.halfPoints = chars.scriptHalfPoints;
    if (chars.scriptBold >= 0)
        props.bold = chars.scriptBold != 0;
    if (chars.scriptItalic >= 0)
        props.italic = chars.scriptItalic != 0;
    return props;
}

QList<ScriptPiece> splitByScript(QStringView text)
{
    QList<ScriptPiece> pieces;
    int kind = -1;   // -1 until the first letter: leading weak characters join it
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype at = i;
        char32_t ch = text[i++].unicode();
        if (QChar::isHighSurrogate(ch) && i < text.size() && text[i].isLowSurrogate())
            ch = QChar::surrogateToUcs4(char16_t(ch), text[i++].unicode());
        const bool complex = isComplexScriptLetter(ch);
        const bool strong = complex || QChar::isLetter(ch);
        if (!strong)
            continue;
        if (kind < 0) {
            kind = complex;
        } else if (kind != int(complex)) {
            pieces.append({start, at - start, kind == 1});
            start = at;
            kind = complex;
        }
    }
    if (start < text.size())
        pieces.append({start, text.size() - start, kind == 1});
    return pieces;
}

} // namespace rtf
