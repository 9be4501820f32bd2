#include "documents/file_dialog_settings.h"

#include "documents/common_dialog.h"

namespace documents {

void prepareFileDialog(CommonDialog& dialog)
{
    dialog.CancelError = true;
    dialog.Flags = CommonDialog::kHideReadOnly;
    dialog.Filter = kRtfFilter;
    dialog.FilterIndex = kRtfFilterIndex;
}

} // namespace documents
