#pragma once
// Labels of list paragraphs that carry no label of their own: the levels a \listtable
// defines (reached through \listoverridetable's \lsN), or a legacy \pn group, and the
// counters that number successive paragraphs as Word does.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace rtf {

enum class NumberFormat : std::uint8_t { Decimal, UpperRoman, LowerRoman, UpperLetter, LowerLetter, Ordinal, DecimalZero, Bullet, None };

// \levelnfcN
NumberFormat numberFormatOfNfc(int nfc);
QString formatNumber(int value, NumberFormat format);

inline constexpr int kListLevels = 9;

struct ListLevel {
    NumberFormat format = NumberFormat::Decimal;
    int start = 1;
    // \leveltext without its length byte: U+0000-U+0008 stand for the numbers of levels 1-9;
    // bytes are held as U+F000 + byte until the label's font is known.
    QString text;
    bool hasText = false;
    int font = -1;
    int follow = 0;      // \levelfollow: 0 tab, 1 space, 2 nothing
    bool legal = false;  // \levellegal: the other levels' numbers in decimal
};

struct LegacyList {
    enum class Kind : std::uint8_t { Body, Bullet, Level, Continue };
    Kind kind = Kind::Body;
    int level = 1;        // \pnlvlN
    NumberFormat format = NumberFormat::Decimal;
    int start = 1;
    QString before;       // \pntxtb, held like ListLevel::text
    QString after;        // \pntxta
    int font = -1;
    bool operator==(const LegacyList&) const = default;
};

struct ListLabel {
    QString text;   // bytes still as U+F000 + byte
    int font = -1;  // -1: the paragraph's own
};

class ListNumbering {
public:
    // \listtable
    void beginList();
    ListLevel* beginLevel();
    ListLevel* currentLevel();
    void setListId(int id);
    // \listoverridetable
    void beginOverride();
    void setOverrideListId(int id);
    void setOverrideNumber(int number);
    // \pn
    int addLegacy();
    LegacyList* legacy(int index);
    // Ends the \pn group `index`: the same definition as the one before it (Word repeats it
    // in every paragraph) is kept once. Returns the index to use.
    int finishLegacy(int index);

    // The label of the next paragraph numbered by \lsN\ilvlK, counting it; nullopt when the
    // file defines no such list.
    std::optional<ListLabel> next(int override, int level);
    // The same for a \pn paragraph. Numbering continues over consecutive \pn paragraphs.
    std::optional<ListLabel> nextLegacy(int index);
    // A paragraph outside any list ends the legacy numbering.
    void paragraphOutsideLists() { legacyRun_ = false; }

private:
    struct List {
        int id = 0;
        std::vector<ListLevel> levels;
    };
    struct Counters {
        std::array<int, kListLevels> values{};
        std::array<bool, kListLevels> used{};
    };

    std::vector<List> lists_;
    std::unordered_map<int, int> overrides_;   // \ls → \listid
    int overrideListId_ = 0;
    std::unordered_map<int, Counters> counters_;  // by \listid: overrides of one list share them
    std::vector<LegacyList> legacy_;
    std::array<int, kListLevels + 1> legacyCounters_{};  // slot 0: \pnlvlbody
    std::array<bool, kListLevels + 1> legacyUsed_{};
    bool legacyRun_ = false;
};

} // namespace rtf
