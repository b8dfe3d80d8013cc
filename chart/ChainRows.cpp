#include "chart/ChainRows.h"

#include "chart/ExactText.h"
#include "toolkit/Conversions.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

using theory::TChainElement;
using theory::TChainKind;
using theory::TPlace;
using theory::TStubKind;

TChainElement Lumped(TChainKind kind, TPlace place, double ohms) {
    TChainElement e{kind, place, ohms};
    e.Reactance = kind != TChainKind::R;
    return e;
}

// clang-format off
constexpr TChainKindChoice kKinds[] = {
    {"L последовательно",        [](double z) { return Lumped(TChainKind::L, TPlace::Series, z); }},
    {"L параллельно",            [](double z) { return Lumped(TChainKind::L, TPlace::Shunt, z); }},
    {"C последовательно",        [](double z) { return Lumped(TChainKind::C, TPlace::Series, z); }},
    {"C параллельно",            [](double z) { return Lumped(TChainKind::C, TPlace::Shunt, z); }},
    {"R последовательно",        [](double z) { return Lumped(TChainKind::R, TPlace::Series, z); }},
    {"R параллельно",            [](double z) { return Lumped(TChainKind::R, TPlace::Shunt, z); }},
    {"Отрезок линии",            [](double) { return theory::ChainLine(0.125); }},
    {"Шлейф параллельный, КЗ",   [](double) { return theory::ChainStub(TPlace::Shunt, TStubKind::Short, 0.125); }},
    {"Шлейф параллельный, ХХ",   [](double) { return theory::ChainStub(TPlace::Shunt, TStubKind::Open, 0.125); }},
    {"Шлейф последовательный, КЗ", [](double) { return theory::ChainStub(TPlace::Series, TStubKind::Short, 0.125); }},
    {"Шлейф последовательный, ХХ", [](double) { return theory::ChainStub(TPlace::Series, TStubKind::Open, 0.125); }},
    {"Трансформатор n : 1",      [](double) { return theory::Transformer(1.5); }},
};
// clang-format on

bool IsLumped(const TChainElement& e) {
    return e.Kind == TChainKind::L || e.Kind == TChainKind::C || e.Kind == TChainKind::R;
}
bool IsLength(const TChainElement& e) {
    return e.Kind == TChainKind::Line || e.Kind == TChainKind::Stub;
}
// An L or C written in henries or farads: a frequency known.
bool InUnits(const TChainElement& e, double f0Hz) {
    return (e.Kind == TChainKind::L || e.Kind == TChainKind::C) && f0Hz > 0;
}

// Four significant digits, as short as they read: 79,58; 0,125; 1200.
std::string Short4(double v) {
    if (!(v > 0) || !std::isfinite(v)) return ShortNumber(v);
    const double scale = std::pow(10.0, 3 - std::floor(std::log10(v)));
    return ShortNumber(std::round(v * scale) / scale);
}

// Henries or farads with the prefix that keeps 1 ≤ mantissa < 1000: «79,58 нГн».
std::string WithPrefix(double v, const char* unit) {
    static const char* const kPrefixes[] = {"п", "н", "мк", "м", ""};
    int i = 0;
    double m = v * 1e12;
    while (i < 4 && m >= 1000) {
        m /= 1000;
        ++i;
    }
    return Short4(m) + " " + kPrefixes[i] + unit;
}

std::string Fixed(double v, int decimals) {
    if (std::isinf(v)) return "∞";
    if (std::isnan(v)) return "—";
    return tk::FloatToStrF(v, 15, decimals);
}

std::string ComplexText(theory::TComplex z, int decimals) {
    if (std::isinf(z.real()) || std::isinf(z.imag())) return "∞";
    const std::string im = Fixed(std::fabs(z.imag()), decimals);
    return Fixed(z.real(), decimals) + (z.imag() < 0 ? "-j" : "+j") + im;
}

} // namespace

std::span<const TChainKindChoice> ChainKindChoices() {
    return kKinds;
}

TChainElement WithKindOf(const TChainElement& e, const TChainElement& made) {
    TChainElement turned = made;
    if ((IsLumped(e) && IsLumped(made)) || (IsLength(e) && IsLength(made))) turned.Value = e.Value;
    return turned;
}

