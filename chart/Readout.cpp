#include "chart/Readout.h"

#include "toolkit/Conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace chart {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDegreesPerRadian = 180 / Pi;

// The corner and the points half a pixel either side of it along both axes.
constexpr int kSamples = 5;
constexpr double kOffsets[kSamples][2] = {{0, 0}, {-0.5, 0}, {0.5, 0}, {0, -0.5}, {0, 0.5}};

// Finer than a millionth no pixel of the chart reads.
constexpr int kMostDecimals = 6;

// Values smaller than their scale are judged by it: normalised impedances and admittances by
// the chart's unit (so a reactance of 0 on the real axis reads as such), КСВ by 1 too.
constexpr double kNormalisedScale = 1;
constexpr double kRatioScale = 1;
// The angle is read where a pixel turns it by 10° at most (farther than six pixels or so
// from the centre), so it is written to tens of degrees at the coarsest.
constexpr double kAngleScale = 100;

// G at a point of the pixel, and |G|; a point beyond the rim is read on it, |G| = 1.
struct TSample {
    theory::TComplex G;
    double Abs = 0;
};

TSample SampleAt(double x, double y) {
    // (350 - y), not -(y - 350): the real axis is v = +0, at 180° rather than -180°.
    const theory::TComplex g((x - ChartCenterX) / double(ChartRadius),
                             (ChartCenterY - y) / double(ChartRadius));
    const double a = std::abs(g);
    if (a > 1) return {g / a, 1};
    return {g, a};
}

// A value without any (NaN) leaves the spread unbounded.
TSpread Over(const double (&v)[kSamples]) {
    TSpread s{v[0], kInf, -kInf};
    for (const double x : v) {
        s.Low = std::isnan(x) ? -kInf : std::min(s.Low, x);
        s.High = std::isnan(x) ? kInf : std::max(s.High, x);
    }
    return s;
}

// The decimals of the power of ten nearest the width; none for a width without one.
int DecimalsOf(double width) {
    if (width == 0) return kMostDecimals;
    if (!std::isfinite(width)) return -kMostDecimals;
    return std::min(int(std::lround(-std::log10(width))), kMostDecimals);
}

// The decimals that leave two significant digits of a value of size m (> 0).
int TwoDigitsOf(double m) {
    return 1 - int(std::floor(std::log10(m)));
}

// Two significant digits are sure when the value spreads over the pixel by no more than a
// tenth of its size, or of its scale when it is smaller.
bool Sure(const TSpread& s, double scale) {
    return std::isfinite(s.Value) && s.Width() <= std::max(std::fabs(s.Value), scale) / 10;
}

TComplexSpread OverComplex(const theory::TComplex (&v)[kSamples], double scale) {
    double re[kSamples], im[kSamples];
    for (int i = 0; i < kSamples; ++i) {
        const bool finite = std::isfinite(v[i].real()) && std::isfinite(v[i].imag());
        re[i] = finite ? v[i].real() : kNaN;
        im[i] = finite ? v[i].imag() : kNaN;
    }
    TComplexSpread c{Over(re), Over(im), 0, scale};
    c.Decimals = DecimalsOf(std::max(c.Re.Width(), c.Im.Width()));
    return c;
}

bool HasNonZeroDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char ch) { return ch >= '1' && ch <= '9'; });
}

// The text is appended piece by piece to one string, reserved once: a pointer move makes
// no more than the numbers' own short strings.

