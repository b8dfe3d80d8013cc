#include "chart/ResultsText.h"

#include <algorithm>
#include <vector>

namespace chart {

namespace {

const tk::TLabel* AsLabel(const std::unique_ptr<tk::TControl>& c) {
    return dynamic_cast<const tk::TLabel*>(c.get());
}

// The labels that answer one thing, and the hint they share.
struct TGroup {
    const std::string* Hint;
    std::string Captions;
};

} // namespace

std::string ResultsText(const tk::TForm& form) {
    std::vector<TGroup> groups;
    const auto& controls = form.Controls();
    for (auto c = controls.begin(); c != controls.end(); ++c) {
        const tk::TLabel* label = AsLabel(*c);
        if (!label || label->Hint.empty()) continue;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const TGroup& g) { return *g.Hint == label->Hint; });
        if (group == groups.end()) group = groups.insert(groups.end(), {&label->Hint, ""});
        // A heading tells apart results whose captions are alike: zmatch's two
        // «l. раст. от нагр.=» lines, one under «Расстояние», one under «Значения в длинах
        // волн».
        if (c != controls.begin()) {
            const tk::TLabel* above = AsLabel(*std::prev(c));
            if (above && above->Hint.empty()) group->Captions += above->Caption + "\n";
        }
        group->Captions += label->Caption + "\n";
    }
    std::string text;
    for (const TGroup& g : groups) {
        const std::size_t end = g.Hint->find('\n');
        if (!text.empty()) text += "\n";
        text += g.Hint->substr(0, end) + "\n" + g.Captions;
        if (end != std::string::npos) text += g.Hint->substr(end + 1) + "\n";
    }
    return text;
}

} // namespace chart
