#include "rtf/reader.h"

#include "nq/face.h"
#include "nq/glyph_code.h"
#include "rtf/field_instruction.h"
#include "rtf/format_mapping.h"
#include "rtf/memory_allowance.h"
#include "rtf/picture_properties.h"
#include "rtf/hex_digit.h"
#include "rtf/units.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextBlockFormat>
#include <QTextImageFormat>

#include <algorithm>
#include <cmath>
#include <limits>

namespace rtf {
namespace {

constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxUnicodeSkip = 1000;

bool toggleValue(const Token& token) { return !token.hasParam || token.param != 0; }

void replaceUnpairedSurrogates(QString& text)
{
    QChar* data = text.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i].isHighSurrogate() && i + 1 < size && data[i + 1].isLowSurrogate())
            ++i;
        else if (data[i].isSurrogate())
            data[i] = QChar::ReplacementCharacter;
    }
}

// Control bytes in the text carry nothing but the tab.
bool isDroppedControl(char16_t ch) { return ch < 0x20 && ch != '\t'; }

} // namespace

Reader::Reader(QByteArrayView data, QTextDocument& document, const ReadLimits& limits)
    : data_(data), document_(document), tokenizer_(data), builder_(document), pictureBudgetLeft_(limits.pictureBytes)
{
    qint64 allowance = limits.documentBytes;
    if (allowance < 0) {
        // Half: the estimate is rough, and Qt grows its tables by doubling them.
        const qint64 available = availableMemory();
        allowance = available < 0 ? std::numeric_limits<qint64>::max() : available / 2;
    }
    builder_.setAllowance(allowance);
    stack_.reserve(64);
}

std::optional<ReadError> Reader::errorAt(qsizetype offset, const QString& cause) const
{
    ReadError error{cause};
    Tokenizer::lineAndColumn(data_, offset, error.line, error.column);
    return error;
}

std::optional<ReadError> Reader::read(ReadNotes& notes)
{
    notes_ = &notes;
    qsizetype start = 0;
    if (data_.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < data_.size() && QChar::isSpace(uchar(data_[start])))
        ++start;
    if (start >= data_.size())
        return ReadError{QStringLiteral("the file is empty")};
    qsizetype word = start + 1;
    while (word < data_.size() && QChar::isSpace(uchar(data_[word])))
        ++word;
    if (data_[start] != '{' || !data_.sliced(word).startsWith("\\rtf"))
        return ReadError{QStringLiteral("this is not an RTF file: it does not begin with {\\rtf")};
    // The document group opens here; blanks before \rtf are no text.
    openGroup();
    tokenizer_.skipTo(word);

    while (!documentEnded_) {
        if (builder_.overAllowance())
            return ReadError{QStringLiteral("there is not enough memory to open it")};
        const Token token = tokenizer_.next();
        if (token.kind == TokenKind::End)
            break;
        if (auto error = dispatch(token))
            return error;
    }
    if (!tokenizer_.error().isEmpty())
        return errorAt(tokenizer_.errorOffset(), tokenizer_.error());

    // A file cut short of its closing braces keeps what it holds, and says so.
    if (!stack_.empty())
        notes.truncated = true;
    skipDepth_ = 0;
    while (!stack_.empty())
        closeGroup();
    if (!finished_)
        finishDocument();
    return std::nullopt;
}

std::optional<ReadError> Reader::dispatch(const Token& token)
{
    if (skipDepth_ > 0) {
        if (token.kind == TokenKind::GroupStart) {
            if (int(stack_.size()) + skipDepth_ >= kMaxGroupDepth)
                return errorAt(token.offset, QStringLiteral("groups are nested more than %1 deep").arg(kMaxGroupDepth));
            ++skipDepth_;
        } else if (token.kind == TokenKind::GroupEnd && --skipDepth_ == 0) {
            if (!footnotes_.empty() && footnotes_.back().end < 0)
                footnotes_.back().end = token.offset;
            closeGroup();
        }
        return std::nullopt;
    }
    switch (token.kind) {
    case TokenKind::GroupStart:
        if (int(stack_.size()) >= kMaxGroupDepth)
            return errorAt(token.offset, QStringLiteral("groups are nested more than %1 deep").arg(kMaxGroupDepth));
        openGroup();
        break;
    case TokenKind::GroupEnd:
        closeGroup();
        break;
    case TokenKind::Word: handleWord(token); break;
    case TokenKind::Symbol: handleSymbol(token.symbol); break;
    case TokenKind::HexByte: handleHexByte(token.byte); break;
    case TokenKind::Text: handleBytes(token.text); break;
    case TokenKind::Binary: handleBinary(token.text); break;
    case TokenKind::End: break;
    }
    return std::nullopt;
}

void Reader::finishDocument()
{
    if (!footnotes_.empty() && footnoteReading_ == 0)
        appendFootnotes();
    flushBytes();
    emitRun();
    QTextBlockFormat last = toBlockFormat(state_.para);
    if (pageBreakPending_)
        last.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    builder_.finish(last, charFormat(state_.chars));
    finished_ = true;
}

void Reader::openGroup()
{
    flushBytes();
    stack_.push_back(state_);
    unicodeFallbackLeft_ = 0;
    ignorableNext_ = false;
    groupStart_ = true;
}

