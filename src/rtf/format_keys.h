#pragma once
// Qt's format collection hashes a property by its value only for a few types (strings,
// numbers, colours); a string list, byte array or list of tab stops counts by its type
// or length alone. Formats that differ only in such properties (their faces, bookmark
// names, tab stops, the data of a picture kept as it was) all land in one bucket, and
// each run inserted is compared with every one of them: reading grew with the square of
// the distinct formats. A key Qt hashes by value, set beside them, keeps each lookup
// short. Nothing reads it back; equal formats get equal keys.

#include <QTextFormat>

namespace rtf {

inline constexpr int kValueKey = QTextFormat::UserProperty + 0x5210;

// Sets the key of `format`'s properties that Qt hashes by type; leaves a format without
// any such property as it is.
void addValueKey(QTextFormat& format);

template <typename Format>
Format keyedByValue(Format format)
{
    addValueKey(format);
    return format;
}

} // namespace rtf
