#include "toolkit/ResultsText.h"

#include <algorithm>
#include <vector>

namespace tk {

std::string ResultsText(const TForm& form) {
    std::string captions;
    std::vector<const std::string*> hints;
    for (const auto& c : form.Controls()) {
        const auto* label = dynamic_cast<const TLabel*>(c.get());
        if (!label || label->Hint.empty()) continue;
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

} // namespace tk
