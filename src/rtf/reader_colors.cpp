#include "rtf/reader_colors.h"

#include "rtf/tokenizer.h"

#include <algorithm>

namespace rtf {

void ColorTable::start()
{
    ++changes_;
    hasValue_ = false;
    red_ = green_ = blue_ = 0;
}

bool ColorTable::word(Cmd cmd, const Token& token)
{
    const int value = std::clamp(token.param, 0, 255);
    switch (cmd) {
    case Cmd::Red: red_ = value; hasValue_ = true; break;
    case Cmd::Green: green_ = value; hasValue_ = true; break;
    case Cmd::Blue: blue_ = value; hasValue_ = true; break;
    default: break;
    }
    return true;
}

void ColorTable::text(std::string_view bytes)
{
    for (char c : bytes)
        if (c == ';')
            commit();
}

void ColorTable::commit()
{
    colors_.push_back(hasValue_ ? QColor(red_, green_, blue_) : QColor());
    ++changes_;
    hasValue_ = false;
    red_ = green_ = blue_ = 0;
}

QColor ColorTable::colorAt(int index) const
{
    if (index < 0 || index >= int(colors_.size()))
        return {};
    return colors_[index];
}

} // namespace rtf
