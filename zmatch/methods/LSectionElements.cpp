// The L-section's elements as the window writes them: a reactance in ohms or a susceptance
// in millisiemens, or at a frequency an inductor in nH or a capacitor in pF, to three
// significant digits ("122", "38,8", "0,923") or exactly, with what the written value gives.
#include "zmatch/methods/LSection.h"

#include "zmatch/methods/Printed.h"

#include "chart/ExactText.h"
#include "toolkit/Conversions.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zmatch::methods {

using tk::FloatToStrF;

namespace {

// Three significant digits, the rounding the texts print: 122,47 is 122, 0,9228 is 0,923.
int SignificantDecimals(double v) {
    return std::clamp(2 - int(std::floor(std::log10(std::fabs(v)))), 0, 18);
}
double Significant(double v) {
    if (v == 0 || !std::isfinite(v)) return v;
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 2);
    return std::round(v / unit) * unit;
}

// "122", "38,8", "0,923" and the value each stands for; beyond a thousandth and a million of
// the unit (frequencies far from any the elements are made for) "1,23·10^-5".
TPrinted WrittenValue(double v) {
    const double size = std::fabs(v);
    if (v == 0) return {"0", 0};
    if (!std::isfinite(size)) return {"∞", v};
    if (size >= 1e-3 && size < 1e6) return Printed(v, 3, SignificantDecimals(v));
    const double rounded = Significant(v);
    const int power = int(std::floor(std::log10(std::fabs(rounded))));
    return {FloatToStrF(rounded / std::pow(10.0, power), 3, 2) + "·10^" + std::to_string(power),
            rounded};
}

// The exact value, five decimals and more.
std::string ExactValueText(double v) {
    const double size = std::fabs(v);
    if (v == 0) return "0";
    if (!std::isfinite(size)) return "∞";
    const int decimals = std::clamp(4 - int(std::floor(std::log10(size))), 5, 15);
    return chart::ExactNumber(v, decimals);
}

// The value as written: rounded to three significant digits, or exact.
TPrinted Written(double v, bool exact) {
    return exact ? TPrinted{ExactValueText(v), v} : WrittenValue(v);
}

double Omega(double hz) {
    return 2 * theory::Pi * hz;
}


// A lumped part as printed at `hz`, L in nH or C in pF, and what the printed value gives
// there: in series ωL or -1/(ωC) ohms, across the line ωC or -1/(ωL) siemens.
TWrittenElement WriteLumped(theory::TLumped::TKind part, double value, double hz, bool exact,
                            bool series, double zv) {
    const bool inductor = part == theory::TLumped::TKind::L;
    const TPrinted p = Written(value * (inductor ? 1e9 : 1e12), exact);
    const double si = p.Value * (inductor ? 1e-9 : 1e-12); // henries or farads
    const double omegaPart = Omega(hz) * si;
    const double reported = inductor == series ? omegaPart : -1 / omegaPart;
    return {(inductor ? "L = " : "C = ") + p.Text + (inductor ? " нГн" : " пФ"),
            inductor ? "L" : "C",
            series ? reported / zv : reported * zv,
            reported,
            {part, si}};
}

} // namespace

TWrittenElement WriteSeries(double x, double zv, double hz, bool exact) {
    if (hz == 0 || x == 0) {
        const TPrinted ohms = Written(x * zv, exact);
        return {"X = " + ohms.Text + " Ом", x > 0 ? "L" : x < 0 ? "C" : "", ohms.Value / zv,
                ohms.Value, {}};
    }
    const double value = theory::OfReactance(x * zv, hz).Value;
    return WriteLumped(x > 0 ? theory::TLumped::TKind::L : theory::TLumped::TKind::C, value, hz,
                       exact, true, zv);
}

TWrittenElement WriteShunt(double b, double zv, double hz, bool exact) {
    if (hz == 0 || b == 0) {
        const TPrinted ms = Written(b / zv * 1e3, exact);
        return {"B = " + ms.Text + " мСм", b > 0 ? "C" : b < 0 ? "L" : "", ms.Value * 1e-3 * zv,
                ms.Value * 1e-3, {}};
    }
    const double value = theory::OfSusceptance(b / zv, hz).Value;
    return WriteLumped(b > 0 ? theory::TLumped::TKind::C : theory::TLumped::TKind::L, value, hz,
                       exact, false, zv);
}

} // namespace zmatch::methods
