#include "toolkit/Contrast.h"

#include <cmath>

namespace tk {
namespace {

// sRGB channel to linear light, then the luminance weights of Rec. 709.
double Linear(unsigned channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(TColor c) {
    return 0.2126 * Linear((c >> 16) & 0xff) + 0.7152 * Linear((c >> 8) & 0xff) +
           0.0722 * Linear(c & 0xff);
}

bool Reads(TColor text, TColor background) {
    return ContrastRatio(text, background) >= kReadableContrast;
}

// `c` a fraction `t` (0 to 1) of the way to `target`, channel by channel.
TColor Toward(TColor c, TColor target, double t) {
    auto mix = [&](int shift) {
        const double from = (c >> shift) & 0xff, to = (target >> shift) & 0xff;
        return unsigned(std::lround(from + (to - from) * t));
    };
    return RGB(mix(16), mix(8), mix(0));
}

} // namespace

double ContrastRatio(TColor a, TColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

TColor ReadableColor(TColor wanted, TColor alternative, TColor background) {
    if (Reads(wanted, background)) return wanted;
    if (Reads(alternative, background)) return alternative;
    // Whichever of white and black stands out more is the way to go; one of them always
    // reaches 4.5 against any background.
    const TColor target = ContrastRatio(clWhite, background) >= ContrastRatio(clBlack, background)
                              ? clWhite
                              : clBlack;
    constexpr int kSteps = 64;
    for (int i = 1; i < kSteps; ++i)
        if (const TColor c = Toward(wanted, target, double(i) / kSteps); Reads(c, background))
            return c;
    return target;
}

} // namespace tk
