// The steps window, beside the chart of either program: the last construction step by step.
// A numbered list of the steps, the chosen one marked and its whole sentence below, «Назад»
// and «Далее» (and the arrow keys) to move; the chart shows itself as it stood after the
// chosen step, that step's lines emphasised. A new construction while the window is open
// renews the list and gives the chart back whole, as closing the window does.
#pragma once

#include "chart/ConstructionSteps.h"
#include "chart/StepsSource.h"

#include "toolkit/Controls.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace chart {

class TStepsForm : public tk::TForm {
  public:
    // Rows for the longest construction (a match, or a line move with the mirror points
    // and a loss, takes nine); the rows past the steps are hidden.
    static constexpr std::size_t kRows = 10;

    explicit TStepsForm(TStepsSource& chart);
    // One steps window a chart: another chart's is a window of its own.
    bool SameWindow(const tk::TForm& other) const override;
    ~TStepsForm() override;
    TStepsForm(const TStepsForm&) = delete;
    TStepsForm& operator=(const TStepsForm&) = delete;

    std::array<tk::TLabel*, kRows> Rows;
    tk::TLabel* const SentenceLabel =
        Get<tk::TLabel>("SentenceLabel");                           // the chosen step's sentence
    tk::TButton* const BackButton = Get<tk::TButton>("BackButton"); // «Назад»
    tk::TButton* const ForwardButton = Get<tk::TButton>("ForwardButton"); // «Далее»
    tk::TLabel* const CountLabel = Get<tk::TLabel>("CountLabel");         // «Шаг k из n»

    // Step k (from 0) chosen, the chart shown as it stood after it; a k past the steps
    // leaves everything as it is.
    void Choose(std::size_t k);
    // One step back or on; at either end nothing changes.
    void Back();
    void Forward();
    // The list renewed from the chart's steps, none chosen, the chart shown whole.
    void Follow();

    std::optional<std::size_t> Chosen() const { return chosen_; }

  private:
    void ShowChosen();
    // The chart given back whole and no longer followed: the window closed, or the form
    // gone with the application.
    void Release();

    TStepsSource* chart_;
    bool following_ = false; // since the window opened
    std::optional<std::size_t> chosen_;
};

// The sentence split into lines of at most `width` characters, at spaces; a word longer
// than a line stands alone on its own.
std::string Wrapped(const std::string& sentence, std::size_t width);

// A row of the list: the sentence up to its first colon, cut at a space to `width`
// characters with an ellipsis where it is longer.
std::string RowText(const std::string& sentence, std::size_t width);

extern const char* const kNoConstructionForStepsMessage;

} // namespace chart
