#pragma once
// ToUnicode CMaps (two-byte codes, as Qt writes them for its Identity-H fonts): read and
// write.

#include <QByteArray>
#include <QMap>
#include <QString>

namespace pdftext {

// The bfchar and bfrange entries of a CMap; codes that map to nothing are left out.
QMap<quint16, QString> parseToUnicode(const QByteArray& cmap);

// A CMap with one bfchar entry per code.
QByteArray writeToUnicode(const QMap<quint16, QString>& map);

} // namespace pdftext