void Reader::closeGroup()
{
    flushBytes();
    ignorableNext_ = false;
    groupStart_ = false;
    unicodeFallbackLeft_ = 0;
    if (stack_.empty())
        return;
    GroupState& parent = stack_.back();
    if (state_.destination == Destination::FontTable && !fontNameBytes_.isEmpty())
        commitFontName();
    if (state_.destination == Destination::LegacyList && parent.destination == Destination::Body) {
        legacyList_ = lists_.finishLegacy(legacyList_);
        parent.para.legacyList = legacyList_;
    }
    if (state_.destination == Destination::Picture && parent.destination == Destination::Body)
        finishPicture();
    if (stack_.size() == 1) {
        // The document group ends here: its last paragraph has the properties in force now.
        finishDocument();
        documentEnded_ = true;
    }
    // Not `parent`: the notes read at the end of the document may have grown the stack.
    state_ = stack_.back();
    stack_.pop_back();
}

void Reader::startSkipping()
{
    // A destination word outside any inner group would swallow the whole document.
    if (stack_.size() <= 1)
        return;
    flushBytes();
    skipDepth_ = 1;
}

bool Reader::handleDestinationWord(Cmd cmd, bool ignorable, bool first)
{
    switch (cmd) {
    case Cmd::FontTable:
        // A table that comes after text must not restyle the text already read.
        emitRun();
        formatCached_ = false;
        state_.destination = Destination::FontTable;
        fontEntry_ = -1;
        fontNameBytes_.clear();
        return true;
    case Cmd::ColorTable:
        emitRun();
        formatCached_ = false;
        state_.destination = Destination::ColorTable;
        colorHasValue_ = false;
        red_ = green_ = blue_ = 0;
        return true;
    case Cmd::Field:
        fieldInstructions_.emplace_back();
        state_.field = int(fieldInstructions_.size()) - 1;
        return true;
    case Cmd::FieldInstruction:
        state_.destination = Destination::FieldInstruction;
        return true;
    case Cmd::FieldResult: {
        state_.destination = Destination::Body;
        if (state_.field >= 0) {
            const QString target = hyperlinkTarget(fieldInstructions_[state_.field]);
            if (!target.isEmpty()) {
                links_.append(target);
                state_.chars.link = int(links_.size()) - 1;
            }
        }
        return true;
    }
    case Cmd::Picture:
        state_.destination = Destination::Picture;
        picture_ = PictureData{};
        return true;
    case Cmd::ShapePicture:
        return true;
    case Cmd::Upr:
        state_.destination = Destination::Upr;
        return true;
    case Cmd::Ud:
        state_.destination = Destination::Body;
        return true;
    case Cmd::Object:
        state_.destination = Destination::Object;
        return true;
    case Cmd::ObjectResult:
        if (state_.destination == Destination::Object)
            state_.destination = Destination::Body;
        return true;
    case Cmd::Footnote:
        // Kept aside and read again after the body: the notes become endnotes.
        if (first && state_.destination == Destination::Body && footnoteReading_ == 0 && stack_.size() > 1)
            footnotes_.push_back(Footnote{tokenizer_.position(), -1, state_});
        if (first)
            startSkipping();
        return true;
    case Cmd::ListTable:
    case Cmd::ListOverrideTable:
        if (first)
            state_.destination = cmd == Cmd::ListTable ? Destination::ListTable : Destination::ListOverrideTable;
        return true;
    case Cmd::List:
    case Cmd::ListLevel:
        if (state_.destination == Destination::ListTable || state_.destination == Destination::ListOverrideTable)
            return false;
        // A list definition outside its table shows nothing.
        if (first)
            startSkipping();
        return true;
    case Cmd::LevelText:
        if (state_.destination == Destination::ListTable) {
            state_.destination = Destination::LevelText;
            if (ListLevel* level = lists_.currentLevel()) {
                level->text.clear();
                level->hasText = false;
            }
        } else if (first) {
            startSkipping();
        }
        return true;
    case Cmd::Legacy:
        if (first && state_.destination == Destination::Body) {
            legacyList_ = lists_.addLegacy();
            state_.destination = Destination::LegacyList;
        } else if (first) {
            startSkipping();
        }
        return true;
    case Cmd::LegacyTextBefore:
    case Cmd::LegacyTextAfter:
        if (state_.destination == Destination::LegacyList)
            state_.destination = cmd == Cmd::LegacyTextBefore ? Destination::LegacyBefore : Destination::LegacyAfter;
        else if (first)
            startSkipping();
        return true;
    case Cmd::LiteralLabel:
        if (state_.destination == Destination::Body)
            state_.literalLabel = true;
        return true;
    case Cmd::SkipDestination:
        // Only a group's first word makes it a destination; elsewhere the word is ignored.
        if (first)
            startSkipping();
        return true;
    default:
        if (ignorable) {
            startSkipping();
            return true;
        }
        return false;
    }
}

