#pragma once
// The value of a hexadecimal digit, for \'hh and picture data alike.

#include <array>

namespace rtf {

namespace detail {
constexpr std::array<signed char, 256> makeHexDigitValues()
{
    std::array<signed char, 256> values{};
    for (auto& value : values)
        value = -1;
    for (int c = '0'; c <= '9'; ++c)
        values[c] = static_cast<signed char>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c)
        values[c] = static_cast<signed char>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c)
        values[c] = static_cast<signed char>(c - 'A' + 10);
    return values;
}
inline constexpr auto kHexDigitValues = makeHexDigitValues();
} // namespace detail

// 0-15, or -1 when `c` is no hexadecimal digit. A table look-up: it runs per byte of
// picture data.
inline int hexDigitValue(char c) { return detail::kHexDigitValues[static_cast<unsigned char>(c)]; }

} // namespace rtf
