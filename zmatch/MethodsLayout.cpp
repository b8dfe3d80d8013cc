#include "zmatch/MethodsLayout.h"

#include "zmatch/MethodOptions.h"

namespace zmatch {

namespace {

using K = tk::TControlKind;

// The column: its left and width; a field's label on the left, the field on the right.
constexpr int kLeft = 8, kWidth = 350, kLabelWidth = 200, kFieldLeft = 220, kFieldWidth = 138;
constexpr int kRadioHeight = 17, kLabelHeight = 13, kFieldHeight = 21;
// A method's radio button below the one before; a result label below the one before.
constexpr int kMethodStep = 22, kResultStep = 19, kResultGap = 26;

// Rows added top to bottom: the top of the next one, the next tab stop, names kept.
class TRows {
  public:
    explicit TRows(TMethodsLayout& layout) : layout_(layout) {}

    const char* Name(std::string name) {
        return layout_.Names.emplace_back(std::move(name)).c_str();
    }
    void Add(const tk::TControlDesc& d) { layout_.Controls.push_back(d); }
    int Tab() { return tab_++; }

    int Top = 8;

  private:
    TMethodsLayout& layout_;
    int tab_ = 0;
};

void AddMethods(TRows& rows, std::span<const methods::TMethod> list) {
    const int height = 20 + kMethodStep * int(list.size());
    rows.Add({K::GroupBox, "MethodBox", nullptr, kLeft, rows.Top, kWidth, height,
              "Способ согласования", rows.Tab()});
    for (std::size_t i = 0; i < list.size(); ++i)
        rows.Add({K::RadioButton, rows.Name(MethodButtonName(i)), "MethodBox", 8,
                  20 + kMethodStep * int(i), 330, kRadioHeight, list[i].Caption, int(i),
                  list[i].ChosenAtStart});
    rows.Top += height + 6;
}

void AddChoice(TRows& rows, const TOptionDesc& d) {
    constexpr int kHeight = 46, kChoiceWidth = 160, kChoiceStep = 172;
    rows.Add(
        {K::GroupBox, d.Name, nullptr, kLeft, rows.Top, kWidth, kHeight, d.Caption, rows.Tab()});
    for (std::size_t i = 0; i < d.Choices.size(); ++i) {
        const TOptionChoice& c = d.Choices[i];
        rows.Add({K::RadioButton, c.Name, d.Name, 8 + kChoiceStep * int(i), 20, kChoiceWidth,
                  kRadioHeight, c.Caption, int(i), std::string_view(c.Word) == d.Default});
    }
    rows.Top += kHeight + 10;
}

// The field is typed its default by the window, in the user's way.
void AddField(TRows& rows, const TOptionDesc& d) {
    constexpr int kPresetWidth = 44, kPresetHeight = 23, kPresetStep = 47;
    rows.Add({K::Label, d.LabelName, nullptr, kLeft, rows.Top + 3, kLabelWidth, kLabelHeight,
              d.Caption});
    rows.Add({K::Edit, d.Name, nullptr, kFieldLeft, rows.Top, kFieldWidth, kFieldHeight, "",
              rows.Tab()});
    if (d.Presets.empty()) {
        rows.Top += 27;
        return;
    }
    const int top = rows.Top + 26;
    for (std::size_t i = 0; i < d.Presets.size(); ++i)
        rows.Add({K::Button, d.Presets[i].Name, nullptr, kFieldLeft + kPresetStep * int(i), top,
                  kPresetWidth, kPresetHeight, d.Presets[i].Caption, rows.Tab()});
    rows.Top = top + 32;
}

void AddResults(TRows& rows) {
    const int solve = rows.Top + 4;
    rows.Add({K::Button, "SolveButton", nullptr, kLeft, solve, kWidth, 25, "Решить", rows.Tab()});
    int top = solve + 38;
    rows.Add({K::Label, "SolutionsCaption", nullptr, kLeft, top, kWidth, kLabelHeight,
              "Решения по диаграмме:"});
    for (std::size_t i = 0; i < kSolutionRows; ++i)
        rows.Add({K::Label, rows.Name(SolutionLabelName(i)), nullptr, kLeft, top += kResultStep,
                  kWidth, kLabelHeight, ""});
    top += kResultGap - kResultStep;
    for (std::size_t i = 0; i < kNoteRows; ++i)
        rows.Add({K::Label, rows.Name(NoteLabelName(i)), nullptr, kLeft, top += kResultStep, kWidth,
                  kLabelHeight, ""});
    rows.Add({K::Label, "BuiltLabel", nullptr, kLeft, top + kResultGap, kWidth, kLabelHeight, ""});
    const int chain = top + kResultGap + 30;
    rows.Add({K::Label, "ChainSolutionLabel", nullptr, kLeft, chain + 4, 70, kLabelHeight,
              "Решение №"});
    rows.Add({K::Edit, "ChainSolutionEdit", nullptr, 80, chain + 1, 40, kFieldHeight, "1",
              rows.Tab()});
    rows.Add({K::Button, "ChainButton", nullptr, 128, chain, kWidth - 120, 25, "В цепь",
              rows.Tab()});
}

bool SomeMethodReads(std::span<const methods::TMethod> list, methods::TOptionKind kind) {
    for (const methods::TMethod& m : list)
        if (m.Options.Has(kind)) return true;
    return false;
}

} // namespace

std::string MethodButtonName(std::size_t i) {
    return "MethodButton" + std::to_string(i + 1);
}
std::string SolutionLabelName(std::size_t i) {
    return "SolutionLabel" + std::to_string(i + 1);
}
std::string NoteLabelName(std::size_t i) {
    return "NoteLabel" + std::to_string(i + 1);
}

TMethodsLayout MethodsLayout(std::span<const methods::TMethod> list) {
    TMethodsLayout layout;
    TRows rows(layout);
    // The chart beside the column at its own size, as in the main window.
    rows.Add({K::Image, "Picture", nullptr, 366, 8, 807, 689, ""});
    AddMethods(rows, list);
    for (const TOptionDesc& d : OptionKinds()) {
        if (!d.Caption || !SomeMethodReads(list, d.Kind)) continue;
        if (d.Choices.empty())
            AddField(rows, d);
        else
            AddChoice(rows, d);
    }
    AddResults(rows);
    return layout;
}

} // namespace zmatch
