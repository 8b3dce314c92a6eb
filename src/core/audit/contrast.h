#pragma once

#include <cstdint>

namespace tabloom {

// The contrast ratios text must reach on its background: normal text and
// large text (WCAG 2.x, level AA).
inline constexpr double kNormalTextRatio = 4.5;
inline constexpr double kLargeTextRatio = 3.0;

// Relative luminance (0 black .. 1 white) of a colour value 0x00BBGGRR,
// its sRGB components linearised as WCAG 2.x defines it.
double RelativeLuminance(std::int32_t colour);

// (L lighter + 0.05) / (L darker + 0.05): 1 for equal colours, 21 for black
// on white; the order of the two colours does not matter.
double ContrastRatio(std::int32_t a, std::int32_t b);

// The colour of text's hue and saturation whose lightness lies nearest to
// text's and reaches ratio on background; black or white, whichever
// contrasts more, when no such colour does. text itself when it already does.
std::int32_t NearestTextColour(std::int32_t text, std::int32_t background, double ratio);

}  // namespace tabloom
