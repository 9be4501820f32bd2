#pragma once
// CommonDialog1: the one dialog object behind the file, print and colour dialogs. Its
// settings outlive each use; in particular FileName carries the last path chosen or
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

    QString FileName;
    int Flags = 0;
    QString Filter;
    QColor Color = Qt::black;
    // Where the last print of the run went, offered by the next print dialog: a printer by
    // name, or (PrinterName empty) the file named here.
    QString PrinterName;
    QString PrintFileName;

    // Each returns true on OK and false when the user cancelled. On OK, ShowOpen and
    // ShowSave leave the chosen path in FileName and ShowColor the colour in Color.
    bool ShowOpen();
    bool ShowSave();
    bool ShowColor();
    // Shows the print dialog for `printer` with the current Flags; on OK tells whether
    // the user chose to print the selection only.
    bool ShowPrinter(QPrinter& printer, bool& printSelection);

    platform::Dialogs& dialogs() const { return dialogs_; }
    QWidget* owner() const { return owner_; }

private:
    platform::Dialogs& dialogs_;
    QWidget* owner_;
};

} // namespace documents