std::string ElementName(const TChainElement& e) {
    const std::string place = e.Place == TPlace::Series ? "посл." : "парал.";
    switch (e.Kind) {
    case TChainKind::L:
        return "L " + place;
    case TChainKind::C:
        return "C " + place;
    case TChainKind::R:
        return "R " + place;
    case TChainKind::Line:
        return "Линия";
    case TChainKind::Stub:
        return "Шлейф " + place + (e.End == TStubKind::Short ? " КЗ" : " ХХ");
    case TChainKind::Transformer:
        return "Трансформатор";
    }
    return {};
}

std::string ValueText(const TChainElement& e, double f0Hz) {
    const std::string shown = Short4(ShownValue(e, f0Hz));
    const std::string q = e.Q > 0 ? ", Q " + ShortNumber(e.Q) : "";
    const std::string loss = e.Loss > 0 ? ", " + ShortNumber(e.Loss) + " дБ/λ" : "";
    switch (e.Kind) {
    case TChainKind::L:
        return (f0Hz > 0 ? WithPrefix(ShownValue(e, f0Hz) * 1e-9, "Гн") : "XL = " + shown + " Ом") +
               q;
    case TChainKind::C:
        return (f0Hz > 0 ? WithPrefix(ShownValue(e, f0Hz) * 1e-12, "Ф") : "XC = " + shown + " Ом") +
               q;
    case TChainKind::R:
        return shown + " Ом";
    case TChainKind::Line:
    case TChainKind::Stub:
        return shown + " λ" + (e.Z0 > 0 ? ", Zв " + ShortNumber(e.Z0) + " Ом" : "") + loss;
    case TChainKind::Transformer:
        return shown + " : 1";
    }
    return {};
}

std::string ValueUnit(const TChainElement& e, double f0Hz) {
    if (InUnits(e, f0Hz)) return e.Kind == TChainKind::L ? "нГн" : "пФ";
    if (IsLumped(e)) return "Ом";
    return IsLength(e) ? "λ" : ": 1";
}

double ShownValue(const TChainElement& e, double f0Hz) {
    if (!InUnits(e, f0Hz)) return e.Value;
    const double omega = 2 * theory::Pi * f0Hz;
    return e.Kind == TChainKind::L ? e.Value / omega * 1e9 : 1 / (omega * e.Value) * 1e12;
}

double ValueFromShown(const TChainElement& e, double shown, double f0Hz) {
    if (!InUnits(e, f0Hz)) return shown;
    const double omega = 2 * theory::Pi * f0Hz;
    return e.Kind == TChainKind::L ? omega * shown * 1e-9 : 1 / (omega * shown * 1e-12);
}

std::vector<std::string> ReadingColumns(const theory::TNodeReading& r) {
    return {ComplexText(r.Z, 2),  ComplexText(r.Y, 2), ComplexText(r.Ohms, 1),
            Fixed(r.GammaAbs, 4), Fixed(r.Vswr, 3),    Fixed(theory::ReturnLossDb(r.GammaAbs), 2),
            Fixed(r.Q, 3)};
}

std::string InputMainText(const theory::TNodeReading& r) {
    return "Вход: Z = " + ComplexText(r.Ohms, 2) + " Ом, КСВ = " + Fixed(r.Vswr, 3) +
           ", обратные потери " + Fixed(theory::ReturnLossDb(r.GammaAbs), 2) + " дБ";
}

std::string InputDetailText(const theory::TNodeReading& r) {
    return "z = " + ComplexText(r.Z, 4) + ", y = " + ComplexText(r.Y, 4) +
           ", |Г| = " + Fixed(r.GammaAbs, 4) + ", Q = " + Fixed(r.Q, 3);
}

double SliderValue(const TChainElement& e, double anchor, int position) {
    if (IsLength(e)) return std::max(0.5, 2 * anchor) * position / kSliderSteps;
    return anchor * std::pow(10.0, double(2 * position - kSliderSteps) / kSliderSteps);
}

int SliderPosition(const TChainElement& e, double anchor, double value) {
    double p = 0;
    if (IsLength(e))
        p = value / std::max(0.5, 2 * anchor) * kSliderSteps;
    else if (anchor > 0 && value > 0)
        p = (std::log10(value / anchor) + 1) * kSliderSteps / 2;
    return int(std::lround(std::clamp(p, 0.0, double(kSliderSteps))));
}

} // namespace chart
