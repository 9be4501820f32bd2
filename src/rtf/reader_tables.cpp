#include "rtf/reader_tables.h"

#include "rtf/tokenizer.h"

#include <algorithm>

namespace rtf {

void TableRows::word(RowSetter set, const Token& token, bool nested, int innermost)
{
    if (token.text == "trowd")
        level_ = nested ? std::clamp(innermost, 1, kMaxTableDepth) : 1;
    set(rows_[size_t(level_)], token);
}

const RowDefinition& TableRows::definition(int level) const
{
    return rows_[size_t(std::clamp(level, 1, kMaxTableDepth))];
}

} // namespace rtf
