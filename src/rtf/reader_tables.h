#pragma once
// The definitions of table rows, one for each depth of nesting. \trowd starts one: in
// \nesttableprops (Word's nested rows, given after their cells) for the innermost table,
// elsewhere for the outermost; the words after it describe that row until the next.

#include "rtf/table_format.h"

#include <array>

namespace rtf {

struct Token;

class TableRows {
public:
    void word(RowSetter set, const Token& token, bool nested, int innermost);
    const RowDefinition& definition(int level) const;

private:
    std::array<RowDefinition, kMaxTableDepth + 1> rows_;
    int level_ = 1;
};

} // namespace rtf
