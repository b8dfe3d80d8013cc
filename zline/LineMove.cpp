// What the move along a line refuses and why, and its three fields read with their own
// signs. Planned in LineMovePlan.cpp, drawn in LineMoveDrawing.cpp, captioned in
// LineMoveCaptions.cpp.
#include "zline/LineMove.h"

#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <string_view>

namespace zline {

const char* const kWavelengthSignMessage =
    "Длина волны должна быть больше нуля: введите её в тех же единицах, что и расстояние l.";
const char* const kNegativeLossMessage =
    "Затухание не может быть отрицательным: линия без усилителей волну только ослабляет. "
    "Введите затухание в дБ на длину волны, 0 или больше.";
const char* const kBadRatioMessage =
    "Отношение расстояния к длине волны l/λ слишком велико по модулю: место новой точки "
    "на диаграмме уже нельзя определить. Уменьшите расстояние l или увеличьте длину волны.";
const char* const kFarPointMessage =
    "Новая точка лежит так далеко от центра диаграммы, что построить её нельзя: уменьшите "
    "затухание или расстояние.";

namespace {

constexpr std::string_view kDistanceField = "Расстояние l", kWavelengthField = "Длина волны",
                           kAttenuationField = "Затухание";

// A negative distance moves the other way; a wavelength and a passive line's loss have a
// sign of their own (-2 dB would grow |Г| toward the generator, as if the line amplified).
void CheckWavelength(double lambda) {
    if (!(lambda > 0)) throw tk::Exception(kWavelengthSignMessage);
}
void CheckAttenuation(double attenuation) {
    if (attenuation < 0) throw tk::Exception(kNegativeLossMessage);
}

} // namespace

double ReadWavelength(const tk::TEdit& edit) {
    const double lambda = tk::ReadNumber(edit, kWavelengthField);
    CheckWavelength(lambda);
    return lambda;
}

double ReadAttenuation(const tk::TEdit& edit) {
    const double attenuation = tk::ReadNumber(edit, kAttenuationField);
    CheckAttenuation(attenuation);
    return attenuation;
}

TMoveInput ReadMoveInput(const tk::TEdit& l, const tk::TEdit& lambda, const tk::TEdit& attenuation,
                         bool towardGenerator) {
    // Every field read before any is judged: a field that is no number is said first.
    TMoveInput in;
    in.L = tk::ReadNumber(l, kDistanceField);
    in.Lambda = tk::ReadNumber(lambda, kWavelengthField);
    in.Attenuation = tk::ReadNumber(attenuation, kAttenuationField);
    CheckWavelength(in.Lambda);
    CheckAttenuation(in.Attenuation);
    in.TowardGenerator = towardGenerator;
    in.KeepsRadius = attenuation.Text == "0";
    return in;
}

} // namespace zline
