// The search itself: a first cut that finds nothing yet, so that the window and the command
// line can be built against the interface while the topologies are written.
#include "theory/Choose.h"

namespace theory {

struct TChooser::TState {
    TChooseAsk Ask;
    std::vector<TChoice> Found;
};

TChooser::TChooser(const TChooseAsk& ask) : State(std::make_unique<TState>()) {
    State->Ask = ask;
}
TChooser::~TChooser() = default;

bool TChooser::Step() { return false; }
int TChooser::Done() const { return 0; }
int TChooser::Total() const { return 0; }
std::vector<TChoice> TChooser::Ranked() const { return State->Found; }

bool RanksBefore(const TChoice& a, const TChoice& b) {
    if (a.WorstVswr < b.WorstVswr - 1e-9 || a.WorstVswr > b.WorstVswr + 1e-9)
        return a.WorstVswr < b.WorstVswr;
    if (a.Parts != b.Parts) return a.Parts < b.Parts;
    return a.LossDb < b.LossDb;
}

std::vector<TChoice> Choose(const TChooseAsk& ask) {
    TChooser chooser(ask);
    while (chooser.Step()) {
    }
    return chooser.Ranked();
}

std::string ChoiceTableText(const std::vector<TChoice>&, const TChooseAsk&) { return {}; }
std::vector<std::string> ChoiceReasons(const std::vector<TChoice>&, const TChooseAsk&) {
    return {};
}

} // namespace theory
