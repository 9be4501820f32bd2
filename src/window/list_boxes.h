#pragma once
// The tool bar's font-name and size lists: editable boxes that act only on an entry chosen
// from their list.

class QComboBox;
class QString;

namespace list_boxes {

// Leaving the box (Tab, a click elsewhere, a dialog taking the focus) keeps what was typed
// and applies nothing. Qt would otherwise make a typed text that matches an entry current
// and report it as chosen.
void applyOnlyChosenEntries(QComboBox* box);

// The open list is as wide as its longest entry; the box keeps its own width.
void widenPopupToEntries(QComboBox* box);

// Makes the entry whose text is exactly `text` (case-sensitive) the current one; without
// such an entry none is current and `fallback` is shown.
void showEntryOr(QComboBox* box, const QString& text, const QString& fallback);

} // namespace list_boxes
