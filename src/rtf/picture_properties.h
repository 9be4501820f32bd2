#pragma once
// A picture the reader could not show (over the memory budget, or undecodable) stands in
// the document as a placeholder image; its format keeps the picture as it was in the
// file, so that the writer puts it back unchanged.

#include <QTextFormat>

namespace rtf {

inline constexpr int kPictureData = QTextFormat::UserProperty + 0x5200;   // QByteArray: the data
inline constexpr int kPictureHeader = QTextFormat::UserProperty + 0x5201; // QByteArray: \pict's words

} // namespace rtf
