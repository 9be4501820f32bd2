#pragma once
// Symbol fonts (\fcharset2, or faces such as Symbol and Wingdings): their bytes name glyphs,
// not characters of a code page. The Symbol face's glyphs are Greek letters and
// mathematical signs with Unicode equivalents; the other faces' glyphs have none, so their
// byte b is held as U+F000 + b, as Word and LibreOffice hold it, and written back as b.

#include <QString>

#include <cstdint>
#include <optional>

namespace rtf {

enum class SymbolFont : std::uint8_t { None, Symbol, Other };

// `symbolCharset`: the font table declares the face \fcharset2. The NQ face is never passed
// here: its bytes are glyph codes.
SymbolFont symbolFontOf(const QString& face, bool symbolCharset);

// The character a byte of a symbol font stands for.
char16_t fromSymbolByte(SymbolFont font, unsigned char byte);

// The character a \uN in a symbol font stands for: the private-use form of a Symbol byte
// becomes its Unicode equivalent; anything else stays.
char16_t fromSymbolUnicode(SymbolFont font, char16_t unit);

// The byte that gives `ch` in a symbol font, if any.
std::optional<unsigned char> toSymbolByte(SymbolFont font, QChar ch);

} // namespace rtf
