#pragma once
// The one dialog object behind the file, print and colour dialogs. Its
// settings outlive each use; in particular fileName carries the last path chosen or
// assigned into the next file dialog.

#include <QColor>
#include <QString>

class QPrinter;
class QWidget;
namespace platform { class Dialogs; }

namespace documents {

class CommonDialog {
public:
    // Print dialog flags.
    static constexpr int kPrintSelection = 1;       // Selection preselected
    static constexpr int kNoPageNumbers = 8;        // page-range fields disabled

    CommonDialog(platform::Dialogs& dialogs, QWidget* owner);

    QString fileName;
    int printFlags = 0;
    QString filter;
    QColor color = Qt::black;
    // Where the last print of the run went, offered by the next print dialog: a printer by
    // name, or (printerName empty) the file named here.
    QString printerName;
    QString printFileName;

    // Each returns true on OK and false when the user cancelled. On OK, showOpen and
    // showSave leave the chosen path in fileName and showColor the colour in color.
    bool showOpen();
    bool showSave();
    bool showColor();
    // Shows the print dialog for `printer` with the current printFlags; on OK tells whether
    // the user chose to print the selection only.
    bool showPrinter(QPrinter& printer, bool& printSelection);

    platform::Dialogs& dialogs() const { return dialogs_; }
    QWidget* owner() const { return owner_; }

private:
    platform::Dialogs& dialogs_;
    QWidget* owner_;
};

} // namespace documents