bool Reader::handleListTableWord(Cmd cmd, const Token& token)
{
    const int p = token.param;
    const bool overrides = state_.destination == Destination::ListOverrideTable;
    // Level words inside \listoverride (AbiWord writes some there) change no \list.
    ListLevel* level = overrides ? nullptr : lists_.currentLevel();
    switch (cmd) {
    case Cmd::List: if (!overrides) lists_.beginList(); return true;
    case Cmd::ListLevel: if (!overrides) lists_.beginLevel(); return true;
    case Cmd::LevelFormat: if (level) level->format = numberFormatOfNfc(p); return true;
    case Cmd::LevelStart: if (level) level->start = p; return true;
    case Cmd::LevelFollow: if (level) level->follow = p; return true;
    case Cmd::LevelLegal: if (level) level->legal = toggleValue(token); return true;
    case Cmd::Font: if (level) level->font = p; return true;
    case Cmd::ListId:
        if (overrides)
            lists_.setOverrideListId(p);
        else
            lists_.setListId(p);
        return true;
    case Cmd::ListOverride: lists_.beginOverride(); return true;
    case Cmd::ListOverrideNumber: if (overrides) lists_.setOverrideNumber(p); return true;
    default: return false;
    }
}

bool Reader::handleLegacyListWord(Cmd cmd, const Token& token)
{
    LegacyList* list = lists_.legacy(legacyList_);
    if (!list)
        return false;
    const int p = token.param;
    switch (cmd) {
    case Cmd::LegacyBody: list->kind = LegacyList::Kind::Body; return true;
    case Cmd::LegacyBullet: list->kind = LegacyList::Kind::Bullet; return true;
    case Cmd::LegacyContinue: list->kind = LegacyList::Kind::Continue; return true;
    case Cmd::LegacyLevel:
        // \pnlvl10-12 are the long forms of body, bullet and continuation.
        list->kind = p == 10 ? LegacyList::Kind::Body : p == 11 ? LegacyList::Kind::Bullet
                   : p == 12 ? LegacyList::Kind::Continue : LegacyList::Kind::Level;
        list->level = p;
        return true;
    case Cmd::LegacyDecimal: list->format = NumberFormat::Decimal; return true;
    case Cmd::LegacyUpperRoman: list->format = NumberFormat::UpperRoman; return true;
    case Cmd::LegacyLowerRoman: list->format = NumberFormat::LowerRoman; return true;
    case Cmd::LegacyUpperLetter: list->format = NumberFormat::UpperLetter; return true;
    case Cmd::LegacyLowerLetter: list->format = NumberFormat::LowerLetter; return true;
    case Cmd::LegacyOrdinal: list->format = NumberFormat::Ordinal; return true;
    case Cmd::LegacyStart: list->start = p; return true;
    case Cmd::LegacyFont: list->font = p; return true;
    default: return false;
    }
}

bool Reader::consumedAsFallback()
{
    ignorableNext_ = false;
    groupStart_ = false;
    flushBytes();
    if (unicodeFallbackLeft_ > 0) {
        --unicodeFallbackLeft_;
        return true;
    }
    return false;
}

