#include "rtf/reader_fonts.h"

#include "nq/face.h"
#include "rtf/tokenizer.h"

namespace rtf {

void FontTable::start()
{
    ++changes_;
    entry_ = -1;
    nameBytes_.clear();
}

bool FontTable::word(Cmd cmd, const Token& token)
{
    const int p = token.param;
    switch (cmd) {
    case Cmd::Font:
        if (!nameBytes_.isEmpty())
            commitName();
        entry_ = p;
        fonts_[p] = FontEntry{};
        break;
    case Cmd::FontCharset:
        if (entry_ >= 0) {
            fonts_[entry_].charsetCodePage = codePageOfCharset(p);
            fonts_[entry_].symbolCharset = p == 2;
        }
        break;
    case Cmd::CodePage:
        if (entry_ >= 0 && p > 0)
            fonts_[entry_].codePage = p;
        break;
    default:
        break;
    }
    // No other word means anything inside the table.
    return true;
}

void FontTable::text(std::string_view bytes)
{
    for (char c : bytes) {
        if (c == ';')
            commitName();
        else
            nameBytes_.append(c);
    }
}

void FontTable::groupClosed(GroupState&)
{
    if (!nameBytes_.isEmpty())
        commitName();
}

void FontTable::commitName()
{
    // Nothing to commit at the ';' after a name that a {\*\falt} group already ended.
    if (entry_ < 0 || nameBytes_.trimmed().isEmpty()) {
        nameBytes_.clear();
        return;
    }
    FontEntry& entry = fonts_[entry_];
    const int codePage = entry.codePage > 0 ? entry.codePage
                       : entry.charsetCodePage > 0 ? entry.charsetCodePage
                                                   : document_.codePage;
    entry.name = decoder_.decode(codePage, nameBytes_).trimmed();
    entry.nq = nq::isNqFace(entry.name);
    entry.symbol = entry.nq ? SymbolFont::None : symbolFontOf(entry.name, entry.symbolCharset);
    entry.suffixCodePage = codePageOfFontName(entry.name);
    nameBytes_.clear();
    ++changes_;
}

const FontEntry* FontTable::fontOf(const CharProps& chars) const
{
    const int number = chars.font < 0 ? document_.defaultFont : chars.font;
    auto found = fonts_.find(number);
    if (found == fonts_.end() && number != document_.defaultFont)
        found = fonts_.find(document_.defaultFont);
    return found == fonts_.end() ? nullptr : &found->second;
}

QString unfontedFace() { return QStringLiteral("Sans Serif"); }

const FontEntry* FontTable::scriptFontOf(const CharProps& chars) const
{
    const auto found = chars.scriptFont < 0 ? fonts_.end() : fonts_.find(chars.scriptFont);
    return found == fonts_.end() ? nullptr : &found->second;
}

QHash<int, QString> FontTable::faces() const
{
    QHash<int, QString> faces;
    for (const auto& [number, entry] : fonts_)
        faces.insert(number, entry.name);
    return faces;
}

int FontTable::codePageOf(const FontEntry* font) const
{
    if (font && font->suffixCodePage > 0)
        return font->suffixCodePage;
    if (font && font->codePage > 0)
        return font->codePage;
    if (font && font->charsetCodePage > 0)
        return font->charsetCodePage;
    return document_.codePage;
}

} // namespace rtf
