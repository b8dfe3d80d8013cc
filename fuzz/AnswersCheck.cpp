// The answers target: a student's answers text (--check --answers, the window's field) on
// arbitrary bytes, as exercises::ReadAnswers reads it, then checked against a variant.
// The reader must give pairs or refuse with a TExerciseError whose message is Russian,
// well-formed UTF-8 and short; nothing else may escape it. Pairs read are finite, named
// without a separator, and written back with every digit they read back the same; the
// check of them gives a verdict an answer or refuses a name the variant does not ask.
#include "fuzz/Check.h"
#include "fuzz/TextChecks.h"

#include "exercises/Check.h"
#include "toolkit/DecimalText.h"

#include <cmath>
#include <string_view>

namespace zfuzz {

namespace {

const exercises::TExerciseSet& Set() {
    static const exercises::TExerciseSet set = [] {
        exercises::TAsk ask;
        ask.Group = "fuzz";
        ask.Kind = exercises::TKind::StubShort;
        ask.Count = 2;
        return exercises::MakeExercises(ask);
    }();
    return set;
}

std::string Refusal(const exercises::TExerciseError& e) {
    if (!IsRussian(e.Message)) return "the refusal is no Russian text";
    if (e.Message.size() > 600)
        return "a refusal of " + std::to_string(e.Message.size()) + " bytes";
    return "";
}

std::string RoundTripBroken(const std::vector<exercises::TGivenAnswer>& read) {
    std::string written;
    for (const exercises::TGivenAnswer& a : read) {
        if (!std::isfinite(a.Value)) return "a value that is not finite";
        if (a.Name.empty() || a.Name.find_first_of(" \t\r\n;=") != std::string::npos)
            return "a name with a separator in it";
        written += a.Name + "=" + tk::ScientificText(a.Value, 16) + " ";
    }
    const std::vector<exercises::TGivenAnswer> again = exercises::ReadAnswers(written);
    if (again.size() != read.size()) return "written back, another number of answers";
    for (std::size_t i = 0; i < read.size(); ++i)
        if (again[i].Name != read[i].Name || again[i].Value != read[i].Value)
            return "written back, another answer: " + written;
    return "";
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    std::vector<exercises::TGivenAnswer> read;
    try {
        read = exercises::ReadAnswers(text);
    } catch (const exercises::TExerciseError& e) {
        return Refusal(e);
    } catch (...) {
        return "the reader threw something other than its refusal";
    }
    if (std::string broken = RoundTripBroken(read); !broken.empty()) return broken;
    try {
        const auto verdicts = exercises::CheckAnswers(Set(), 1, read);
        if (verdicts.size() != Set().Variants[0].Answers.size()) return "a verdict missing";
    } catch (const exercises::TExerciseError& e) {
        return Refusal(e);
    } catch (...) {
        return "the check threw something other than its refusal";
    }
    return "";
}

} // namespace zfuzz
