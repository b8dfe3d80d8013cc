#include "zline/ExactHints.h"

#include "zline/Unit1.h"

#include "chart/ExactText.h"
#include "theory/LineTheory.h"

#include <cmath>
#include <string>

namespace zline {

using chart::ExactComplex;
using chart::ExactNumber;
using theory::TComplex;

namespace {

// How much the chart's construction shrinks a radius for `db` dB of loss value: its two
// logarithmic maps put 0,2184073 of a neper, not ln 10/10 = 0,2302585, on each dB.
double ChartLossFactor(double db) {
    return RadiusOfLoss(LossOfRadius(300) + db) / 300;
}

// The first line of a hint names what it answers; the copied results head each group of
// labels with it.
std::string Heading(const chart::TTypedLoad& load) {
    return "Точка нагрузки " + chart::LoadName(load) + "\n";
}

std::string Heading(const TLineMove& m) {
    const TMoveInput& in = m.Typed;
    return "Перемещение нагрузки " + chart::LoadName(m.Load) +
           " на l = " + chart::ShortNumber(in.L) + " см " +
           (in.TowardGenerator ? "к генератору" : "к нагрузке") +
           " при λ = " + chart::ShortNumber(in.Lambda) +
           " см и затухании A = " + chart::ShortNumber(in.Attenuation) + " дБ на длину волны\n";
}

// The chart's own label may read a place below 0 or beyond 0,5; this one is reduced.
std::string Position(TComplex gamma) {
    return "положение на шкале длин волн к генератору (от 0 до " + chart::ShortNumber(0.5) +
           " λ): " + ExactNumber(theory::WavePosition(gamma)) + " λ";
}

std::string MoveText(const TLineMove& m) {
    const TMoveInput& in = m.Typed;
    const TComplex z0 = m.Load.ZNorm();
    const TComplex gamma =
        theory::MoveReflection(theory::ReflectionOf(z0), m.Waves(), in.Attenuation);
    const TComplex z = theory::ImpedanceOf(gamma);
    // A loss typed "0,0" is no loss, as "0" is; only the chart's dashed circle differs.
    const bool lossless = in.Attenuation == 0;
    const std::string text =
        Heading(m) + "Точный расчёт, линия " + (lossless ? "без потерь" : "с потерями") + ": " +
        Position(gamma) + ", z = " + ExactComplex(z) + ", Z = " + ExactComplex(z * m.Load.Line) +
        " Ом\n" +
        chart::ExactRatios(theory::WaveRatios(z0, theory::LossFactor(m.Waves(), in.Attenuation)));
    if (lossless) return text + "\nПотерь нет (A = 0): |Г| не меняется.";
    return text +
           "\nПотери: волна проходит путь дважды, туда и обратно, и |Г| умножается на\n"
           "10^(" +
           (in.TowardGenerator ? "-" : "+") +
           "A·l/(10·λ)) = " + ExactNumber(theory::LossFactor(m.Waves(), in.Attenuation)) +
           " при A = " + chart::ShortNumber(in.Attenuation) +
           " дБ на длину волны; построение на диаграмме умножает его на " +
           ExactNumber(ChartLossFactor(m.Waves() * in.Attenuation)) + ".";
}

} // namespace

void HintLoad(TForm1& f, const chart::TLoadPoint& load) {
    const TComplex z = load.Typed.Exact.ZNorm();
    const std::string text = Heading(load.Typed.Exact) + "Точный расчёт: z = " + ExactComplex(z) +
                             ", " + Position(theory::ReflectionOf(z)) + "\n" +
                             chart::ExactRatios(theory::WaveRatios(z), true);
    for (tk::TLabel* label : {f.Label3, f.Label7, f.Label8, f.Label9, f.Label10})
        label->Hint = text;
}

void HintMove(TForm1& f, const TLineMove& m) {
    const std::string text = MoveText(m);
    for (tk::TLabel* label : {f.Label7, f.Label6, f.Label12})
        label->Hint = text;
}

} // namespace zline
