#include "cli/StepsText.h"

#include "cli/Json.h"

#include <string>

namespace cli {

TAnswer WithSteps(TAnswer a, const chart::TConstructionSteps& steps) {
    if (a.Refused || steps.empty()) return a;
    std::string text = "Построение по шагам:\n", list;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const chart::TConstructionStep& s = steps[k];
        text += std::to_string(k + 1) + ". " + s.Text +
                (s.Exact.empty() ? "" : " (точно: " + s.Exact + ")") + "\n";
        list += std::string(k ? "," : "") + "{" + json::Field("text", json::String(s.Text)) + "," +
                json::Field("exact", s.Exact.empty() ? "null" : json::String(s.Exact)) + "}";
    }
    a.Text += text;
    // The answer's object ends with its closing brace: the list goes in before it.
    if (!a.Json.empty() && a.Json.back() == '}') {
        a.Json.pop_back();
        a.Json += "," + json::Field("steps", "[" + list + "]") + "}";
    }
    return a;
}

} // namespace cli
