#pragma once

namespace rtf {

// RTF measures lengths in twips; a QTextDocument in pixels at 96 per inch.
inline constexpr double kTwipsPerPixel = 15.0;

// The largest side a picture is shown or written with (about 8.5 m): far beyond any page,
// and its twips fit an RTF parameter with room to spare.
inline constexpr double kMaxPicturePixels = 32767.0;

} // namespace rtf
