#pragma once
// List definitions: the list table and its overrides (\listtable, \listoverridetable, a
// level's \leveltext), and the legacy \pn groups with their \pntxtb and \pntxta. What they
// define numbers the body's paragraphs (ListNumbering).

#include "rtf/list_numbering.h"
#include "rtf/reader_room.h"

namespace rtf {

class ListTables final : public Room {
public:
    ListTables(GroupState& state, ListNumbering& lists) : state_(state), lists_(lists) {}

    // \listtable or \listoverridetable at the start of a group.
    void startTable(Cmd cmd);
    // \leveltext; false outside a list table.
    bool startLevelText();
    // Whether \list and \listlevel define something here.
    bool inTable() const;

    bool word(Cmd cmd, const Token& token) override;
    void text(std::string_view bytes) override;
    void character(char16_t ch) override;

private:
    // A unit of a level's text: a \u character, or U+F000 + byte.
    void holdUnit(char16_t unit);

    GroupState& state_;
    ListNumbering& lists_;
    int levelTextLeft_ = 0;  // units of \leveltext still to come
};

class LegacyLists final : public Room {
public:
    LegacyLists(GroupState& state, ListNumbering& lists) : state_(state), lists_(lists) {}

    // \pn; false where it defines nothing.
    bool start(bool first);
    // \pntxtb or \pntxta; false outside a \pn group.
    bool startText(Cmd cmd);

    bool word(Cmd cmd, const Token& token) override;
    void text(std::string_view bytes) override;
    void character(char16_t ch) override;
    void groupClosed(GroupState& parent) override;

private:
    void holdUnit(char16_t unit);

    GroupState& state_;
    ListNumbering& lists_;
    int current_ = -1;  // the \pn group being read
};

} // namespace rtf
