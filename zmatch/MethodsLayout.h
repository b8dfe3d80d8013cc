// The methods window's controls, laid out from its list of methods (methods::Methods()) and
// the option kinds they read (MethodOptions.h), top to bottom in the column left of the
// chart: a radio button a method, a row an option kind some method of the list reads («Тип
// шлейфа» with its two stubs, a field with its label and its preset buttons), «Решить», the
// result labels, and «В цепь» with the number of the solution it takes. A fifth method adds its radio button and moves the rows below it down
// by one; one that reads no option of its own adds no row.
//
// Every control is named by its role: "MethodButton1" … in the list's order, "StubBox",
// "ShortStubButton", "FirstStubEdit", "SpacingEighthButton", "SolveButton",
// "SolutionLabel1" …, "NoteLabel1" …, "BuiltLabel", "ChainSolutionEdit", "ChainButton",
// "Picture".
#pragma once

#include "zmatch/methods/Method.h"

#include "toolkit/Controls.h"

#include <cstddef>
#include <deque>
#include <span>
#include <string>
#include <vector>

namespace zmatch {

inline constexpr std::size_t kSolutionRows = 4, kNoteRows = 2;

// The controls in the window's order, and the names made for them, which the controls'
// descriptions point into (kept in place when the layout is moved, never copied).
struct TMethodsLayout {
    TMethodsLayout() = default;
    TMethodsLayout(TMethodsLayout&&) = default;
    TMethodsLayout(const TMethodsLayout&) = delete;
    TMethodsLayout& operator=(const TMethodsLayout&) = delete;

    std::vector<tk::TControlDesc> Controls;
    std::deque<std::string> Names;
};

TMethodsLayout MethodsLayout(std::span<const methods::TMethod> list);

// The names of the numbered rows: "MethodButton2" is the list's second method.
std::string MethodButtonName(std::size_t i);
std::string SolutionLabelName(std::size_t i);
std::string NoteLabelName(std::size_t i);

} // namespace zmatch
