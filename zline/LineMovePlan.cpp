// The move planned on the chart's pixels: the new place on the wavelength scale, the new
// |Г| circle's radius through the chart's loss scale, refused where it would leave the rim,
// and the point and impedance read where the ray meets that circle.
#include "zline/LineMove.h"

#include "chart/ExactText.h"
#include "chart/Frame.h"
#include "chart/LoadPoint.h"
#include "theory/LineTheory.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Single.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zline {

using tk::FloatToStrF;
using tk::ToSingle;
using tk::Trunc;

namespace {

// Up to this many wavelengths a float holds the position to a few ten-thousandths, and the
// position is stored as a float before its half wavelengths are taken off.
constexpr double kFloatTurns = 1e4;
// Beyond this a double no longer holds the fraction to a pixel of the chart (2^40: its
// step is 0.00012 wavelengths, half a pixel on the rim).
constexpr double kDoubleTurns = 0x1p40;
// A position left as it is must still make a float angle (12.6 radians a wavelength).
constexpr double kUnreducedTurns = 1e37;

int Pixel(double v) {
    return chart::LimitedPixel(v, kFarPointMessage);
}

double Ratio(double l, double lambda) {
    const double ratio = l / lambda;
    if (!std::isfinite(ratio)) throw tk::Exception(kBadRatioMessage);
    return ratio;
}

// The position after the move, in wavelengths. Whole half wavelengths are taken off only
// on the side the direction moves toward, so a move the other way keeps its sign.
// Up to kFloatTurns the sum is stored as a float and reduced from there, as the chart's own
// arithmetic does; beyond, a float has lost the fraction (l = 1000000,3 wavelengths would
// read 0,0000), so the sum is reduced in double.
float NewPosition(float loadPos, bool towardGenerator, double ratio) {
    const double sum = towardGenerator ? ratio + loadPos : loadPos - ratio;
    const auto reduces = [&](double d) { return towardGenerator ? d >= 0.5 : d <= 0.5; };
    if (std::fabs(sum) < kFloatTurns) {
        const float d = ToSingle(sum);
        return reduces(d) ? ToSingle(d - 0.5 * Trunc(2.0 * d)) : d;
    }
    if (reduces(sum)) {
        if (!(std::fabs(sum) < kDoubleTurns)) throw tk::Exception(kBadRatioMessage);
        return ToSingle(sum - 0.5 * std::trunc(2.0 * sum));
    }
    if (!(std::fabs(sum) < kUnreducedTurns)) throw tk::Exception(kBadRatioMessage);
    return ToSingle(sum);
}

} // namespace

double LossOfRadius(double radius) {
    return 26.82 - 4.5786 * std::log(radius);
}

namespace {
// RadiusOfLoss's own constants: 26,82/4,5786 and 1/4,5786 to seven digits.
constexpr double kLogOfRadiusAtNoLoss = 5.8576857, kLogPerDecibel = 0.2184073;
} // namespace

double RadiusOfLoss(double loss) {
    return std::exp(kLogOfRadiusAtNoLoss - kLogPerDecibel * loss);
}

