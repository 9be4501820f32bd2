#include "nq/glyph_code.h"

#include "nq/glyph_table.h"

#include <array>

namespace nq {
namespace {

// cp1252 0x80–0x9F; the five undefined bytes keep their C1 code point, as Qt's decoder does.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t kPrivateBase = 0xF000;
constexpr char16_t kLibreOfficeBase = 0xF100;

char16_t cp1252(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F)
        return kHigh[b - 0x80];
    return b;
}

// Qt's line breaker and word navigation read a character for what it means in Latin text:
// `]` closes a bracket, `£` and `\` are currency signs, `^` and `_` separate words, and
// U+00AD is a soft hyphen that is drawn as nothing. A word would break at such a code. A
// private-use character counts as a letter there, so every code that stands inside Bengali
// words and whose cp1252 character is not a letter is held in that form.
const std::array<bool, 256>& heldPrivateCodes()
{
    static const std::array<bool, 256> held = [] {
        std::array<bool, 256> codes{};
        for (const Glyph& glyph : glyphTable())
            codes[glyph.code] = standsInsideWords(glyph.kind) && !QChar(cp1252(glyph.code)).isLetter();
        return codes;
    }();
    return held;
}

} // namespace

bool isHeldPrivate(unsigned char code)
{
    return heldPrivateCodes()[code];
}

QChar toPlainChar(unsigned char code)
{
    return QChar(cp1252(code));
}

QChar toChar(unsigned char code)
{
    if (isHeldPrivate(code))
        return QChar(char16_t(kPrivateBase + code));
    return QChar(cp1252(code));
}

std::optional<unsigned char> toCode(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u >= kPrivateBase && u < kPrivateBase + 0x100)
        return static_cast<unsigned char>(u - kPrivateBase);
    if (u >= kLibreOfficeBase && u < kLibreOfficeBase + 0x100)
        return static_cast<unsigned char>(u - kLibreOfficeBase);
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (int i = 0; i < int(kHigh.size()); ++i)
        if (kHigh[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

QString toText(const QByteArray& codes)
{
    QString out;
    out.reserve(codes.size());
    for (char c : codes)
        out.append(toChar(static_cast<unsigned char>(c)));
    return out;
}

QByteArray toCodes(const QString& text, char fallback)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const auto code = toCode(ch);
        out.append(code ? static_cast<char>(*code) : fallback);
    }
    return out;
}

} // namespace nq
