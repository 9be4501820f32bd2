#include "documents/common_dialog.h"

#include "platform/dialogs.h"

namespace documents {

CommonDialog::CommonDialog(platform::Dialogs& dialogs, QWidget* owner)
    : dialogs_(dialogs), owner_(owner)
{
}

bool CommonDialog::ShowOpen()
{
    const auto path = dialogs_.openFileName(owner_, {FileName, Filter});
    if (!path)
        return false;
    FileName = *path;
    return true;
}

bool CommonDialog::ShowSave()
{
    const auto path = dialogs_.saveFileName(owner_, {FileName, Filter});
    if (!path)
        return false;
    FileName = *path;
    return true;
}

bool CommonDialog::ShowColor()
{
    const auto color = dialogs_.pickColor(owner_, Color);
    if (!color)
        return false;
    Color = *color;
    return true;
}

bool CommonDialog::ShowPrinter(QPrinter& printer, bool& printSelection)
{
    platform::PrintRequest request;
    request.selectionPreselected = (Flags & kPrintSelection) != 0;
    // The flag is set exactly when text is selected; without it there is nothing to choose.
    request.selectionEnabled = request.selectionPreselected;
    request.pageRangesEnabled = (Flags & kNoPageNumbers) == 0;
    printSelection = false;
    return dialogs_.setupPrinter(owner_, printer, request, printSelection);
}

} // namespace documents
