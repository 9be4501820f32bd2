#include "rtf/symbol_fonts.h"

#include <QHash>

#include <array>

namespace rtf {
namespace {

constexpr char16_t kPrivateUseBase = 0xF000;

// The Symbol face's published encoding, bytes 0x20-0xFF; 0 where the glyph has no Unicode
// equivalent (the byte then keeps its private-use form).
constexpr std::array<char16_t, 0xE0> kSymbol = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220D,  // 20
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,  // 28
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,  // 30
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,  // 38
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,  // 40
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,  // 48
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,  // 50
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,  // 58
    0x0000, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,  // 60
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,  // 68
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,  // 70
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0x0000,  // 78
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // 80
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // 88
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // 90
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // 98
    0x0000, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,  // A0
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,  // A8
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,  // B0
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x0000, 0x0000, 0x21B5,  // B8
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,  // C0
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,  // C8
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,  // D0
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,  // D8
    0x22C4, 0x2329, 0x0000, 0x0000, 0x0000, 0x2211, 0x0000, 0x0000,  // E0
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // E8
    0x0000, 0x232A, 0x222B, 0x2320, 0x0000, 0x2321, 0x0000, 0x0000,  // F0
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,  // F8
};

const QHash<char16_t, unsigned char>& symbolBytes()
{
    static const QHash<char16_t, unsigned char> bytes = [] {
        QHash<char16_t, unsigned char> map;
        for (int byte = 0x20; byte <= 0xFF; ++byte)
            if (const char16_t unit = kSymbol[byte - 0x20])
                map.insert(unit, static_cast<unsigned char>(byte));
        return map;
    }();
    return bytes;
}

} // namespace

SymbolFont symbolFontOf(const QString& face, bool symbolCharset)
{
    // The writer asks for every run: most faces are told apart by their first letter.
    const char16_t initial = face.isEmpty() ? 0 : QChar::toLower(face.front().unicode());
    if (initial != u's' && initial != u'w' && initial != u'm' && initial != u'z')
        return symbolCharset ? SymbolFont::Other : SymbolFont::None;
    if (face.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        return SymbolFont::Symbol;
    static const char* const kOtherFaces[] = {"Wingdings", "Wingdings 2", "Wingdings 3", "Webdings", "Marlett",
                                              "MT Extra", "ZapfDingbats", "Zapf Dingbats"};
    for (const char* other : kOtherFaces)
        if (face.compare(QLatin1String(other), Qt::CaseInsensitive) == 0)
            return SymbolFont::Other;
    return symbolCharset ? SymbolFont::Other : SymbolFont::None;
}

char16_t fromSymbolByte(SymbolFont font, unsigned char byte)
{
    if (font == SymbolFont::Symbol && byte >= 0x20) {
        if (const char16_t unit = kSymbol[byte - 0x20])
            return unit;
    }
    return char16_t(kPrivateUseBase + byte);
}

char16_t fromSymbolUnicode(SymbolFont font, char16_t unit)
{
    if (font == SymbolFont::Symbol && unit >= kPrivateUseBase && unit <= kPrivateUseBase + 0xFF)
        return fromSymbolByte(font, static_cast<unsigned char>(unit - kPrivateUseBase));
    return unit;
}

std::optional<unsigned char> toSymbolByte(SymbolFont font, QChar ch)
{
    const char16_t unit = ch.unicode();
    if (font == SymbolFont::None)
        return std::nullopt;
    if (unit >= kPrivateUseBase + 0x20 && unit <= kPrivateUseBase + 0xFF)
        return static_cast<unsigned char>(unit - kPrivateUseBase);
    if (font == SymbolFont::Symbol) {
        const auto found = symbolBytes().constFind(unit);
        if (found != symbolBytes().cend())
            return *found;
    }
    return std::nullopt;
}

} // namespace rtf
