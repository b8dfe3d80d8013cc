#include "chart/ResultsText.h"

#include <algorithm>
#include <vector>

namespace chart {

namespace {

const tk::TLabel* AsLabel(const std::unique_ptr<tk::TControl>& c) {
    return dynamic_cast<const tk::TLabel*>(c.get());
}

} // namespace

std::string ResultsText(const tk::TForm& form) {
    std::string captions;
    std::vector<const std::string*> hints;
    const auto& controls = form.Controls();
    for (auto c = controls.begin(); c != controls.end(); ++c) {
        const tk::TLabel* label = AsLabel(*c);
        if (!label) continue;
        if (label->Hint.empty()) {
            // A heading tells apart results whose captions alike: zmatch's two
            // «l. раст. от нагр.=» lines, one under «Расстояние», one under «Значения в
            // длинах волн».
            const auto next = std::next(c);
            const tk::TLabel* below = next != controls.end() ? AsLabel(*next) : nullptr;
            if (below && !below->Hint.empty()) captions += label->Caption + "\n";
            continue;
        }
        captions += label->Caption + "\n";
        // Labels of one construction share its hint; it is told once.
        if (std::none_of(hints.begin(), hints.end(),
                         [&](const std::string* h) { return *h == label->Hint; }))
            hints.push_back(&label->Hint);
    }
    std::string text = captions;
    for (const std::string* h : hints)
        text += "\n" + *h + "\n";
    return text;
}

} // namespace chart
