// «Задания…» (F4 in either program's chart menu): a teacher's set of exercises. The fields
// ask for the kind of problem (the program's own kinds), how many variants, the group (its
// name draws them: the same group always gets the same variants) and what the kind needs; «Сделать»
// lists the variants, and the one selected shows its problem and its construction on the
// window's chart, drawn as the key draws it. The worksheets, the key and the Moodle quiz are
// saved from the buttons; «Проверить» checks a student's answers to a variant, each answer
// right or how far off, with the construction to compare.
//
// Every field is read when a button needs it; a bad one raises its Russian message and
// changes nothing, the texts typed stay as they are.
#pragma once

#include "chart/DrawnGrid.h"
#include "exercises/Check.h"
#include "exercises/Exercise.h"

#include "toolkit/Controls.h"
#include "toolkit/RowList.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chart {

class TExercisesForm : public tk::TForm {
  public:
    // The window of `program`'s kinds ("zmatch" or "zline", exercises::KindsOf).
    explicit TExercisesForm(std::string_view program);

    tk::TRowList* const KindList = Get<tk::TRowList>("KindList");
    tk::TEdit* const CountEdit = Get<tk::TEdit>("CountEdit");
    tk::TEdit* const GroupEdit = Get<tk::TEdit>("GroupEdit");
    tk::TEdit* const SpacingEdit = Get<tk::TEdit>("SpacingEdit");
    tk::TEdit* const FrequencyEdit = Get<tk::TEdit>("FrequencyEdit");
    tk::TEdit* const RadiusEdit = Get<tk::TEdit>("RadiusEdit");
    tk::TButton* const MakeButton = Get<tk::TButton>("MakeButton");
    tk::TRowList* const VariantList = Get<tk::TRowList>("VariantList");
    tk::TLabel* const ProblemLabel = Get<tk::TLabel>("ProblemLabel");
    tk::TButton* const WorksheetsButton = Get<tk::TButton>("WorksheetsButton");
    tk::TButton* const KeyButton = Get<tk::TButton>("KeyButton");
    tk::TButton* const MoodleButton = Get<tk::TButton>("MoodleButton");
    tk::TEdit* const CheckVariantEdit = Get<tk::TEdit>("CheckVariantEdit");
    tk::TEdit* const AnswersEdit = Get<tk::TEdit>("AnswersEdit");
    tk::TButton* const CheckButton = Get<tk::TButton>("CheckButton");
    tk::TRowList* const VerdictList = Get<tk::TRowList>("VerdictList");
    tk::TImage* const Picture = Get<tk::TImage>("Picture");

    const std::vector<exercises::TKind>& Kinds() const { return kinds_; }
    // The set «Сделать» made last; none before.
    const std::optional<exercises::TExerciseSet>& Set() const { return set_; }

    // The fields read into an ask (ReadExercisesAsk), the set made and listed, its first
    // variant selected.
    void Make();
    // Variant `row` (from 0) of the list shown: its problem and its construction.
    void ShowVariant(int row);
    // The set made from the fields again, then the variant and answers typed checked: a
    // row a verdict, that variant selected and its construction shown.
    void Check();
    // The set made from the fields, then saved where the user says.
    void SaveWorksheets();
    void SaveKey();
    void SaveMoodle();

  private:
    // `set` listed, its variant `row` selected and shown, the verdicts cleared.
    void List(exercises::TExerciseSet set, int row);

    std::vector<exercises::TKind> kinds_;
    std::optional<exercises::TExerciseSet> set_;
    TDrawnGrid grid_;
};

// What the fields ask for: the kind of the row selected in the list of `kinds` (the first
// if none), the count an integer from 1 to 200, the group as typed, the spacing in λ, the
// frequency in MHz and the radius in mm as numbers. A field that does not read raises its
// Russian message; what the library refuses it says itself (MakeOrExplain).
exercises::TAsk ReadExercisesAsk(const TExercisesForm& form);
// The variant to check, a whole number from 1 to `count`; kCheckVariantMessage otherwise.
int ReadCheckVariant(const TExercisesForm& form, int count);
// MakeExercises, a refusal raised as the window's message: «Задания не сделаны: …».
exercises::TExerciseSet MakeOrExplain(const exercises::TAsk& ask);

// A variant in the list: its number and its problem in short («Zн = 100+j50, Zв = 50 Ом»,
// with the spacing, the frequency or the line's length, λ and loss where the kind has them).
tk::TRowList::TRow VariantRow(const exercises::TVariant& v);
// A verdict in the list: the answer's name, «верно», «неверно», or «нет ответа», how far off
// in the answer's unit, in mm on the printed chart and in the window's pixels.
tk::TRowList::TRow VerdictRow(const exercises::TVerdict& verdict, const exercises::TAnswer& asked);

// «Задания…» of each program: the window of its kinds.
void OpenZmatchExercisesWindow(tk::TForm& chartForm);
void OpenZlineExercisesWindow(tk::TForm& chartForm);

inline constexpr tk::TActionDesc kZmatchExercisesAction{
    "Задания…", tk::TShortcut::Exercises, tk::TActionKind::Command, nullptr,
    OpenZmatchExercisesWindow};
inline constexpr tk::TActionDesc kZlineExercisesAction{
    "Задания…", tk::TShortcut::Exercises, tk::TActionKind::Command, nullptr,
    OpenZlineExercisesWindow};

extern const char* const kCountMessage;
extern const char* const kCheckVariantMessage;

} // namespace chart
