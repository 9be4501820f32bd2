#pragma once
// What Open, Save and Save As assign to the shared dialog each time before showing it.

#include <QString>

class CommonDialog;

namespace documents {

inline const QString kRtfFilter = QStringLiteral("Rich Text Format files|*.rtf");

// The filter. FileName is left alone: it carries the last path chosen or assigned into
// the next dialog.
void prepareFileDialog(CommonDialog& dialog);

} // namespace documents
