#pragma once
// Qt's format collection hashes a string-list or byte-array property by its type alone, so
// formats that differ only in their faces, or in the data of a picture kept as it was,
// all land in one bucket, and each run inserted is compared with every one of them:
// reading grew with the square of the distinct faces or pictures. A key Qt hashes by
// value, set beside them, keeps each lookup short. Nothing reads the keys back.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTextFormat>

namespace rtf {

inline constexpr int kFamilyKey = QTextFormat::UserProperty + 0x5210;
inline constexpr int kPictureKey = QTextFormat::UserProperty + 0x5211;

inline void setFamilyKey(QTextFormat& format, const QString& family)
{
    format.setProperty(kFamilyKey, int(qHash(family)));
}

inline void setPictureKey(QTextFormat& format, const QByteArray& data)
{
    format.setProperty(kPictureKey, int(qHash(data)));
}

} // namespace rtf
