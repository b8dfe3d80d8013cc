#include "cli/BandAnswers.h"

#include "cli/Json.h"

#include "measured/Frequency.h"
#include "toolkit/Conversions.h"

#include <cmath>
#include <cstddef>

namespace cli {

namespace {

using json::Field;
using json::Number;

constexpr int kRows = 21;

const char* ModelName(theory::TLoadModel model) {
    switch (model) {
    case theory::TLoadModel::Constant:
        return "constant";
    case theory::TLoadModel::Measured:
        return "measured";
    case theory::TLoadModel::Series:
        break;
    }
    return "series";
}

const char* ModelText(theory::TLoadModel model) {
    switch (model) {
    case theory::TLoadModel::Constant:
        return "нагрузка на всех частотах такая же, как при f0";
    case theory::TLoadModel::Measured:
        return "нагрузка по измерению из файла";
    case theory::TLoadModel::Series:
        break;
    }
    return "нагрузка — R и L или C последовательно, дающие Zн при f0";
}

// Characters, not bytes: the units are Cyrillic.
std::string Padded(const std::string& text, std::size_t width) {
    std::size_t chars = 0;
    for (const char c : text)
        chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return chars >= width ? text + " " : text + std::string(width - chars, ' ');
}

// КСВ to three decimals; ∞ on the rim, a dash beyond it (a negative resistance).
std::string VswrText(double v) {
    if (std::isinf(v) && v > 0) return "∞";
    if (!(v > 0)) return "—";
    return tk::FloatToStrF(v, 9, 3);
}

// The width in per cent of f0 to a tenth, and in Hz to four digits, as much as a band read
// off points a thousandth of it apart can say; a band that runs to an end of the sweep is
// a bound ("≥ 83,4 %"), and one over all of it is the whole sweep.
std::string PerCent(const theory::TBandCurve& curve, double f0Hz) {
    if (curve.Vswr2Everywhere()) return "во всём диапазоне";
    const double fraction = curve.Vswr2Fraction;
    const std::string atLeast = curve.Vswr2Bounded() ? "≥ " : "";
    std::string text = atLeast + tk::FloatToStrF(fraction * 100, 9, 1) + " %";
    if (f0Hz > 0 && fraction > 0) {
        const double hz = fraction * f0Hz;
        const double unit = std::pow(10.0, std::floor(std::log10(hz)) - 3);
        text += " (" + atLeast + measured::FrequencyText(std::round(hz / unit) * unit) + ")";
    }
    return text;
}

} // namespace

std::string BandText(const theory::TBandResponse& r, theory::TLoadModel model, double f0Hz) {
    std::string text = std::string("Полоса согласования (") + ModelText(model) + "):\n  " +
                       Padded("f/f0", 8) + (f0Hz > 0 ? Padded("f", 16) : "") +
                       Padded("ответ диаграммы", 18) + Padded("первое решение", 17) +
                       "второе решение (КСВ)\n";
    const std::size_t n = r.Ratio.size();
    const int rows = n < std::size_t(kRows) ? int(n) : kRows;
    for (int k = 0; k < rows; ++k) {
        const std::size_t i = rows == 1 ? 0 : std::size_t(k) * (n - 1) / std::size_t(rows - 1);
        text += "  " + Padded(tk::FloatToStrF(r.Ratio[i], 9, 3), 8) +
                (f0Hz > 0 ? Padded(measured::FrequencyText(r.Ratio[i] * f0Hz), 16) : "") +
                Padded(VswrText(r.Chart.Vswr[i]), 18) + Padded(VswrText(r.First.Vswr[i]), 17) +
                VswrText(r.Second.Vswr[i]) + "\n";
    }
    return text + "КСВ ≤ 2: ответ диаграммы " + PerCent(r.Chart, f0Hz) + ", первое решение " +
           PerCent(r.First, f0Hz) + ", второе решение " + PerCent(r.Second, f0Hz) + "\n";
}

std::string BandField(const theory::TBandResponse& r, theory::TLoadModel model, double f0Hz) {
    std::string points;
    for (std::size_t i = 0; i < r.Ratio.size(); ++i)
        points += std::string(i ? "," : "") + "{" + Field("f", Number(r.Ratio[i])) + "," +
                  Field("chart", Number(r.Chart.Vswr[i])) + "," +
                  Field("first", Number(r.First.Vswr[i])) + "," +
                  Field("second", Number(r.Second.Vswr[i])) + "}";
    const auto each = [&](auto value) {
        return "{" + Field("chart", value(r.Chart)) + "," + Field("first", value(r.First)) + "," +
               Field("second", value(r.Second)) + "}";
    };
    const std::string vswr2 =
        each([](const theory::TBandCurve& c) { return Number(c.Vswr2Fraction); });
    // true: the band runs to an end of the sweep, and its width is only a lower bound.
    const std::string bounded = each([](const theory::TBandCurve& c) {
        return std::string(c.Vswr2Bounded() ? "true" : "false");
    });
    return Field("band", "{" + Field("model", json::String(ModelName(model))) + "," +
                             Field("f0", f0Hz > 0 ? Number(f0Hz) : "null") + "," +
                             Field("points", "[" + points + "]") + "," + Field("vswr2", vswr2) +
                             "," + Field("vswr2_at_least", bounded) + "}");
}

} // namespace cli

