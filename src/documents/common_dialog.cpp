#include "documents/common_dialog.h"

#include "platform/dialogs.h"

namespace documents {

CommonDialog::CommonDialog(platform::Dialogs& dialogs, QWidget* owner)
    : dialogs_(dialogs), owner_(owner)
{
}

bool CommonDialog::showOpen()
{
    const auto path = dialogs_.openFileName(owner_, {fileName, filter});
    if (!path)
        return false;
    fileName = *path;
    return true;
}

bool CommonDialog::showSave()
{
    const auto path = dialogs_.saveFileName(owner_, {fileName, filter});
    if (!path)
        return false;
    fileName = *path;
    return true;
}

bool CommonDialog::showColor()
{
    const auto picked = dialogs_.pickColor(owner_, color);
    if (!picked)
        return false;
    color = *picked;
    return true;
}

bool CommonDialog::showPrinter(QPrinter& printer, bool& printSelection)
{
    platform::PrintRequest request;
    request.selectionPreselected = (printFlags & kPrintSelection) != 0;
    // The flag is set exactly when text is selected; without it there is nothing to choose.
    request.selectionEnabled = request.selectionPreselected;
    request.pageRangesEnabled = (printFlags & kNoPageNumbers) == 0;
    printSelection = false;
    return dialogs_.setupPrinter(owner_, printer, request, printSelection);
}

} // namespace documents
