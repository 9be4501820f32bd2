#pragma once
// What Open, Save and Save As assign to the shared dialog each time before showing it.

#include <QString>

class CommonDialog;

namespace documents {

inline const QString kRtfFilter = QStringLiteral("Rich Text Format files|*.rtf");
// The list holds one filter, so this points past it; kept because the dialog has always
// been set up this way.
inline constexpr int kRtfFilterIndex = 2;

// CancelError, Flags, Filter and FilterIndex, in that order. FileName is left alone: it
// carries the last path chosen or assigned into the next dialog.
void prepareFileDialog(CommonDialog& dialog);

} // namespace documents