void Reader::handleWord(const Token& token)
{
    const bool ignorable = ignorableNext_;
    const bool first = groupStart_;
    if (consumedAsFallback())
        return;
    const Cmd cmd = lookupControlWord(token.text);
    if (handleDestinationWord(cmd, ignorable, first))
        return;

    const int p = token.param;
    CharProps& chars = state_.chars;
    ParaProps& para = state_.para;
    const Destination destination = state_.destination;

    if (destination == Destination::FontTable) {
        switch (cmd) {
        case Cmd::Font:
            if (!fontNameBytes_.isEmpty())
                commitFontName();
            fontEntry_ = p;
            fonts_[p] = FontEntry{};
            return;
        case Cmd::FontCharset:
            if (fontEntry_ >= 0) {
                fonts_[fontEntry_].charsetCodePage = codePageOfCharset(p);
                fonts_[fontEntry_].symbolCharset = p == 2;
            }
            return;
        case Cmd::CodePage:
            if (fontEntry_ >= 0 && p > 0)
                fonts_[fontEntry_].codePage = p;
            return;
        default:
            return;
        }
    }
    if (destination == Destination::ColorTable) {
        const int value = std::clamp(p, 0, 255);
        switch (cmd) {
        case Cmd::Red: red_ = value; colorHasValue_ = true; return;
        case Cmd::Green: green_ = value; colorHasValue_ = true; return;
        case Cmd::Blue: blue_ = value; colorHasValue_ = true; return;
        default: return;
        }
    }
    if (destination == Destination::ListTable || destination == Destination::ListOverrideTable
        || destination == Destination::LevelText) {
        if (handleListTableWord(cmd, token))
            return;
    } else if (destination == Destination::LegacyList || destination == Destination::LegacyBefore
               || destination == Destination::LegacyAfter) {
        if (handleLegacyListWord(cmd, token))
            return;
    }
    if (destination == Destination::Picture) {
        switch (cmd) {
        case Cmd::PicWidthGoal: picture_.widthGoal = std::max(0, p); return;
        case Cmd::PicHeightGoal: picture_.heightGoal = std::max(0, p); return;
        case Cmd::PicScaleX: picture_.scaleX = std::clamp(p, 1, 10000); return;
        case Cmd::PicScaleY: picture_.scaleY = std::clamp(p, 1, 10000); return;
        default: break;
        }
        switch (cmd) {
        case Cmd::PngBlip:
        case Cmd::JpegBlip: picture_.usable = true; break;
        case Cmd::OtherBlip:
            picture_.usable = false;
            picture_.metafile = token.text.ends_with("metafile") || token.text == "emfblip";
            break;
        case Cmd::PicWidth: picture_.width = std::max(0, p); break;
        case Cmd::PicHeight: picture_.height = std::max(0, p); break;
        default: break;
        }
        // The rest of the group's words describe the data; a picture kept as read needs them.
        if (picture_.header.size() < 4096) {
            picture_.header.append('\\');
            picture_.header.append(token.text.data(), qsizetype(token.text.size()));
            if (token.hasParam)
                picture_.header.append(QByteArray::number(p));
        }
        return;
    }

    switch (cmd) {
    case Cmd::Ansi: ansiCodePage_ = 1252; break;
    case Cmd::Mac: ansiCodePage_ = 10000; break;
    case Cmd::Pc: ansiCodePage_ = 437; break;
    case Cmd::Pca: ansiCodePage_ = 850; break;
    case Cmd::AnsiCpg: if (p > 0) ansiCodePage_ = p; break;
    case Cmd::Deff: defaultFont_ = p; break;
    case Cmd::Font: chars.font = p; break;

    case Cmd::FontSize: if (p > 0) chars.halfPoints = std::min(p, kMaxHalfPoints); break;
    case Cmd::Plain: {
        const int link = chars.link;
        chars = CharProps{};
        chars.link = link;
        break;
    }
    case Cmd::Bold: chars.bold = toggleValue(token); break;
    case Cmd::Italic: chars.italic = toggleValue(token); break;
    case Cmd::Strike: chars.strike = toggleValue(token); break;
    case Cmd::Hidden: chars.hidden = toggleValue(token); break;
    case Cmd::Underline: chars.underline = toggleValue(token) ? Underline::Single : Underline::None; break;
    case Cmd::UnderlineNone: chars.underline = Underline::None; break;
    case Cmd::UnderlineDotted: chars.underline = toggleValue(token) ? Underline::Dotted : Underline::None; break;
    case Cmd::UnderlineDash: chars.underline = toggleValue(token) ? Underline::Dash : Underline::None; break;
    case Cmd::UnderlineDashDot: chars.underline = toggleValue(token) ? Underline::DashDot : Underline::None; break;
    case Cmd::UnderlineDashDotDot: chars.underline = toggleValue(token) ? Underline::DashDotDot : Underline::None; break;
    case Cmd::UnderlineWave: chars.underline = toggleValue(token) ? Underline::Wave : Underline::None; break;
    case Cmd::Foreground: chars.foreground = p; break;
    case Cmd::Background:
    case Cmd::Highlight: chars.background = p; break;
    case Cmd::Super: chars.position = VerticalPosition::Super; break;
    case Cmd::Sub: chars.position = VerticalPosition::Sub; break;
    case Cmd::NoSuperSub: chars.position = VerticalPosition::Normal; break;
    case Cmd::Up: chars.position = p > 0 ? VerticalPosition::Super : VerticalPosition::Normal; break;
    case Cmd::Down: chars.position = p > 0 ? VerticalPosition::Sub : VerticalPosition::Normal; break;

    case Cmd::Pard: para = ParaProps{}; break;
    case Cmd::AlignLeft: para.alignment = Alignment::Left; break;
    case Cmd::AlignCenter: para.alignment = Alignment::Center; break;
    case Cmd::AlignRight: para.alignment = Alignment::Right; break;
    case Cmd::AlignJustify: para.alignment = Alignment::Justify; break;
    case Cmd::LeftIndent: para.leftIndent = p; break;
    case Cmd::RightIndent: para.rightIndent = p; break;
    case Cmd::FirstIndent: para.firstIndent = p; break;
    case Cmd::SpaceBefore: para.spaceBefore = std::max(0, p); break;
    case Cmd::SpaceAfter: para.spaceAfter = std::max(0, p); break;
    case Cmd::LineSpacing: para.lineSpacing = p; break;
    case Cmd::LineMultiple: para.lineMultiple = toggleValue(token); break;
    case Cmd::PageBreakBefore: para.pageBreakBefore = toggleValue(token); break;
    case Cmd::ListOverrideNumber: para.listOverride = p; break;
    case Cmd::ListLevelNumber: para.listLevel = std::clamp(p, 0, kListLevels - 1); break;

    case Cmd::Par:
    case Cmd::Sect:
        endParagraph();
        break;
    case Cmd::Row:
        // The row's end is no paragraph of its own: its cells had theirs.
        paragraphLabelDone_ = true;
        endParagraph();
        break;
    case Cmd::Page:
        endParagraph();
        if (destination == Destination::Body)
            pageBreakPending_ = true;
        break;
    case Cmd::Cell:
        if (destination == Destination::Body) {
            // Each cell is a paragraph of its own; an empty one in a list still shows its label.
            if (!paragraphLabelDone_ && (para.listOverride > 0 || para.legacyList >= 0 || !literalLabel_.isEmpty()))
                beforeContent();
            ++cellSeparatorsPending_;
            paragraphLabelDone_ = false;
            literalLabel_.clear();
        }
        break;
    case Cmd::FootnoteMark:
        appendText(QString::number(footnoteReading_ > 0 ? footnoteReading_ : int(footnotes_.size()) + 1));
        break;
    case Cmd::Line: appendChar(QChar::LineSeparator); break;
    case Cmd::Tab: appendChar(u'\t'); break;
    case Cmd::EmDash: appendNqAwareChar(0x2014, 0x97); break;
    case Cmd::EnDash: appendNqAwareChar(0x2013, 0x96); break;
    case Cmd::Bullet: appendNqAwareChar(0x2022, 0x95); break;
    case Cmd::LeftQuote: appendNqAwareChar(0x2018, 0x91); break;
    case Cmd::RightQuote: appendNqAwareChar(0x2019, 0x92); break;
    case Cmd::LeftDoubleQuote: appendNqAwareChar(0x201C, 0x93); break;
    case Cmd::RightDoubleQuote: appendNqAwareChar(0x201D, 0x94); break;
    case Cmd::EmSpace: appendChar(0x2003); break;
    case Cmd::EnSpace: appendChar(0x2002); break;
    case Cmd::QuarterEmSpace: appendChar(0x2005); break;
    case Cmd::ZeroWidthJoiner: appendChar(0x200D); break;
    case Cmd::ZeroWidthNonJoiner: appendChar(0x200C); break;
    case Cmd::LeftToRightMark: appendChar(0x200E); break;
    case Cmd::RightToLeftMark: appendChar(0x200F); break;

    case Cmd::UnicodeSkip: state_.unicodeSkip = std::clamp(p, 0, kMaxUnicodeSkip); break;
    case Cmd::Unicode:
        if (token.hasParam)
            appendUnicode(p);
        break;
    default: break;
    }
}

