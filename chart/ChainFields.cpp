#include "chart/ChainFields.h"

#include "chart/ExactText.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <cmath>

namespace chart {

const char* const kQMessage =
    "Добротность бывает только у L и C: выберите в списке катушку или конденсатор.";
const char* const kLineOnlyMessage =
    "Потери и длина в мм бывают только у отрезка линии: выберите его в списке.";
const char* const kMillimetresFrequencyMessage =
    "Длина в мм пересчитывается в длины волн на частоте: сначала задайте f0.";

const char* const kStandardFrequencyMessage =
    "Стандартные значения L и C — в нГн и пФ на частоте: сначала задайте f0.";

namespace {

using theory::TChainKind;

constexpr double kLightMetresPerSecond = 299792458.0;

bool Blank(const tk::TEdit& edit) {
    return edit.Text.find_first_not_of(' ') == std::string::npos;
}

// The field's number, refused with its name unless above `low` (or at it, when `orEqual`)
// and at most `high`.
double ReadWithin(const tk::TEdit& edit, const char* field, double low, bool orEqual,
                  double high, const char* range) {
    const double v = tk::ReadNumber(edit, field);
    if (!((orEqual ? v >= low : v > low) && v <= high))
        throw tk::Exception(std::string(field) + ": " + range);
    return v;
}

} // namespace

double WavesOfMetres(double metres, double vf, double f0Hz) {
    return metres * f0Hz / (vf * kLightMetresPerSecond);
}

double MetresOfWaves(double waves, double vf, double f0Hz) {
    return waves * vf * kLightMetresPerSecond / f0Hz;
}

void ApplyQ(theory::TChainElement& e, const tk::TEdit& qEdit) {
    if (e.Kind != TChainKind::L && e.Kind != TChainKind::C) throw tk::Exception(kQMessage);
    e.Q = Blank(qEdit) ? 0
                       : ReadWithin(qEdit, "Q", 0, false, 1e300,
                                    "добротность должна быть больше нуля (пусто — без потерь).");
}

void ApplyLoss(theory::TChainElement& e, const tk::TEdit& lossEdit) {
    if (e.Kind != TChainKind::Line) throw tk::Exception(kLineOnlyMessage);
    e.Loss = Blank(lossEdit) ? 0
                             : ReadWithin(lossEdit, "Потери, дБ/λ", 0, true, 1e300,
                                          "потери не могут быть отрицательными.");
}

double ApplyMillimetres(theory::TChainElement& e, const tk::TEdit& mmEdit,
                        const tk::TEdit& vfEdit, double f0Hz) {
    if (e.Kind != TChainKind::Line) throw tk::Exception(kLineOnlyMessage);
    if (!(f0Hz > 0)) throw tk::Exception(kMillimetresFrequencyMessage);
    const double mm =
        ReadWithin(mmEdit, "Длина, мм", 0, false, 1e300, "длина должна быть больше нуля.");
    const double vf = ReadWithin(vfEdit, "Коэффициент укорочения", 0, false, 1,
                                 "он должен быть больше нуля и не больше 1, например 0,66.");
    e.Value = WavesOfMetres(mm * 1e-3, vf, f0Hz);
    return vf;
}

TFieldTexts FieldTexts(const theory::TChainElement& e, double f0Hz, double vf) {
    TFieldTexts t;
    if ((e.Kind == TChainKind::L || e.Kind == TChainKind::C) && e.Q > 0) t.Q = ShortNumber(e.Q);
    if (e.Kind != TChainKind::Line) return t;
    if (e.Loss > 0) t.Loss = ShortNumber(e.Loss);
    if (f0Hz > 0 && vf > 0) t.Millimetres = ShortNumber(MetresOfWaves(e.Value, vf, f0Hz) * 1e3);
    return t;
}

std::string StandardVswrText(theory::TSeries series, double before, double after) {
    const char* name = series == theory::TSeries::E96   ? "E96"
                       : series == theory::TSeries::E24 ? "E24"
                                                        : "E12";
    const auto vswr = [](double v) { return std::isinf(v) ? std::string("∞") : tk::FloatToStrF(v, 15, 3); };
    return std::string(name) + ": КСВ на входе " + vswr(before) + " → " + vswr(after);
}

} // namespace chart
