#pragma once
// The control words the reader acts on. Every other word is ignored, or, after \*, skips
// its group.

#include <string_view>

namespace rtf {

enum class Cmd {
    Unknown,
    // header and tables
    Rtf, Ansi, Mac, Pc, Pca, AnsiCpg, Deff, FontTable, ColorTable, Red, Green, Blue, Font,
    FontCharset, CodePage,
    // character formatting
    FontSize, Plain, Bold, Italic, Underline, UnderlineNone, UnderlineDotted, UnderlineDash,
    UnderlineDashDot, UnderlineDashDotDot, UnderlineWave, Strike, Foreground, Background,
    Highlight, Super, Sub, NoSuperSub, Up, Down, Hidden,
    // paragraph formatting
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify, LeftIndent, RightIndent,
    FirstIndent, SpaceBefore, SpaceAfter, LineSpacing, LineMultiple, PageBreakBefore,
    // breaks and special characters
    Par, Line, Tab, Page, Sect, Cell, Row, EmDash, EnDash, Bullet, LeftQuote, RightQuote,
    LeftDoubleQuote, RightDoubleQuote, EmSpace, EnSpace, QuarterEmSpace, ZeroWidthJoiner,
    ZeroWidthNonJoiner, LeftToRightMark, RightToLeftMark,
    // Unicode
    UnicodeSkip, Unicode, Upr, Ud,
    // fields and pictures
    Field, FieldInstruction, FieldResult, Picture, PngBlip, JpegBlip, OtherBlip, PicWidthGoal,
    PicHeightGoal, PicScaleX, PicScaleY, ShapePicture, Object, ObjectResult,
    PicWidth, PicHeight,
    // notes
    Footnote, FootnoteMark,
    // lists
    ListTable, ListOverrideTable, List, ListLevel, LevelFormat, LevelStart, LevelText,
    LevelFollow, LevelLegal, ListId, ListOverride, ListOverrideNumber, ListLevelNumber,
    LiteralLabel, Legacy, LegacyBody, LegacyBullet, LegacyContinue, LegacyLevel,
    LegacyDecimal, LegacyUpperRoman, LegacyLowerRoman, LegacyUpperLetter, LegacyLowerLetter,
    LegacyOrdinal, LegacyStart, LegacyFont, LegacyTextBefore, LegacyTextAfter,
    // destinations whose content never shows
    SkipDestination,
};

Cmd lookupControlWord(std::string_view name);

} // namespace rtf