namespace {

// The loss value that RadiusOfLoss turns into `radius`, exactly its inverse (LossOfRadius
// is, to seven digits only).
double LossGivingRadius(double radius) {
    return (kLogOfRadiusAtNoLoss - std::log(radius)) / kLogPerDecibel;
}

// How much the move grows |Г| in dB·wavelengths, as the chart's loss scale counts it: the
// line's loss over the distance, positive where the move comes nearer the load (toward the
// load, or a negative distance toward the generator), negative where it moves away.
double Growth(const TMoveInput& in, double ratio) {
    const double lost = ratio * in.Attenuation;
    return in.TowardGenerator ? -lost : lost;
}

// A positive value cut to four significant digits, toward zero and a hair below, so that the
// number printed, typed back, is still accepted: 0,0086942 prints 0,008694.
std::string Below(double v) {
    const double digits = std::floor(std::log10(v));
    const double scale = std::pow(10.0, 3 - digits);
    const double cut = std::floor(v * (1 - 1e-9) * scale) / scale;
    return chart::ShortNumber(cut);
}

// Nearer the load a lossy line has a larger |Г|: a move toward it may take |Г| past 1, where
// no passive load lies and the chart has no point. Refused before anything is drawn when the
// chart's new circle leaves the rim (beyond the loss scale's own round-off) or the exact |Г|
// passes 1, whichever comes first, naming the longest distance and the largest loss that
// stay on the chart. 10 + j5 on 50 ohms, 1 wavelength toward the load at 20 dB a wavelength:
// |Г| would grow from 0,67 to 66,95.
void CheckStaysOnChart(const chart::TChartState& s, const chart::TTypedLoad& load,
                       const TMoveInput& in, double ratio, double radius) {
    constexpr double kRoundOff = 1e-3; // px: the loss scale there and back is 0,00004 px off
    const double gamma = theory::WaveRatios(load.ZNorm()).Gamma;
    const double waves = in.TowardGenerator ? ratio : -ratio;
    const double exact = gamma * theory::LossFactor(waves, in.Attenuation);
    const bool chartLeaves = radius > chart::ChartRadius + kRoundOff;
    if (!(exact > 1) && !chartLeaves) return;

    // The growth each bound allows, in dB·wavelengths; the chart's through its loss scale.
    const double exactRoom = -10 * std::log10(gamma);
    const double chartRoom = s.PointDistPx == 0
                                 ? exactRoom
                                 : double(ToSingle(LossOfRadius(s.PointDistPx))) -
                                       LossGivingRadius(chart::ChartRadius + kRoundOff);
    const double room = std::min(exactRoom, chartRoom);
    std::string text =
        "Новая точка легла бы за краем диаграммы: ближе к нагрузке |Г| в линии с потерями "
        "больше, и здесь " +
        (exact > 1 ? "он вырос бы до " + chart::ExactNumber(exact, 2)
                   : "на диаграмме точка ушла бы от центра на " + FloatToStrF(radius, 5, 1) +
                         " пикселя, дальше края (300)") +
        ", а |Г| больше 1 не даёт ни одна пассивная нагрузка. ";
    if (!(room > 0))
        throw tk::Exception(text +
                            "Нагрузка лежит на краю диаграммы: в линии с потерями её точка сразу "
                            "уходит за край. Задайте затухание 0.");
    const double growth = Growth(in, ratio);
    const double lMax = in.L * room / growth, aMax = in.Attenuation * room / growth;
    throw tk::Exception(text + "На диаграмме остаются расстояния l до " +
                        std::string(lMax < 0 ? "-" : "") + Below(std::fabs(lMax)) +
                        " см при этом затухании или затухание до " + Below(aMax) +
                        " дБ на длину волны на этом расстоянии.");
}

} // namespace

TLineMove PlanLineMove(const chart::TChartState& s, const chart::TTypedLoad& load,
                       const TMoveInput& in) {
    if (!s.LoadShown()) throw tk::Exception(chart::kNoPointMessage);
    TLineMove m;
    m.Typed = in;
    m.Load = load;
    m.ZLine = s.ZLine;
    m.Ratio = Ratio(in.L, in.Lambda);
    m.From = s.LoadWavePos;
    m.FromRho = s.PointDistPx;
    m.Position = NewPosition(s.LoadWavePos, in.TowardGenerator, m.Ratio);

    // The radius through the loss value: inward by the line's loss toward the generator,
    // outward toward the load. A load at the centre stays there (its loss value is infinite).
    double radius = s.PointDistPx;
    if (!in.KeepsRadius && s.PointDistPx != 0)
        radius = RadiusOfLoss(ToSingle(LossOfRadius(s.PointDistPx)) - Growth(in, m.Ratio));
    CheckStaysOnChart(s, load, in, m.Ratio, radius);
    if (!(radius < 1e30)) throw tk::Exception(kFarPointMessage);
    m.Rho = ToSingle(radius);

    const float theta = ToSingle(m.Position / double(s.RadToWaves));
    const float cx = ToSingle(std::cos(theta - chart::Pi));
    const float sy = ToSingle(std::sin(theta - chart::Pi));
    m.Ray = chart::RingPoint(cx, sy);
    m.CircleFrom = {Pixel(chart::ChartCenterX - double(m.Rho)),
                    Pixel(chart::ChartCenterY - double(m.Rho))};
    m.CircleTo = {Pixel(chart::ChartCenterX + double(m.Rho)),
                  Pixel(chart::ChartCenterY + double(m.Rho))};
    m.Point = {Pixel(chart::ChartCenterX + double(m.Rho) * cx),
               Pixel(chart::ChartCenterY + double(m.Rho) * sy)};
    // G = 1 (the open circuit) has no impedance.
    m.Z = chart::ImpedanceAt(m.Point);
    return m;
}

std::complex<double> TLineMove::Ohms() const {
    const double re = ZLine.real(), im = ZLine.imag();
    return {re * Z.R - im * Z.X, re * Z.X + im * Z.R};
}

void LeaveLineMove(chart::TChartState& s, const TLineMove& m) {
    s.NewWavePos = m.Position;
}

} // namespace zline
