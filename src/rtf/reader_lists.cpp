#include "rtf/reader_lists.h"

#include "rtf/tokenizer.h"

namespace rtf {
namespace {

bool on(const Token& token) { return !token.hasParam || token.param != 0; }

bool isLabelText(Destination destination)
{
    return destination == Destination::LevelText || destination == Destination::LegacyBefore
        || destination == Destination::LegacyAfter;
}

} // namespace

void ListTables::startTable(Cmd cmd)
{
    state_.destination = cmd == Cmd::ListTable ? Destination::ListTable : Destination::ListOverrideTable;
}

bool ListTables::startLevelText()
{
    if (state_.destination != Destination::ListTable)
        return false;
    state_.destination = Destination::LevelText;
    if (ListLevel* level = lists_.currentLevel()) {
        level->text.clear();
        level->hasText = false;
    }
    return true;
}

bool ListTables::inTable() const
{
    return state_.destination == Destination::ListTable || state_.destination == Destination::ListOverrideTable;
}

bool ListTables::word(Cmd cmd, const Token& token)
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
    case Cmd::LevelLegal: if (level) level->legal = on(token); return true;
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

void ListTables::text(std::string_view bytes)
{
    if (state_.destination != Destination::LevelText)
        return;
    for (char c : bytes)
        holdUnit(char16_t(0xF000 + static_cast<unsigned char>(c)));
}

void ListTables::character(char16_t ch)
{
    if (state_.destination == Destination::LevelText)
        holdUnit(ch);
}

void ListTables::holdUnit(char16_t unit)
{
    ListLevel* level = lists_.currentLevel();
    if (!level)
        return;
    const bool byte = unit >= 0xF000 && unit <= 0xF0FF;
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
}

bool LegacyLists::start(bool first)
{
    if (!first || state_.destination != Destination::Body)
        return false;
    current_ = lists_.addLegacy();
    state_.destination = Destination::LegacyList;
    return true;
}

bool LegacyLists::startText(Cmd cmd)
{
    if (state_.destination != Destination::LegacyList)
        return false;
    state_.destination = cmd == Cmd::LegacyTextBefore ? Destination::LegacyBefore : Destination::LegacyAfter;
    return true;
}

bool LegacyLists::word(Cmd cmd, const Token& token)
{
    LegacyList* list = lists_.legacy(current_);
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

void LegacyLists::text(std::string_view bytes)
{
    if (!isLabelText(state_.destination))
        return;
    for (char c : bytes)
        holdUnit(char16_t(0xF000 + static_cast<unsigned char>(c)));
}

void LegacyLists::character(char16_t ch)
{
    if (isLabelText(state_.destination))
        holdUnit(ch);
}

void LegacyLists::holdUnit(char16_t unit)
{
    if (LegacyList* list = lists_.legacy(current_))
        (state_.destination == Destination::LegacyBefore ? list->before : list->after) += QChar(unit);
}

void LegacyLists::groupClosed(GroupState& parent)
{
    if (state_.destination != Destination::LegacyList || parent.destination != Destination::Body)
        return;
    current_ = lists_.finishLegacy(current_);
    parent.para.legacyList = current_;
}

} // namespace rtf