void Reader::handleSymbol(char symbol)
{
    if (symbol == '*') {
        // \* marks a destination only at the start of a group; Word also writes it
        // before ordinary words inside runs (\*\cs7), which are then just ignored.
        ignorableNext_ = groupStart_;
        return;
    }
    if (consumedAsFallback())
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}': {
        const char literal = symbol;
        handleBytes(std::string_view(&literal, 1));
        break;
    }
    case '~': appendNqAwareChar(0x00A0, 0xA0); break;
    case '-': appendNqAwareChar(0x00AD, 0xAD); break;
    case '_': appendChar(0x2011); break;
    case '\n': endParagraph(); break;
    default: break;
    }
}

void Reader::handleHexByte(unsigned char byte)
{
    ignorableNext_ = false;
    groupStart_ = false;
    if (state_.destination == Destination::Picture) {
        unicodeFallbackLeft_ = std::max(0, unicodeFallbackLeft_ - 1);
        return;
    }
    const char c = static_cast<char>(byte);
    handleBytes(std::string_view(&c, 1));
}

void Reader::handleBinary(std::string_view bytes)
{
    ignorableNext_ = false;
    groupStart_ = false;
    if (unicodeFallbackLeft_ > 0) {
        --unicodeFallbackLeft_;
        return;
    }
    if (state_.destination == Destination::Picture)
        picture_.bytes.append(bytes.data(), qsizetype(bytes.size()));
}

void Reader::handleBytes(std::string_view bytes)
{
    ignorableNext_ = false;
    groupStart_ = false;
    if (unicodeFallbackLeft_ > 0) {
        const size_t skipped = std::min(size_t(unicodeFallbackLeft_), bytes.size());
        bytes.remove_prefix(skipped);
        unicodeFallbackLeft_ -= int(skipped);
    }
    if (bytes.empty())
        return;
    switch (state_.destination) {
    case Destination::Body:
        if (state_.chars.hidden)
            return;
        beforeContent();
        pendingBytes_.append(bytes.data(), qsizetype(bytes.size()));
        return;
    case Destination::FontTable:
        for (char c : bytes) {
            if (c == ';')
                commitFontName();
            else
                fontNameBytes_.append(c);
        }
        return;
    case Destination::ColorTable:
        for (char c : bytes)
            if (c == ';')
                commitColor();
        return;
    case Destination::FieldInstruction:
        if (state_.field >= 0)
            fieldInstructions_[state_.field].append(QLatin1StringView(bytes.data(), qsizetype(bytes.size())));
        return;
    case Destination::Picture:
        for (char c : bytes) {
            const int nibble = hexDigitValue(c);
            if (nibble < 0)
                continue;
            if (picture_.pendingNibble < 0) {
                picture_.pendingNibble = nibble;
            } else {
                picture_.bytes.append(char(picture_.pendingNibble * 16 + nibble));
                picture_.pendingNibble = -1;
            }
        }
        return;
    case Destination::LevelText:
    case Destination::LegacyBefore:
    case Destination::LegacyAfter:
        for (char c : bytes)
            holdLabelUnit(char16_t(0xF000 + static_cast<unsigned char>(c)));
        return;
    case Destination::Upr:
    case Destination::Object:
    case Destination::ListTable:
    case Destination::ListOverrideTable:
    case Destination::LegacyList:
        return;
    }
}

