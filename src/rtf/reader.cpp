#include "rtf/reader.h"

#include "nq/glyph_code.h"
#include "rtf/control_words.h"
#include "rtf/memory_allowance.h"
#include "rtf/symbol_fonts.h"

#include <algorithm>
#include <limits>

namespace rtf {
namespace {

constexpr int kMaxUnicodeSkip = 1000;

// Control bytes in the text carry nothing but the tab.
bool isDroppedControl(char16_t ch) { return ch < 0x20 && ch != '\t'; }

} // namespace

Reader::Reader(QByteArrayView data, QTextDocument& document, const ReadLimits& limits)
    : data_(data), cancel_(limits.cancel), bytesRead_(limits.bytesRead), tokenizer_(data), builder_(document),
      pictures_(body_, builder_, limits.pictureBytes)
{
    qint64 allowance = limits.documentBytes;
    if (allowance < 0) {
        // Half: the estimate is rough, and Qt grows its tables by doubling them.
        const qint64 available = availableMemory();
        allowance = available < 0 ? std::numeric_limits<qint64>::max() : available / 2;
    }
    builder_.setAllowance(allowance);
    stack_.reserve(64);

    const auto place = [this](Destination destination, Room& room) { rooms_[size_t(destination)] = &room; };
    place(Destination::Body, body_);
    place(Destination::FontTable, fonts_);
    place(Destination::ColorTable, colors_);
    place(Destination::FieldInstruction, fields_);
    place(Destination::Picture, pictures_);
    place(Destination::Upr, dropped_);
    place(Destination::Object, dropped_);
    place(Destination::ListTable, listTables_);
    place(Destination::ListOverrideTable, listTables_);
    place(Destination::LevelText, listTables_);
    place(Destination::LegacyList, legacyLists_);
    place(Destination::LegacyBefore, legacyLists_);
    place(Destination::LegacyAfter, legacyLists_);
    place(Destination::Shape, dropped_);
    place(Destination::ShapeName, shapes_);
    place(Destination::Bookmark, bookmarks_);
}

std::optional<Failure> Reader::failure(FailureKind kind, qsizetype offset) const
{
    Failure failure;
    failure.kind = kind;
    if (offset >= 0)
        Tokenizer::lineAndColumn(data_, offset, failure.line, failure.column);
    return failure;
}

std::optional<Failure> Reader::read(ReadNotes& notes)
{
    notes_ = &notes;
    pictures_.setNotes(notes);
    qsizetype start = 0;
    if (data_.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < data_.size() && QChar::isSpace(uchar(data_[start])))
        ++start;
    if (start >= data_.size())
        return failure(FailureKind::Empty);
    qsizetype word = start + 1;
    while (word < data_.size() && QChar::isSpace(uchar(data_[word])))
        ++word;
    if (data_[start] != '{' || !data_.sliced(word).startsWith("\\rtf"))
        return failure(FailureKind::NotRtf);
    footnotes_.scan(data_);
    // The document group opens here; blanks before \rtf are no text.
    openGroup();
    tokenizer_.skipTo(word);

    if (auto error = readTokens(data_.size()))
        return error;
    if (const auto& cut = tokenizer_.cutShort()) {
        auto error = failure(FailureKind::BinaryCutShort, cut->offset);
        error->announced = cut->announced;
        error->available = cut->available;
        return error;
    }

    // A file cut short of its closing braces keeps what it holds, and says so.
    if (!documentEnded_)
        notes.truncated = true;
    skipDepth_ = 0;
    while (!documentEnded_)
        closeGroup();
    return finishDocument();
}

std::optional<Failure> Reader::readTokens(qsizetype end)
{
    // The notes are read again after the document group has closed: only `end` stops them.
    const bool afterDocument = documentEnded_;
    // A worker's reading is watched every few thousand tokens: often enough to answer a
    // cancel at once, rarely enough to cost nothing.
    unsigned sinceCheck = 0;
    while (afterDocument || !documentEnded_) {
        if (builder_.overAllowance())
            return failure(FailureKind::OverMemoryAllowance);
        const Token token = tokenizer_.next();
        if (token.kind == TokenKind::End || token.offset >= end)
            break;
        if (++sinceCheck == 4096) {
            sinceCheck = 0;
            if (bytesRead_)
                bytesRead_->store(token.offset, std::memory_order_relaxed);
            if (cancel_ && cancel_->load(std::memory_order_relaxed))
                return failure(FailureKind::Cancelled);
        }
        if (auto error = dispatch(token))
            return error;
    }
    return std::nullopt;
}

std::optional<Failure> Reader::readGroup(qsizetype begin, qsizetype end, const GroupState& state)
{
    const size_t depth = stack_.size();
    state_ = state;
    openGroup();
    tokenizer_.skipTo(begin);
    if (auto error = readTokens(end < 0 ? data_.size() : end))
        return error;
    skipDepth_ = 0;
    while (stack_.size() > depth)
        closeGroup();
    return std::nullopt;
}

std::optional<Failure> Reader::dispatch(const Token& token)
{
    if (skipDepth_ > 0) {
        if (token.kind == TokenKind::GroupStart) {
            if (int(stack_.size()) + skipDepth_ >= kMaxGroupDepth)
                return failure(FailureKind::NestedTooDeep, token.offset);
            ++skipDepth_;
        } else if (token.kind == TokenKind::GroupEnd && --skipDepth_ == 0) {
            footnotes_.skipEnded(token.offset);
            keepSkipped(token.offset);
            closeGroup();
        }
        return std::nullopt;
    }
    switch (token.kind) {
    case TokenKind::GroupStart:
        if (int(stack_.size()) >= kMaxGroupDepth)
            return failure(FailureKind::NestedTooDeep, token.offset);
        groupOffset_ = token.offset;
        openGroup();
        break;
    case TokenKind::GroupEnd:
        closeGroup();
        break;
    case TokenKind::Word: handleWord(token); break;
    case TokenKind::Symbol: handleSymbol(token.symbol); break;
    case TokenKind::HexByte: handleHexByte(token.byte); break;
    case TokenKind::Text: handleText(token.text); break;
    case TokenKind::Binary: handleBinary(token.text); break;
    case TokenKind::End: break;
    }
    return std::nullopt;
}

void Reader::keepSkipped(qsizetype end)
{
    const Cmd kind = std::exchange(keeping_, Cmd::Unknown);
    if (kind == Cmd::Unknown || end < keepingFrom_ || end >= data_.size())
        return;
    const QByteArray group = data_.sliced(keepingFrom_, end + 1 - keepingFrom_).toByteArray();
    // What a document may keep beside its text; beyond, parts go as they did before.
    constexpr qsizetype kMostKeptBytes = qsizetype(16) << 20;
    if (keptBytes_ + group.size() > kMostKeptBytes)
        return;
    keptBytes_ += group.size();
    if (kind == Cmd::StyleSheet)
        kept_.styleSheet = group;
    else
        kept_.pageParts.append(group);
}

std::optional<Failure> Reader::finishDocument()
{
    if (!footnotes_.empty()) {
        if (auto error = footnotes_.append(body_, state_, *this))
            return error;
    }
    body_.finish();
    if (document_.page.any())
        setPageLayout(builder_.document(), pageLayoutOf(document_.page));
    if (!kept_.isEmpty()) {
        kept_.fonts = fonts_.faces();
        for (int i = 0; i < colors_.size(); ++i)
            kept_.colors.append(colors_.colorAt(i));
        setKeptGroups(builder_.document(), kept_);
        if (notes_)
            notes_->pagePartsKept = int(kept_.pageParts.size());
    }
    return std::nullopt;
}

void Reader::openGroup()
{
    body_.flushBytes();
    stack_.push_back(state_);
    unicodeFallbackLeft_ = 0;
    ignorableNext_ = false;
    groupStart_ = true;
}

void Reader::closeGroup()
{
    body_.flushBytes();
    ignorableNext_ = false;
    groupStart_ = false;
    unicodeFallbackLeft_ = 0;
    if (stack_.empty())
        return;
    GroupState& parent = stack_.back();
    room().groupClosed(parent);
    if (stack_.size() == 1) {
        // The document group: its last paragraph takes the properties in force now, after
        // the notes, which are read inside it.
        documentEnded_ = true;
        return;
    }
    state_ = parent;
    stack_.pop_back();
}

void Reader::startSkipping()
{
    // A destination word outside any inner group would swallow the whole document.
    if (stack_.size() <= 1)
        return;
    body_.flushBytes();
    skipDepth_ = 1;
}

bool Reader::destinationWord(Cmd cmd, bool ignorable, bool first)
{
    switch (cmd) {
    case Cmd::FontTable:
        // A table that comes after text must not restyle the text already read.
        body_.emitRun();
        fonts_.start();
        state_.destination = Destination::FontTable;
        return true;
    case Cmd::ColorTable:
        body_.emitRun();
        colors_.start();
        state_.destination = Destination::ColorTable;
        return true;
    case Cmd::Field: fields_.startField(); return true;
    case Cmd::FieldInstruction: fields_.startInstruction(); return true;
    case Cmd::FieldResult: fields_.startResult(); return true;
    case Cmd::PagePart:
    case Cmd::StyleSheet:
        if (first) {
            const bool keep = state_.destination == Destination::Body;
            startSkipping();
            if (keep && skipDepth_ > 0) {
                keeping_ = cmd;
                keepingFrom_ = groupOffset_;
            }
        }
        return true;
    case Cmd::BookmarkStart:
        if (first && state_.destination == Destination::Body) {
            bookmarks_.start();
            state_.destination = Destination::Bookmark;
        } else if (first) {
            startSkipping();
        }
        return true;
    case Cmd::Shape:
        if (state_.destination == Destination::Body)
            shapes_.startShape();
        return true;
    case Cmd::ShapeInstructions:
        if (first && state_.destination == Destination::Body)
            state_.destination = Destination::Shape;
        else if (first)
            startSkipping();
        return true;
    case Cmd::ShapePropertyName:
        if (state_.destination == Destination::Shape) {
            shapes_.startName();
            state_.destination = Destination::ShapeName;
        }
        return true;
    case Cmd::ShapeResult:
        if (first && shapes_.pictureShown())
            startSkipping();
        return true;
    case Cmd::Picture:
        if (state_.destination == Destination::Shape && !shapes_.takesPicture()) {
            if (first)
                startSkipping();
            return true;
        }
        pictures_.start();
        state_.destination = Destination::Picture;
        return true;
    case Cmd::ShapePicture: return true;
    case Cmd::Upr: state_.destination = Destination::Upr; return true;
    case Cmd::Ud: state_.destination = Destination::Body; return true;
    case Cmd::Object: state_.destination = Destination::Object; return true;
    case Cmd::ObjectResult:
        if (state_.destination == Destination::Object)
            state_.destination = Destination::Body;
        return true;
    case Cmd::Footnote:
        if (first && stack_.size() > 1)
            footnotes_.found(tokenizer_.position(), state_);
        if (first)
            startSkipping();
        return true;
    case Cmd::ListTable:
    case Cmd::ListOverrideTable:
        if (first)
            listTables_.startTable(cmd);
        return true;
    case Cmd::List:
    case Cmd::ListLevel:
        if (listTables_.inTable())
            return false;
        // A list definition outside its table shows nothing.
        if (first)
            startSkipping();
        return true;
    case Cmd::LevelText:
        if (!listTables_.startLevelText() && first)
            startSkipping();
        return true;
    case Cmd::Legacy:
        if (!legacyLists_.start(first) && first)
            startSkipping();
        return true;
    case Cmd::LegacyTextBefore:
    case Cmd::LegacyTextAfter:
        if (!legacyLists_.startText(cmd) && first)
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

void Reader::tokenSeen()
{
    ignorableNext_ = false;
    groupStart_ = false;
}

bool Reader::consumedAsFallback()
{
    tokenSeen();
    body_.flushBytes();
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
    const ControlWord& word = lookupControlWord(token.text);
    if (destinationWord(word.cmd, ignorable, first) || room().word(word.cmd, token))
        return;
    if (word.chars) {
        word.chars(state_.chars, token);
        return;
    }
    if (word.para) {
        word.para(state_.para, token);
        return;
    }
    if (word.document) {
        word.document(document_, token);
        return;
    }
    if (word.character) {
        room().character(word.character);
        return;
    }
    switch (word.cmd) {
    case Cmd::Par:
    case Cmd::Sect: body_.endParagraph(); break;
    case Cmd::Row: body_.endRow(); break;
    case Cmd::Page: body_.pageBreak(); break;
    case Cmd::Cell: body_.endCell(); break;
    case Cmd::FootnoteMark: body_.appendText(footnotes_.markText()); break;
    case Cmd::UnicodeSkip: state_.unicodeSkip = std::clamp(token.param, 0, kMaxUnicodeSkip); break;
    case Cmd::Unicode:
        if (token.hasParam)
            appendUnicode(token.param);
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
        handleText(std::string_view(&literal, 1));
        break;
    }
    case '~': appendNqAwareChar(0x00A0, 0xA0); break;
    case '-': appendNqAwareChar(0x00AD, 0xAD); break;
    case '_': room().character(0x2011); break;
    case '\n': body_.endParagraph(); break;
    default: break;
    }
}

void Reader::handleHexByte(unsigned char byte)
{
    tokenSeen();
    if (unicodeFallbackLeft_ > 0) {
        --unicodeFallbackLeft_;
        return;
    }
    room().hexByte(byte);
}

void Reader::handleBinary(std::string_view bytes)
{
    tokenSeen();
    if (unicodeFallbackLeft_ > 0) {
        --unicodeFallbackLeft_;
        return;
    }
    room().binary(bytes);
}

void Reader::handleText(std::string_view bytes)
{
    tokenSeen();
    if (unicodeFallbackLeft_ > 0) {
        const size_t skipped = std::min(size_t(unicodeFallbackLeft_), bytes.size());
        bytes.remove_prefix(skipped);
        unicodeFallbackLeft_ -= int(skipped);
    }
    if (bytes.empty())
        return;
    room().text(bytes);
}

void Reader::appendNqAwareChar(char16_t ch, unsigned char nqCode)
{
    room().character(body_.isNqRun() ? nq::toChar(nqCode).unicode() : ch);
}

void Reader::appendUnicode(int value)
{
    if (value < 0)
        value += 65536;
    char16_t ch = (value < 0 || value > 0xFFFF) ? char16_t(QChar::ReplacementCharacter) : char16_t(value);
    unicodeFallbackLeft_ = state_.unicodeSkip;
    if (body_.isNqRun()) {
        // LibreOffice writes NQ bytes as their Unicode or private-use forms.
        if (const auto code = nq::toCode(QChar(ch)))
            ch = nq::toChar(*code).unicode();
    } else if (const FontEntry* font = fonts_.fontOf(state_.chars); font && font->symbol != SymbolFont::None) {
        ch = fromSymbolUnicode(font->symbol, ch);
    }
    // Checked after the mapping: U+F001 in an NQ run stands for the control byte 1.
    if (isDroppedControl(ch))
        return;
    room().character(ch);
}

} // namespace rtf
