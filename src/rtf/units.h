#pragma once

namespace rtf {

// RTF measures lengths in twips; a QTextDocument in pixels at 96 per inch.
inline constexpr double kTwipsPerPixel = 15.0;

} // namespace rtf