const Reader::FontEntry* Reader::fontOf(const CharProps& chars) const
{
    const int number = chars.font < 0 ? defaultFont_ : chars.font;
    auto found = fonts_.find(number);
    if (found == fonts_.end() && number != defaultFont_)
        found = fonts_.find(defaultFont_);
    return found == fonts_.end() ? nullptr : &found->second;
}

int Reader::codePageOf(const FontEntry* font) const
{
    if (font && font->suffixCodePage > 0)
        return font->suffixCodePage;
    if (font && font->codePage > 0)
        return font->codePage;
    if (font && font->charsetCodePage > 0)
        return font->charsetCodePage;
    return ansiCodePage_;
}

bool Reader::isNqRun() const
{
    const FontEntry* font = fontOf(state_.chars);
    return font && font->nq;
}

void Reader::flushBytes()
{
    if (pendingBytes_.isEmpty())
        return;
    const FontEntry* font = fontOf(state_.chars);
    QString text;
    if (font && font->nq) {
        text.reserve(pendingBytes_.size());
        for (char c : std::as_const(pendingBytes_)) {
            const auto byte = static_cast<unsigned char>(c);
            if (!isDroppedControl(byte))
                text.append(nq::toChar(byte));
        }
    } else if (font && font->symbol != SymbolFont::None) {
        text.reserve(pendingBytes_.size());
        for (char c : std::as_const(pendingBytes_)) {
            const auto byte = static_cast<unsigned char>(c);
            if (!isDroppedControl(byte))
                text.append(QChar(fromSymbolByte(font->symbol, byte)));
        }
    } else {
        const bool ascii = std::all_of(pendingBytes_.cbegin(), pendingBytes_.cend(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        text = ascii ? QString::fromLatin1(pendingBytes_) : decoder_.decode(codePageOf(font), pendingBytes_);
        text.removeIf([](QChar ch) { return isDroppedControl(ch.unicode()); });
    }
    pendingBytes_.clear();
    appendText(text);
}

void Reader::appendText(const QString& text)
{
    if (text.isEmpty())
        return;
    if (state_.literalLabel) {
        // Held until the paragraph's content: a blank one gives way to the list's own label.
        literalLabel_ += text;
        literalLabelProps_ = state_.chars;
        return;
    }
    if (!(runProps_ == state_.chars)) {
        emitRun();
        runProps_ = state_.chars;
    }
    runText_.append(text);
}

void Reader::beforeContent()
{
    if (state_.literalLabel)
        return;
    if (cellSeparatorsPending_ > 0) {
        flushBytes();
        appendText(QString(cellSeparatorsPending_, QChar(u'\t')));
        cellSeparatorsPending_ = 0;
    }
    if (!paragraphLabelDone_)
        emitListLabel();
}

void Reader::emitListLabel()
{
    paragraphLabelDone_ = true;
    const ParaProps& para = state_.para;
    if (literalLabel_.isEmpty() && para.listOverride <= 0 && para.legacyList < 0) {
        lists_.paragraphOutsideLists();
        return;
    }
    // The counters advance whichever label shows.
    std::optional<ListLabel> generated;
    if (para.listOverride > 0)
        generated = lists_.next(para.listOverride, para.listLevel);
    if (!generated && para.legacyList >= 0)
        generated = lists_.nextLegacy(para.legacyList);
    if (!generated && para.listOverride <= 0 && para.legacyList < 0)
        lists_.paragraphOutsideLists();

    GroupState label = state_;
    label.literalLabel = false;
    QString text;
    if (!literalLabel_.trimmed().isEmpty()) {
        text = literalLabel_;
        label.chars = literalLabelProps_;
    } else if (generated) {
        if (generated->font >= 0)
            label.chars.font = generated->font;
        text = labelText(generated->text, fontOf(label.chars));
    }
    literalLabel_.clear();
    if (text.isEmpty())
        return;
    flushBytes();
    std::swap(state_, label);
    appendText(text);
    std::swap(state_, label);
}

void Reader::holdLabelUnit(char16_t unit)
{
    const bool byte = unit >= 0xF000 && unit <= 0xF0FF;
    if (state_.destination == Destination::LevelText) {
        ListLevel* level = lists_.currentLevel();
        if (!level)
            return;
        if (!level->hasText) {
            // The first unit is the text's length; the ';' after the text is not part of it.
            level->hasText = true;
            levelTextLeft_ = byte ? unit - 0xF000 : 0;
            return;
        }
        if (levelTextLeft_ <= 0)
            return;
        --levelTextLeft_;
        const bool placeholder = byte && unit - 0xF000 < kListLevels;
        level->text += QChar(placeholder ? char16_t(unit - 0xF000) : unit);
        return;
    }
    if (LegacyList* list = lists_.legacy(legacyList_))
        (state_.destination == Destination::LegacyBefore ? list->before : list->after) += QChar(unit);
}

QString Reader::labelText(const QString& held, const FontEntry* font)
{
    QString text;
    QByteArray bytes;
    const auto flush = [&] {
        if (!bytes.isEmpty())
            text += decoder_.decode(codePageOf(font), bytes);
        bytes.clear();
    };
    for (const QChar ch : held) {
        const char16_t unit = ch.unicode();
        if (unit < 0xF000 || unit > 0xF0FF) {
            flush();
            text += ch;
            continue;
        }
        const auto byte = static_cast<unsigned char>(unit - 0xF000);
        if (font && font->nq) {
            flush();
            text += nq::toChar(byte);
        } else if (font && font->symbol != SymbolFont::None) {
            flush();
            text += QChar(fromSymbolByte(font->symbol, byte));
        } else {
            bytes.append(char(byte));
        }
    }
    flush();
    text.removeIf([](QChar ch) { return isDroppedControl(ch.unicode()); });
    return text;
}

bool Reader::paragraphOpen() const
{
    return !builder_.breakPending() || !runText_.isEmpty() || !pendingBytes_.isEmpty();
}

void Reader::appendFootnotes()
{
    const std::vector<Footnote> notes = std::move(footnotes_);
    footnotes_.clear();
    state_.destination = Destination::Body;
    state_.literalLabel = false;
    if (paragraphOpen())
        endParagraph();
    // A separator, then each note as a paragraph of its own, in the note's own formatting.
    state_ = GroupState{};
    appendText(QStringLiteral("----------"));
    endParagraph();
    const size_t depth = stack_.size();
    for (size_t i = 0; i < notes.size(); ++i) {
        footnoteReading_ = int(i) + 1;
        state_ = notes[i].state;
        state_.literalLabel = false;
        openGroup();
        const qsizetype end = notes[i].end < 0 ? data_.size() : notes[i].end;
        tokenizer_.skipTo(notes[i].begin);
        while (tokenizer_.position() < end) {
            const Token token = tokenizer_.next();
            if (token.kind == TokenKind::End || token.offset >= end)
                break;
            // The first reading passed these tokens: no error can come now.
            (void)dispatch(token);
        }
        skipDepth_ = 0;
        while (stack_.size() > depth)
            closeGroup();
        if (paragraphOpen())
            endParagraph();
    }
    footnoteReading_ = 0;
    tokenizer_.skipTo(data_.size());
}

void Reader::appendChar(char16_t ch)
{
    if (state_.destination == Destination::FieldInstruction && state_.field >= 0) {
        fieldInstructions_[state_.field].append(QChar(ch));
        return;
    }
    if (state_.destination == Destination::LevelText || state_.destination == Destination::LegacyBefore
        || state_.destination == Destination::LegacyAfter) {
        holdLabelUnit(ch);
        return;
    }
    if (state_.destination != Destination::Body || state_.chars.hidden)
        return;
    beforeContent();
    appendText(QString(QChar(ch)));
}

void Reader::appendNqAwareChar(char16_t ch, unsigned char nqCode)
{
    appendChar(isNqRun() ? nq::toChar(nqCode).unicode() : ch);
}

void Reader::appendUnicode(int value)
{
    if (value < 0)
        value += 65536;
    char16_t ch = (value < 0 || value > 0xFFFF) ? char16_t(QChar::ReplacementCharacter) : char16_t(value);
    unicodeFallbackLeft_ = state_.unicodeSkip;
    if (isNqRun()) {
        // LibreOffice writes NQ bytes as their Unicode or private-use forms.
        if (const auto code = nq::toCode(QChar(ch)))
            ch = nq::toChar(*code).unicode();
    } else if (const FontEntry* font = fontOf(state_.chars); font && font->symbol != SymbolFont::None) {
        ch = fromSymbolUnicode(font->symbol, ch);
    }
    // Checked after the mapping: U+F001 in an NQ run stands for the control byte 1.
    if (isDroppedControl(ch))
        return;
    appendChar(ch);
}

void Reader::emitRun()
{
    if (runText_.isEmpty())
        return;
    replaceUnpairedSurrogates(runText_);
    builder_.insertText(runText_, charFormat(runProps_));
    runText_.clear();
}

void Reader::endParagraph()
{
    if (state_.destination != Destination::Body)
        return;
    flushBytes();
    if (!paragraphLabelDone_ && !state_.literalLabel)
        emitListLabel();
    emitRun();
    cellSeparatorsPending_ = 0;
    paragraphLabelDone_ = false;
    literalLabel_.clear();
    // Built once per change of properties: a new format for each of a million paragraphs
    // would be allocated, compared and freed again.
    if (!blockFormatCached_ || !(cachedPara_ == state_.para)) {
        cachedBlockFormat_ = toBlockFormat(state_.para);
        cachedPara_ = state_.para;
        blockFormatCached_ = true;
    }
    QTextBlockFormat format = cachedBlockFormat_;
    if (pageBreakPending_) {
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        pageBreakPending_ = false;
    }
    builder_.endParagraph(format, charFormat(state_.chars));
}

QColor Reader::colorAt(int index) const
{
    if (index < 0 || index >= int(colors_.size()))
        return {};
    return colors_[index];
}



QTextCharFormat Reader::charFormat(const CharProps& chars)
{
    if (formatCached_ && cachedProps_ == chars)
        return cachedFormat_;
    const FontEntry* font = fontOf(chars);
    const QString link = chars.link >= 0 && chars.link < links_.size() ? links_[chars.link] : QString();
    cachedFormat_ = toCharFormat(chars, font ? font->name : QString(), colorAt(chars.foreground),
                                 colorAt(chars.background), link);
    cachedProps_ = chars;
    formatCached_ = true;
    return cachedFormat_;
}

void Reader::commitFontName()
{
    // Nothing to commit at the ';' after a name that a {\*\falt} group already ended.
    if (fontEntry_ < 0 || fontNameBytes_.trimmed().isEmpty()) {
        fontNameBytes_.clear();
        return;
    }
    FontEntry& entry = fonts_[fontEntry_];
    int codePage = entry.codePage > 0 ? entry.codePage : entry.charsetCodePage > 0 ? entry.charsetCodePage : ansiCodePage_;
    entry.name = decoder_.decode(codePage, fontNameBytes_).trimmed();
    entry.nq = nq::isNqFace(entry.name);
    entry.symbol = entry.nq ? SymbolFont::None : symbolFontOf(entry.name, entry.symbolCharset);
    entry.suffixCodePage = codePageOfFontName(entry.name);
    fontNameBytes_.clear();
    formatCached_ = false;
}

void Reader::commitColor()
{
    colors_.push_back(colorHasValue_ ? QColor(red_, green_, blue_) : QColor());
    formatCached_ = false;
    colorHasValue_ = false;
    red_ = green_ = blue_ = 0;
}

namespace {

// What decoding the picture would allocate, from its header alone.
qint64 decodedBytes(const QImageReader& reader)
{
    const QSize size = reader.size();
    int depth = 32;
    if (reader.imageFormat() != QImage::Format_Invalid)
        depth = std::max(1, int(QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel()));
    return (qint64(size.width()) * depth + 31) / 32 * 4 * size.height();
}

double clampedPixels(double pixels) { return std::clamp(pixels, 1.0, kMaxPicturePixels); }

} // namespace

void Reader::finishPicture()
{
    PictureData picture = std::move(picture_);
    picture_ = PictureData{};
    if (picture.bytes.isEmpty())
        return;
    QImage image;
    QSize pixels;  // the picture's own size, when its header tells it
    if (picture.usable) {
        QBuffer buffer(&picture.bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        pixels = reader.size();
        // Known before decoding: a small file may unpack into gigabytes.
        const qint64 cost = pixels.isValid() ? decodedBytes(reader) : 0;
        if (pixels.isValid() && cost <= pictureBudgetLeft_) {
            // Qt's own limit, in whole megabytes, must not refuse what the budget allows.
            reader.setAllocationLimit(int(std::min<qint64>(cost / (1 << 20) + 2, std::numeric_limits<int>::max())));
            image = reader.read();
        }
        if (!image.isNull())
            pictureBudgetLeft_ -= std::max(cost, qint64(image.sizeInBytes()));
        else if (pixels.isValid() && cost > pictureBudgetLeft_)
            ++notes_->picturesOverBudget;
        else
            ++notes_->picturesUndecodable;
    } else {
        ++notes_->picturesUndecodable;
    }

    // Shown size: the goal, else the picture's own size; then the scale.
    QSizeF own(image.isNull() ? pixels : image.size());
    if (own.isEmpty() && picture.width > 0 && picture.height > 0) {
        own = QSizeF(picture.width, picture.height);
        if (picture.metafile)
            own *= 96.0 / 2540.0;  // 0.01 mm
    }
    if (own.isEmpty())
        own = QSizeF(96, 96);
    const double width = (picture.widthGoal > 0 ? picture.widthGoal / kTwipsPerPixel : own.width()) * picture.scaleX / 100.0;
    const double height = (picture.heightGoal > 0 ? picture.heightGoal / kTwipsPerPixel : own.height()) * picture.scaleY / 100.0;

    QTextImageFormat format;
    format.setWidth(clampedPixels(width));
    format.setHeight(clampedPixels(height));
    if (image.isNull()) {
        format.setName(placeholderImage(QSizeF(format.width(), format.height())));
        format.setProperty(kPictureData, picture.bytes);
        format.setProperty(kPictureHeader, picture.header);
    } else {
        format.setName(builder_.addImage(image));
    }
    beforeContent();
    emitRun();
    builder_.insertImage(format);
}

QString Reader::placeholderImage(QSizeF size)
{
    // Small and scaled up when drawn, so that placeholders cost next to nothing; shared
    // between pictures of the same proportions.
    const double scale = 48.0 / std::max(size.width(), size.height());
    const QSize pixels(std::max(8, int(std::lround(size.width() * scale))),
                       std::max(8, int(std::lround(size.height() * scale))));
    const quint32 key = quint32(pixels.width()) << 16 | quint32(pixels.height());
    if (const auto found = placeholders_.constFind(key); found != placeholders_.cend())
        return *found;
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(QColor(0xe4, 0xe4, 0xe4));
    QPainter painter(&image);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, 0, pixels.width() - 1, pixels.height() - 1);
    painter.drawLine(0, 0, pixels.width() - 1, pixels.height() - 1);
    painter.drawLine(0, pixels.height() - 1, pixels.width() - 1, 0);
    painter.end();
    const QString name = builder_.addImage(image);
    placeholders_.insert(key, name);
    return name;
}

} // namespace rtf
