#include "nq/unicode_bridge.h"

// The two directions live in bridge_to_unicode.cpp and bridge_from_unicode.cpp.

namespace nq {

bool containsBengali(const QString& text)
{
    for (QChar ch : text)
        if (ch.unicode() >= 0x0980 && ch.unicode() <= 0x09FF)
            return true;
    return false;
}

} // namespace nq
