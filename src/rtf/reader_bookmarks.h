#pragma once
// Bookmarks (\bkmkstart): the name becomes an anchor name of the text that follows, so
// that links to it (HYPERLINK \l) keep their target and a save writes it back.

#include "rtf/reader_room.h"

#include <QByteArray>

namespace rtf {

class BodyText;

class Bookmarks final : public Room {
public:
    explicit Bookmarks(BodyText& body) : body_(body) {}
    void start();
    void text(std::string_view bytes) override { name_.append(bytes.data(), qsizetype(bytes.size())); }
    void groupClosed(GroupState& parent) override;

private:
    BodyText& body_;
    QByteArray name_;
};

} // namespace rtf
