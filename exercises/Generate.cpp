// The variants' draw: the group's dice (GroupDice.h) pick round loads, lines and moves, and
// a variant is kept only when it stands clear of the rim and the centre, its kind solves it
// (Readings.h: on its pixel and a millimetre off too), its lengths are not next to nothing
// or half a wave, and no earlier variant had the same numbers.
#include "exercises/Exercise.h"

#include "exercises/Readings.h"
#include "exercises/GroupDice.h"

#include "theory/DoubleStub.h"

#include <cmath>
#include <set>
#include <tuple>

namespace exercises {

namespace {

// |Г| of a problem's points: a compass needs room from the centre, the scales from the rim.
constexpr double kLeastGamma = 0.2, kMostGamma = 0.8;
// A length nearer than this to 0 or λ/2 is a degenerate exercise.
constexpr double kLeastLength = 0.02;
constexpr int kTriesPerVariant = 2000;

double GammaOf(theory::TComplex z) {
    return std::sqrt(std::norm(theory::ReflectionOf(z)));
}

bool Clear(double gamma) {
    return gamma >= kLeastGamma && gamma <= kMostGamma;
}

TProblem Draw(const TAsk& ask, TGroupDice& dice) {
    TProblem p;
    p.Kind = ask.Kind;
    static constexpr double kLines[] = {50, 50, 75, 100};
    p.LineOhms = kLines[dice.Between(0, 3)];
    p.LoadOhms = {5.0 * dice.Between(2, 50), 5.0 * dice.Between(-40, 40)};
    if (p.Kind == TKind::DoubleStub) p.Spacing = ask.Spacing;
    if (p.Kind == TKind::LSection) p.Hz = ask.Hz;
    if (p.Kind == TKind::LineMove) {
        static constexpr double kWavelengthsCm[] = {20, 30, 40, 50, 60, 80, 100};
        p.Wavelength = kWavelengthsCm[dice.Between(0, 6)];
        p.Distance = dice.Between(1, int(p.Wavelength) - 1);
        p.Attenuation = 0.5 * dice.Between(1, 6);
    }
    return p;
}

// Where the kind's own method could not be used on paper, or the point is lost.
bool Fits(const TProblem& p) {
    const theory::TComplex z = NormalisedLoad(p);
    if (!Clear(GammaOf(z))) return false;
    const double g = (1.0 / z).real();
    switch (p.Kind) {
    case TKind::DoubleStub:
        return g <= 0.8 * theory::LargestMatchableConductance(p.Spacing);
    case TKind::LSection:
        return g >= 0.2 && g <= 0.8;
    case TKind::LineMove: {
        const double waves = p.Distance / p.Wavelength;
        return Clear(std::sqrt(
            std::norm(theory::MoveReflection(theory::ReflectionOf(z), waves, p.Attenuation))));
    }
    default:
        return true;
    }
}

bool Sensible(const std::vector<TAnswer>& answers) {
    for (const TAnswer& a : answers) {
        if (a.Periodic && (a.Exact < kLeastLength || a.Exact > 0.5 - kLeastLength)) return false;
        // A value the paper cannot tell from its neighbours is no exercise.
        if (!a.Periodic && a.Tolerance > 0.25 * std::fabs(a.Exact)) return false;
    }
    return true;
}

void CheckAsk(const TAsk& ask) {
    if (ask.Count < 1 || ask.Count > kMostVariants)
        throw TExerciseError{"число вариантов должно быть от 1 до " +
                             std::to_string(kMostVariants) + ", а задано " +
                             std::to_string(ask.Count)};
    if (!(ask.RadiusMm >= kSmallestRadiusMm && ask.RadiusMm <= kLargestRadiusMm))
        throw TExerciseError{"радиус диаграммы должен быть от " +
                             DecimalComma(kSmallestRadiusMm, 0) + " до " +
                             DecimalComma(kLargestRadiusMm, 0) +
                             " мм, чтобы она со шкалой длин волн поместилась на листе A4"};
    if (ask.Kind == TKind::DoubleStub &&
        !(ask.Spacing >= 0.05 && ask.Spacing <= 0.45 && std::fabs(ask.Spacing - 0.25) > 0.01))
        throw TExerciseError{"расстояние между шлейфами должно быть от 0,05 до 0,45 λ и не "
                             "равно λ/4 (при λ/4 можно согласовать лишь g ≤ 1)"};
    if (ask.Kind == TKind::LSection && !(ask.Hz >= 1e3 && ask.Hz <= 1e11))
        throw TExerciseError{"частота Г-образного звена должна быть от 1 кГц до 100 ГГц"};
}

} // namespace

TExerciseSet MakeExercises(const TAsk& ask) {
    CheckAsk(ask);
    TExerciseSet set{ask, {}};
    TGroupDice dice(Fnv1a64(ask.Group + "|" + std::string(KindKey(ask.Kind))));
    std::set<std::tuple<double, double, double, double, double, double>> seen;
    for (int tries = 0; int(set.Variants.size()) < ask.Count; ++tries) {
        if (tries > kTriesPerVariant * ask.Count)
            throw TExerciseError{"не удалось подобрать столько разных вариантов: задайте меньше"};
        const TProblem p = Draw(ask, dice);
        if (!Fits(p)) continue;
        const auto key = std::make_tuple(p.LoadOhms.real(), p.LoadOhms.imag(), p.LineOhms,
                                         p.Wavelength, p.Distance, p.Attenuation);
        if (seen.count(key)) continue;
        // Chosen as on the smallest chart, so that the radius changes the tolerances only,
        // never which variants a group gets.
        const std::optional<std::vector<TAnswer>> widest = AnswersOf(p, kSmallestRadiusMm);
        if (!widest || !Sensible(*widest)) continue;
        const std::optional<std::vector<TAnswer>> answers = AnswersOf(p, ask.RadiusMm);
        if (!answers) continue;
        seen.insert(key);
        set.Variants.push_back({int(set.Variants.size()) + 1, p, *answers});
    }
    return set;
}

} // namespace exercises
