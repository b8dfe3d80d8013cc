// The answers a test's host gives to the modal questions (a file to open, one of a list or
// a value typed), in the order they are asked; nothing (the user's cancel) once the script
// runs out. What was asked is kept: each title, and the items of the last list and the one
// it started with.
//
//     host.Script.Answers = {"/tmp/load.s1p", "1,5 ГГц"};
#pragma once

#include "toolkit/Questions.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace testing_common {

struct ScriptedAnswers {
    std::optional<std::string> Open(const tk::TOpenFileQuestion& q) { return Next(q.Title); }
    std::optional<std::string> Choose(const tk::TChoiceQuestion& q) {
        Items = q.Items;
        Selected = q.Selected;
        return Next(q.Title);
    }

    std::deque<std::optional<std::string>> Answers;
    std::vector<std::string> Asked;
    std::vector<std::string> Items;
    std::size_t Selected = 0;

  private:
    std::optional<std::string> Next(const std::string& title) {
        Asked.push_back(title);
        if (Answers.empty()) return std::nullopt;
        std::optional<std::string> answer = std::move(Answers.front());
        Answers.pop_front();
        return answer;
    }
};

} // namespace testing_common
