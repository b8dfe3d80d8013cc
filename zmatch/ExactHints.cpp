#include "zmatch/ExactHints.h"

#include "zmatch/Unit1.h"

#include "chart/ExactText.h"
#include "chart/LineTheory.h"
#include "toolkit/Conversions.h"

#include <optional>
#include <string>

namespace zmatch {

using chart::ExactComplex;
using chart::ExactNumber;
using chart::TStubKind;

namespace {

// The number a result label prints after its last "=": "l1 длн. шл. = 0,125" gives 0.125.
std::optional<double> Printed(const std::string& caption) {
    const auto eq = caption.rfind('=');
    if (eq == std::string::npos) return std::nullopt;
    return chart::FieldNumber(caption.substr(eq + 1));
}

// "0,19880 λ = 0,39760": wavelengths, then the unit the wavelength was typed in.
std::string Length(double waves, std::optional<double> lambda) {
    std::string text = ExactNumber(waves) + " λ";
    if (lambda) text += " = " + ExactNumber(waves * *lambda);
    return text;
}

std::string Solution(const char* name, const chart::TStubMatch& m, TStubKind kind,
                     std::optional<double> lambda) {
    return std::string(name) + " (b = " + ExactNumber(m.B) +
           (m.B >= 0 ? ", шлейф индуктивный" : ", шлейф ёмкостный") + "):\n  расстояние " +
           Length(m.Distance, lambda) +
           (kind == TStubKind::Short ? ", короткозамкнутый шлейф " : ", разомкнутый шлейф ") +
           Length(m.Stub, lambda);
}

std::string MatchText(const TForm1& f, const chart::TChartState& s) {
    const TStubKind kind = f.RadioButton1->Checked() ? TStubKind::Short : TStubKind::Open;
    const chart::TStubSolutions exact = chart::MatchWithStub(s.ZNorm, kind);
    const double rho = std::abs(chart::ReflectionOf(s.ZNorm));
    switch (exact.Case) {
    case chart::TMatchCase::Matched:
        return "Точно: нагрузка согласована с линией (Г = 0), шлейф не нужен.";
    case chart::TMatchCase::Impossible:
        return "Точно: |Г| = " + ExactNumber(rho) +
               ", нагрузка на краю диаграммы или за ним: одним шлейфом её не согласовать; "
               "построение на диаграмме получилось только из-за округления до пикселя.";
    case chart::TMatchCase::Solved:
        break;
    }
    const std::optional<double> lambda = chart::FieldNumber(f.Edit6->Text);
    std::string text = "Точно, по введённой нагрузке (линия без потерь):\n" +
                       Solution("решение на диаграмме", exact.First, kind, lambda) + "\n" +
                       Solution("второе решение", exact.Second, kind, lambda);
    const std::optional<double> d = Printed(f.Label11->Caption);
    const std::optional<double> l = Printed(f.Label12->Caption);
    if (d && l) {
        const double built = std::abs(chart::JunctionReflection(s.ZNorm, *d, *l, kind));
        text += "\nОтвет диаграммы (" + tk::FloatToStrF(*d, tk::TFloatFormat::ffFixed, 6, 3) +
                " λ и " + tk::FloatToStrF(*l, tk::TFloatFormat::ffFixed, 6, 3) +
                " λ), если его построить:\n  в месте подключения " + chart::ExactRatios(built);
    }
    return text;
}

} // namespace

void HintLoad(TForm1& f, const chart::TChartState& s) {
    f.Label3->Hint = "Точно: z = " + ExactComplex(s.ZNorm) + ", " +
                     chart::ExactRatios(std::abs(chart::ReflectionOf(s.ZNorm)));
}

void HintMatch(TForm1& f, const chart::TChartState& s) {
    f.Label6->Hint = "Точно: y = 1/z = " + ExactComplex(1.0 / s.ZNorm);
    const std::string text = MatchText(f, s);
    for (tk::TLabel* label : {f.Label4, f.Label11, f.Label7, f.Label12})
        label->Hint = text;
}

} // namespace zmatch