// "r = 0,50", or "r ≈ 150…300" with both ends to two significant digits of the larger, or of
// the width when the ends lie closer together (10,2…11,7); an infinite end is "∞". Ends
// that read alike (a value below the finest decimals) are the one number they read.
void AppendPart(std::string& out, const char* name, const TSpread& s, int decimals, double scale) {
    out += name;
    if (Sure(s, scale)) {
        out += " = ";
        out += ReadingNumber(s.Value, decimals);
        return;
    }
    const double low = std::fabs(s.Low), high = std::fabs(s.High);
    const double m = std::max(std::isinf(low) ? 0 : low, std::isinf(high) ? 0 : high);
    int spanDecimals = m > 0 ? TwoDigitsOf(m) : 0;
    if (std::isfinite(s.Width()) && s.Width() > 0)
        spanDecimals = std::max(spanDecimals, TwoDigitsOf(s.Width()));
    spanDecimals = std::min(spanDecimals, kMostDecimals);
    const auto end = [&](double v) {
        return std::isinf(v) ? std::string(v < 0 ? "-∞" : "∞") : ReadingNumber(v, spanDecimals);
    };
    const std::string first = end(s.Low), last = end(s.High);
    if (first == last) {
        out += " = ";
        out += first;
        return;
    }
    out += " ≈ ";
    out += first;
    out += "…";
    out += last;
}

// "z = 1,00 + j1,00", "r ≈ 150…300, x ≈ 200…400" or "z → ∞ (холостой ход)".
void AppendComplex(std::string& out, const char* name, const char* reName, const char* imName,
                   const TComplexSpread& c, const char* unit, const char* infinite) {
    if (!c.Finite()) {
        out += name;
        out += " → ∞ (";
        out += infinite;
        out += ')';
        return;
    }
    if (Sure(c.Re, c.Scale) && Sure(c.Im, c.Scale)) {
        const std::string im = ReadingNumber(std::fabs(c.Im.Value), c.Decimals);
        out += name;
        out += " = ";
        out += ReadingNumber(c.Re.Value, c.Decimals);
        out += c.Im.Value < 0 && HasNonZeroDigit(im) ? " - j" : " + j";
        out += im;
    } else {
        AppendPart(out, reName, c.Re, c.Decimals, c.Scale);
        out += ", ";
        AppendPart(out, imName, c.Im, c.Decimals, c.Scale);
    }
    out += unit;
}

// The place on the scale rounded, and reduced into [0, 0,5) again.
double RoundedPlace(double place, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(place * scale) / scale;
    return rounded >= 0.5 ? rounded - 0.5 : rounded;
}

} // namespace

bool TComplexSpread::Finite() const {
    return std::isfinite(Re.Value) && std::isfinite(Im.Value);
}

TReadout ReadPixel(TPixel p, std::optional<theory::TComplex> line) {
    TReadout r;
    const std::int64_t dx = std::int64_t(p.X) - ChartCenterX, dy = std::int64_t(p.Y) - ChartCenterY;
    const std::int64_t d2 = dx * dx + dy * dy;
    constexpr std::int64_t kRim2 = std::int64_t(ChartRadius) * ChartRadius;
    constexpr std::int64_t kReach2 = std::int64_t(ReadoutReach) * ReadoutReach;
    if (d2 > kReach2) return r;
    if (d2 > kRim2) {
        r.Place = TReadPlace::BeyondRim;
        return r;
    }
    r.Place = TReadPlace::Disc;

    TSample s[kSamples];
    for (int i = 0; i < kSamples; ++i)
        s[i] = SampleAt(p.X + kOffsets[i][0], p.Y + kOffsets[i][1]);
    // The corner's |G| from whole numbers: exactly 1 on the rim.
    s[0].Abs = std::sqrt(double(d2)) / ChartRadius;
    r.Gamma = s[0].G;

    theory::TComplex z[kSamples], y[kSamples];
    double abs[kSamples], vswr[kSamples], twr[kSamples], turn[kSamples];
    for (int i = 0; i < kSamples; ++i) {
        z[i] = theory::ImpedanceOf(s[i].G);
        y[i] = theory::ImpedanceOf(-s[i].G); // the admittance is the impedance of -Г
        abs[i] = s[i].Abs;
        vswr[i] = theory::StandingWaveRatio(s[i].Abs);
        twr[i] = (1 - s[i].Abs) / (1 + s[i].Abs);
        // The angle turned from the corner's, free of the jump at ±180°.
        turn[i] = std::arg(s[i].G * std::conj(r.Gamma));
    }
    r.Z = OverComplex(z, kNormalisedScale);
    r.Y = OverComplex(y, kNormalisedScale);
    if (line) {
        theory::TComplex ohms[kSamples];
        for (int i = 0; i < kSamples; ++i)
            ohms[i] = r.Z.Finite() ? z[i] * *line : theory::TComplex(kNaN, kNaN);
        r.Ohms = OverComplex(ohms, kNormalisedScale * std::abs(*line));
    }
    r.GammaAbs = Over(abs);
    r.Vswr = Over(vswr);
    r.Twr = Over(twr);

    const TSpread t = Over(turn);
    if (r.Gamma != theory::TComplex()) {
        const double angle = std::arg(r.Gamma) * kDegreesPerRadian;
        r.Angle = {angle, angle + t.Low * kDegreesPerRadian, angle + t.High * kDegreesPerRadian};
        r.AngleDecimals = DecimalsOf(r.Angle.Width());
        r.AngleDefined = Sure(r.Angle, kAngleScale);
        // Toward the generator the place grows as Г turns clockwise.
        const double place = theory::WavePosition(r.Gamma);
        r.TowardGenerator = {place, place - t.High / (4 * Pi), place - t.Low / (4 * Pi)};
        r.PlaceDecimals = DecimalsOf(r.TowardGenerator.Width());
    }
    return r;
}

