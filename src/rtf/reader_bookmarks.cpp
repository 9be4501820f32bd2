#include "rtf/reader_bookmarks.h"

#include "rtf/reader_body.h"

namespace rtf {

void Bookmarks::start()
{
    // The text before the bookmark must not take its name.
    body_.flushBytes();
    body_.emitRun();
    name_.clear();
}

void Bookmarks::groupClosed(GroupState& parent)
{
    if (parent.destination == Destination::Bookmark)
        return;
    const QString name = QString::fromUtf8(name_).trimmed();
    if (!name.isEmpty())
        body_.addAnchorName(name);
    name_.clear();
}

} // namespace rtf
