#include "core/audit/contrast.h"

#include <algorithm>
#include <cmath>

namespace tabloom {

namespace {

constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kWhite = 0xFFFFFF;

// Components are read bytewise so that a value outside 0..0xFFFFFF (a
// damaged file) still gives a colour rather than garbage.
int Component(std::int32_t colour, int shift) { return (colour >> shift) & 0xFF; }

double Linear(int component) {
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Hsl {
    double h = 0;  // 0..6, sixths of the colour circle
    double s = 0;
    double l = 0;
};

Hsl ToHsl(std::int32_t colour) {
    const double r = Component(colour, 0) / 255.0;
    const double g = Component(colour, 8) / 255.0;
    const double b = Component(colour, 16) / 255.0;
    const double hi = std::max({r, g, b});
    const double lo = std::min({r, g, b});
    Hsl hsl;
    hsl.l = (hi + lo) / 2;
    const double d = hi - lo;
    if (d == 0) return hsl;
    hsl.s = d / (1 - std::fabs(2 * hsl.l - 1));
    if (hi == r) {
        hsl.h = std::fmod((g - b) / d + 6, 6);
    } else if (hi == g) {
        hsl.h = (b - r) / d + 2;
    } else {
        hsl.h = (r - g) / d + 4;
    }
    return hsl;
}

std::int32_t FromHsl(const Hsl& hsl) {
    const double c = (1 - std::fabs(2 * hsl.l - 1)) * hsl.s;
    const double x = c * (1 - std::fabs(std::fmod(hsl.h, 2) - 1));
    const double m = hsl.l - c / 2;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hsl.h) % 6) {
        case 0:
            r = c, g = x;
            break;
        case 1:
            r = x, g = c;
            break;
        case 2:
            g = c, b = x;
            break;
        case 3:
            g = x, b = c;
            break;
        case 4:
            r = x, b = c;
            break;
        default:
            r = c, b = x;
            break;
    }
    auto byte = [m](double v) {
        return static_cast<std::int32_t>(std::clamp(std::lround((v + m) * 255), 0L, 255L));
    };
    return byte(r) | byte(g) << 8 | byte(b) << 16;
}

}  // namespace

double RelativeLuminance(std::int32_t colour) {
    return 0.2126 * Linear(Component(colour, 0)) + 0.7152 * Linear(Component(colour, 8)) +
           0.0722 * Linear(Component(colour, 16));
}

double ContrastRatio(std::int32_t a, std::int32_t b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::int32_t NearestTextColour(std::int32_t text, std::int32_t background, double ratio) {
    if (ContrastRatio(text, background) >= ratio) return text;
    // Steps of 1/1000 in lightness are finer than the 8-bit components, so
    // the first step that reaches the ratio is the nearest such colour.
    const Hsl start = ToHsl(text);
    constexpr int kSteps = 1000;
    for (int k = 1; k <= kSteps; ++k) {
        for (const int sign : {-1, 1}) {
            Hsl hsl = start;
            hsl.l = start.l + sign * static_cast<double>(k) / kSteps;
            if (hsl.l < 0 || hsl.l > 1) continue;
            const std::int32_t candidate = FromHsl(hsl);
            if (ContrastRatio(candidate, background) >= ratio) return candidate;
        }
    }
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

}  // namespace tabloom
