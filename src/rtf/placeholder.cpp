// Temporary until the codec lands: every read fails with a clear message.
#include "rtf/rtf.h"

#include <QTextDocument>

namespace rtf {
QString ReadError::toString() const { return cause; }
std::optional<ReadError> read(const QByteArray&, QTextDocument&) { return ReadError{QStringLiteral("RTF reading is not available yet")}; }
QByteArray write(const QTextDocument&) { return {}; }
std::optional<QString> loadFile(const QString& path, QTextDocument&) { return path + QStringLiteral(": RTF reading is not available yet"); }
std::optional<QString> saveFile(const QString& path, const QTextDocument&) { return path + QStringLiteral(": RTF writing is not available yet"); }
} // namespace rtf
