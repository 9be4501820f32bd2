#pragma once
// The size and font-name lists and the palette's size options.

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <array>

namespace formatting {

// "8" to "16", then "18" to "72" in steps of 2: 37 entries, in that order.
QStringList sizeListEntries();
// Typing starts at this size: start-up chooses its entry in the size list.
constexpr int kInitialTextPoints = 16;
// The position of kInitialTextPoints in sizeListEntries().
int initialSizeIndex();

// A family name without the " [Foundry]" that Qt adds to tell same-named families apart.
QString withoutFoundry(const QString& family);

// The font-name list: every family once, sorted alphabetically (case-insensitively,
// then case-sensitively so that "NQ" and "nq" keep a fixed order).
QStringList fontNameEntries(const QStringList& families);
// The list's text when the editing face (exactly "NQ") is not among the families.
inline const QString kFontListPlaceholderText = QStringLiteral("Combo2");
QString fontListText(const QStringList& families);

// The size list's text as points; 0 when it is not a number.
double pointsFromSizeText(const QString& text);

// Palette font sizes of the four options, Small to Extra large; the palette starts Small.
inline constexpr std::array<double, 4> kPaletteFontSizes{13, 15, 16, 17};
constexpr double kInitialPaletteFontSize = kPaletteFontSizes[0];
// The size of option 1..4; 0 for any other number.
double paletteFontSizeForOption(int option);

// Where the options panel goes, in twips from the window's client area: centred by the
// screen's size (not the window's), in single precision.
QPointF optionsPanelPosition(const QSizeF& screenTwips, const QSizeF& panelTwips);

} // namespace formatting
