#include "zline/ExactHints.h"

#include "zline/LineMove.h"
#include "zline/Unit1.h"

#include "chart/ExactText.h"
#include "chart/LineTheory.h"

#include <cmath>
#include <optional>
#include <string>

namespace zline {

using chart::ExactComplex;
using chart::ExactNumber;
using chart::TComplex;

namespace {

// How much the chart's own loss scale shrinks a radius for `db` dB of loss value: its two
// logarithmic maps put 0,2184073 of a neper, not ln 10/10 = 0,2302585, on each dB.
double ChartLossFactor(double db) {
    return RadiusOfLoss(LossOfRadius(300) + db) / 300;
}

std::string MoveText(const TForm1& f, const chart::TChartState& s) {
    const std::optional<double> l = chart::FieldNumber(f.Edit5->Text);
    const std::optional<double> lambda = chart::FieldNumber(f.Edit6->Text);
    const std::optional<double> a = chart::FieldNumber(f.Edit7->Text);
    if (!l || !lambda || !a) return "";
    const double sign = f.RadioButton1->Checked() ? 1 : -1; // toward the generator: +
    const double waves = sign * *l / *lambda;
    const TComplex gamma = chart::MoveReflection(chart::ReflectionOf(s.ZNorm), waves, *a);
    const TComplex z = chart::ImpedanceOf(gamma);
    const bool chartKeepsRadius = f.Edit7->Text == "0";
    return "Точно, по теории линии с потерями от введённой нагрузки:\n"
           "положение " +
           ExactNumber(chart::WavePosition(gamma)) + " λ, z = " + ExactComplex(z) +
           ", Z = " + ExactComplex(z * s.ZLine) + " Ом\n" + chart::ExactRatios(std::abs(gamma)) +
           "\nПотери: волна проходит путь дважды, туда и обратно, и |Г| умножается на\n"
           "10^(−A·l/(10·λ)) = " +
           ExactNumber(chart::LossFactor(waves, *a)) + "; шкала потерь диаграммы даёт " +
           ExactNumber(chartKeepsRadius ? 1.0 : ChartLossFactor(waves * *a)) + ".";
}

} // namespace

void HintLoad(TForm1& f, const chart::TChartState& s) {
    const TComplex gamma = chart::ReflectionOf(s.ZNorm);
    const std::string text = "Точно, по введённым значениям:\nz = " + ExactComplex(s.ZNorm) +
                             ", положение " + ExactNumber(chart::WavePosition(gamma)) + " λ\n" +
                             chart::ExactRatios(std::abs(gamma), true);
    for (tk::TLabel* label : {f.Label3, f.Label7, f.Label8, f.Label9, f.Label10})
        label->Hint = text;
}

void HintMove(TForm1& f, const chart::TChartState& s) {
    const std::string text = MoveText(f, s);
    for (tk::TLabel* label : {f.Label7, f.Label6, f.Label12})
        label->Hint = text;
}

} // namespace zline
