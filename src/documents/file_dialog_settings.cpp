#include "documents/file_dialog_settings.h"

#include "documents/common_dialog.h"

namespace documents {

void prepareFileDialog(CommonDialog& dialog)
{
    dialog.Filter = rtfFilter();
}

} // namespace documents
