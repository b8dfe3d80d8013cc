#include "zmatch/ExactHints.h"

#include "zmatch/Unit1.h"

#include "chart/ExactText.h"
#include "chart/ReadingText.h"
#include "theory/LineTheory.h"
#include "toolkit/Conversions.h"

#include <array>
#include <cmath>
#include <string>

namespace zmatch {

using chart::ExactComplex;
using chart::ExactNumber;
using theory::TStubKind;

namespace {

// The decimals every exact answer shows at the least.
constexpr int kDecimals = 5;

// The labels «Согласовать» writes, whose hints give its exact answer.
std::array<tk::TLabel*, 5> MatchLabels(const TForm1& f) {
    return {f.Label6, f.Label4, f.Label11, f.Label7, f.Label12};
}

// The first line of a hint names what it answers; the copied results head each group of
// labels with it.
std::string Heading(const TStubConstruction& m) {
    return "Согласование нагрузки " + chart::LoadName(m.Load) +
           (m.Kind == TStubKind::Short ? " короткозамкнутым" : " разомкнутым") +
           " шлейфом, λ = " + chart::ShortNumber(m.Lambda) + "\n";
}

// "0,19879 λ (при λ = 2 — 0,39758)": wavelengths, then the unit the wavelength was typed
// in, unless that is the wavelength itself.
std::string Length(double waves, double lambda, int decimals) {
    std::string text = ExactNumber(waves, decimals) + " λ";
    if (lambda != 1)
        text += " (при λ = " + chart::ShortNumber(lambda) + " — " +
                ExactNumber(waves * lambda, decimals) + ")";
    return text;
}

// The line's admittance at the junction is 1 + jb; the stub adds -jb.
std::string Solution(const char* name, const theory::TStubMatch& s, const TStubConstruction& m) {
    const int decimals = theory::BuildableDecimals(m.Load.ZNorm(), s, m.Kind, kDecimals);
    const std::string b = ExactNumber(std::fabs(s.B));
    return std::string(name) + ": в месте подключения проводимость линии y = 1" +
           (s.B < 0 ? "-j" : "+j") + b + ", шлейф добавляет " + (s.B < 0 ? "+j" : "-j") + b +
           (s.B >= 0 ? " (индуктивный)" : " (ёмкостный)") + ":\n  расстояние " +
           Length(s.Distance, m.Lambda, decimals) +
           (m.Kind == TStubKind::Short ? ", короткозамкнутый шлейф " : ", разомкнутый шлейф ") +
           Length(s.Stub, m.Lambda, decimals);
}

// The chart's answer as its labels print it, to three decimals.
double Printed(double v) {
    return std::round(v * 1e3) / 1e3;
}

std::string MatchText(const TStubConstruction& m) {
    const theory::TComplex z = m.Load.ZNorm();
    const std::string exactly =
        Heading(m) + "Точный расчёт (линия без потерь): y = 1/z = " + ExactComplex(1.0 / z);
    const theory::TStubSolutions exact = theory::SolveStubMatch(z, m.Kind);
    switch (exact.Case) {
    case theory::TMatchCase::Matched:
        return exactly + ", нагрузка согласована с линией (Г = 0), шлейф не нужен.";
    case theory::TMatchCase::Impossible:
        return exactly + ", |Г| = " + ExactNumber(theory::WaveRatios(z).Gamma) +
               ": нагрузка на краю диаграммы или за ним, одним шлейфом её не согласовать; "
               "построение на диаграмме получилось только из-за округления до пикселя.";
    case theory::TMatchCase::Solved:
        break;
    }
    const double d = Printed(m.Distance()), l = Printed(m.Stub());
    const double built = std::abs(theory::JunctionReflection(z, d, l, m.Kind));
    const auto printed = chart::LengthReading;
    return exactly + "\n" + Solution("решение на диаграмме", exact.First, m) + "\n" +
           Solution("второе решение", exact.Second, m) + "\nОтвет диаграммы (" + printed(d) +
           " λ и " + printed(l) + " λ), если его построить:\n  в месте подключения " +
           chart::ExactRatios(built);
}

} // namespace

void HintLoad(TForm1& f, const chart::TLoadPoint& load) {
    const theory::TComplex z = load.Typed.Exact.ZNorm();
    f.Label3->Hint = "Точка нагрузки " + chart::LoadName(load.Typed.Exact) +
                     "\nТочный расчёт: z = " + ExactComplex(z) + ", " +
                     chart::ExactRatios(theory::WaveRatios(z));
}

void HintMatch(TForm1& f, const TStubConstruction& m) {
    const std::string text = MatchText(m);
    for (tk::TLabel* label : MatchLabels(f))
        label->Hint = text;
}

void TForm1::ClearMatchHints() {
    for (tk::TLabel* label : MatchLabels(*this))
        label->Hint.clear();
}

} // namespace zmatch
