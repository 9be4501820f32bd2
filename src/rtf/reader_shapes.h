#pragma once
// Drawing shapes (\shp): a picture shape keeps its picture in the property "pib" of its
// instructions (\shpinst), and gives readers that know no shapes a fallback (\shprslt),
// often a metafile or nothing at all. The picture is shown inline where the shape stands,
// and its fallback then skipped; the instructions' other text shows nowhere.

#include "rtf/reader_room.h"

#include <QByteArray>

namespace rtf {

class Shapes final : public Room {
public:
    void startShape() { pictureShown_ = false; }
    // \sn: the property's name is this room's text.
    void startName() { name_.clear(); }
    void text(std::string_view bytes) override { name_.append(bytes.data(), qsizetype(bytes.size())); }
    // A \pict inside the instructions: only the shape's own picture shows.
    bool takesPicture()
    {
        if (name_ != "pib")
            return false;
        pictureShown_ = true;
        return true;
    }
    // \shprslt: skipped when the shape's own picture was shown.
    bool pictureShown() const { return pictureShown_; }

private:
    QByteArray name_;
    bool pictureShown_ = false;
};

} // namespace rtf
