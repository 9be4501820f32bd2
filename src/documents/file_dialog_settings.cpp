#include "documents/file_dialog_settings.h"

#include "documents/common_dialog.h"

namespace documents {

void prepareFileDialog(documents::CommonDialog& dialog)
{
    dialog.filter = rtfFilter();
}

} // namespace documents
