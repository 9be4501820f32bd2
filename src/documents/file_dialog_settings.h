#pragma once
// What Open, Save and Save As assign to the shared dialog each time before showing it.

#include <QCoreApplication>
#include <QString>

namespace documents { class CommonDialog; }

namespace documents {

// "Description|*.ext": the description is shown in the dialog's list of file types.
inline QString rtfFilter() { return QCoreApplication::translate("documents", "Rich Text Format files|*.rtf"); }

// The filter. fileName is left alone: it carries the last path chosen or assigned into
// the next dialog.
void prepareFileDialog(documents::CommonDialog& dialog);

} // namespace documents
