#include "rtf/list_bullets.h"

#include "rtf/reader_fonts.h"
#include "rtf/symbol_fonts.h"

namespace rtf {
namespace {

// The Wingdings glyphs that lists use as bullets.
char16_t wingdingsBullet(unsigned char byte)
{
    switch (byte) {
    case 0x6C: return 0x25CF;   // ●
    case 0x6E: return 0x25A0;   // ■
    case 0x6F: return 0x25A1;   // □
    case 0x71: return 0x2751;   // ❑
    case 0x75: return 0x25C6;   // ◆
    case 0x76: return 0x2756;   // ❖
    case 0x77: return 0x2B25;   // ⬥
    case 0x9F: return 0x2022;   // •
    case 0xA7: return 0x25AA;   // ▪
    case 0xA8: return 0x25FB;   // ◻
    case 0xD8: return 0x27A2;   // ➢
    case 0xFC: return 0x2714;   // ✔
    default: return 0;
    }
}

bool isBullet(char16_t ch)
{
    switch (ch) {
    case 0x2022: case 0x2023: case 0x2043: case 0x25A0: case 0x25A1: case 0x25AA: case 0x25C6:
    case 0x25CF: case 0x25E6: case 0x25FB: case 0x2666: case 0x2714: case 0x2751: case 0x2756:
    case 0x27A2: case 0x2B25:
        return true;
    default:
        return false;
    }
}

SymbolFont symbolKind(const FontEntry* font) { return font ? font->symbol : SymbolFont::None; }

} // namespace

bool showBulletsAsUnicode(QString& label, const FontEntry* font, const FontEntry* scriptFont)
{
    SymbolFont kind = symbolKind(font);
    if (kind == SymbolFont::None)
        kind = symbolKind(scriptFont);
    // NQ's own codes stand as U+F0xx too: only a symbol face named beside it makes them bullets.
    const bool nqCodes = font && font->nq && kind == SymbolFont::None;
    bool bullet = false;
    for (QChar& ch : label) {
        char16_t unit = ch.unicode();
        if (unit >= 0xF020 && unit <= 0xF0FF && !nqCodes) {
            const auto byte = static_cast<unsigned char>(unit - 0xF000);
            char16_t shown = 0;
            if (kind == SymbolFont::Symbol || (kind == SymbolFont::None && byte == 0xB7))
                shown = fromSymbolByte(SymbolFont::Symbol, byte);
            else
                shown = wingdingsBullet(byte);
            if (isBullet(shown))
                unit = shown;
        }
        if (isBullet(unit)) {
            ch = QChar(unit);
            bullet = true;
        }
    }
    // A bullet in a text face other than NQ already shows.
    return bullet && (kind != SymbolFont::None || (font && font->nq) || !font);
}

} // namespace rtf
