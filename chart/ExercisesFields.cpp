// The exercises window's fields read into an ask, and its lists' rows.
#include "chart/ExercisesForm.h"

#include "toolkit/Exceptions.h"
#include "toolkit/ReadNumber.h"

#include <cmath>

namespace chart {

const char* const kCountMessage = "Число вариантов: нужно целое число от 1 до 200.";
const char* const kCheckVariantMessage =
    "Вариант для проверки: нужен номер варианта, целое число от 1 до числа вариантов.";

namespace {

// A whole number a field holds, within [low, high]; otherwise `message`.
int ReadWhole(const tk::TEdit& edit, std::string_view field, int low, int high,
              const char* message) {
    const double v = tk::ReadNumber(edit, field);
    if (!(v >= low && v <= high) || v != std::floor(v)) throw tk::Exception(message);
    return int(v);
}

} // namespace

exercises::TAsk ReadExercisesAsk(const TExercisesForm& form) {
    exercises::TAsk ask;
    const int row = form.KindList->ItemIndex();
    ask.Kind = form.Kinds()[row < 0 ? 0 : std::size_t(row)];
    ask.Count = ReadWhole(*form.CountEdit, "Число вариантов", 1, exercises::kMostVariants,
                          kCountMessage);
    ask.Group = form.GroupEdit->Text;
    if (ask.Kind == exercises::TKind::DoubleStub)
        ask.Spacing = tk::ReadNumber(*form.SpacingEdit, "Расстояние между шлейфами, λ");
    if (ask.Kind == exercises::TKind::LSection)
        ask.Hz = tk::ReadNumber(*form.FrequencyEdit, "Частота Г-звена, МГц") * 1e6;
    ask.RadiusMm = tk::ReadNumber(*form.RadiusEdit, "Радиус диаграммы, мм");
    return ask;
}

int ReadCheckVariant(const TExercisesForm& form, int count) {
    return ReadWhole(*form.CheckVariantEdit, "Вариант для проверки", 1, count,
                     kCheckVariantMessage);
}

exercises::TExerciseSet MakeOrExplain(const exercises::TAsk& ask) {
    try {
        return exercises::MakeExercises(ask);
    } catch (const exercises::TExerciseError& e) {
        throw tk::Exception("Задания не сделаны: " + e.Message + ".");
    }
}

tk::TRowList::TRow VariantRow(const exercises::TVariant& v) {
    using exercises::DecimalComma;
    const exercises::TProblem& p = v.Problem;
    std::string text = "Zн = " + exercises::OhmsText(p.LoadOhms) +
                       ", Zв = " + DecimalComma(p.LineOhms, 2) + " Ом";
    switch (p.Kind) {
    case exercises::TKind::DoubleStub:
        text += ", шлейфы через " + DecimalComma(p.Spacing, 4) + " λ";
        break;
    case exercises::TKind::LSection:
        text += ", f = " + DecimalComma(p.Hz / 1e6, 6) + " МГц";
        break;
    case exercises::TKind::LineMove:
        text += ", l = " + DecimalComma(p.Distance, 3) + " см, λ = " +
                DecimalComma(p.Wavelength, 3) + " см, " + DecimalComma(p.Attenuation, 3) +
                " дБ/λ";
        break;
    default:
        break;
    }
    return {std::to_string(v.Number), text};
}

tk::TRowList::TRow VerdictRow(const exercises::TVerdict& verdict,
                              const exercises::TAnswer& asked) {
    using exercises::DecimalComma;
    if (!verdict.Given) return {verdict.Name, "нет ответа", "", "", ""};
    const int decimals = asked.Unit == "λ" ? 3 : 4;
    const std::string off = (verdict.Off > 0 ? "+" : "") + DecimalComma(verdict.Off, decimals) +
                            (asked.Unit.empty() ? "" : " " + asked.Unit);
    return {verdict.Name, verdict.Right ? "верно" : "неверно", off,
            DecimalComma(verdict.OffMm, 1), DecimalComma(verdict.OffPixels, 0)};
}

} // namespace chart
