#pragma once
// The colour table (\colortbl): entries end at ';', an entry without values is the
// automatic colour.

#include "rtf/reader_room.h"

#include <QColor>

#include <vector>

namespace rtf {

class ColorTable final : public Room {
public:
    // \colortbl
    void start();
    bool word(Cmd cmd, const Token& token) override;
    void text(std::string_view bytes) override;

    // Invalid for the automatic colour and for indices the table lacks.
    QColor colorAt(int index) const;
    int size() const { return int(colors_.size()); }
    // Counts the changes that may give a run another colour.
    int changes() const { return changes_; }

private:
    void commit();

    std::vector<QColor> colors_;
    bool hasValue_ = false;
    int red_ = 0, green_ = 0, blue_ = 0;
    int changes_ = 0;
};

} // namespace rtf
