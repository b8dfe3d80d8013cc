// The exwin target: a session at the exercises window «Задания» of either program.
//
// Input, read as lines: line 1 is the script. 'Z' as its first byte opens zline's window,
// zmatch's otherwise; '1' to '8' choose the kind in the window's order, 'M' presses «Сделать»,
// 'K' «Проверить», 'r' selects the next variant in the list, '>' types the next group of
// field lines. From line 2 on, groups of seven lines: the count, the group, the spacing, the
// frequency, the radius, the variant to check and the answers; the first group is typed
// before the script starts, one cut short leaves the rest.
//
// After each press: a refusal is a toolkit exception, and the lists, the problem, the set and
// the picture stay as they were; «Сделать» lists the count asked, each row its variant's
// number; «Проверить» lists a verdict for each of the variant's answers, that variant
// selected. Nothing else may escape the handler.
#include "fuzz/Check.h"
#include "fuzz/TextChecks.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ExercisesForm.h"
#include "toolkit/Exceptions.h"

#include <string>
#include <vector>

namespace zfuzz {

namespace {

constexpr std::size_t kMaxPresses = 6, kMaxLine = 1024;

// What a refusal must leave as it was.
struct TShown {
    std::vector<tk::TRowList::TRow> Variants, Verdicts;
    int Selected;
    std::string Problem;
    std::size_t SetSize;
    std::vector<std::uint32_t> Picture;

    explicit TShown(const chart::TExercisesForm& f)
        : Variants(f.VariantList->Rows()), Verdicts(f.VerdictList->Rows()),
          Selected(f.VariantList->ItemIndex()), Problem(f.ProblemLabel->Caption),
          SetSize(f.Set() ? f.Set()->Variants.size() : 0),
          Picture(f.Picture->Canvas.Bits(),
                  f.Picture->Canvas.Bits() +
                      std::size_t(f.Picture->Canvas.Width()) * f.Picture->Canvas.Height()) {}
    bool operator==(const TShown&) const = default;
};

std::string MadeBroken(const chart::TExercisesForm& f) {
    if (!f.Set()) return "made without a set";
    const auto& rows = f.VariantList->Rows();
    if (rows.size() != std::size_t(f.Set()->Ask.Count)) return "not the count asked listed";
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].empty() || rows[i][0] != std::to_string(i + 1)) return "a row's number wrong";
    return {};
}

std::string CheckedBroken(const chart::TExercisesForm& f) {
    if (std::string made = MadeBroken(f); !made.empty()) return made;
    const int row = f.VariantList->ItemIndex();
    if (row < 0) return "checked with no variant selected";
    if (f.VerdictList->Rows().size() != f.Set()->Variants[std::size_t(row)].Answers.size())
        return "not a verdict for each answer";
    return {};
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    const std::vector<std::string> lines = LinesOf(input, kMaxLine);
    const std::string& script = lines[0];
    const testing_common::ScopedDecimalSeparator separator(',');
    chart::TExercisesForm f(!script.empty() && script[0] == 'Z' ? "zline" : "zmatch");
    const std::vector<tk::TEdit*> fields = {f.CountEdit,     f.GroupEdit,  f.SpacingEdit,
                                            f.FrequencyEdit, f.RadiusEdit, f.CheckVariantEdit,
                                            f.AnswersEdit};
    std::size_t next = 1;
    const auto typeGroup = [&] {
        for (tk::TEdit* field : fields)
            if (next < lines.size()) field->Text = lines[next++];
    };
    typeGroup();
    std::size_t presses = 0;
    for (const char c : script) {
        if (c >= '1' && std::size_t(c - '1') < f.Kinds().size()) {
            f.KindList->SetItemIndex(c - '1');
        } else if (c == '>') {
            typeGroup();
        } else if (c == 'r') {
            const int row = f.VariantList->ItemIndex() + 1;
            f.VariantList->SetItemIndex(row < int(f.VariantList->Rows().size()) ? row : 0);
            f.ShowVariant(f.VariantList->ItemIndex());
        } else if ((c == 'M' || c == 'K') && presses++ < kMaxPresses) {
            const TShown before(f);
            try {
                c == 'M' ? f.Make() : f.Check();
            } catch (const tk::Exception&) {
                if (!(TShown(f) == before)) return "a refusal changed what the window shows";
                continue;
            } catch (const std::exception& e) {
                return std::string("the handler let out ") + e.what();
            }
            const std::string broken = c == 'M' ? MadeBroken(f) : CheckedBroken(f);
            if (!broken.empty()) return broken;
        }
    }
    return {};
}

} // namespace zfuzz
