#pragma once
// What a group carries: character and paragraph formatting, \uc, and where its text goes.
// The reader copies it on every { and restores it on the matching }.

#include "rtf/page_setup.h"
#include "rtf/tab_stops.h"

#include <QList>

#include <cstddef>
#include <cstdint>

namespace rtf {

enum class Destination : std::uint8_t {
    Body,         // text goes into the document
    FontTable,    // font entries
    ColorTable,   // colour entries
    FieldInstruction,
    Picture,
    Upr,          // the ANSI half of \upr: its text is dropped, \ud switches back to Body
    Object,       // an \object: its data is dropped, \result switches back to Body
    ListTable,    // list definitions, no text
    ListOverrideTable,
    LevelText,    // a list level's \leveltext
    LegacyList,   // a \pn group: the paragraph's numbering, no text
    LegacyBefore, // \pntxtb
    LegacyAfter,  // \pntxta
    Shape,        // a shape's instructions (\shpinst): no text, its picture shows
    ShapeName,    // a shape property's name (\sn)
    Bookmark,     // a bookmark's name (\bkmkstart)
};
inline constexpr std::size_t kDestinationCount = std::size_t(Destination::Bookmark) + 1;

enum class Underline : std::uint8_t { None, Single, Dotted, Dash, DashDot, DashDotDot, Wave };
enum class VerticalPosition : std::uint8_t { Normal, Super, Sub };
enum class Alignment : std::uint8_t { Left, Center, Right, Justify };

struct CharProps {
    int font = -1;          // font table number; -1: the \deff font
    int halfPoints = 24;
    int foreground = 0;     // colour table index; 0: automatic
    int background = 0;     // colour table index; 0: none, whatever the table's first entry
    int link = -1;          // index of a hyperlink target
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    bool smallCaps = false;
    bool allCaps = false;
    Underline underline = Underline::None;
    VerticalPosition position = VerticalPosition::Normal;
    // \af \afs \ab \ai for complex-script text; -1: as \f \fs \b \i.
    int scriptFont = -1;
    int scriptHalfPoints = -1;
    std::int8_t scriptBold = -1;
    std::int8_t scriptItalic = -1;
    bool operator==(const CharProps&) const = default;
};

// Lengths in twips.
struct ParaProps {
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;    // \sl: 0 single, < 0 exact, > 0 at least (or N/240 lines with \slmult1)
    bool lineMultiple = false;
    bool pageBreakBefore = false;
    bool rightToLeft = false;
    Alignment alignment = Alignment::Left;
    int listOverride = 0;   // \ls; 0: none
    int listLevel = 0;      // \ilvl
    int legacyList = -1;    // the \pn group in force; -1: none
    QList<TabStop> tabs;
    PendingTab nextTab;
    bool operator==(const ParaProps&) const = default;
};

struct GroupState {
    CharProps chars;
    ParaProps para;
    int unicodeSkip = 1;    // \uc
    int field = -1;         // the \field this group belongs to
    Destination destination = Destination::Body;
    bool literalLabel = false;  // inside \listtext or \pntext: the paragraph's own list label
};

// Settings of the whole document, from its header.
struct DocumentProps {
    int codePage = 1252;  // \ansicpg and the like
    int defaultFont = 0;  // \deff
    PageWords page;       // the document's, else its first section's
};

} // namespace rtf
