// The problems in Russian, as a teacher would set them: the load and the line, what is
// built, what is asked and in which units.
#include "exercises/Exercise.h"

#include "toolkit/Utf8.h"

namespace exercises {

namespace {

std::string Asked(const TVariant& v) {
    std::string list;
    for (const TAnswer& a : v.Answers)
        list += (list.empty() ? "" : "; ") + a.Meaning + " " + a.Name +
                (a.Unit.empty() ? "" : ", " + a.Unit);
    return " Найдите по диаграмме: " + list + ".";
}

std::string FrequencyText(double hz) {
    if (hz >= 1e9) return DecimalComma(hz / 1e9, 6) + " ГГц";
    if (hz >= 1e6) return DecimalComma(hz / 1e6, 6) + " МГц";
    if (hz >= 1e3) return DecimalComma(hz / 1e3, 6) + " кГц";
    return DecimalComma(hz, 3) + " Гц";
}

std::string Task(const TProblem& p) {
    switch (p.Kind) {
    case TKind::StubShort:
        return " Согласуйте её параллельным короткозамкнутым шлейфом из той же линии"
               " (решение с индуктивным шлейфом, b > 0 в точке включения).";
    case TKind::StubOpen:
        return " Согласуйте её параллельным разомкнутым шлейфом из той же линии"
               " (решение с b > 0 в точке включения).";
    case TKind::SeriesStub:
        return " Согласуйте её короткозамкнутым шлейфом, включённым последовательно"
               " (решение с x > 0 в точке включения).";
    case TKind::DoubleStub:
        return " Согласуйте её двумя параллельными короткозамкнутыми шлейфами: первый у"
               " самой нагрузки, второй на " +
               DecimalComma(p.Spacing, 4) +
               " λ ближе к генератору (решение с большей проводимостью b' после первого).";
    case TKind::QuarterWave:
        return " Согласуйте её четвертьволновым трансформатором, включённым в максимуме"
               " напряжения.";
    case TKind::LSection:
        return " Согласуйте её на частоте " + FrequencyText(p.Hz) +
               " Г-образным звеном: у нагрузки элемент параллельно линии, за ним"
               " последовательно катушка индуктивности.";
    case TKind::LineMove:
        return " Длина волны в линии " + DecimalComma(p.Wavelength, 2) + " см, затухание " +
               DecimalComma(p.Attenuation, 2) +
               " дБ на длину волны. Найдите сопротивление на входе отрезка линии длиной " +
               DecimalComma(p.Distance, 2) + " см.";
    case TKind::Reading:
        return "";
    }
    return "";
}

} // namespace

std::string GroupText(std::string_view group) {
    std::string out;
    for (std::size_t i = 0; i < group.size();) {
        const char32_t c = tk::DecodeNext(group, i);
        tk::AppendUtf8(out, c < 0x20 || c == 0x7F ? U' ' : c);
    }
    return out.find_first_not_of(' ') == std::string::npos ? std::string() : out;
}

std::string ProblemText(const TExerciseSet& set, const TVariant& v) {
    const TProblem& p = v.Problem;
    const std::string group = GroupText(set.Ask.Group);
    return (group.empty() ? std::string("Вариант ") : "Группа «" + group + "», вариант ") +
           std::to_string(v.Number) + ". Нагрузка Zн = " + OhmsText(p.LoadOhms) +
           " Ом на линии Zв = " + DecimalComma(p.LineOhms, 2) + " Ом." + Task(p) + Asked(v);
}

} // namespace exercises
