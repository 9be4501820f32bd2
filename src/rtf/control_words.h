#pragma once
// The control words the reader knows, and what each does: a structural word (Cmd) that
// opens a destination or that a destination reads itself, a setter of the group's
// character or paragraph formatting, a setter of the document's settings, or the
// character the word stands for. A word may be both: \f numbers a font in the font table
// and chooses one in the text. Every other word is ignored, or, after \*, skips its group.

#include "rtf/reader_state.h"

#include <string_view>

namespace rtf {

struct Token;

enum class Cmd {
    Unknown,
    // tables
    FontTable, ColorTable, Red, Green, Blue, Font, FontCharset, CodePage,
    // breaks
    Par, Page, Sect, Cell, Row,
    // Unicode
    UnicodeSkip, Unicode, Upr, Ud,
    // fields and pictures
    Field, FieldInstruction, FieldResult, Picture, PngBlip, JpegBlip, OtherBlip, PicWidthGoal,
    PicHeightGoal, PicScaleX, PicScaleY, ShapePicture, Object, ObjectResult,
    PicWidth, PicHeight, Shape, ShapeInstructions, ShapePropertyName, ShapeResult, BookmarkStart, PagePart, StyleSheet,
    // notes
    Footnote, FootnoteMark,
    // lists
    ListTable, ListOverrideTable, List, ListLevel, LevelFormat, LevelStart, LevelText,
    LevelFollow, LevelLegal, ListId, ListOverride, ListOverrideNumber,
    LiteralLabel, Legacy, LegacyBody, LegacyBullet, LegacyContinue, LegacyLevel,
    LegacyDecimal, LegacyUpperRoman, LegacyLowerRoman, LegacyUpperLetter, LegacyLowerLetter,
    LegacyOrdinal, LegacyStart, LegacyFont, LegacyTextBefore, LegacyTextAfter,
    // destinations whose content never shows
    SkipDestination,
};

using CharSetter = void (*)(CharProps&, const Token&);
using ParaSetter = void (*)(ParaProps&, const Token&);
using DocumentSetter = void (*)(DocumentProps&, const Token&);

struct ControlWord {
    Cmd cmd = Cmd::Unknown;
    CharSetter chars = nullptr;
    ParaSetter para = nullptr;
    DocumentSetter document = nullptr;
    char16_t character = 0;  // 0: the word stands for no character
};

// A word the reader does not know gives an entry that does nothing.
const ControlWord& lookupControlWord(std::string_view name);

} // namespace rtf
