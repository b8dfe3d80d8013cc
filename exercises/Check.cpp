#include "exercises/Check.h"

#include "exercises/Readings.h"

#include "chart/Frame.h"
#include "toolkit/DecimalText.h"
#include "toolkit/ReadNumber.h"
#include "toolkit/Utf8.h"

#include <cmath>

namespace exercises {

namespace {

bool Apart(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ';';
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// A student's text as a refusal quotes it: made visible, and cut after its first 20 bytes
// (ten Cyrillic letters) with «…», so that a whole page pasted into the field, or bytes that
// each show as ‹0xF2›, do not become the message.
std::string Shown(std::string_view text) {
    constexpr std::size_t kLongest = 20;
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t next = end;
        tk::DecodeNext(text, next);
        if (next > kLongest) break;
        end = next;
    }
    if (end >= text.size()) return tk::ShowText(text).Quoted;
    std::string quoted = tk::ShowText(text.substr(0, end)).Quoted;
    const std::string_view close = "»";
    quoted.insert(quoted.size() - close.size(), "…");
    return quoted;
}

TGivenAnswer ReadPair(std::string_view pair) {
    const std::size_t eq = pair.find('=');
    if (eq == std::string_view::npos || eq == 0)
        throw TExerciseError{"ответ " + Shown(pair) +
                             " не прочитан: пишите имя, знак «=» и число, например «d=0,198»"};
    std::string value(pair.substr(eq + 1));
    for (char& c : value)
        if (c == ',') c = '.';
    const tk::TDecimalRead r = tk::ReadDecimal(value);
    if (r.Outcome != tk::TDecimalRead::Ok || !std::isfinite(r.Value))
        throw TExerciseError{"ответ " + Shown(pair) + ": " + Shown(pair.substr(eq + 1)) +
                             " не является числом"};
    return {std::string(pair.substr(0, eq)), r.Value};
}

} // namespace

std::vector<TGivenAnswer> ReadAnswers(std::string_view text) {
    std::vector<TGivenAnswer> answers;
    std::size_t i = 0;
    while (i < text.size()) {
        if (Apart(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !Apart(text[end]))
            ++end;
        TGivenAnswer a = ReadPair(text.substr(i, end - i));
        for (const TGivenAnswer& b : answers)
            if (SameName(a.Name, b.Name))
                throw TExerciseError{"ответ " + Shown(a.Name) + " дан дважды: оставьте один"};
        answers.push_back(std::move(a));
        i = end;
    }
    if (answers.empty())
        throw TExerciseError{"нет ни одного ответа: пишите, например, «d=0,198 l=0,126»"};
    return answers;
}

std::vector<TVerdict> CheckAnswers(const TExerciseSet& set, int number,
                                   const std::vector<TGivenAnswer>& given) {
    if (number < 1 || number > int(set.Variants.size()))
        throw TExerciseError{"варианта " + std::to_string(number) + " нет: их от 1 до " +
                             std::to_string(set.Variants.size())};
    const TVariant& v = set.Variants[std::size_t(number - 1)];
    std::string names;
    for (const TAnswer& a : v.Answers)
        names += (names.empty() ? "«" : ", «") + a.Name + "»";
    for (const TGivenAnswer& g : given) {
        bool asked = false;
        for (const TAnswer& a : v.Answers)
            asked = asked || SameName(g.Name, a.Name);
        if (!asked)
            throw TExerciseError{"в варианте нет ответа " + Shown(g.Name) + ": нужны " + names};
    }
    std::vector<TVerdict> verdicts;
    for (const TAnswer& a : v.Answers) {
        TVerdict verdict{a.Name};
        for (const TGivenAnswer& g : given)
            if (SameName(g.Name, a.Name)) {
                verdict.Given = true;
                verdict.Off = Departure(g.Value, a.Exact, a.Periodic);
            }
        verdict.Right = verdict.Given && std::fabs(verdict.Off) <= a.Tolerance;
        // A length is read on the wavelength scale at the rim, where λ/2 is the whole turn:
        // 4π·R per wavelength. Any other answer's tolerance is a millimetre's worth of it,
        // and the rest goes in proportion.
        const double mm = a.Periodic ? 4 * theory::Pi * set.Ask.RadiusMm * std::fabs(verdict.Off)
                                     : std::fabs(verdict.Off) / a.Tolerance * kPaperMm;
        verdict.OffMm = verdict.Given ? mm : 0;
        verdict.OffPixels = verdict.OffMm * chart::ChartRadius / set.Ask.RadiusMm;
        verdicts.push_back(verdict);
    }
    return verdicts;
}

} // namespace exercises
