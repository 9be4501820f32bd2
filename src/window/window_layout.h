#pragma once
// The main window's design: control geometry in twips and the menu bar, kept as data so
// that the window is built from it and tests can read it. The tool bar's buttons are
// listed with their commands in formatting/toolbar.h.

#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

namespace window_layout {

// Geometry in twips, relative to the container's client area.
inline constexpr QRectF kToolBar{120, 1920, 9675, 390};
inline constexpr QRectF kFontList{2520, 45, 1935, 315};   // in the tool bar
inline constexpr QRectF kSizeList{4560, 45, 615, 315};    // in the tool bar
inline constexpr QRectF kOptionsPanel{2520, 120, 3975, 1455};
inline constexpr QRectF kFontSizeLabel{240, 240, 1575, 375};   // in the Options panel
inline constexpr QRectF kOptionsOk{2160, 240, 1575, 375};
inline constexpr QRectF kSizeOption1{120, 840, 735, 255};
inline constexpr QRectF kSizeOption2{960, 840, 855, 195};
inline constexpr QRectF kSizeOption3{1920, 840, 735, 255};
inline constexpr QRectF kSizeOption4{2760, 840, 1095, 195};
inline constexpr QRectF kEditor{0, 2760, 9015, 4095};
inline constexpr QRectF kPalette{0, -480, 9495, 2055};
inline constexpr double kDesignClientWidth = 8490;
inline constexpr double kDesignClientHeight = 5355;

// Start-up geometry.
inline constexpr double kPaletteHeight = 1880;
inline constexpr double kEditorTop = 2300;
inline constexpr double kCellSize = 300;

// Tool-bar buttons are 23 × 22 pixels (345 × 330 twips) around 16-pixel images.
inline constexpr double kToolbarButtonWidth = 345;
inline constexpr double kToolbarButtonHeight = 330;
inline constexpr int kToolbarIconPixels = 16;

// Where the Options panel's size buttons go, in pixels within the panel: at the design's
// places, widened to show each caption whole, while no caption runs into the next and all
// stay inside `inner`; otherwise two rows of two, in reading order, in the band of `inner`
// below `top`.
QList<QRect> optionPlaces(const QList<QRect>& design, const QList<QSize>& needed,
                          const QRect& inner, int top);

struct MenuItem {
    QString name;       // objectName of the QAction (or QMenu for a top-level menu)
    const char* captionSource = nullptr; // English, translated in the context "window::MainWindow"
    QKeySequence shortcut;
    bool topLevel = false;
};

// The menu bar in order: each top-level menu followed by its items.
const QList<MenuItem>& menuItems();

} // namespace window_layout
