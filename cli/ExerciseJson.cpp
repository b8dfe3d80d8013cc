#include "cli/ExerciseJson.h"

#include "cli/Json.h"

#include <cmath>

namespace cli {

namespace {

using json::Field;
using json::Number;

std::string AnswerJson(const exercises::TAnswer& a) {
    return "{" + Field("name", json::String(a.Name)) + "," + Field("chart", Number(a.Chart)) + "," +
           Field("exact", Number(a.Exact)) + "," + Field("tolerance", Number(a.Tolerance)) + "," +
           Field("unit", json::String(a.Unit)) + "}";
}

std::string VariantJson(const exercises::TExerciseSet& set, const exercises::TVariant& v) {
    const exercises::TProblem& p = v.Problem;
    std::string out = "{" + Field("number", std::to_string(v.Number)) + "," +
                      Field("load", json::Complex(p.LoadOhms)) + "," +
                      Field("line", json::Complex(p.LineOhms)) + "," +
                      Field("wavelength", Number(p.Wavelength));
    if (p.Kind == exercises::TKind::LineMove)
        out += "," + Field("distance", Number(p.Distance)) + "," +
               Field("attenuation", Number(p.Attenuation));
    if (p.Kind == exercises::TKind::DoubleStub) out += "," + Field("spacing", Number(p.Spacing));
    if (p.Kind == exercises::TKind::LSection) out += "," + Field("frequency", Number(p.Hz));
    std::string answers;
    for (const exercises::TAnswer& a : v.Answers)
        answers += (answers.empty() ? "" : ",") + AnswerJson(a);
    return out + "," + Field("text", json::String(exercises::ProblemText(set, v))) + "," +
           Field("answers", "[" + answers + "]") + "}";
}

// A value as the lines write it: the decimal comma, `decimals` places at most.
std::string Shown(double v, int decimals) {
    return exercises::DecimalComma(v, decimals);
}

std::string WithUnit(double v, const std::string& unit) {
    return Shown(v, 5) + (unit.empty() ? "" : " " + unit);
}

} // namespace

std::string ExercisesJson(const exercises::TExerciseSet& set) {
    std::string variants;
    for (const exercises::TVariant& v : set.Variants)
        variants += (variants.empty() ? "" : ",") + VariantJson(set, v);
    return "{" + Field("seed", json::String(exercises::GroupText(set.Ask.Group))) + "," +
           Field("kind", json::String(exercises::KindKey(set.Ask.Kind))) + "," +
           Field("radius_mm", Number(set.Ask.RadiusMm)) + "," +
           Field("variants", "[" + variants + "]") + "}";
}

std::string ExercisesText(const exercises::TExerciseSet& set) {
    std::string text;
    for (const exercises::TVariant& v : set.Variants) {
        text += exercises::ProblemText(set, v) + "\n";
        for (const exercises::TAnswer& a : v.Answers)
            text += "  " + a.Name + " = " + WithUnit(a.Exact, a.Unit) + " ± " +
                    WithUnit(a.Tolerance, a.Unit) + " (по диаграмме " + WithUnit(a.Chart, a.Unit) +
                    ")\n";
    }
    return text;
}

std::string VerdictsJson(const std::vector<exercises::TVerdict>& verdicts) {
    std::string list;
    for (const exercises::TVerdict& v : verdicts)
        list += std::string(list.empty() ? "" : ",") + "{" + Field("name", json::String(v.Name)) +
                "," + Field("right", v.Right ? "true" : "false") + "," +
                Field("off", v.Given ? Number(v.Off) : "null") + "," +
                Field("off_mm", v.Given ? Number(v.OffMm) : "null") + "," +
                Field("off_pixels", v.Given ? Number(v.OffPixels) : "null") + "}";
    return "{" + Field("verdicts", "[" + list + "]") + "}";
}

std::string VerdictsText(const exercises::TExerciseSet& set, const exercises::TVariant& v,
                         const std::vector<exercises::TVerdict>& verdicts) {
    std::string text = exercises::ProblemText(set, v) + "\n";
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        const exercises::TVerdict& d = verdicts[i];
        const exercises::TAnswer& a = v.Answers[i];
        text += "  " + d.Name + ": ";
        if (!d.Given)
            text += "нет ответа";
        else if (d.Right)
            text += "верно";
        else
            text += "неверно, отклонение " + std::string(d.Off > 0 ? "+" : "") +
                    WithUnit(d.Off, a.Unit) + " (" + Shown(d.OffMm, 1) +
                    " мм на диаграмме радиусом " + Shown(set.Ask.RadiusMm, 1) + " мм, " +
                    Shown(d.OffPixels, 0) + " пикс. в окне)";
        text +=
            "; точно " + WithUnit(a.Exact, a.Unit) + " ± " + WithUnit(a.Tolerance, a.Unit) + "\n";
    }
    return text;
}

} // namespace cli
