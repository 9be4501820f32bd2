#pragma once
// What a field's instruction (\fldinst) says.

#include <QString>

namespace rtf {

// The target of a HYPERLINK field, empty for any other field.
QString hyperlinkTarget(const QString& instruction);

} // namespace rtf
