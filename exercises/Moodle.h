// The set as a Moodle quiz: Moodle XML (the "Moodle XML format" of Moodle's question import),
// a category named after the group and kind, then one numerical question per answer of each
// variant — the problem's text, which answer is asked, the exact value and the paper chart's
// tolerance as Moodle's absolute error. Every text is XML-escaped; numbers have a point.
//
//     <question type="numerical"><name><text>Вариант 3: d</text></name>
//       <questiontext format="plain_text"><text>Группа «ИВТ-21», вариант 3. …</text>
//       <answer fraction="100"><text>0.198132</text><tolerance>0.005</tolerance></answer>
#pragma once

#include "exercises/Exercise.h"

#include <string>
#include <string_view>

namespace exercises {

std::string MoodleXml(const TExerciseSet& set);

// & < > " ' as entities; the text is well-formed UTF-8 already (GroupText).
std::string XmlEscaped(std::string_view text);

// A value as Moodle reads it: a point, six places at most, no trailing zeros ("0.198132").
std::string PointDecimal(double v);

} // namespace exercises