namespace cli {

std::string BandWidthText(const theory::TBandCurve& curve, double f0Hz) {
    return PerCent(curve, f0Hz);
}

std::string VswrCell(double vswr) {
    return VswrText(vswr);
}

std::string SolutionsBandText(const theory::TNetworksResponse& r, theory::TLoadModel model,
                              double f0Hz) {
    std::string text = std::string("Полоса согласования (") + ModelText(model) + "):\n  " +
                       Padded("f/f0", 8) + (f0Hz > 0 ? Padded("f", 16) : "");
    for (std::size_t k = 0; k < r.Curves.size(); ++k)
        text += Padded("решение " + std::to_string(k + 1), 12);
    text += "(КСВ)\n";
    const std::size_t n = r.Ratio.size();
    const int rows = n < std::size_t(kRows) ? int(n) : kRows;
    for (int k = 0; k < rows; ++k) {
        const std::size_t i = rows == 1 ? 0 : std::size_t(k) * (n - 1) / std::size_t(rows - 1);
        text += "  " + Padded(tk::FloatToStrF(r.Ratio[i], 9, 3), 8) +
                (f0Hz > 0 ? Padded(measured::FrequencyText(r.Ratio[i] * f0Hz), 16) : "");
        for (const theory::TBandCurve& c : r.Curves)
            text += Padded(VswrText(c.Vswr[i]), 12);
        text += "\n";
    }
    text += "КСВ ≤ 2:";
    for (std::size_t k = 0; k < r.Curves.size(); ++k)
        text += std::string(k ? "," : "") + " решение " + std::to_string(k + 1) + " " +
                PerCent(r.Curves[k], f0Hz);
    return text + "\n";
}

std::string SolutionsBandField(const theory::TNetworksResponse& r, theory::TLoadModel model,
                               double f0Hz) {
    const auto list = [&](auto value) {
        std::string out;
        for (std::size_t k = 0; k < r.Curves.size(); ++k)
            out += std::string(k ? "," : "") + value(r.Curves[k]);
        return "[" + out + "]";
    };
    std::string points;
    for (std::size_t i = 0; i < r.Ratio.size(); ++i)
        points +=
            std::string(i ? "," : "") + "{" + Field("f", Number(r.Ratio[i])) + "," +
            Field("vswr", list([i](const theory::TBandCurve& c) { return Number(c.Vswr[i]); })) +
            "}";
    return Field("band", "{" + Field("model", json::String(ModelName(model))) + "," +
                             Field("f0", f0Hz > 0 ? Number(f0Hz) : "null") + "," +
                             Field("points", "[" + points + "]") + "," +
                             Field("vswr2", list([](const theory::TBandCurve& c) {
                                       return Number(c.Vswr2Fraction);
                                   })) +
                             "," +
                             Field("vswr2_at_least", list([](const theory::TBandCurve& c) {
                                       return std::string(c.Vswr2Bounded() ? "true" : "false");
                                   })) +
                             "}");
}

} // namespace cli