std::string ReadoutText(const TReadout& r) {
    if (r.Place == TReadPlace::Outside) return {};
    if (r.Place == TReadPlace::BeyondRim) return "За окружностью |Г| = 1";
    std::string out;
    out.reserve(320);
    AppendComplex(out, "z", "r", "x", r.Z, "", "холостой ход");
    if (r.Ohms) {
        out += '\n';
        AppendComplex(out, "Z", "R", "X", *r.Ohms, " Ом", "холостой ход");
    }
    out += '\n';
    AppendComplex(out, "y", "g", "b", r.Y, "", "короткое замыкание");

    out += "\n|Г| = ";
    out += ReadingNumber(r.GammaAbs.Value, DecimalsOf(r.GammaAbs.Width()));
    if (r.AngleDefined) {
        out += ", arg Г = ";
        out += ReadingNumber(r.Angle.Value, r.AngleDecimals);
        out += "°";
    } else {
        out += ", arg Г не определён";
    }

    out += '\n';
    if (std::isinf(r.Vswr.Value))
        out += "КСВ = ∞";
    else
        AppendPart(out, "КСВ", r.Vswr, DecimalsOf(r.Vswr.Width()), kRatioScale);
    out += ", КБВ = ";
    out += ReadingNumber(r.Twr.Value, DecimalsOf(r.Twr.Width()));

    out += '\n';
    if (!r.AngleDefined) {
        out += "положение на шкале длин волн не определено";
    } else {
        const double generator = RoundedPlace(r.TowardGenerator.Value, r.PlaceDecimals);
        const double load = generator == 0 ? 0 : 0.5 - generator;
        out += ReadingNumber(generator, r.PlaceDecimals);
        out += " λ к генератору, ";
        out += ReadingNumber(load, r.PlaceDecimals);
        out += " λ к нагрузке";
    }
    return out;
}

std::string ReadingNumber(double v, int decimals) {
    if (decimals >= 0) return tk::FloatToStrF(v, 15, decimals);
    const double step = std::pow(10.0, -decimals);
    return tk::FloatToStrF(std::round(v / step) * step, 15, 0);
}

std::string PickedNumber(const TSpread& part, int decimals) {
    std::string text = ReadingNumber(part.Value, decimals);
    if (HasNonZeroDigit(text))
        text = ReadingNumber(part.Value, std::max(decimals, TwoDigitsOf(std::fabs(part.Value))));
    return text;
}

} // namespace chart
